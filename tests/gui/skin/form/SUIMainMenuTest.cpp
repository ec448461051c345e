#include "skin/SUIMainMenu.h"

#include "gui/platform/forms/Input.h"
#include "platform/forms/TForm.h"
#include "skin/SUIForm.h"
#include "skin/SUIPublic.h"
#include "support/PixelImages.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

// A shown, active window whose frame has an edit box and a menu "&File" (Open on Ctrl+O)
// and "&Edit".
struct TMenuWindow {
    TMenuWindow()
    {
        frame = new TsuiForm(&form);
        frame->SetUIStyle(WinXP);
        edit = new QLineEdit(frame);
        edit->setGeometry(10, 80, 100, 20);
        menu = new TsuiMainMenu(&form);
        file = menu->Add("&File");
        TsuiMenuItem* open = file->Add("&Open");
        open->SetShortCutText("Ctrl+O");
        open->OnClick = [this] { ++opened; };
        menu->Add("&Edit");
        frame->RebuildMenuButtons();
        form.resize(400, 300);
        form.show();
        QApplication::setActiveWindow(&form);
    }
    TForm form;
    TsuiForm* frame;
    QLineEdit* edit;
    TsuiMainMenu* menu;
    TsuiMenuItem* file;
    int opened = 0;
};

void SendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers, const QString& text = {})
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&widget, &event);
}

TEST(MainMenu, ShortcutsWorkWhileAnEditHasTheFocus)
{
    TMenuWindow window;
    ASSERT_TRUE(window.form.isActiveWindow());
    window.edit->setFocus();
    SendKey(*window.edit, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(window.opened, 1);
    SendKey(*window.edit, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_EQ(window.edit->text(), "a") << "other keys reach the edit";

    window.file->Items().at(0)->SetEnabled(false);
    SendKey(*window.edit, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(window.opened, 1) << "a disabled item does not run";

    QApplication::setActiveWindow(nullptr);
    window.file->Items().at(0)->SetEnabled(true);
    SendKey(*window.edit, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(window.opened, 1) << "nor anything while the window is inactive";
}

TEST(MainMenu, TheBarHasAButtonPerItemThatFollowsItsItem)
{
    TMenuWindow window;
    TsuiMenuBar* bar = window.frame->MenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry(), QRect(0, 29, window.frame->width(), 22)) << "under the title bar";
    ASSERT_EQ(bar->ButtonCount(), 2);
    EXPECT_EQ(bar->ButtonCaption(0), "&File");
    EXPECT_EQ(bar->ButtonRect(1).left(), bar->ButtonRect(0).right() + 1);

    window.file->SetCaption("&Course");
    window.file->SetEnabled(false);
    EXPECT_EQ(bar->ButtonCaption(0), "&Course");
    EXPECT_FALSE(bar->ButtonEnabled(0));

    delete window.menu;
    EXPECT_EQ(window.frame->Menu(), nullptr);
    EXPECT_EQ(window.frame->MenuBar(), nullptr) << "the bar goes with its menu";
}

TEST(MainMenu, HotAndPressedButtonsTakeTheStylesSelectionLook)
{
    for (TsuiUIStyle style : { MacOS, WinXP, DeepBlue, Protein, BlueGlass }) {
        TMenuWindow window;
        window.frame->SetUIStyle(style);
        TsuiMenuBar& bar = *window.frame->MenuBar();
        const QRect file = bar.ButtonRect(0);
        SendMouse(bar, QEvent::MouseMove, file.center());
        const QImage hot = Render(bar);
        SendMouse(bar, QEvent::MouseButtonPress, file.center());
        const QImage pressed = Render(bar);
        window.file->SubMenu()->close();
        Leave(bar);
        const QImage normal = Render(bar);
        SCOPED_TRACE(int(style));
        if (style == MacOS) {
            EXPECT_NE(At(hot, file.left() + 1, 3), At(normal, file.left() + 1, 3));
            continue;
        }
        const TColor border = GetBuiltInColor(style, SUI_THEME_MenuSelectedBorderColor);
        const TColor fill = GetBuiltInColor(style, SUI_THEME_MenuSelectedBackgroundColor);
        EXPECT_EQ(At(hot, file.left(), 5), border);
        EXPECT_EQ(At(hot, file.right(), 5), border);
        EXPECT_EQ(At(hot, file.left() + 1, 5), fill);
        EXPECT_EQ(At(pressed, file.right() - 2, 5), border) << "pressed is 2 pixels narrower";
        EXPECT_EQ(At(normal, file.left(), 5), bar.Color());
    }
}

} // namespace

TEST(MainMenu, AltWithAnAccessKeyOrF10DropsAMenuAndTheArrowsMoveAlongTheBar)
{
    TMenuWindow window;
    TsuiMenuItem* edit = window.menu->Items().at(1);
    edit->Add("&Undo");
    TsuiMenuItem* help = window.menu->Add("&Help");
    help->Add("&About");
    window.frame->RebuildMenuButtons();
    window.edit->setFocus();
    auto shown = [&] {
        QApplication::processEvents();
        for (TsuiMenuItem* item : window.menu->Items())
            if (item->SubMenu() && item->SubMenu()->isVisible())
                return item->Caption();
        return QString();
    };

    SendKey(*window.edit, Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(shown(), "&Edit");
    EXPECT_EQ(edit->SubMenu()->activeAction()->text(), "&Undo") << "its first item selected";
    SendKey(*edit->SubMenu(), Qt::Key_Right, Qt::NoModifier);
    EXPECT_EQ(shown(), "&Help");
    SendKey(*help->SubMenu(), Qt::Key_Right, Qt::NoModifier);
    EXPECT_EQ(shown(), "&File") << "round from the last to the first";
    SendKey(*window.file->SubMenu(), Qt::Key_Left, Qt::NoModifier);
    EXPECT_EQ(shown(), "&Help");
    help->SubMenu()->close();

    edit->SetEnabled(false);
    SendKey(*window.edit, Qt::Key_E, Qt::AltModifier, "e");
    EXPECT_EQ(shown(), "") << "a disabled button has no access key";
    SendKey(*window.edit, Qt::Key_F10, Qt::NoModifier);
    EXPECT_EQ(shown(), "&File");
    SendKey(*window.file->SubMenu(), Qt::Key_Right, Qt::NoModifier);
    EXPECT_EQ(shown(), "&Help") << "the disabled one is passed over";
    help->SubMenu()->close();
    EXPECT_EQ(window.opened, 0);
}
