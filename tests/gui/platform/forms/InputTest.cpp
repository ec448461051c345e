#include "Input.h"

#include "platform/forms/FrameworkClasses.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLabel.h"

#include <QFontMetrics>
#include <QScreen>

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(Label, SizesToItsCaptionWhenLoadingEnds)
{
    TClassRegistry registry;
    RegisterFrameworkClasses(registry);
    TForm form;
    ReadLayout(R"(object f: TForm
  object Label1: TLabel
    Caption = 'Play Interval'
    Width = 3
  end
end)",
        form, registry, form.Handlers());
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
