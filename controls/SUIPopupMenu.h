#pragma once

#include "skin/SUIMenuSkin.h"

// A context menu in the skinned look: a non-visual component owned by a form or a
// control, shown at a screen point. Items, skin properties and drawing are those every
// skinned menu shares; a stored layout lists the items as TsuiMenuItem blocks inside the
// menu's block, sub-items inside their item's.
class TsuiPopupMenu : public TsuiMenuSkin {
    Q_OBJECT
    Q_PROPERTY(TPopupAlignment Alignment READ Alignment WRITE SetAlignment)

public:
    // Which edge of the menu the popup point gives: left, right or the middle.
    enum TPopupAlignment { paLeft, paRight, paCenter };
    Q_ENUM(TPopupAlignment)

    explicit TsuiPopupMenu(QObject* owner = nullptr);

    TPopupAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TPopupAlignment alignment) { m_alignment = alignment; }

    // Shows the menu at the screen point, placed after Alignment; returns at once.
    void Popup(int x, int y) override;

private:
    TPopupAlignment m_alignment = paLeft;
};
