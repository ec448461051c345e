#include "skin/SUIMenuSkin.h"

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "skin/SUIPublic.h"
#include "skin/SUIThemes.h"

#include <QActionEvent>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>

namespace {

// Room around the item text.
constexpr int kItemExtraWidth = 40;
constexpr int kCaptionGap = 4;
constexpr int kTextTop = 4;
constexpr int kShortCutRightGap = 16;
// The check box under a checked item's image, and where check mark and image go.
constexpr TRect kCheckBoxFrame { 2, 1, 21, 20 };
constexpr TPoint kGlyphAt { 4, 3 };
constexpr TColor kCheckedKey = clWhite;
constexpr TColor kDisabledText = 0x808080;
constexpr TColor kFlatFrameColor = clBlack;

// Sizes the built-in styles give their menus.
constexpr int kMacItemHeight = 20;
constexpr int kMacSeparatorHeight = 12;
constexpr int kItemHeight = 21;
constexpr int kSeparatorHeight = 5;
constexpr int kStyledBarWidth = 26;
constexpr TColor kMacSeparatorColor = 0x000000;
constexpr TColor kSeparatorColor = 0x848284;

// Ours: the desktop's raised frame around a menu window, which the flat frame paints over,
// and the arrow of an item with a sub-menu.
constexpr int kMenuFrameWidth = 3;
constexpr int kArrowRightGap = 8;
constexpr int kArrowHalfHeight = 3;

// The item a menu's style option describes: our menus put it in the option.
const QAction* ItemOf(const QStyleOption* option)
{
    return option ? qobject_cast<const QAction*>(option->styleObject) : nullptr;
}

const TsuiMenuItem* SkinnedItem(const QAction& item)
{
    return qobject_cast<const TsuiMenuItem*>(&item);
}

QString ShortCutOf(const QAction& item)
{
    return item.shortcut().toString(QKeySequence::NativeText);
}

// The picture the item shows from the menu's Images, or a null image.
QImage ImageOf(const QAction& item, const std::vector<QImage>& images)
{
    const TsuiMenuItem* skinned = SkinnedItem(item);
    const int index = skinned ? skinned->ImageIndex() : -1;
    if (index < 0 || index >= static_cast<int>(images.size()))
        return {};
    return images[static_cast<std::size_t>(index)];
}

// A picture drawn as the desktop draws a disabled one: its shape embossed in the
// highlight colour one pixel down and right, and in the shadow colour on top.
void DrawGlyph(TCanvas& canvas, TPoint at, const QImage& picture, TColor key, bool enabled)
{
    if (enabled) {
        canvas.DrawTransparent(at.x, at.y, picture, key);
        return;
    }
    const QRgb keyPixel = ToPixel(key);
    for (auto [offset, color] : { std::pair { 1, clBtnHighlight }, std::pair { 0, clBtnShadow } }) {
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if ((picture.pixel(x, y) | 0xFF000000u) != keyPixel)
                    canvas.SetPixel(at.x + x + offset, at.y + y + offset, color);
    }
}

void FillBarAndBackground(TCanvas& canvas, const TRect& r, int barWidth, TColor bar, TColor color)
{
    if (barWidth > 0)
        FillRectColor(canvas, { r.Left, r.Top, r.Left + barWidth, r.Bottom }, bar);
    FillRectColor(canvas, { r.Left + barWidth, r.Top, r.Right, r.Bottom }, color);
}

// A small right-pointing triangle, centred on the item's height.
void DrawSubMenuArrow(TCanvas& canvas, const TRect& r, TColor color)
{
    const int tipX = r.Right - kArrowRightGap;
    const int midY = r.Top + r.Height() / 2;
    for (int column = 0; column <= kArrowHalfHeight; ++column) {
        const int half = kArrowHalfHeight - column;
        for (int y = midY - half; y <= midY + half; ++y)
            canvas.SetPixel(tipX - kArrowHalfHeight + column, y, color);
    }
}

// The desktop's raised frame: light and highlight rings at the top-left, dark and shadow
// rings at the bottom-right, a face-coloured ring inside.
void DrawRaisedFrame(TCanvas& canvas, const TRect& r)
{
    struct TRing {
        TColor topLeft, bottomRight;
    };
    constexpr TRing rings[kMenuFrameWidth] = { { cl3DLight, cl3DDkShadow },
        { clBtnHighlight, clBtnShadow }, { clBtnFace, clBtnFace } };
    for (int i = 0; i < kMenuFrameWidth; ++i) {
        const TRect ring = r.Inflate(-i, -i);
        FillRectColor(canvas, { ring.Left, ring.Top, ring.Right, ring.Top + 1 }, rings[i].topLeft);
        FillRectColor(
            canvas, { ring.Left, ring.Top, ring.Left + 1, ring.Bottom }, rings[i].topLeft);
        FillRectColor(
            canvas, { ring.Left, ring.Bottom - 1, ring.Right, ring.Bottom }, rings[i].bottomRight);
        FillRectColor(
            canvas, { ring.Right - 1, ring.Top, ring.Right, ring.Bottom }, rings[i].bottomRight);
    }
}

QList<TsuiMenuItem*> ItemsOf(const QMenu* menu)
{
    QList<TsuiMenuItem*> items;
    if (menu) {
        for (QAction* action : menu->actions())
            if (auto* item = qobject_cast<TsuiMenuItem*>(action))
                items.append(item);
    }
    return items;
}

QImage OffscreenFor(const QRect& rect)
{
    QImage image(std::max(1, rect.width()), std::max(1, rect.height()), QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

} // namespace

// ---- The style of every skinned menu level ----------------------------------------------

// Measures and draws the items of one skin's menus; the frame and the empty space are the
// skin's too, the rest (scroll arrows, timings) comes from the application's style.
class TsuiMenuStyle : public QProxyStyle {
public:
    explicit TsuiMenuStyle(const TsuiMenuSkin& skin)
        : m_skin(skin)
    {
    }

    int pixelMetric(
        PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_MenuPanelWidth:
            return kMenuFrameWidth;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
        QStyleHintReturn* returnData) const override
    {
        switch (hint) {
        case SH_Menu_SupportsSections:
        case SH_Menu_FlashTriggeredItem:
        case SH_Menu_FadeOutOnHide:
        case SH_Menu_KeyboardSearch:
        case SH_Menu_Mask:
            return 0;
        // As on the desktop, the keyboard stops on disabled items too; they just never
        // look highlighted.
        case SH_Menu_AllowActiveAndDisabled:
        case SH_Menu_MouseTracking:
        case SH_UnderlineShortcut:
            return 1;
        default:
            return QProxyStyle::styleHint(hint, option, widget, returnData);
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
        const QWidget* widget) const override
    {
        if (type == CT_Menu)
            return size;
        if (type != CT_MenuItem || !ItemOf(option))
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        QImage probe(1, 1, QImage::Format_RGB32);
        TCanvas canvas(probe);
        GetMenuFont(canvas.Font());
        int width = size.width();
        int height = size.height();
        m_skin.MeasureItem(*ItemOf(option), canvas, width, height);
        return { width, height };
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override
    {
        if (element == CE_MenuItem) {
            if (const QAction* item = ItemOf(option))
                Paint(*painter, option->rect, [&](TCanvas& canvas, const TRect& r) {
                    m_skin.DrawItem(*item, canvas, r, option->state & State_Selected);
                });
            return;
        }
        if (element == CE_MenuEmptyArea) {
            painter->fillRect(option->rect, ToQColor(m_skin.Color()));
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override
    {
        if (element == PE_PanelMenu) {
            painter->fillRect(option->rect, ToQColor(m_skin.Color()));
            return;
        }
        if (element == PE_FrameMenu) {
            Paint(*painter, option->rect,
                [&](TCanvas& canvas, const TRect& r) { m_skin.DrawMenuFrame(canvas, r); });
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    // Draws through our canvas into an image of the rectangle, in the menu's coordinates.
    template <class TDraw> static void Paint(QPainter& painter, const QRect& rect, TDraw draw)
    {
        QImage image = OffscreenFor(rect);
        TCanvas canvas(image);
        canvas.SetViewportOrigin({ -rect.x(), -rect.y() });
        draw(canvas, TRect::FromQRect(rect));
        painter.drawImage(rect.topLeft(), image);
    }

    const TsuiMenuSkin& m_skin;
};

// ---- One menu level ------------------------------------------------------------------------

namespace {

// A menu level that tells its style which item an option describes and never reserves a
// shortcut column of its own (the item's measured width holds the shortcut).
class TsuiMenu : public QMenu {
public:
    explicit TsuiMenu(TsuiMenuStyle* style)
    {
        setStyle(style);
        setSeparatorsCollapsible(false);
    }

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override
    {
        QMenu::initStyleOption(option, action);
        option->styleObject = const_cast<QAction*>(action);
        option->reservedShortcutWidth = 0;
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        // A click on a separator leaves the menu open, as the desktop's menus do.
        const QAction* action = actionAt(event->position().toPoint());
        if (action && action->isSeparator())
            return;
        QMenu::mouseReleaseEvent(event);
    }

    void actionEvent(QActionEvent* event) override
    {
        if (event->type() == QEvent::ActionAdded)
            event->action()->setShortcutVisibleInContextMenu(false);
        QMenu::actionEvent(event);
    }
};

} // namespace

// ---- TsuiMenuItem ------------------------------------------------------------------------------

TsuiMenuItem::TsuiMenuItem(QObject* owner)
    : QAction(owner)
{
    setShortcutVisibleInContextMenu(false);
    // A shortcut runs through the menu (IsShortCut), not wherever the item happens to be.
    setShortcutContext(Qt::WidgetShortcut);
    connect(this, &QAction::triggered, this, [this] {
        // A click does not toggle the check mark; only Checked does.
        setChecked(m_checked);
        // The handler may free the menu and this item with it.
        const TNotifyEvent handler = OnClick;
        FireEvent(handler);
    });
    if (auto* menu = qobject_cast<TsuiMenuSkin*>(owner))
        JoinMenu(*menu->Menu(), menu);
    else if (auto* parentItem = qobject_cast<TsuiMenuItem*>(owner))
        JoinMenu(parentItem->MakeSubMenu(), parentItem->Root());
}

TsuiMenuItem::~TsuiMenuItem() = default;

void TsuiMenuItem::JoinMenu(QMenu& menu, TsuiMenuSkin* root)
{
    m_menu = &menu;
    m_root = root;
    menu.addAction(this);
}

QMenu& TsuiMenuItem::MakeSubMenu()
{
    if (!m_subMenu) {
        m_subMenu = m_root ? m_root->MakeMenu() : std::make_unique<QMenu>();
        setMenu(m_subMenu.get());
    }
    return *m_subMenu;
}

void TsuiMenuItem::SetCaption(const QString& caption)
{
    setText(caption);
    setSeparator(caption == "-");
}

QString TsuiMenuItem::ShortCutText() const
{
    return ShortCutOf(*this);
}

void TsuiMenuItem::SetShortCutText(const QString& text)
{
    setShortcut(QKeySequence::fromString(text, QKeySequence::PortableText));
}

void TsuiMenuItem::SetChecked(bool checked)
{
    m_checked = checked;
    // Checkable only while checked, so that assistive technology reads the check mark.
    setCheckable(checked);
    setChecked(checked);
}

bool TsuiMenuItem::Default() const
{
    return m_menu && m_menu->defaultAction() == this;
}

void TsuiMenuItem::SetDefault(bool isDefault)
{
    if (!m_menu)
        return;
    if (isDefault)
        m_menu->setDefaultAction(this);
    else if (Default())
        m_menu->setDefaultAction(nullptr);
}

TsuiMenuItem* TsuiMenuItem::Add(const QString& caption)
{
    auto* item = new TsuiMenuItem(this);
    item->SetCaption(caption);
    return item;
}

QList<TsuiMenuItem*> TsuiMenuItem::Items() const
{
    return ItemsOf(m_subMenu.get());
}

TNotifyEvent* TsuiMenuItem::FindEvent(std::string_view name)
{
    return name == "OnClick" ? &OnClick : nullptr;
}

// ---- TsuiMenuSkin ------------------------------------------------------------------------------

namespace {

const QObject* WindowOf(const QObject* owner)
{
    for (const QObject* object = owner; object; object = object->parent()) {
        if (object->isWidgetType())
            return static_cast<const QWidget*>(object)->window();
    }
    return nullptr;
}

} // namespace

TsuiMenuSkin::TsuiMenuSkin(QObject* owner)
    : QObject(owner)
    , TsuiStyledControl(this)
    , m_style(std::make_unique<TsuiMenuStyle>(*this))
    , m_menu(MakeMenu())
{
    SetUIStyle(GetFormUIStyle(WindowOf(owner)));
}

TsuiMenuSkin::~TsuiMenuSkin()
{
    // Sub-menus belong to the items and use the style: free them while it is there.
    qDeleteAll(findChildren<TsuiMenuItem*>(Qt::FindDirectChildrenOnly));
}

std::unique_ptr<QMenu> TsuiMenuSkin::MakeMenu() const
{
    return std::make_unique<TsuiMenu>(m_style.get());
}

TsuiMenuItem* TsuiMenuSkin::Add(const QString& caption)
{
    auto* item = new TsuiMenuItem(this);
    item->SetCaption(caption);
    return item;
}

QList<TsuiMenuItem*> TsuiMenuSkin::Items() const
{
    return ItemsOf(m_menu.get());
}

void TsuiMenuSkin::Popup(int x, int y)
{
    m_menu->popup(QPoint(x, y));
}

bool TsuiMenuSkin::IsShortCut(const QKeySequence& key)
{
    const QList<TsuiMenuItem*> top = Items();
    std::vector<TsuiMenuItem*> pending(top.rbegin(), top.rend());
    while (!pending.empty()) {
        TsuiMenuItem* item = pending.back();
        pending.pop_back();
        if (!item->isEnabled() || !item->isVisible())
            continue;
        if (!item->shortcut().isEmpty() && item->shortcut() == key) {
            item->trigger();
            return true;
        }
        const QList<TsuiMenuItem*> subItems = item->Items();
        pending.insert(pending.end(), subItems.rbegin(), subItems.rend());
    }
    return false;
}

void TsuiMenuSkin::SetMenuItemHeight(int height)
{
    if (IsMacOS())
        return;
    m_menuItemHeight = height;
    Remeasure();
}

void TsuiMenuSkin::SetSeparatorHeight(int height)
{
    if (IsMacOS())
        return;
    m_separatorHeight = height;
    Remeasure();
}

void TsuiMenuSkin::SetBarWidth(int width)
{
    m_barWidth = width;
    Remeasure();
}

void TsuiMenuSkin::ApplyStyle(const TsuiStyleSource& source)
{
    m_effectiveStyle = source.Style();
    m_barWidth = kStyledBarWidth;
    const bool mac = IsMacOS();
    m_menuItemHeight = mac ? kMacItemHeight : kItemHeight;
    m_separatorHeight = mac ? kMacSeparatorHeight : kSeparatorHeight;
    m_separatorColor = mac ? kMacSeparatorColor : kSeparatorColor;
    m_barColor = source.GetColor(SUI_THEME_MenuBarColor);
    m_color = source.GetColor(SUI_THEME_MenuBackgroundColor);
    m_fontColor = source.GetColor(SUI_THEME_MenuFontColor);
    m_selectedBorderColor = source.GetColor(SUI_THEME_MenuSelectedBorderColor);
    m_selectedColor = source.GetColor(SUI_THEME_MenuSelectedBackgroundColor);
    m_selectedFontColor = source.GetColor(SUI_THEME_MenuSelectedFontColor);
    m_shadeColor = source.GetColor(SUI_THEME_FormBackgroundColor);
    Remeasure();
}

void TsuiMenuSkin::Remeasure()
{
    if (!m_menu)
        return;
    std::vector<QMenu*> menus { m_menu.get() };
    for (TsuiMenuItem* item : findChildren<TsuiMenuItem*>())
        if (item->SubMenu())
            menus.push_back(item->SubMenu());
    for (QMenu* menu : menus) {
        QEvent changed(QEvent::StyleChange);
        QCoreApplication::sendEvent(menu, &changed);
    }
}

void TsuiMenuSkin::MeasureItem(const QAction& item, TCanvas& canvas, int& width, int& height) const
{
    const bool separator = item.isSeparator() || item.text() == "-";
    height = separator ? m_separatorHeight : m_menuItemHeight;
    width = canvas.TextWidth(item.text().toStdString())
        + canvas.TextWidth(ShortCutOf(item).toStdString()) + m_barWidth + kItemExtraWidth;
}

void TsuiMenuSkin::DrawItem(
    const QAction& item, TCanvas& canvas, const TRect& r, bool selected) const
{
    // State.
    const bool separator = item.isSeparator() || item.text() == "-";
    const bool enabled = item.isEnabled();
    const bool highlighted = selected && enabled;
    const TsuiMenuItem* skinned = SkinnedItem(item);
    const bool isDefault = skinned && skinned->Default();
    const bool checked = skinned ? skinned->Checked() : item.isChecked();
    const QImage image = ImageOf(item, m_images);
    const TColor textColor = !enabled ? kDisabledText
        : highlighted                 ? m_selectedFontColor
                                      : m_fontColor;

    // Separator.
    if (separator) {
        if (IsMacOS())
            DrawMacMenuBar(canvas, r);
        else {
            FillBarAndBackground(canvas, r, m_barWidth, m_barColor, m_color);
            DrawMenuSeparator(canvas, r, m_separatorColor, m_barWidth);
        }
        return;
    }

    // Background.
    if (highlighted) {
        if (IsMacOS())
            DrawMacMenuSelect(canvas, r);
        else {
            FillRectColor(canvas, r, m_selectedColor);
            FrameRectColor(canvas, r, m_selectedBorderColor);
        }
    } else if (IsMacOS())
        DrawMacMenuItemBar(canvas, r);
    else
        FillBarAndBackground(canvas, r, m_barWidth, m_barColor, m_color);

    // Text.
    TFont& font = canvas.Font();
    if (m_useSystemFont)
        GetMenuFont(font);
    else {
        font.SetName(m_fontName);
        font.SetSize(m_fontSize);
    }
    font.SetStyles(isDefault ? font.Styles() | TFont::fsBold : font.Styles());
    font.SetColor(textColor);
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.DrawText(item.text().toStdString(),
        { r.Left + m_barWidth + kCaptionGap, r.Top + kTextTop, r.Right, r.Bottom }, DT_SINGLELINE);
    const std::string shortCut = ShortCutOf(item).toStdString();
    if (!shortCut.empty())
        canvas.TextOut(
            r.Right - canvas.TextWidth(shortCut) - kShortCutRightGap, r.Top + kTextTop, shortCut);
    if (item.menu())
        DrawSubMenuArrow(canvas, r, textColor);

    // Check mark and image.
    const TPoint glyphAt { r.Left + kGlyphAt.x, r.Top + kGlyphAt.y };
    if (checked) {
        if (!image.isNull()) {
            FrameRectColor(canvas, kCheckBoxFrame.Offset(r.Left, r.Top), clBlack);
            FillRectColor(
                canvas, kCheckBoxFrame.Offset(r.Left, r.Top).Inflate(-1, -1), m_selectedColor);
        } else
            DrawGlyph(canvas, glyphAt, LoadSkinBitmap("MENU_CHECKED"), kCheckedKey, enabled);
    }
    if (!image.isNull())
        DrawGlyph(canvas, glyphAt, image, FromPixel(image.pixel(0, image.height() - 1)), enabled);
}

void TsuiMenuSkin::DrawMenuFrame(TCanvas& canvas, const TRect& windowRect) const
{
    DrawRaisedFrame(canvas, windowRect);
    if (m_flatMenu) {
        const TPoint origin = canvas.ViewportOrigin();
        DrawMenuShadowFrame(
            canvas.Image(), windowRect.Offset(origin.x, origin.y), kFlatFrameColor, m_shadeColor);
    }
}
