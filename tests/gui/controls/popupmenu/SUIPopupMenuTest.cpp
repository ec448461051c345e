#include "controls/SUIPopupMenu.h"

#include "controls/SUIControls.h"
#include "gui/platform/forms/Input.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLayoutReader.h"
#include "skin/SUIForm.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Open, a separator, a disabled item, a checked one and one with a sub-menu; each click
// is written down by its item's caption.
struct TMenu {
    TMenu()
    {
        for (const char* caption : { "&Open", "-", "&Disabled", "&Close", "&More" })
            Track(menu.Add(caption));
        menu.Items()[2]->SetEnabled(false);
        menu.Items()[3]->SetChecked(true);
        Track(menu.Items()[4]->Add("&Sub"));
    }
    void Track(TsuiMenuItem* item)
    {
        item->OnClick = [this, item] { clicked.push_back(item->Caption().toStdString()); };
    }
    TsuiPopupMenu menu;
    std::vector<std::string> clicked;
};

// Keys go where the desktop sends them: to the popup open on top.
void Press(int key, const QString& text = {})
{
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(popup, &press);
}

TEST(PopupMenu, IsUsedByKeysArrowsEnterEscapeAndAccessKeys)
{
    struct Row {
        const char* what;
        std::vector<std::pair<int, QString>> keys;
        std::vector<std::string> clicked;
        bool open;
    };
    const Row rows[] = {
        { "down and enter", { { Qt::Key_Down, "" }, { Qt::Key_Return, "" } }, { "&Open" }, false },
        { "past the separator, stopping on the disabled item",
            { { Qt::Key_Down, "" }, { Qt::Key_Down, "" }, { Qt::Key_Enter, "" } }, {}, true },
        { "on to the checked one",
            { { Qt::Key_Down, "" }, { Qt::Key_Down, "" }, { Qt::Key_Down, "" },
                { Qt::Key_Return, "" } },
            { "&Close" }, false },
        { "up wraps to the last",
            { { Qt::Key_Up, "" }, { Qt::Key_Right, "" }, { Qt::Key_Return, "" } }, { "&Sub" },
            false },
        { "escape", { { Qt::Key_Down, "" }, { Qt::Key_Escape, "" } }, {}, false },
        { "access key", { { Qt::Key_C, "c" } }, { "&Close" }, false },
        { "access key of a disabled item", { { Qt::Key_D, "d" } }, {}, true },
        { "access keys into a sub-menu", { { Qt::Key_M, "m" }, { Qt::Key_S, "s" } }, { "&Sub" },
            false },
    };
    for (const Row& row : rows) {
        TMenu m;
        m.menu.Popup(100, 100);
        ASSERT_TRUE(m.menu.Menu()->isVisible());
        for (const auto& [key, text] : row.keys)
            Press(key, text);
        SCOPED_TRACE(row.what);
        EXPECT_EQ(m.clicked, row.clicked);
        EXPECT_EQ(m.menu.Menu()->isVisible(), row.open);
        EXPECT_TRUE(m.menu.Items()[3]->Checked()) << "a click does not toggle the check";
        m.menu.Menu()->hide();
    }
}

TEST(PopupMenu, IsUsedByTheMouse)
{
    struct Row {
        int item;
        std::vector<std::string> clicked;
        bool open;
    };
    const Row rows[] = {
        { 0, { "&Open" }, false },
        { 1, {}, true }, // the separator
        { 2, {}, true }, // disabled
        { 3, { "&Close" }, false },
    };
    for (const Row& row : rows) {
        TMenu m;
        m.menu.Popup(100, 100);
        QMenu& shown = *m.menu.Menu();
        const QPoint at = shown.actionGeometry(m.menu.Items()[row.item]).center();
        SendMouse(shown, QEvent::MouseMove, at);
        Click(shown, at);
        EXPECT_EQ(m.clicked, row.clicked) << row.item;
        EXPECT_EQ(shown.isVisible(), row.open) << row.item;
        shown.hide();
    }
}

TEST(PopupMenu, StartsInTheStyleOfTheWindowItsOwnerSitsIn)
{
    TForm window;
    auto* frame = new TsuiForm(&window);
    frame->SetUIStyle(MacOS);
    QWidget* deep = new QWidget(new QWidget(frame));
    QObject component(deep);
    for (QObject* owner :
        { static_cast<QObject*>(&window), static_cast<QObject*>(deep), &component })
        EXPECT_EQ(TsuiPopupMenu(owner).UIStyle(), MacOS) << owner->metaObject()->className();
    QWidget plain;
    EXPECT_EQ(TsuiPopupMenu(&plain).UIStyle(), DeepBlue);
    EXPECT_EQ(TsuiPopupMenu().UIStyle(), DeepBlue);
}

TEST(PopupMenu, TellsAssistiveTechnologyItsItemsAndTheirStates)
{
    TMenu m;
    m.menu.Popup(100, 100);
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(m.menu.Menu());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->role(), QAccessible::PopupMenu);
    ASSERT_EQ(menu->childCount(), 5);
    struct Row {
        const char* name;
        QAccessible::Role role;
        bool disabled, checked;
    };
    const Row rows[] = {
        { "Open", QAccessible::MenuItem, false, false },
        { "", QAccessible::Separator, false, false },
        { "Disabled", QAccessible::MenuItem, true, false },
        { "Close", QAccessible::MenuItem, false, true },
        { "More", QAccessible::MenuItem, false, false },
    };
    for (int i = 0; i < 5; ++i) {
        QAccessibleInterface* item = menu->child(i);
        const Row& row = rows[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(item->role(), row.role);
        if (row.role == QAccessible::Separator)
            continue;
        EXPECT_EQ(item->text(QAccessible::Name).toStdString(), row.name);
        EXPECT_EQ(bool(item->state().disabled), row.disabled);
        EXPECT_EQ(bool(item->state().checked), row.checked);
    }
    m.menu.Menu()->hide();
}

TEST(PopupMenu, PlacesItselfAfterItsAlignment)
{
    // The menu's left edge lies `halves` half-widths left of the point.
    for (auto [alignment, halves] : { std::pair { TsuiPopupMenu::paLeft, 0 },
             std::pair { TsuiPopupMenu::paRight, 2 }, std::pair { TsuiPopupMenu::paCenter, 1 } }) {
        TMenu m;
        m.menu.SetAlignment(alignment);
        const int width = m.menu.Menu()->sizeHint().width();
        m.menu.Popup(300, 100);
        EXPECT_EQ(m.menu.Menu()->geometry(),
            QRect(QPoint(300 - halves * width / 2, 100), m.menu.Menu()->sizeHint()))
            << alignment;
        m.menu.Menu()->hide();
    }
}

TEST(PopupMenu, ReadsItsItemsAndSkinFromAStoredLayout)
{
    TClassRegistry registry;
    RegisterSkinnedControls(registry);
    TForm form;
    int opened = 0;
    form.Handlers()["miOpenClick"] = [&] { ++opened; };
    ReadLayout(R"(object f: TForm
  object pm: TsuiPopupMenu
    UIStyle = MacOS
    MenuItemHeight = 30
    FlatMenu = True
    Alignment = paCenter
    object miOpen: TsuiMenuItem
      Caption = '&Open'
      ShortCut = 'Ctrl+O'
      Default = True
      OnClick = miOpenClick
    end
    object miSep: TsuiMenuItem
      Caption = '-'
    end
    object miRecent: TsuiMenuItem
      Caption = '&Recent'
      object miOne: TsuiMenuItem
        Caption = 'one'
        Checked = True
        Enabled = False
        ImageIndex = 0
      end
    end
  end
end)",
        form, registry, form.Handlers());
    auto* menu = form.findChild<TsuiPopupMenu*>("pm");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->UIStyle(), MacOS);
    EXPECT_EQ(menu->MenuItemHeight(), 20);
    EXPECT_TRUE(menu->FlatMenu());
    EXPECT_EQ(menu->Alignment(), TsuiPopupMenu::paCenter);
    const QList<TsuiMenuItem*> items = menu->Items();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->ShortCutText(), "Ctrl+O");
    EXPECT_TRUE(items[0]->Default());
    EXPECT_TRUE(items[1]->IsSeparator());
    ASSERT_EQ(items[2]->Items().size(), 1);
    const TsuiMenuItem* one = items[2]->Items()[0];
    EXPECT_EQ(one->Caption(), "one");
    EXPECT_TRUE(one->Checked());
    EXPECT_FALSE(one->Enabled());
    EXPECT_EQ(one->ImageIndex(), 0);
    EXPECT_EQ(one->Root(), menu);
    EXPECT_TRUE(menu->IsShortCut(QKeySequence("Ctrl+O")));
    EXPECT_FALSE(menu->IsShortCut(QKeySequence("Ctrl+P")));
    EXPECT_EQ(opened, 1);
}

} // namespace
