#include "controls/SUIGroupBox.h"

#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"
#include "skin/SUIMgr.h"
#include "support/PixelImages.h"

#include <QAccessible>

#include <algorithm>
#include <gtest/gtest.h>

namespace {

int Count(const QImage& image, TColor color)
{
    int count = 0;
    for (const std::string& row : Map(image, color))
        count += int(std::count(row.begin(), row.end(), '#'));
    return count;
}

TEST(GroupBox, DrawsItsFrameWithTheCaptionSetIntoTheTopLineInEveryStyle)
{
    struct TRow {
        const char* caption;
        bool enabled;
    };
    const TRow rows[] = { { "", true }, { "W", true }, { "W", false } };
    for (TsuiUIStyle style : { MacOS, WinXP, DeepBlue, Protein, BlueGlass }) {
        const TColor border = GetBuiltInColor(style, SUI_THEME_ControlBorderColor);
        for (const TRow& row : rows) {
            TForm form;
            form.SetColor(clWhite);
            auto* box = new TsuiGroupBox(&form);
            box->SetUIStyle(style);
            box->SetBounds(0, 0, 40, 30);
            box->SetCaption(row.caption);
            box->SetEnabled(row.enabled);
            const QImage shot = box->grab().toImage();
            const std::vector<std::string> frame = Map(shot, border);
            const std::string where = "style " + std::to_string(style) + " '" + row.caption
                + "' enabled " + std::to_string(row.enabled);
            // Font height 11: the top line runs at 11 div 2 + 1, with a gap from x = 3 to
            // the caption's width + 6 where the caption (from x = 5) may cover it.
            QImage scratch = Blank(1, 1);
            TCanvas measure(scratch);
            measure.Font().Assign(*box->Font());
            const int width = measure.TextWidth(row.caption);
            std::string top(40, '#');
            if (*row.caption)
                top.replace(3, size_t(width) + 4, ".." + std::string(size_t(width), '?') + "..");
            for (size_t x = 0; x < top.size(); ++x) {
                if (top[x] != '?') {
                    EXPECT_EQ(frame[6][x], top[x]) << where << " at " << x;
                }
            }
            EXPECT_EQ(frame[29], std::string(40, '#')) << where;
            EXPECT_EQ(frame[20], "#" + std::string(38, '.') + "#") << where;
            EXPECT_EQ(At(shot, 20, 20), clWhite) << where << ": the parent's colour";
            const TColor fontColor = GetBuiltInColor(style, SUI_THEME_ControlFontColor);
            const QImage text = shot.copy(5, 0, width, 14);
            EXPECT_EQ(Count(text, fontColor) > 0, *row.caption && row.enabled) << where;
            EXPECT_EQ(Count(text, clGray) > 0, *row.caption && !row.enabled) << where;
        }
    }
}

TEST(GroupBox, PassesEnabledAndItsStyleToItsChildrenAndIsAGroupingNamedByItsCaption)
{
    TsuiGroupBox box;
    auto* inner = new TsuiGroupBox(&box);
    auto* innerChild = new TsuiImagePanel(inner);
    auto* panel = new TsuiPanel(&box);
    box.SetEnabled(false);
    EXPECT_FALSE(panel->Enabled());
    EXPECT_FALSE(innerChild->Enabled()) << "a nested group box passes it on";
    box.setProperty("Enabled", true);
    EXPECT_TRUE(innerChild->Enabled());

    box.SetUIStyle(Protein);
    EXPECT_EQ(panel->UIStyle(), Protein);
    auto* theme = new TsuiFileTheme;
    box.SetFileTheme(theme);
    box.SetUIStyle(FromThemeFile);
    EXPECT_EQ(panel->FileTheme(), theme);
    delete theme;
    EXPECT_EQ(panel->UIStyle(), DeepBlue);
    EXPECT_EQ(panel->FileTheme(), nullptr);

    box.SetCaption("Play options");
    QAccessibleInterface* about = QAccessible::queryAccessibleInterface(&box);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->role(), QAccessible::Grouping);
    EXPECT_EQ(about->text(QAccessible::Name), "Play options");
}

TEST(GroupBox, ReadsTheMainWindowsStoredSettingsAndLaysChildrenBelowTheCaption)
{
    TClassRegistry registry;
    registry.Register<TsuiGroupBox>();
    registry.Register<TsuiImagePanel>();
    TForm form;
    form.SetColor(clWhite);
    ReadLayout(R"(object f: TForm
  object suiGroupBox1: TsuiGroupBox
    Width = 236
    Height = 76
    UIStyle = WinXP
    Font.Color = $CF4602
    ParentColor = True
    BorderColor = $686868
    object filler: TsuiImagePanel
      Align = alClient
    end
  end
end)",
        form, registry, form.Handlers());
    auto* box = form.findChild<TsuiGroupBox*>("suiGroupBox1");
    EXPECT_EQ(box->UIStyle(), WinXP);
    EXPECT_EQ(box->Font()->Color(), 0xCF4602u);
    EXPECT_EQ(box->Color(), clWhite);
    EXPECT_EQ(box->BorderColor(), 0x686868u);
    auto* filler = form.findChild<TsuiImagePanel*>("filler");
    EXPECT_EQ(filler->geometry(), QRect(3, 16, 230, 57));
    box->Font()->SetHeight(-20);
    EXPECT_EQ(filler->geometry(), QRect(3, 25, 230, 48));
}

} // namespace
