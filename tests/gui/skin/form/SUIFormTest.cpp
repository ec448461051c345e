#include "skin/SUIForm.h"

#include "platform/core/Exceptions.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"
#include "skin/SUIPublic.h"
#include "support/PixelImages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A form of the given client size carrying a frame in the style.
struct TFramedForm {
    explicit TFramedForm(TsuiUIStyle style = WinXP, QSize client = { 754, 491 })
    {
        frame = new TsuiForm(&form);
        frame->SetUIStyle(style);
        form.resize(client);
        form.show();
    }
    TForm form;
    TsuiForm* frame;
};

TEST(SkinnedForm, CoversTheFormButForItsBorderStrips)
{
    TFramedForm framed;
    TsuiForm& frame = *framed.frame;
    EXPECT_TRUE(framed.form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(frame.geometry(), QRect(3, 0, 748, 488));

    framed.form.SetColor(clWhite);
    const QImage shot = framed.form.grab().toImage();
    const TColor border = 0xC82C00;
    for (int y : { 10, 300, 487 }) {
        EXPECT_EQ(At(shot, 2, y), border) << y;
        EXPECT_NE(At(shot, 3, y), border) << y;
        EXPECT_EQ(At(shot, 751, y), border) << y;
        EXPECT_NE(At(shot, 750, y), border) << y;
    }
    EXPECT_EQ(At(shot, 400, 488), border);
    EXPECT_NE(At(shot, 400, 487), border);

    EXPECT_EQ(frame.TitleBar().geometry(), QRect(0, 0, 748, 29));
    frame.SetTitleBarVisible(false);
    EXPECT_FALSE(frame.TitleBar().isVisible());
    EXPECT_EQ(frame.geometry(), QRect(3, 3, 748, 485));
    const QImage hidden = framed.form.grab().toImage();
    EXPECT_EQ(At(hidden, 400, 0), clWhite) << "the top strip shows the form itself";
    EXPECT_EQ(At(hidden, 400, 2), clWhite);
    EXPECT_NE(At(hidden, 400, 3), clWhite);
}

TEST(SkinnedForm, SizeSettersGrowTheFormAroundTheFrame)
{
    struct Row {
        int border, width, height, formWidth, formHeight;
    };
    for (const Row& row : { Row { 3, 200, 100, 206, 104 }, Row { 1, 200, 100, 202, 101 },
             Row { 4, 300, 150, 308, 156 } }) {
        TFramedForm framed;
        framed.frame->SetBorderWidth(row.border);
        framed.frame->setProperty("Width", row.width);
        framed.frame->setProperty("Height", row.height);
        EXPECT_EQ(framed.form.size(), QSize(row.formWidth, row.formHeight)) << row.border;
        EXPECT_EQ(framed.frame->width(), row.width);
    }
    TFramedForm framed;
    framed.frame->SetBorderWidth(3);
    EXPECT_EQ(framed.form.height(), 491) << "the same width again leaves the form alone";
}

TEST(SkinnedForm, EdgesResizeOnlyASizeableNormalWindow)
{
    struct Row {
        int x, y;
        THitCode sizeable;
    };
    const int w = 754;
    const int h = 491;
    const Row rows[] = {
        { 0, 0, htTopLeft },
        { 4, 4, htTopLeft },
        { w - 4, 4, htTopRight },
        { w - 4, h - 4, htBottomRight },
        { 4, h - 4, htBottomLeft },
        { 4, 200, htLeft },
        { 5, 200, htClient },
        { 300, 4, htTop },
        { 300, 5, htClient },
        { w - 4, 200, htRight },
        { w - 5, 200, htClient },
        { 300, h - 4, htBottom },
        { 300, h - 5, htClient },
    };
    TFramedForm sizeable;
    TForm fixedForm;
    fixedForm.setFixedSize(w, h);
    TsuiForm fixed(&fixedForm);
    EXPECT_EQ(fixed.InitialBorderStyle(), TFormBorderStyle::Single);
    for (const Row& row : rows) {
        EXPECT_EQ(sizeable.frame->ResizeEdgeAt({ row.x, row.y }), row.sizeable)
            << row.x << "," << row.y;
        EXPECT_EQ(fixed.ResizeEdgeAt({ row.x, row.y }), htClient) << row.x << "," << row.y;
    }
    sizeable.form.showMaximized();
    EXPECT_EQ(sizeable.frame->ResizeEdgeAt({ 0, 0 }), htClient) << "nothing while maximised";
}

TEST(SkinnedForm, StyleGivesBorderBackgroundAndMenuBarColour)
{
    for (TsuiUIStyle style : { MacOS, WinXP, DeepBlue, Protein, BlueGlass }) {
        TFramedForm framed(style, { 300, 200 });
        TsuiForm& frame = *framed.frame;
        const int b = GetBuiltInInt(style, SUI_THEME_FormBorderWidthInt);
        EXPECT_EQ(frame.BorderColor(), GetBuiltInColor(style, SUI_THEME_FormBorderColor));
        EXPECT_EQ(frame.BorderWidth(), b);
        EXPECT_EQ(frame.MenuBarColor(), frame.Color());
        const QImage shot = framed.form.grab().toImage();
        EXPECT_EQ(At(shot, b - 1, 150), frame.BorderColor()) << int(style);
        EXPECT_EQ(At(shot, shot.width() - 1, 150), frame.BorderColor()) << int(style);
        const char* tileName = style == MacOS ? "MACOS_FORM_BACKGROUND"
            : style == Protein                ? "PROTEIN_FORM_BACKGROUND"
                                              : nullptr;
        // The tiles start at the frame's own origin.
        const TColor inside = tileName ? At(LoadSkinBitmap(tileName), 13 % 8, 151 % 8)
                                       : GetBuiltInColor(style, SUI_THEME_FormBackgroundColor);
        EXPECT_EQ(At(shot, b + 13, 151), inside) << int(style);
    }
    TFramedForm xp;
    EXPECT_EQ(xp.frame->BorderColor(), 0xC82C00u);
    EXPECT_EQ(xp.frame->BorderWidth(), 3);
    EXPECT_EQ(xp.frame->Color(), 0xDEEBEFu);
    EXPECT_EQ(xp.frame->MenuBarColor(), 0xDEEBEFu);
}

TEST(SkinnedForm, ChildrenFollowTheStyleOnlyWhenAsked)
{
    TFramedForm framed(DeepBlue);
    auto* child = new TsuiForm(framed.frame); // any skinned control will do
    framed.frame->SetUIStyle(WinXP);
    EXPECT_EQ(child->UIStyle(), DeepBlue);
    framed.frame->SetUIStyleAutoUpdateSub(true);
    framed.frame->SetUIStyle(Protein);
    EXPECT_EQ(child->UIStyle(), Protein);
}

TEST(SkinnedForm, OneFramePerFormAndNeverItsOwnPanel)
{
    TFramedForm framed;
    try {
        new TsuiForm(&framed.form);
        FAIL() << "a second frame was accepted";
    } catch (const Exception& error) {
        EXPECT_EQ(
            error.Message(), "Sorry, You can create only one TsuiForm component in one form!");
    }
    EXPECT_EQ(framed.form.findChildren<TsuiForm*>().size(), 1);
    TClassRegistry registry;
    registry.Register<TsuiForm>();
    TForm stored;
    EXPECT_THROW(ReadLayout("object f: TForm\n  object a: TsuiForm\n  end\n  object b: TsuiForm\n"
                            "  end\nend",
                     stored, registry, stored.Handlers()),
        EReadError)
        << "a stored second frame fails the reading, not the program";

    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    framed.frame->SetFormPanel(framed.frame);
    EXPECT_EQ(shown, "Sorry, you can't select the Form assign to FormPanel property");
    EXPECT_EQ(framed.frame->FormPanel(), nullptr);

    auto* panel = new TsuiForm(framed.frame);
    framed.frame->SetFormPanel(panel);
    EXPECT_EQ(panel->Align(), TControl::alClient);
    delete panel;
    EXPECT_EQ(framed.frame->FormPanel(), nullptr) << "a panel that goes is forgotten";
}

// Maximising to the work area needs a window manager: the end-to-end test checks it.
TEST(SkinnedForm, AFormCreatedMaximisedRestoresTheBoundsItWasCreatedWith)
{
    TForm form;
    form.setGeometry(40, 50, 300, 200);
    form.setWindowState(Qt::WindowMaximized);
    TsuiForm frame(&form);
    form.show();
    QApplication::processEvents();
    ASSERT_TRUE(form.isMaximized());
    EXPECT_EQ(frame.width(), form.width() - 2);
    form.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(form.geometry(), QRect(40, 50, 300, 200));
}

TEST(SkinnedForm, ActivationColoursTheCaption)
{
    TFramedForm framed;
    EXPECT_TRUE(framed.frame->TitleBar().FormActive()) << "starts active";
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&framed.form, &deactivate);
    EXPECT_FALSE(framed.frame->TitleBar().FormActive());
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&framed.form, &activate);
    EXPECT_TRUE(framed.frame->TitleBar().FormActive());
}

TEST(SkinnedForm, ReadsTheMainWindowsStoredSettings)
{
    TClassRegistry registry;
    registry.Register<TsuiForm>();
    TForm form;
    ReadLayout(R"(object f: TForm
  Width = 762
  Height = 517
  object sFrm_main: TsuiForm
    Left = 3
    Top = 0
    Width = 748
    Height = 487
    TitleBarCustom = False
    UIStyle = WinXP
    UIStyleAutoUpdateSub = False
    BorderColor = $C82C00
    BorderWidth = 3
    Color = clWhite
    Caption = 'Varnel  Zintaro'
    TitleBarButtons = <
      item
        UIStyle = WinXP
        ButtonType = suiControlBox
        Transparent = False
        Top = 5
      end
      item
        UIStyle = WinXP
        ButtonType = suiClose
        Transparent = False
        Top = 5
      end
      item
        UIStyle = WinXP
        ButtonType = suiMax
        Transparent = False
        Top = 5
        Visible = False
      end
      item
        UIStyle = WinXP
        ButtonType = suiMin
        Transparent = False
        Top = 5
      end>
    TitleBarSections = <
      item
        AutoSize = True
        Width = 35
        Align = suiLeft
        Stretch = False
      end
      item
        AutoSize = True
        Width = 35
        Align = suiRight
        Stretch = False
      end
      item
        AutoSize = False
        Width = 10
        Align = suiClient
        Stretch = True
      end>
    TitleBarDrawAppIcon = False
    Font.Name = 'Tahoma'
    Font.Height = -11
    Font.Style = [fsBold]
    Font.Color = clWhite
    MenuBarColor = $DEEBEF
    MenuBarHeight = 22
    RoundCorner = 13
  end
end)",
        form, registry, form.Handlers());
    auto* frame = form.findChild<TsuiForm*>("sFrm_main");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(form.size(), QSize(754, 491));
    EXPECT_EQ(frame->geometry(), QRect(3, 0, 748, 488));
    EXPECT_EQ(form.windowTitle(), "Varnel  Zintaro");
    EXPECT_EQ(frame->Color(), clWhite) << "the colour stored after the style wins";
    EXPECT_EQ(frame->MenuBarColor(), 0xDEEBEFu);
    const TsuiTitleBar& bar = frame->TitleBar();
    EXPECT_EQ(bar.Caption(), "Varnel  Zintaro");
    EXPECT_EQ(bar.RoundCorner(), 13);
    EXPECT_EQ(bar.height(), 29);
    ASSERT_EQ(bar.Buttons().Count(), 4);
    EXPECT_FALSE(bar.Buttons().Item(2).Visible());
    EXPECT_EQ(bar.Buttons().Item(3).ButtonType(), SuiTitleBar::suiMin);
    ASSERT_EQ(bar.Sections().Count(), 3);
    EXPECT_EQ(bar.Sections().Item(0).Width(), 35);
    EXPECT_EQ(bar.Font()->Name(), "Tahoma");
    EXPECT_EQ(bar.Font()->Height(), -11);
}

} // namespace
