#include "app/Tfrm_main.h"

#include "app/MainWindowClasses.h"
#include "app/TErrorBoxes.h"
#include "platform/core/Exceptions.h"
#include "platform/core/NoteText.h"
#include "platform/core/Paths.h"
#include "platform/core/TTimer.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TFolderBrowser.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TLayoutReader.h"
#include "controls/SUIButton.h"
#include "controls/SUIMemo.h"
#include "controls/SUIPageControl.h"
#include "controls/SUIStatusBar.h"
#include "controls/SUITrackBar.h"
#include "platform/media/TMediaPlayer.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

namespace {

constexpr const char* kLayoutResource = ":/layouts/frm_main.layout";

std::string StoredLayout()
{
    QFile file(kLayoutResource);
    if (!file.open(QIODevice::ReadOnly))
        throw EReadError("The main window's layout is missing from the program");
    return file.readAll().toStdString();
}

void OpenWithDesktop(const QUrl& url)
{
    // The desktop's answer is not checked: a missing viewer is the desktop's to report.
    QDesktopServices::openUrl(url);
}

} // namespace

Tfrm_main::Tfrm_main(TErrorBoxes& errorBoxes, QWidget* parent)
    : TForm(parent)
    , m_errorBoxes(errorBoxes)
    , m_engine(*this, ExecutableDirectory())
{
    setObjectName("frm_main");
    BrowseForFolder = [this](const std::string& start) { return BrowseWithDialog(start); };
    BindHandlers();
    ReadLayout(StoredLayout(), *this, MainWindowClasses(), Handlers());
    FindControls();
    m_errorBoxes.SetMainWindow(this);
    // While words advance by themselves a picture that fails to decode is reported like
    // one that fails to load, in the one box that leaves Stop and Pause reachable.
    m_picture->OnPictureError = [this](const Exception& error) {
        if (m_playTimer->Enabled())
            m_errorBoxes.ShowTimed(error);
        else
            HandleApplicationError(error);
    };
}

Tfrm_main::~Tfrm_main() = default;

void Tfrm_main::BindHandlers()
{
    THandlerTable& handlers = Handlers();
    handlers["SBTN_OpenClick"] = [this] { SBTN_OpenClick(); };
    handlers["SBTN_downloadClick"] = [this] { SBTN_downloadClick(); };
    handlers["SBTN_AboutClick"] = [this] { SBTN_AboutClick(); };
    handlers["SBTN_helpClick"] = [this] { SBTN_helpClick(); };
    handlers["suiImageButton1Click"] = [this] { suiImageButton1Click(); };
    handlers["tmr_playTimer"] = [this] { tmr_playTimer(); };
    handlers["sIB_PlayClick"] = [this] { m_engine.sIB_PlayClick(); };
    handlers["sIB_StopClick"] = [this] { m_engine.sIB_StopClick(); };
    handlers["sIB_PauseClick"] = [this] { m_engine.sIB_PauseClick(); };
    handlers["sIB_BackWardClick"] = [this] { m_engine.sIB_BackWardClick(); };
    handlers["sIB_forwardClick"] = [this] { m_engine.sIB_forwardClick(); };
}

template <class T>
T* Tfrm_main::Control(const char* name) const
{
    T* control = findChild<T*>(QString::fromLatin1(name));
    if (!control)
        throw EReadError(std::string("The main window's layout has no ") + name);
    return control;
}

void Tfrm_main::FindControls()
{
    m_picture = Control<TImage>("img_word");
    m_note = Control<TsuiMemo>("sMM_note");
    m_wordPlayer = Control<TMediaPlayer>("MP_word");
    m_interval = Control<TsuiTrackBar>("sTB_interval");
    m_replay = Control<TsuiCheckBox>("sCB_Replay");
    m_statusBar = Control<TsuiStatusBar>("sSB");
    m_playTimer = Control<TTimer>("tmr_play");
    m_pages = Control<TsuiPageControl>("sPC_Client");
    m_mainPage = Control<TsuiTabSheet>("sTS_main");
    m_aboutPage = Control<TsuiTabSheet>("sTS_About");
    // The label beside the slider is what a screen reader should call it.
    m_interval->setAccessibleName(Control<TLabel>("Label1")->Caption());
}

void Tfrm_main::SBTN_OpenClick()
{
    // A course folder deleted since it was opened is forgotten before the browser opens.
    if (!DirectoryExists(m_engine.CourseFolder()))
        m_engine.ForgetCourseFolder();
    std::string chosen = BrowseForFolder(m_engine.CourseFolder());
    if (chosen.empty())
        return;
    m_engine.OpenCourse(chosen);
}

std::string Tfrm_main::BrowseWithDialog(const std::string& startFolder)
{
    // It runs a nested loop here, so playback goes on while it is open.
    return TFolderBrowser::Browse(this, "Select Directory", startFolder);
}

void Tfrm_main::SBTN_downloadClick() { OpenWithDesktop(QUrl(kDownloadAddress)); }

void Tfrm_main::SBTN_helpClick()
{
    // A compiled help file beside the program wins over the shipped page.
    std::string folder = ExecutableDirectory();
    std::string help = FileExists(folder + "help.chm") ? folder + "help.chm" : folder + "help.html";
    OpenWithDesktop(QUrl::fromLocalFile(QString::fromStdString(help)));
}

void Tfrm_main::SBTN_AboutClick() { m_pages->SetActivePage(m_aboutPage); }

void Tfrm_main::suiImageButton1Click() { m_pages->SetActivePage(m_mainPage); }

void Tfrm_main::tmr_playTimer()
{
    try {
        m_engine.tmr_playTimer();
    } catch (const std::exception& error) {
        m_errorBoxes.ShowTimed(error);
    }
}

int Tfrm_main::IntervalPosition() const { return m_interval->Position(); }

bool Tfrm_main::ReplayChecked() const { return m_replay->Checked(); }

void Tfrm_main::SetStatusText(int panel, const std::string& text) { m_statusBar->SetPanelText(panel, text); }

void Tfrm_main::SetPlayTimerEnabled(bool enabled) { m_playTimer->SetEnabled(enabled); }

void Tfrm_main::LoadPicture(const std::string& path) { m_picture->LoadPictureFromFile(path); }

void Tfrm_main::LoadNote(const std::string& path)
{
    // The note memo cannot scroll, so the learner sees only its first lines; laying out
    // the rest, or a line a megabyte long, would freeze the window.
    const std::string note = LoadNoteFile(path);
    const std::string_view shown = std::string_view(note).substr(0, note.find('\0'));
    m_note->SetText(LeadingLines(BreakLongLines(shown)));
}

void Tfrm_main::PlaySound(const std::string& path)
{
    m_wordPlayer->SetFileName(path);
    m_wordPlayer->Open();
    m_wordPlayer->Play();
}
