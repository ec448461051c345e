#include "controls/SUIPopupMenu.h"

#include <QMenu>

TsuiPopupMenu::TsuiPopupMenu(QObject* owner)
    : TsuiMenuSkin(owner)
{
}

void TsuiPopupMenu::Popup(int x, int y)
{
    const int width = Menu()->sizeHint().width();
    switch (m_alignment) {
    case paLeft:
        break;
    case paRight:
        x -= width;
        break;
    case paCenter:
        x -= width / 2;
        break;
    }
    TsuiMenuSkin::Popup(x, y);
}
