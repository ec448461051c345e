#include "platform/core/FileBytes.h"
#include "platform/core/Paths.h"
#include "skin/SUIThemeFile.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>
#include <string>

namespace {

std::string JadeFolder()
{
    return std::string(ZINTARO_SOURCE_DIR) + "/resources/themes/Jade";
}

struct TRun {
    int exitCode;
    std::string errors;
};

// The packing tool lands beside the tests.
class ThemeFileTool : public testing::Test {
protected:
    void SetUp() override
    {
        m_tool = ExecutableDirectory() + "zintaro-theme";
        if (!FileExists(m_tool))
            GTEST_SKIP() << "zintaro-theme is not built";
    }

    TRun Run(const QStringList& arguments) const
    {
        QProcess process;
        process.start(QString::fromStdString(m_tool), arguments);
        process.waitForFinished(60000);
        return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError().toStdString() };
    }

    static QString Q(const std::string& text) { return QString::fromStdString(text); }

    std::string m_tool;
    TTempDir m_dir;
};

} // namespace

TEST_F(ThemeFileTool, ShippedThemeIsWhatItsFolderPacksToAndRoundTrips)
{
    ASSERT_EQ(Run({ "pack", Q(JadeFolder()), Q(m_dir.File("first.theme")) }).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(m_dir.File("first.theme")), ReadFileBytes(JadeFolder() + ".theme"))
        << "resources/themes/Jade.theme is out of date: run tools/zintaro-theme/make-jade.sh";

    ASSERT_EQ(
        Run({ "unpack", Q(m_dir.File("first.theme")), Q(m_dir.File("unpacked")) }).exitCode, 0);
    ASSERT_EQ(
        Run({ "pack", Q(m_dir.File("unpacked")), Q(m_dir.File("second.theme")) }).exitCode, 0);
    EXPECT_EQ(ReadFileBytes(m_dir.File("first.theme")), ReadFileBytes(m_dir.File("second.theme")));

    auto reader = TsuiThemeFileReader::FromBytes(ReadFileBytes(m_dir.File("second.theme")));
    EXPECT_EQ(reader->GetInteger("FormBorderWidthInt"), 3);
    EXPECT_EQ(reader->GetInteger("TitleBarButtonRightOffsetInt"), -2);
    EXPECT_EQ(reader->GetInteger("FormBorderColor"), 0x5E7A3C);
}

TEST_F(ThemeFileTool, PackRefusesWhatIsNoElementOfItsKind)
{
    struct TCase {
        const char* file;
        const char* content;
        const char* message;
    } cases[] = {
        { "values.txt", "FormBorderColour = $C82C00\n",
            "values.txt:1: unknown key \"FormBorderColour\"" },
        { "values.txt", "# fine\nFormBorderWidthInt = 3\nFormBorderWidthInt = 4\n",
            "values.txt:3: FormBorderWidthInt is given already" },
        { "values.txt", "ButtonTransparentBool = maybe\n", "is no boolean" },
        { "values.txt", "FormBorderColor = $1FFFFFFFF\n", "is no colour" },
        { "values.txt", "ButtonImage = 3\n", "ButtonImage is a bitmap" },
        { "Buttonimage.txt", "", "unexpected file" },
        { "FormBorderColor.png", "", "FormBorderColor is a colour" },
        { "SideChannelImage.bmp", "", "unknown key \"SideChannelImage\"" },
        { "ButtonImage.bmp", "BM but no bitmap", "not a BMP image" },
    };
    for (const TCase& c : cases) {
        TTempDir dir;
        dir.Write(c.file, c.content);
        TRun run = Run({ "pack", Q(dir.Path()), Q(dir.File("out.theme")) });
        EXPECT_EQ(run.exitCode, 1) << c.file << ": " << c.content;
        EXPECT_NE(run.errors.find(c.message), std::string::npos) << run.errors;
        EXPECT_FALSE(FileExists(dir.File("out.theme")));
    }
}

TEST_F(ThemeFileTool, UnpackLeavesOutWhatPackCouldNotTakeBack)
{
    TsuiThemeFileWriter writer;
    writer.AddInteger("formbordercolor", static_cast<int32_t>(0xFF00000F));
    writer.AddInteger("FormBorderColor", 1); // hidden by the first
    writer.AddString("Author", "someone");
    writer.AddInteger("../../escape", 1);
    writer.AddBitmap("ButtonTransparentBool", "wrong kind");
    writer.AddBoolean("ButtonTransparentBool", true);
    m_dir.Write("odd.theme", writer.Bytes());

    TRun run = Run({ "unpack", Q(m_dir.File("odd.theme")), Q(m_dir.File("out")) });
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(ReadFileBytes(m_dir.File("out/values.txt")),
        "# Colours ($BBGGRR), integers and booleans, one element a line.\n"
        "ButtonTransparentBool = true\n"
        "FormBorderColor = $FF00000F\n");
    EXPECT_NE(run.errors.find("\"Author\": not a theme element key"), std::string::npos);
    EXPECT_FALSE(FileExists(m_dir.File("out/ButtonTransparentBool.bmp")));

    // Into a folder that holds something already, nothing is written.
    EXPECT_EQ(Run({ "unpack", Q(m_dir.File("odd.theme")), Q(m_dir.File("out")) }).exitCode, 1);
}
