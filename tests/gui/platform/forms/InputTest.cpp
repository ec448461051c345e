#include "Input.h"

#include "platform/forms/FrameworkClasses.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TPlainCheckBox.h"
#include "platform/forms/TPlainTrackBar.h"

#include <QFontMetrics>
#include <QScreen>

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(TrackBar, StaysInRangeAndMovesByMouseAndKeys)
{
    TPlainTrackBar bar;
    bar.SetBounds(0, 0, 124, 21);
    bar.SetMax(30);
    bar.SetPosition(3);
    int changes = 0;
    bar.OnChange = [&] { ++changes; };

    bar.SetPosition(3);
    EXPECT_EQ(changes, 0) << "no change, no event";
    bar.SetPosition(99);
    EXPECT_EQ(bar.Position(), 30);
    bar.SetMax(20);
    EXPECT_EQ(bar.Position(), 20);
    EXPECT_EQ(changes, 2);

    bar.SetPosition(5);
    Key(bar, Qt::Key_Right);
    EXPECT_EQ(bar.Position(), 6);
    Key(bar, Qt::Key_PageUp);
    EXPECT_EQ(bar.Position(), 4);
    Key(bar, Qt::Key_End);
    EXPECT_EQ(bar.Position(), 20);
    Key(bar, Qt::Key_Home);
    EXPECT_EQ(bar.Position(), 0);

    // The knob's middle sits under the pointer: span 113 px for 20 steps.
    Click(bar, QPoint(5, 10));
    EXPECT_EQ(bar.Position(), 0);
    Click(bar, QPoint(5 + 113, 10));
    EXPECT_EQ(bar.Position(), 20);
    Click(bar, QPoint(5 + 57, 10));
    EXPECT_EQ(bar.Position(), 10);

    bar.SetMin(INT_MIN);
    bar.SetMax(INT_MAX);
    Click(bar, QPoint(200, 10));
    EXPECT_EQ(bar.Position(), INT_MAX) << "the widest range does not overflow";
}

TEST(CheckBox, ClickTogglesAndEveryChangeFiresOnClick)
{
    TPlainCheckBox box;
    box.SetCaption("Replay");
    int clicks = 0;
    box.OnClick = [&] { ++clicks; };
    Click(box, QPoint(5, 5));
    EXPECT_TRUE(box.Checked());
    box.SetChecked(true);
    box.SetChecked(false);
    EXPECT_EQ(clicks, 2);

    // Sized to box and caption: 13 + text + 8 wide.
    QFontMetrics metrics(box.Font()->ToQFont());
    EXPECT_EQ(box.Width(), 13 + metrics.horizontalAdvance("Replay") + 8);
    EXPECT_EQ(box.Height(), std::max(metrics.height() + 2, 13) + 4);
}

TEST(CheckBox, LoadingNeitherFiresNorSizesBeforeTheEnd)
{
    TClassRegistry registry;
    RegisterFrameworkClasses(registry);
    TForm form;
    int clicks = 0;
    form.Handlers()["Changed"] = [&] { ++clicks; };
    ReadLayout(R"(object f: TForm
  object sCB_Replay: TPlainCheckBox
    OnClick = Changed
    Checked = True
    Caption = 'Replay'
    Width = 3
  end
  object Label1: TLabel
    Caption = 'Play Interval'
    Width = 3
  end
end)",
        form, registry, form.Handlers());
    EXPECT_EQ(clicks, 0);
    EXPECT_GT(form.findChild<TPlainCheckBox*>()->Width(), 13 + 8);
    auto* label = form.findChild<TLabel*>();
    EXPECT_EQ(
        label->Width(), QFontMetrics(label->Font()->ToQFont()).horizontalAdvance("Play Interval"));
}

TEST(Form, CentresOnTheScreenWhenFirstShown)
{
    TForm form;
    form.SetBounds(0, 0, 201, 101);
    form.SetPosition(TForm::poScreenCenter);
    form.show();
    QRect screen = form.screen()->geometry();
    EXPECT_EQ(form.pos(),
        QPoint(screen.x() + (screen.width() - 201) / 2, screen.y() + (screen.height() - 101) / 2));
}

} // namespace
