#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"
#include "platform/graphics/TCanvas.h"
#include "skin/SUIControl.h"
#include "skin/SUIForm.h"
#include "skin/SUIMgr.h"

#include <QAccessible>

#include <gtest/gtest.h>

namespace {

// Paints the colour its style gave it and counts the style applications.
class TsuiProbe : public TsuiControl {
    Q_OBJECT
public:
    explicit TsuiProbe(QWidget* parent = nullptr, TThemeLoss loss = TThemeLoss::SelfOnly)
        : TsuiControl(parent, loss)
    {
        SetCaption("&Probe ");
        TakeFormStyle();
    }
    int applications = 0;
    TColor border = 0;

    QAccessible::Role AccessibleRole() const override { return QAccessible::Slider; }
    std::optional<TAccessibleValue> AccessibleValue() const override
    {
        return TAccessibleValue { 3, 0, 30, 1 };
    }

protected:
    void ApplyStyle(const TsuiStyleSource& source) override
    {
        ++applications;
        border = source.GetColor(SUI_THEME_ControlBorderColor);
    }
    void Paint(TCanvas& canvas) const override
    {
        canvas.Brush.Color = border;
        canvas.FillRect(TRect::FromSize(canvas.Width(), canvas.Height()));
    }
};

TEST(SkinnedControl, TakesItsFirstStyleFromTheFormThatOwnsItWhereverItSits)
{
    TForm window;
    (new TsuiForm(&window))->SetUIStyle(WinXP);
    auto* panel = new QWidget(&window);
    auto* deep = new QWidget(panel);
    auto* probe = new TsuiProbe(deep);
    EXPECT_EQ(probe->UIStyle(), WinXP);
    EXPECT_EQ(probe->applications, 1);
    EXPECT_EQ(probe->border, GetBuiltInColor(WinXP, SUI_THEME_ControlBorderColor));

    TForm plain;
    EXPECT_EQ(TsuiProbe(&plain).UIStyle(), DeepBlue) << "no skinned frame";
    EXPECT_EQ(TsuiProbe().UIStyle(), DeepBlue) << "no form at all";
}

TEST(SkinnedControl, LayoutsNameTheStyleAndTheThemeComponent)
{
    TClassRegistry registry;
    registry.Register<TsuiProbe>();
    registry.Register<TsuiFileTheme>();
    TForm form;
    ReadLayout(R"(object f: TForm
  object p: TsuiProbe
    UIStyle = MacOS
    FileTheme = Theme1
  end
  object Theme1: TsuiFileTheme
  end
end)",
        form, registry, form.Handlers());
    auto* probe = form.findChild<TsuiProbe*>("p");
    EXPECT_EQ(probe->UIStyle(), MacOS);
    EXPECT_EQ(probe->FileTheme(), form.findChild<TsuiFileTheme*>("Theme1"));
    EXPECT_EQ(probe->border, GetBuiltInColor(MacOS, SUI_THEME_ControlBorderColor));
    probe->setProperty("UIStyle", int(Protein));
    EXPECT_EQ(probe->UIStyle(), Protein) << "ordinals still convert";
}

TEST(SkinnedControl, ALostThemeSendsAContainersSkinnedChildrenToDeepBlue)
{
    for (auto loss : { TsuiControl::TThemeLoss::SelfOnly, TsuiControl::TThemeLoss::WithChildren }) {
        auto* theme = new TsuiFileTheme;
        TsuiProbe container(nullptr, loss);
        auto* child = new TsuiProbe(&container);
        child->SetUIStyle(WinXP);
        container.SetFileTheme(theme);
        container.SetUIStyle(FromThemeFile);
        delete theme;
        EXPECT_EQ(container.UIStyle(), DeepBlue);
        EXPECT_EQ(container.FileTheme(), nullptr);
        bool followed = loss == TsuiControl::TThemeLoss::WithChildren;
        EXPECT_EQ(child->UIStyle(), followed ? DeepBlue : WinXP);
    }
}

TEST(SkinnedControl, PaintsOpaqueFromOneImageAndDescribesItself)
{
    TsuiProbe probe;
    probe.SetBounds(0, 0, 20, 10);
    probe.SetUIStyle(WinXP);
    EXPECT_TRUE(probe.testAttribute(Qt::WA_OpaquePaintEvent));
    QImage shot = probe.grab().toImage();
    EXPECT_EQ(FromPixel(shot.pixel(0, 0)), GetBuiltInColor(WinXP, SUI_THEME_ControlBorderColor));
    EXPECT_EQ(FromPixel(shot.pixel(19, 9)), GetBuiltInColor(WinXP, SUI_THEME_ControlBorderColor));

    QAccessibleInterface* about = QAccessible::queryAccessibleInterface(&probe);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->role(), QAccessible::Slider);
    EXPECT_EQ(about->text(QAccessible::Name), "Probe");
    ASSERT_NE(about->valueInterface(), nullptr);
    EXPECT_EQ(about->valueInterface()->currentValue().toInt(), 3);
    EXPECT_EQ(about->valueInterface()->maximumValue().toInt(), 30);
}

} // namespace

#include "SUIControlTest.moc"
