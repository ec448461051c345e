#include "skin/SUIMainMenu.h"

#include "platform/graphics/TCanvas.h"
#include "skin/SUIForm.h"
#include "skin/SUIPublic.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <string>

namespace {

// Room left and right of a button's caption.
constexpr int kButtonMargin = 7;
// A bar button is at least this wide.
constexpr int kMinButtonWidth = 23;

std::string Bytes(const QString& text)
{
    return text.toStdString();
}

} // namespace

// ---- TsuiMainMenu ---------------------------------------------------------------------------

TsuiMainMenu::TsuiMainMenu(QObject* owner)
    : TsuiMenuSkin(owner)
{
    // A changed caption or enabled state shows on the bar at once.
    Menu()->installEventFilter(this);
    auto* form = qobject_cast<QWidget*>(owner);
    if (!form || !form->isWindow())
        return;
    if (TsuiForm* frame = FindFormFrame(form))
        frame->SetMenu(this);
}

TsuiMainMenu::~TsuiMainMenu()
{
    if (m_form && m_form->Menu() == this)
        m_form->SetMenu(nullptr);
}

void TsuiMainMenu::SetUseSystemFont(bool use)
{
    TsuiMenuSkin::SetUseSystemFont(use);
    if (m_form)
        m_form->ApplyMenuFont();
}

bool TsuiMainMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Menu() && event->type() == QEvent::ActionChanged && m_form)
        m_form->RefreshMenuButtons();
    return false;
}

// ---- TsuiMenuBar ----------------------------------------------------------------------------

TsuiMenuBar::TsuiMenuBar(TsuiForm& frame)
    : TControl(&frame)
    , m_frame(frame)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    ApplySkin();
}

TsuiMainMenu* TsuiMenuBar::Menu() const
{
    return m_frame.Menu();
}

void TsuiMenuBar::RebuildButtons()
{
    m_buttons.clear();
    m_hot = -1;
    m_pressed = -1;
    if (TsuiMainMenu* menu = Menu())
        for (TsuiMenuItem* item : menu->Items())
            m_buttons.push_back({ item, item->Caption(), item->Enabled(), {} });
    LayoutButtons();
}

void TsuiMenuBar::RefreshButtons()
{
    for (TButton& button : m_buttons)
        if (button.item) {
            button.caption = button.item->Caption();
            button.enabled = button.item->Enabled();
        }
    LayoutButtons();
}

void TsuiMenuBar::ApplyMenuFont()
{
    if (TsuiMainMenu* menu = Menu()) {
        if (menu->UseSystemFont()) {
            GetMenuFont(*Font());
        } else {
            Font()->SetName(menu->FontName());
            Font()->SetSize(menu->FontSize());
        }
    }
    LayoutButtons();
}

void TsuiMenuBar::ApplySkin()
{
    const TsuiMainMenu* menu = Menu();
    const TsuiFileTheme* theme = menu ? menu->FileTheme() : m_frame.FileTheme();
    TsuiUIStyle effective = menu ? menu->UIStyle() : m_frame.UIStyle();
    const bool fromFile = UseFileTheme(theme, effective, effective);
    const TsuiStyleSource source(fromFile ? theme : nullptr, effective);
    m_macOS = !fromFile && effective == MacOS;
    m_selectedBorderColor = source.GetColor(SUI_THEME_MenuSelectedBorderColor);
    m_selectedColor = source.GetColor(SUI_THEME_MenuSelectedBackgroundColor);
    m_selectedFontColor = source.GetColor(SUI_THEME_MenuSelectedFontColor);
    update();
}

void TsuiMenuBar::LayoutButtons()
{
    QImage probe(1, 1, QImage::Format_RGB32);
    TCanvas canvas(probe);
    canvas.Font().Assign(*Font());
    int x = 0;
    for (TButton& button : m_buttons) {
        const int text = canvas.TextWidth(Bytes(QString(button.caption).remove('&')));
        const int w = std::max(kMinButtonWidth, text + 2 * kButtonMargin);
        button.rect = QRect(x, 0, w, height());
        x += w;
    }
    update();
}

int TsuiMenuBar::ButtonAt(QPoint point) const
{
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i].rect.contains(point))
            return int(i);
    return -1;
}

void TsuiMenuBar::paintEvent(QPaintEvent*)
{
    QImage image(size(), QImage::Format_RGB32);
    if (image.isNull())
        return;
    TCanvas canvas(image);
    canvas.Font().Assign(*Font());
    const TRect all = TRect::FromSize(width(), height());
    if (m_macOS) {
        canvas.StretchDraw(all, LoadSkinBitmap("MACOS_MENU_BAR"));
    } else {
        canvas.Brush.Style = TBrushStyle::Solid;
        canvas.Brush.Color = Color();
        canvas.FillRect(all);
    }
    canvas.Brush.Style = TBrushStyle::Clear;
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        const TButton& button = m_buttons[i];
        const bool pressed = int(i) == m_pressed;
        const bool hot = int(i) == m_hot && button.enabled;
        TRect r { button.rect.left(), button.rect.top(), button.rect.right() + 1,
            button.rect.bottom() + 1 };
        const std::string caption = Bytes(button.caption);
        if (!hot && !pressed) {
            canvas.Font().SetColor(button.enabled ? Font()->Color() : clGrayText);
            canvas.DrawText(caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            continue;
        }
        if (m_macOS) {
            canvas.StretchDraw(r, LoadSkinBitmap("MACOS_MENU_SELECT"));
            canvas.Font().SetColor(m_selectedFontColor);
            canvas.DrawText(caption, { r.Left, r.Top, r.Right, r.Bottom + 2 },
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            continue;
        }
        if (pressed)
            r.Right -= 2;
        FillRectColor(canvas, r, m_selectedColor);
        FrameRectColor(canvas, r, m_selectedBorderColor);
        canvas.Brush.Style = TBrushStyle::Clear;
        if (pressed)
            r.Left += 2;
        r.Top += 2;
        canvas.Font().SetColor(m_selectedFontColor);
        canvas.DrawText(caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    QPainter(this).drawImage(0, 0, image);
}

void TsuiMenuBar::mouseMoveEvent(QMouseEvent* event)
{
    TControl::mouseMoveEvent(event);
    const int hot = ButtonAt(event->position().toPoint());
    if (hot != m_hot) {
        m_hot = hot;
        update();
    }
}

void TsuiMenuBar::leaveEvent(QEvent* event)
{
    TControl::leaveEvent(event);
    m_hot = -1;
    update();
}

void TsuiMenuBar::mousePressEvent(QMouseEvent* event)
{
    TControl::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const int index = ButtonAt(event->position().toPoint());
    if (index >= 0 && m_buttons[std::size_t(index)].enabled)
        DropDown(index);
}

bool TsuiMenuBar::HandleKey(const QKeyEvent& key)
{
    int index = -1;
    if (key.key() == Qt::Key_F10 && key.modifiers() == Qt::NoModifier) {
        index = EnabledNeighbour(-1, 1);
    } else if (key.modifiers() == Qt::AltModifier) {
        const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key.key())));
        for (std::size_t i = 0; i < m_buttons.size() && index < 0; ++i)
            if (m_buttons[i].enabled && QKeySequence::mnemonic(m_buttons[i].caption) == pressed)
                index = int(i);
    }
    if (index < 0)
        return false;
    DropDown(index, true);
    return true;
}

int TsuiMenuBar::EnabledNeighbour(int index, int step) const
{
    const int count = ButtonCount();
    for (int tried = 1; tried <= count; ++tried) {
        const int candidate = ((index + step * tried) % count + count) % count;
        if (m_buttons[std::size_t(candidate)].enabled)
            return candidate;
    }
    return -1;
}

void TsuiMenuBar::MoveDropDown(int index)
{
    if (index < 0 || index == m_pressed)
        return;
    if (TsuiMenuItem* item = m_buttons[std::size_t(m_pressed)].item; item && item->SubMenu())
        item->SubMenu()->hide();
    // Dropped once the key that asked for it is done with the menu it closed.
    QMetaObject::invokeMethod(
        this,
        [this, index] {
            if (index < ButtonCount() && m_buttons[std::size_t(index)].enabled)
                DropDown(index, true);
        },
        Qt::QueuedConnection);
}

bool TsuiMenuBar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || m_pressed < 0)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    auto* menu = qobject_cast<QMenu*>(watched);
    if (!menu || (key != Qt::Key_Left && key != Qt::Key_Right))
        return false;
    // Right opens the selected item's own sub-menu first.
    const QAction* selected = menu->activeAction();
    if (key == Qt::Key_Right && selected && selected->menu())
        return false;
    MoveDropDown(EnabledNeighbour(m_pressed, key == Qt::Key_Right ? 1 : -1));
    return true;
}

void TsuiMenuBar::DropDown(int index, bool fromKeyboard)
{
    TsuiMenuItem* item = m_buttons[std::size_t(index)].item;
    if (!item)
        return;
    QMenu* subMenu = item->SubMenu();
    if (!subMenu) {
        item->trigger();
        return;
    }
    m_pressed = index;
    update();
    QPointer<TsuiMenuBar> self(this);
    QObject::connect(
        subMenu, &QMenu::aboutToHide, this,
        [self] {
            if (!self)
                return;
            self->m_pressed = -1;
            self->update();
        },
        Qt::SingleShotConnection);
    subMenu->installEventFilter(this);
    subMenu->popup(mapToGlobal(ButtonRect(index).bottomLeft() + QPoint(0, 1)));
    if (!fromKeyboard)
        return;
    for (QAction* action : subMenu->actions())
        if (action->isEnabled() && !action->isSeparator() && action->isVisible()) {
            subMenu->setActiveAction(action);
            break;
        }
}
