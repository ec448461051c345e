#include "controls/SUIStatusBar.h"

#include "controls/SUIControls.h"
#include "gui/platform/forms/Input.h"
#include "platform/core/Exceptions.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"
#include "platform/forms/TStatusBar.h"
#include "skin/SUIForm.h"
#include "skin/SUIThemes.h"
#include "support/PixelImages.h"

#include <QAccessible>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A window with a skinned frame and a bar 294 x 25 at its bottom, directly on the frame
// or on a page inside it. A fixed-size window is fixed before the frame takes it over.
struct TWindow {
    explicit TWindow(TsuiUIStyle style, bool onFrame, bool fixedSize = false)
    {
        window.setGeometry(100, 80, 300, 200);
        if (fixedSize)
            window.setFixedSize(window.size());
        auto* frame = new TsuiForm(&window);
        frame->SetUIStyle(style);
        window.setGeometry(100, 80, 300, 200);
        frame->setGeometry(3, 0, 294, 197);
        QWidget* holder = onFrame ? frame : new QWidget(frame);
        holder->setGeometry(frame->rect());
        bar = new TsuiStatusBar(holder);
        bar->SetBounds(0, 172, 294, 25);
    }
    TForm window;
    TsuiStatusBar* bar;
};

// Whether the bar's corner shows the grip over the background, or the background only.
bool CornerShows(const QImage& shot, TColor background, bool grip)
{
    const QImage bitmap = LoadSkinBitmap("STATUSBAR_HANDLE");
    const TColor key = At(bitmap, 0, bitmap.height() - 1);
    const int left = shot.width() - bitmap.width() - 1;
    const int top = shot.height() - bitmap.height() - 1;
    bool same = true;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) {
            const TColor pixel = At(bitmap, x, y);
            same &= At(shot, left + x, top + y) == (grip && pixel != key ? pixel : background);
        }
    return same;
}

TEST(StatusBar, DrawsItsGripOnlyDirectlyOnTheFrameOfASizeableWindowNotMaximised)
{
    struct Row {
        const char* where;
        bool onFrame, fixedSize;
        std::vector<bool> maximisedThenGrip; // window states in turn, with whether a grip shows
    };
    const Row rows[] = {
        { "on the frame", true, false, { false, true, true, false, false, true } },
        { "on a page", false, false, { false, false, true, false } },
        { "fixed-size window", true, true, { false, false } },
    };
    for (TsuiUIStyle style : { MacOS, WinXP, DeepBlue, Protein, BlueGlass }) {
        const TColor background = GetBuiltInColor(style, SUI_THEME_FormBackgroundColor);
        for (const Row& row : rows) {
            TWindow w(style, row.onFrame, row.fixedSize);
            EXPECT_EQ(w.bar->UIStyle(), style) << "the frame's style";
            for (std::size_t i = 0; i < row.maximisedThenGrip.size(); i += 2) {
                if (row.maximisedThenGrip[i])
                    w.window.showMaximized();
                else
                    w.window.showNormal();
                const bool grip = row.maximisedThenGrip[i + 1];
                const QImage shot = w.bar->grab().toImage();
                SCOPED_TRACE(std::string(row.where) + ", step " + std::to_string(i / 2) + ", style "
                    + std::to_string(style));
                EXPECT_EQ(At(shot, 150, 3), background);
                EXPECT_TRUE(CornerShows(shot, background, grip));
                EXPECT_EQ(w.bar->GripArea().IsEmpty(), !grip);
            }
        }
    }
}

TEST(StatusBar, The7x7CornerSetsTheSizingCursorAndADragFromItResizesTheWindow)
{
    struct Row {
        bool onFrame;
        QPoint at; // the bar is 294 x 25: the grip area runs from (287, 18) to the corner
        bool overGrip;
    };
    const Row rows[] = {
        { true, { 293, 24 }, true },
        { true, { 287, 18 }, true },
        { true, { 286, 24 }, false },
        { true, { 293, 17 }, false },
        { false, { 293, 24 }, false },
    };
    for (const Row& row : rows) {
        TWindow w(WinXP, row.onFrame);
        w.window.show();
        const QSize before = w.window.size();
        SendMouse(*w.bar, QEvent::MouseMove, { 290, 22 });
        SendMouse(*w.bar, QEvent::MouseMove, row.at);
        const auto where = std::to_string(row.at.x()) + "," + std::to_string(row.at.y());
        EXPECT_EQ(w.bar->cursor().shape(), row.overGrip ? Qt::SizeFDiagCursor : Qt::ArrowCursor)
            << where;
        SendMouse(*w.bar, QEvent::MouseButtonPress, row.at);
        for (QPoint to : { QPoint(330, 60), QPoint(200, 10) }) {
            const QPoint screen = w.bar->mapToGlobal(to);
            SendMouse(*w.bar, QEvent::MouseMove, to);
            // The window's corner stays 5 pixels beyond the pointer.
            EXPECT_EQ(w.window.size(),
                row.overGrip ? QSize(screen.x() - w.window.x() + 5, screen.y() - w.window.y() + 5)
                             : before)
                << where;
        }
        SendMouse(*w.bar, QEvent::MouseButtonRelease, { 200, 10 });
        const QSize released = w.window.size();
        SendMouse(*w.bar, QEvent::MouseMove, { 100, 5 });
        EXPECT_EQ(w.window.size(), released) << where << ": nothing follows after the release";
    }
}

TEST(StatusBar, ReadsTheMainWindowsStoredBarAndWritesEachPanelInItsPlace)
{
    TClassRegistry registry;
    RegisterSkinnedControls(registry);
    TForm form;
    ReadLayout(R"(object f: TForm
  object sSB: TsuiStatusBar
    Width = 666
    Height = 25
    UIStyle = WinXP
    PanelColor = clWhite
    Color = clWhite
    Panels = <
      item
        Width = 200
      end
      item
        Width = 100
      end
      item
        Width = 200
      end>
  end
end)",
        form, registry, form.Handlers());
    auto* bar = form.findChild<TsuiStatusBar*>("sSB");
    ASSERT_EQ(bar->PanelCount(), 3);
    EXPECT_EQ(bar->PanelColor(), clWhite) << "the stored colour comes after the style";
    bar->SetPanelText(0, "Demo");
    bar->SetPanelText(1, "  3 / 20");
    EXPECT_THROW(bar->SetPanelText(3, "x"), EInvalidOperation);

    // Text is whatever is neither the white background nor a separator.
    const QImage shot = bar->grab().toImage();
    const auto white = Map(shot, clWhite);
    auto inked = [&](int from, int to) {
        for (const std::string& row : white)
            if (row.substr(std::size_t(from), std::size_t(to - from)).find('.')
                != std::string::npos)
                return true;
        return false;
    };
    EXPECT_TRUE(inked(2, 198) && inked(202, 298)) << "both texts in their panels";
    EXPECT_FALSE(inked(200, 202) || inked(300, 666)) << "two pixels in; the last panel empty";
    for (int x : { 199, 299 })
        EXPECT_EQ(At(shot, x, 12), FromPixel(ToPixel(clBtnShadow))) << "separator at " << x;

    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(bar);
    EXPECT_EQ(face->role(), QAccessible::StatusBar);
    EXPECT_EQ(face->text(QAccessible::Name), "Demo, 3 / 20");

    bar->SetUIStyle(WinXP);
    EXPECT_EQ(bar->PanelColor(), GetBuiltInColor(WinXP, SUI_THEME_FormBackgroundColor))
        << "setting the style again takes the style's colour";
}

} // namespace

