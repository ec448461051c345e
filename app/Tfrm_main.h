#pragma once

#include "lesson/TLessonView.h"
#include "lesson/TPlaybackEngine.h"
#include "platform/forms/TForm.h"

#include <functional>
#include <string>

class TErrorBoxes;
class TImage;
class TMediaPlayer;
class TsuiTrackBar;
class TsuiCheckBox;
class TsuiMemo;
class TsuiPageControl;
class TsuiStatusBar;
class TsuiTabSheet;
class TTimer;

// The main window: the course player and its four side-menu commands. Its controls come
// from the stored layout; it lends them to the playback engine.
class Tfrm_main : public TForm, public TLessonView {
    Q_OBJECT

public:
    explicit Tfrm_main(TErrorBoxes& errorBoxes, QWidget* parent = nullptr);
    ~Tfrm_main() override;

    TPlaybackEngine& Engine() { return m_engine; }

    // The download page and the maker's web page, both our own.
    static constexpr const char* kDownloadAddress = "https://www.example.org/zintaro/download/";

    // Side-menu and About-page commands.
    void SBTN_OpenClick();
    void SBTN_downloadClick();
    void SBTN_AboutClick();
    void SBTN_helpClick();
    void suiImageButton1Click();
    void tmr_playTimer();

    // The folder browser of the Open command; tests replace it. Empty means cancelled.
    std::function<std::string(const std::string& startFolder)> BrowseForFolder;

    // TLessonView
    int IntervalPosition() const override;
    bool ReplayChecked() const override;
    void SetStatusText(int panel, const std::string& text) override;
    void SetPlayTimerEnabled(bool enabled) override;
    void LoadPicture(const std::string& path) override;
    void LoadNote(const std::string& path) override;
    void PlaySound(const std::string& path) override;

private:
    void BindHandlers();
    void FindControls();
    std::string BrowseWithDialog(const std::string& startFolder);
    template <class T>
    T* Control(const char* name) const;

    TErrorBoxes& m_errorBoxes;
    TPlaybackEngine m_engine;
    TImage* m_picture = nullptr;
    TsuiMemo* m_note = nullptr;
    TMediaPlayer* m_wordPlayer = nullptr;
    TsuiTrackBar* m_interval = nullptr;
    TsuiCheckBox* m_replay = nullptr;
    TsuiStatusBar* m_statusBar = nullptr;
    TTimer* m_playTimer = nullptr;
    TsuiPageControl* m_pages = nullptr;
    TsuiTabSheet* m_mainPage = nullptr;
    TsuiTabSheet* m_aboutPage = nullptr;
};
