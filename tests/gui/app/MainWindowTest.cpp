#include "support/UrlRecorder.h"
#include "app/TApplication.h"
#include "app/TErrorBoxes.h"
#include "app/Tfrm_main.h"
#include "platform/core/Paths.h"
#include "platform/core/TEvents.h"
#include "platform/core/TTimer.h"
#include "platform/forms/TImage.h"
#include "controls/SUIButton.h"
#include "controls/SUIMemo.h"
#include "controls/SUIPageControl.h"
#include "controls/SUIStatusBar.h"
#include "controls/SUITrackBar.h"
#include "platform/media/TMediaPlayer.h"
#include "platform/media/TRecordingAudioOutput.h"
#include "support/TempDir.h"
#include "support/UnwrittenFifo.h"
#include "unit/platform/jpeg/JpegSamples.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The real main window, built from its stored layout, with sound recorded instead of
// played and error boxes counted instead of waited for.
class MainWindowTest : public testing::Test {
protected:
    MainWindowTest()
        : boxes("zintaro")
        , window(boxes)
    {
        SetApplicationErrorHandler([this](const std::exception& error) { errors.push_back(error.what()); });
        auto* player = window.findChild<TMediaPlayer*>("MP_word");
        auto output = std::make_unique<TRecordingAudioOutput>();
        sound = output.get();
        player->SetAudioOutput(std::move(output));
        window.BrowseForFolder = [this](const std::string& start) {
            browsedFrom.push_back(start);
            return chosenFolder;
        };
        window.show();
    }
    ~MainWindowTest() override { SetApplicationErrorHandler(nullptr); }

    std::string Status(int panel) const { return window.findChild<TsuiStatusBar*>("sSB")->PanelText(panel); }
    TTimer* PlayTimer() const { return window.findChild<TTimer*>("tmr_play"); }
    template <class T>
    T* Find(const char* name) const
    {
        return window.findChild<T*>(name);
    }
    // A click on a control as the learner makes it.
    void Click(const char* name) { QTest::mouseClick(Find<QWidget>(name), Qt::LeftButton); }
    // Plays one tick of the playback timer, as its period ending would.
    void Tick()
    {
        ASSERT_TRUE(PlayTimer()->Enabled());
        FireEvent(PlayTimer()->OnTimer);
    }

    std::string MakeCourse(const std::string& name, int words, bool withSound = true)
    {
        std::string folder = dir.MakeDir(name);
        dir.Write(name + "/index.ini", "[set]\nCourse=" + name + "\nMaxLength=" + std::to_string(words) + "\n");
        std::string demo = ExecutableDirectory() + "Demo/";
        for (int n = 1; n <= words; ++n) {
            for (const char* extension : {".jpg", ".txt", ".wav"}) {
                if (!withSound && std::string(extension) == ".wav")
                    continue;
                std::ifstream in(demo + std::to_string(n) + extension, std::ios::binary);
                std::string bytes((std::istreambuf_iterator<char>(in)), {});
                dir.Write(name + "/" + std::to_string(n) + extension, bytes);
            }
        }
        return folder;
    }

    TTempDir dir;
    TErrorBoxes boxes;
    Tfrm_main window;
    TRecordingAudioOutput* sound = nullptr;
    std::vector<std::string> errors;
    std::vector<std::string> browsedFrom;
    std::string chosenFolder;
};

} // namespace

TEST_F(MainWindowTest, WindowHasItsStoredSizeCaptionAndMinimumWidth)
{
    // The skinned frame sizes the frameless window around its own stored size.
    EXPECT_EQ(window.size(), QSize(754, 491));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.windowTitle(), "Varnel  Zintaro");
    window.resize(100, 517);
    EXPECT_EQ(window.width(), 150);
    EXPECT_FALSE(PlayTimer()->Enabled());
    EXPECT_EQ(Find<TsuiTrackBar>("sTB_interval")->Position(), 3);
    EXPECT_FALSE(Find<TsuiCheckBox>("sCB_Replay")->Checked());
}

TEST_F(MainWindowTest, ElementsSitWhereTheLayoutPutsThem)
{
    auto at = [this](const char* name) { return Find<QWidget>(name)->mapTo(&window, QPoint(0, 0)); };
    EXPECT_EQ(at("sFrm_main"), QPoint(3, 0));
    EXPECT_EQ(at("sPC_Client"), QPoint(3, 28));
    EXPECT_EQ(at("sTS_main"), QPoint(3 + 78, 28 + 22));
    EXPECT_EQ(Find<QWidget>("sTS_main")->size(), QSize(666, 433));
    EXPECT_EQ(at("sPanel_image"), QPoint(3 + 78 + 18, 28 + 22 + 2));
    EXPECT_EQ(Find<QWidget>("img_word")->size(), QSize(374, 273));
    EXPECT_EQ(Find<QWidget>("sMM_note")->size(), QSize(226, 274));
    EXPECT_EQ(at("sIB_Play"), QPoint(3 + 78 + 20 + 13, 28 + 22 + 319 + 30));
    EXPECT_EQ(Find<QWidget>("sSB")->geometry(), QRect(0, 408, 666, 25));
    EXPECT_EQ(at("SBTN_Open"), QPoint(3 + 3 + 14, 28 + 22 + 34));
}

TEST_F(MainWindowTest, PlayBeforeOpenShowsAndSpeaksTheDemo)
{
    Click("sIB_Play");
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(Status(0), "Demo: First Words");
    EXPECT_EQ(Status(1), "  1 / 16");
    EXPECT_EQ(Find<TImage>("img_word")->Picture().Width(), 360);
    EXPECT_NE(Find<TsuiMemo>("sMM_note")->Text().find("hello"), std::string::npos);
    EXPECT_EQ(Find<TMediaPlayer>("MP_word")->FileName(), ExecutableDirectory() + "Demo/1.wav");
    EXPECT_TRUE(PlayTimer()->Enabled());
}

TEST_F(MainWindowTest, OpenCancelledChangesNothingButForgetsAVanishedFolder)
{
    chosenFolder = MakeCourse("gone", 2);
    Click("SBTN_Open");
    ASSERT_EQ(Status(1), "  1 / 2");
    std::remove((chosenFolder + "/index.ini").c_str());
    for (const char* extension : {"1.jpg", "1.txt", "1.wav", "2.jpg", "2.txt", "2.wav"})
        std::remove((chosenFolder + "/" + extension).c_str());
    std::remove(chosenFolder.c_str());
    std::string gone = chosenFolder;
    chosenFolder.clear();
    Click("SBTN_Open");
    EXPECT_EQ(browsedFrom, (std::vector<std::string> {"", ""})) << "the first Open starts from no course";
    EXPECT_EQ(window.Engine().CourseFolder(), "");
    EXPECT_EQ(Status(1), "  1 / 2");
}

TEST_F(MainWindowTest, OpenStartsTheBrowserAtTheCourseFolder)
{
    chosenFolder = MakeCourse("first", 3);
    Click("SBTN_Open");
    std::string first = chosenFolder;
    chosenFolder.clear();
    Click("SBTN_Open");
    EXPECT_EQ(browsedFrom.back(), first);
    EXPECT_EQ(window.Engine().CourseFolder(), first);
}

TEST_F(MainWindowTest, OpenWithoutIndexStartsNothingWhileStopped)
{
    chosenFolder = dir.MakeDir("no index");
    Click("SBTN_Open");
    EXPECT_EQ(Status(0), "Please select a book.");
    EXPECT_EQ(Status(1), "0");
    EXPECT_FALSE(PlayTimer()->Enabled());
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindowTest, AboutCoversThePlayerWhilePlaybackGoesOn)
{
    Click("sIB_Play");
    auto* pages = Find<TsuiPageControl>("sPC_Client");
    auto* player = Find<QWidget>("sTS_main");
    auto* about = Find<QWidget>("sTS_About");
    EXPECT_FALSE(about->isEnabled()) << "the About page is disabled while hidden";
    Click("SBTN_About");
    EXPECT_EQ(pages->ActivePage(), about);
    EXPECT_TRUE(about->isEnabled());
    EXPECT_FALSE(player->isEnabled());
    Find<TsuiTrackBar>("sTB_interval")->SetPosition(1);
    Tick();
    EXPECT_EQ(Status(1), "  2 / 16") << "words advance behind the About page";
    Click("suiImageButton1");
    EXPECT_EQ(pages->ActivePage(), player);
    EXPECT_TRUE(player->isEnabled());
    EXPECT_FALSE(about->isEnabled());
    EXPECT_EQ(Find<TMediaPlayer>("MP_word")->FileName(), ExecutableDirectory() + "Demo/2.wav");
}

TEST_F(MainWindowTest, HelpAndDownloadGoToTheDesktop)
{
    TUrlRecorder desktop;
    Click("SBTN_download");
    Click("SBTN_help");
    ASSERT_EQ(desktop.opened.size(), 2u);
    EXPECT_EQ(desktop.opened[0].toString().toStdString(), Tfrm_main::kDownloadAddress);
    EXPECT_EQ(desktop.opened[1].toLocalFile().toStdString(), ExecutableDirectory() + "help.html");
    std::string chm = ExecutableDirectory() + "help.chm";
    std::ofstream(chm) << "compiled help";
    Click("SBTN_help");
    std::remove(chm.c_str());
    EXPECT_EQ(desktop.opened.back().toLocalFile().toStdString(), chm);
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindowTest, MissingSoundIsReportedAfterPictureAndNote)
{
    chosenFolder = MakeCourse("silent", 2, false);
    Click("SBTN_Open");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("not found"), std::string::npos) << errors[0];
    EXPECT_EQ(Find<TImage>("img_word")->Picture().Width(), 360);
    EXPECT_FALSE(Find<TsuiMemo>("sMM_note")->Text().empty());
    EXPECT_FALSE(PlayTimer()->Enabled());
}

TEST_F(MainWindowTest, TimedFailuresShareOneBoxThatNeverBlocksStop)
{
    chosenFolder = MakeCourse("fading", 3);
    std::remove((chosenFolder + "/2.wav").c_str());
    std::remove((chosenFolder + "/3.wav").c_str());
    Click("SBTN_Open");
    ASSERT_TRUE(errors.empty());
    Find<TsuiTrackBar>("sTB_interval")->SetPosition(0);
    Tick();
    Tick();
    QMessageBox* box = boxes.TimedBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowTitle(), "zintaro");
    EXPECT_TRUE(box->text().endsWith('.'));
    const auto topLevels = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(topLevels.begin(), topLevels.end(),
                            [](QWidget* widget) { return qobject_cast<QMessageBox*>(widget) && widget->isVisible(); }),
              1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the window stays usable";
    Click("sIB_Stop");
    EXPECT_FALSE(PlayTimer()->Enabled());
    EXPECT_TRUE(errors.empty()) << "timed failures do not go to the modal handler";
}

TEST_F(MainWindowTest, PlaybackGoesOnWhileAModalBoxIsOpen)
{
    Click("sIB_Play");
    Find<TsuiTrackBar>("sTB_interval")->SetPosition(1);
    PlayTimer()->SetInterval(40);
    // The box's own loop runs until a timer closes it; the playback timer ticks meanwhile.
    QTimer::singleShot(400, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    boxes.ShowModal(std::runtime_error("An error while playing"));
    EXPECT_NE(Status(1), "  1 / 16") << "words advanced behind the modal box";
}

TEST_F(MainWindowTest, PicturesThatFailWhenDrawnShareTheOneTimedBox)
{
    // A valid header over a scan that breaks off at the first draw.
    std::string damaged = EncodeQuadrants(128, 128, true);
    const auto scans = FindMarkers(damaged, 0xDA);
    ASSERT_GE(scans.size(), 3u);
    const std::size_t components = static_cast<unsigned char>(damaged[scans[2] + 4]);
    damaged[scans[2] + 5 + 2 * components + 1] = 64;
    chosenFolder = MakeCourse("damaged", 3);
    for (const char* name : {"damaged/1.jpg", "damaged/2.jpg", "damaged/3.jpg"})
        dir.Write(name, damaged);
    Find<TsuiTrackBar>("sTB_interval")->SetPosition(0);
    Click("SBTN_Open");
    for (int word = 0; word < 4; ++word) {
        Find<TImage>("img_word")->repaint();
        QApplication::processEvents();
        Tick();
    }
    QMessageBox* box = boxes.TimedBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().startsWith("JPEG error #")) << box->text().toStdString();
    const auto topLevels = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(topLevels.begin(), topLevels.end(),
                            [](QWidget* widget) { return qobject_cast<QMessageBox*>(widget) && widget->isVisible(); }),
              1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(MainWindowTest, NamedPipesInACourseAreRefusedWithoutWaiting)
{
    struct TRow {
        const char* file;
        const char* reported;
    };
    const TRow rows[] = {
        {"1.jpg", "No such device or address"},
        {"1.txt", "No such device or address"},
        {"1.wav", "cannot be opened"},
    };
    for (const TRow& row : rows) {
        chosenFolder = MakeCourse(std::string("pipe ") + row.file, 1);
        std::remove((chosenFolder + "/" + row.file).c_str());
        TUnwrittenFifo pipe(chosenFolder + "/" + row.file);
        errors.clear();
        Click("SBTN_Open");
        ASSERT_EQ(errors.size(), 1u) << row.file;
        EXPECT_NE(errors[0].find(row.reported), std::string::npos) << errors[0];
        EXPECT_EQ(pipe.Rescues(), 0) << row.file << " was waited on";
    }
    chosenFolder = dir.MakeDir("pipe index");
    TUnwrittenFifo index(chosenFolder + "/index.ini");
    Click("SBTN_Open");
    EXPECT_EQ(Status(0), "Please select a book.");
    EXPECT_EQ(Status(1), "0");
    EXPECT_EQ(index.Rescues(), 0) << "index.ini was waited on";
}

TEST(ApplicationTitle, ComesFromTheExecutableName)
{
    EXPECT_EQ(TApplication::TitleFromExecutable("/usr/lib/zintaro/zintaro"), "zintaro");
    EXPECT_EQ(TApplication::TitleFromExecutable("/opt/ZINTARO.bin.x"), "Zintaro");
    EXPECT_EQ(TApplication::TitleFromExecutable("/a.b/zinTaro"), "zintaro");
    EXPECT_EQ(TApplication::TitleFromExecutable(".hidden"), "");
}

TEST(ErrorBoxes, AppendAFullStopOnlyAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(TErrorBoxes::WithFullStop("Cannot open file"), "Cannot open file.");
    EXPECT_EQ(TErrorBoxes::WithFullStop("Done."), "Done.");
    EXPECT_EQ(TErrorBoxes::WithFullStop("Really!"), "Really!");
    EXPECT_EQ(TErrorBoxes::WithFullStop("JPEG error #53"), "JPEG error #53.");
    EXPECT_EQ(TErrorBoxes::WithFullStop("(see log)"), "(see log)");
    EXPECT_EQ(TErrorBoxes::WithFullStop(""), "");
    EXPECT_EQ(TErrorBoxes::WithFullStop("文件"), "文件.");
}
