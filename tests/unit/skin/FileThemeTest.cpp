#include "FileThemeTestControl.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Paths.h"
#include "skin/SUIMgr.h"
#include "skin/SUIThemeFile.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QVariant>

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

std::string Bmp(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

// Three 10x4 frames: red, green, blue.
QImage ThreeFrames()
{
    QImage image(30, 4, QImage::Format_RGB32);
    for (int x = 0; x < 30; ++x) {
        QRgb colour = x < 10 ? qRgb(255, 0, 0) : x < 20 ? qRgb(0, 255, 0) : qRgb(0, 0, 255);
        for (int y = 0; y < 4; ++y)
            image.setPixel(x, y, colour);
    }
    return image;
}

std::string ThemeBytes(int32_t borderWidth)
{
    TsuiThemeFileWriter writer;
    writer.AddInteger("FormBorderWidthInt", borderWidth);
    writer.AddInteger("FormBorderColor", 0x3A6B2D);
    writer.AddBoolean("ButtonTransparentBool", true);
    writer.AddBitmap("ButtonImage", Bmp(ThreeFrames()));
    return writer.Bytes();
}

std::string ShippedTheme()
{
    return std::string(ZINTARO_SOURCE_DIR) + "/resources/themes/Jade.theme";
}

// Runs a test from another working folder and removes a file it put beside the program.
class TBesideExecutable {
public:
    explicit TBesideExecutable(const std::string& name, const std::string& bytes)
        : m_path(ExecutableDirectory() + name)
        , m_oldCurrent(QDir::currentPath())
    {
        std::ofstream(m_path, std::ios::binary) << bytes;
        QDir::setCurrent(QString::fromStdString(m_elsewhere.Path()));
    }
    ~TBesideExecutable()
    {
        QDir::setCurrent(m_oldCurrent);
        std::remove(m_path.c_str());
    }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    QString m_oldCurrent;
    TTempDir m_elsewhere;
};

} // namespace

TEST(FileTheme, SettingTheSameStringLoadsOnlyOnce)
{
    TTempDir dir;
    dir.Write("a.theme", ThemeBytes(3));
    TsuiFileTheme theme;
    theme.SetThemeFile(dir.File("a.theme"));
    ASSERT_TRUE(theme.Loaded());
    EXPECT_EQ(theme.GetInt(SUI_THEME_FormBorderWidthInt), 3);

    dir.Write("a.theme", ThemeBytes(5));
    theme.SetThemeFile(dir.File("a.theme"));
    theme.setProperty("ThemeFile", QString::fromStdString(dir.File("a.theme")));
    EXPECT_EQ(theme.GetInt(SUI_THEME_FormBorderWidthInt), 3);

    // Another spelling of the same file is another string.
    theme.SetThemeFile(dir.Path() + "/./a.theme");
    EXPECT_EQ(theme.GetInt(SUI_THEME_FormBorderWidthInt), 5);
    EXPECT_EQ(theme.property("ThemeFile").toString().toStdString(), dir.Path() + "/./a.theme");
}

TEST(FileTheme, PathThatIsNowhereChangesNothing)
{
    TsuiFileTheme theme;
    theme.SetThemeFile("/nowhere/zintaro-no-such.theme");
    EXPECT_EQ(theme.ThemeFile(), "");
    EXPECT_FALSE(theme.Loaded());

    TTempDir dir;
    dir.Write("a.theme", ThemeBytes(3));
    theme.SetThemeFile(dir.File("a.theme"));
    theme.SetThemeFile("/nowhere/zintaro-no-such.theme");
    theme.SetThemeFile("");
    theme.SetThemeFile(dir.Path()); // a folder is no file
    EXPECT_EQ(theme.ThemeFile(), dir.File("a.theme"));
    EXPECT_TRUE(theme.Loaded());
    EXPECT_EQ(theme.GetInt(SUI_THEME_FormBorderWidthInt), 3);
}

TEST(FileTheme, FileBesideTheExecutableIsFoundByItsName)
{
    std::string name = "zintaro-filetheme-" + std::to_string(::getpid()) + ".theme";
    TBesideExecutable beside(name, ThemeBytes(4));
    ASSERT_FALSE(FileExists(name)) << "the current folder must be another one";

    TsuiFileTheme bare;
    bare.SetThemeFile(name);
    EXPECT_TRUE(bare.Loaded());
    EXPECT_EQ(bare.ThemeFile(), beside.Path());
    EXPECT_EQ(bare.GetInt(SUI_THEME_FormBorderWidthInt), 4);

    // A path from another machine.
    TsuiFileTheme foreign;
    foreign.SetThemeFile("/home/someone/themes/" + name);
    EXPECT_TRUE(foreign.Loaded());
    EXPECT_EQ(foreign.ThemeFile(), beside.Path());
}

TEST(FileTheme, UnreadableFileRaisesAndLeavesNoTheme)
{
    TTempDir dir;
    dir.Write("a.theme", ThemeBytes(3));
    TsuiFileTheme theme;
    theme.SetThemeFile(dir.File("a.theme"));
    ASSERT_TRUE(theme.Loaded());

    // It exists, but reading it fails.
    EXPECT_THROW(theme.SetThemeFile("/proc/self/mem"), EFOpenError);
    EXPECT_FALSE(theme.Loaded());
    EXPECT_EQ(theme.GetInt(SUI_THEME_FormBorderWidthInt), 0);
    EXPECT_FALSE(theme.GetBool(SUI_THEME_ButtonTransparentBool));

    theme.SetThemeFile(dir.File("a.theme"));
    EXPECT_TRUE(theme.Loaded());
}

TEST(FileTheme, BitmapFramesAreCutFromTheFile)
{
    TTempDir dir;
    dir.Write("a.theme", ThemeBytes(3));
    TsuiFileTheme theme;
    theme.SetThemeFile(dir.File("a.theme"));

    QImage frame;
    theme.GetBitmapFrame(SUI_THEME_ButtonImage, &frame, 2, 3);
    ASSERT_EQ(frame.size(), QSize(10, 4));
    EXPECT_EQ(frame.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(frame.pixel(9, 3), qRgb(0, 255, 0));

    QImage untouched(2, 2, QImage::Format_RGB32);
    untouched.fill(Qt::yellow);
    QImage target = untouched;
    theme.GetBitmapFrame(SUI_THEME_CheckBoxImage, &target, 1, 4);
    EXPECT_EQ(target, untouched);
    theme.GetBitmap(SUI_THEME_CheckBoxImage, &target);
    EXPECT_EQ(target, untouched);
}

TEST(StyledControl, FromThemeFileWithoutALoadedThemeDrawsAsDeepBlue)
{
    TsuiFileTheme unloaded;
    TsuiTestControl control(nullptr);
    for (TsuiFileTheme* theme : { static_cast<TsuiFileTheme*>(nullptr), &unloaded }) {
        control.SetFileTheme(theme);
        control.SetUIStyle(FromThemeFile);
        EXPECT_EQ(control.UIStyle(), FromThemeFile);
        EXPECT_FALSE(control.fromFile);
        EXPECT_EQ(control.readStyle, DeepBlue);
        EXPECT_EQ(control.borderWidth, GetBuiltInInt(DeepBlue, SUI_THEME_FormBorderWidthInt));
        EXPECT_EQ(control.borderColor, GetBuiltInColor(DeepBlue, SUI_THEME_FormBorderColor));
    }
}

TEST(StyledControl, ShippedThemeHoldsEveryElementAndControlsTakeItsValues)
{
    TsuiThemeFileReader reader(ShippedTheme());
    EXPECT_EQ(reader.WalkEnd(), TsuiThemeWalkEnd::Closed);
    EXPECT_EQ(reader.ValueCount(), static_cast<std::size_t>(kThemeElementCount));

    TsuiFileTheme theme;
    theme.SetThemeFile(ShippedTheme());
    ASSERT_TRUE(theme.Loaded());
    for (int element = 1; element <= kThemeElementCount; ++element) {
        switch (ThemeElementKind(element)) {
        case TsuiElementKind::Bitmap: {
            QImage image;
            theme.GetBitmap(element, &image);
            EXPECT_FALSE(image.isNull()) << ThemeElementKey(element);
            break;
        }
        case TsuiElementKind::Integer:
        case TsuiElementKind::Colour:
            EXPECT_NE(theme.GetInt(element), -1) << ThemeElementKey(element);
            break;
        case TsuiElementKind::Boolean:
            break; // counted above
        }
    }

    TsuiTestControl control(nullptr);
    control.SetUIStyle(FromThemeFile);
    control.SetFileTheme(&theme);
    EXPECT_TRUE(control.fromFile);
    EXPECT_EQ(control.readStyle, FromThemeFile);
    EXPECT_EQ(control.borderWidth, theme.GetInt(SUI_THEME_FormBorderWidthInt));
    EXPECT_EQ(control.borderColor, theme.GetColor(SUI_THEME_FormBorderColor));
    EXPECT_NE(control.borderColor, GetBuiltInColor(DeepBlue, SUI_THEME_FormBorderColor));
    EXPECT_EQ(control.transparent, theme.GetBool(SUI_THEME_ButtonTransparentBool));
    QImage whole;
    theme.GetBitmap(SUI_THEME_ButtonImage, &whole);
    EXPECT_EQ(control.button.size(), QSize(whole.width() / 3, whole.height()));
    EXPECT_FALSE(control.sliderWhole.isNull());

    // A built-in style on the same control ignores the theme.
    control.SetUIStyle(WinXP);
    EXPECT_FALSE(control.fromFile);
    EXPECT_EQ(control.borderWidth, GetBuiltInInt(WinXP, SUI_THEME_FormBorderWidthInt));
}

TEST(StyledControl, PublishedPropertiesCarryTheStyleAndTheTheme)
{
    TTempDir dir;
    dir.Write("a.theme", ThemeBytes(6));
    TsuiFileTheme theme;
    theme.SetThemeFile(dir.File("a.theme"));

    TsuiTestControl control(nullptr);
    ASSERT_TRUE(control.setProperty("FileTheme", QVariant::fromValue<QObject*>(&theme)));
    ASSERT_TRUE(control.setProperty("UIStyle", int(FromThemeFile)));
    EXPECT_TRUE(control.fromFile);
    EXPECT_EQ(control.borderWidth, 6);
    EXPECT_EQ(control.property("FileTheme").value<QObject*>(), &theme);
    EXPECT_EQ(control.property("UIStyle").toInt(), int(FromThemeFile));

    control.setProperty("UIStyle", 77);
    EXPECT_EQ(control.UIStyle(), DeepBlue);
    QObject notATheme;
    EXPECT_FALSE(control.setProperty("FileTheme", QVariant::fromValue<QObject*>(&notATheme)));
    EXPECT_EQ(control.FileTheme(), &theme) << "an object of another class is refused";
}

TEST(StyledControl, DestroyingTheThemeSendsItsControlsToDeepBlue)
{
    TTempDir dir;
    dir.Write("a.theme", ThemeBytes(6));
    auto* theme = new TsuiFileTheme();
    theme->SetThemeFile(dir.File("a.theme"));

    TsuiTestControl first(nullptr);
    TsuiTestControl second(nullptr);
    TsuiTestControl movedOn(nullptr);
    auto* gone = new TsuiTestControl(nullptr);
    for (TsuiTestControl* control : { &first, &second, &movedOn, gone }) {
        control->SetUIStyle(FromThemeFile);
        control->SetFileTheme(theme);
    }
    movedOn.SetFileTheme(nullptr);
    movedOn.SetUIStyle(WinXP);
    int movedOnApplications = movedOn.applications;
    delete gone; // must no longer be told anything

    delete theme;
    for (TsuiTestControl* control : { &first, &second }) {
        EXPECT_EQ(control->UIStyle(), DeepBlue);
        EXPECT_EQ(control->FileTheme(), nullptr);
        EXPECT_FALSE(control->fromFile);
        EXPECT_EQ(control->readStyle, DeepBlue);
        EXPECT_EQ(control->borderWidth, GetBuiltInInt(DeepBlue, SUI_THEME_FormBorderWidthInt));
    }
    EXPECT_EQ(movedOn.UIStyle(), WinXP);
    EXPECT_EQ(movedOn.applications, movedOnApplications);
}

TEST(FileTheme, LoadingReappliesTheStyleOfTheFormsControlsThatUseIt)
{
    TTempDir dir;
    dir.Write("a.theme", ThemeBytes(7));

    QWidget form;
    auto* panel = new QWidget(&form);
    auto* theme = new TsuiFileTheme(panel); // a component further down still belongs to the form
    auto* otherTheme = new TsuiFileTheme(&form);
    auto* user = new TsuiTestControl(panel);
    auto* otherUser = new TsuiTestControl(&form);
    auto* notSkinned = new TPlainTestControl(&form);
    QWidget otherForm;
    auto* elsewhere = new TsuiTestControl(&otherForm);
    auto* builtIn = new TsuiTestControl(&form);

    auto setUp = [](TTestStyledWidget* control, TsuiFileTheme* fileTheme, TsuiUIStyle style) {
        control->SetFileTheme(fileTheme);
        control->SetUIStyle(style);
        control->applications = 0;
    };
    setUp(user, theme, FromThemeFile);
    setUp(otherUser, otherTheme, FromThemeFile);
    setUp(notSkinned, theme, FromThemeFile);
    setUp(elsewhere, theme, FromThemeFile);
    setUp(builtIn, theme, MacOS);

    theme->SetThemeFile("/nowhere/zintaro-no-such.theme");
    EXPECT_EQ(user->applications, 0);

    theme->SetThemeFile(dir.File("a.theme"));
    EXPECT_EQ(user->applications, 1);
    EXPECT_TRUE(user->fromFile);
    EXPECT_EQ(user->borderWidth, 7);
    // It refers to the theme, so it re-applies, in its own built-in style.
    EXPECT_EQ(builtIn->applications, 1);
    EXPECT_EQ(builtIn->readStyle, MacOS);
    EXPECT_EQ(otherUser->applications, 0);
    EXPECT_EQ(notSkinned->applications, 0);
    EXPECT_EQ(elsewhere->applications, 0);
}
