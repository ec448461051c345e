#pragma once

#include "platform/forms/TControl.h"
#include "skin/SUIMenuSkin.h"

#include <QPointer>
#include <QRect>
#include <QString>

#include <vector>

class QKeyEvent;
class TsuiForm;
class TsuiMainMenu;

// The main menu of a window with a skinned frame: its top-level items are the buttons of
// the frame's menu bar, their sub-items drop down as skinned menus, and its shortcuts work
// wherever the keyboard focus is in the window. Its check mark is the skin's "MENU_CHECKED"
// picture, kept apart from the user's Images.
class TsuiMainMenu : public TsuiMenuSkin {
    Q_OBJECT

public:
    // Owned by a form, it becomes the Menu of the form's first skinned frame.
    explicit TsuiMainMenu(QObject* owner = nullptr);
    ~TsuiMainMenu() override;

    // The frame showing the menu; set and cleared by that frame.
    TsuiForm* Form() const { return m_form; }
    void SetForm(TsuiForm* form) { m_form = form; }

    // The menu bar takes the new font at once.
    void SetUseSystemFont(bool use) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<TsuiForm> m_form;
};

// The bar under the title bar: one button per top-level item of the frame's menu, drawn
// hot or pressed in the menu's style (the frame's without a skinned menu). Pressing a
// button drops its item's sub-menu below it; a button without sub-items runs its item.
class TsuiMenuBar : public TControl {
    Q_OBJECT

public:
    explicit TsuiMenuBar(TsuiForm& frame);

    // One button per top-level item, in item order.
    void RebuildButtons();
    // Copies the items' captions and enabled states to their buttons.
    void RefreshButtons();
    // The system menu font or the menu's own, as the menu says.
    void ApplyMenuFont();
    // Reads the colours and pictures of the menu's style (the frame's without a menu).
    void ApplySkin();
    // Keyboard access as on any menu bar: Alt with a button's access key drops its menu,
    // F10 the first; Left and Right in a dropped menu move to the neighbouring ones.
    bool HandleKey(const QKeyEvent& key);

    int ButtonCount() const { return int(m_buttons.size()); }
    QRect ButtonRect(int index) const { return m_buttons.at(std::size_t(index)).rect; }
    QString ButtonCaption(int index) const { return m_buttons.at(std::size_t(index)).caption; }
    bool ButtonEnabled(int index) const { return m_buttons.at(std::size_t(index)).enabled; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct TButton {
        QPointer<TsuiMenuItem> item;
        QString caption;
        bool enabled = true;
        QRect rect;
    };
    TsuiMainMenu* Menu() const;
    void LayoutButtons();
    int ButtonAt(QPoint point) const;
    // From the keyboard, the dropped menu's first item is selected.
    void DropDown(int index, bool fromKeyboard = false);
    // The nearest enabled button after (step 1) or before (step -1) `index`, wrapping.
    int EnabledNeighbour(int index, int step) const;
    // Closes the dropped menu and drops the one of the button at `index` from the keyboard.
    void MoveDropDown(int index);

    TsuiForm& m_frame;
    std::vector<TButton> m_buttons;
    int m_hot = -1;
    int m_pressed = -1;
    bool m_macOS = false;
    TColor m_selectedBorderColor = clHighlight;
    TColor m_selectedColor = clHighlight;
    TColor m_selectedFontColor = clWhite;
};
