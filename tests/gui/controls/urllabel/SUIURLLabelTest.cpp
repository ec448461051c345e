#include "controls/SUIControls.h"
#include "controls/SUIURLLabel.h"
#include "gui/platform/forms/Input.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"
#include "support/PixelImages.h"
#include "support/UrlRecorder.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFontMetrics>
#include <QUrl>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

bool Shows(const QImage& image, TColor color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) == color)
                return true;
    return false;
}

constexpr TColor kGreen = 0x00A000;
constexpr TColor kYellow = 0x00E0E0;

TEST(URLLabel, TakesTheHoverColourOnEntryAndTheLinkColourAtOnce)
{
    TsuiURLLabel label;
    struct Step {
        const char* what;
        std::function<void()> act;
        TColor shown;
    };
    const std::vector<Step> steps {
        { "at start", [] {}, clBlue },
        { "mouse enters", [&] { Enter(label); }, clRed },
        { "link colour set while over", [&] { label.SetFontLinkColor(kGreen); }, kGreen },
        { "hover colour set while over", [&] { label.SetFontHoverColor(kYellow); }, kGreen },
        { "mouse leaves", [&] { Leave(label); }, kGreen },
        { "mouse enters again", [&] { Enter(label); }, kYellow },
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(label.Font()->Color(), step.shown) << step.what;
        QImage shot = label.grab().toImage();
        for (TColor colour : { clBlue, clRed, kGreen, kYellow })
            EXPECT_EQ(Shows(shot, colour), colour == step.shown) << step.what << ", " << colour;
    }
}

TEST(URLLabel, AClickOpensANonBlankAddressBeforeOnClick)
{
    struct Row {
        QString url;
        std::optional<QUrl> opened;
    };
    const std::vector<Row> rows {
        { "https://www.example.org/zintaro/", QUrl("https://www.example.org/zintaro/") },
        { "  https://a.example/x\t", QUrl("https://a.example/x") },
        { "", std::nullopt },
        { "   ", std::nullopt },
        { QString(" \t\r\n\x01\x7f") + QChar(0xA0), std::nullopt },
    };
    for (const Row& row : rows) {
        TUrlRecorder desktop;
        TsuiURLLabel label;
        label.SetURL(row.url);
        int clicks = 0;
        std::size_t openedBeforeClick = 99;
        label.OnClick = [&] {
            ++clicks;
            openedBeforeClick = desktop.opened.size();
        };
        Click(label, QPoint(2, 2));
        EXPECT_EQ(clicks, 1) << row.url.toStdString();
        ASSERT_EQ(desktop.opened.size(), row.opened ? 1u : 0u) << row.url.toStdString();
        EXPECT_EQ(openedBeforeClick, desktop.opened.size()) << row.url.toStdString();
        if (row.opened) {
            EXPECT_EQ(desktop.opened.front(), *row.opened);
        }
    }
}

TEST(URLLabel, ReadsTheMainWindowsStoredSettings)
{
    TClassRegistry registry;
    RegisterSkinnedControls(registry);
    TForm form;
    int clicks = 0;
    form.Handlers()["suiURLLabel1Click"] = [&] { ++clicks; };
    ReadLayout(R"(object f: TForm
  object suiURLLabel1: TsuiURLLabel
    Left = 24
    Top = 40
    Cursor = crHandPoint
    Caption = 'Zintaro on the web'
    Font.Color = clBlue
    Font.Height = -13
    Font.Name = 'Tahoma'
    Font.Style = [fsUnderline]
    FontHoverColor = clRed
    FontLinkColor = clBlue
    URL = 'https://www.example.org/zintaro/about'
    OnClick = suiURLLabel1Click
  end
end)",
        form, registry, form.Handlers());
    auto* label = form.findChild<TsuiURLLabel*>("suiURLLabel1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(label->Font()->ToQFont().underline());
    QFontMetrics metrics(label->Font()->ToQFont());
    EXPECT_EQ(label->geometry(),
        QRect(24, 40, metrics.horizontalAdvance("Zintaro on the web"), metrics.height()))
        << "sized to the stored caption";

    TUrlRecorder desktop;
    Click(*label, QPoint(1, 1));
    EXPECT_EQ(clicks, 1);
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened.front(), QUrl("https://www.example.org/zintaro/about"));
}

TEST(URLLabel, TellsAssistiveTechnologyItIsALinkAndFollowsIt)
{
    TsuiURLLabel label;
    label.SetCaption("Zintaro on the web");
    int clicks = 0;
    label.OnClick = [&] { ++clicks; };
    QAccessibleInterface* about = QAccessible::queryAccessibleInterface(&label);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->role(), QAccessible::Link);
    EXPECT_EQ(about->text(QAccessible::Name), "Zintaro on the web");
    EXPECT_EQ(about->text(QAccessible::Description), label.URL());

    TUrlRecorder desktop;
    ASSERT_NE(about->actionInterface(), nullptr);
    about->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(desktop.opened.size(), 1u);
}

} // namespace

