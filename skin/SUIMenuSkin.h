#pragma once

#include "platform/core/TEvents.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TGeometry.h"
#include "skin/SUIStyledControl.h"

#include <QAction>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <string_view>
#include <vector>

class QKeySequence;
class QMenu;
class TCanvas;
class TsuiMenuSkin;
class TsuiMenuStyle;

// The skinned menus: the popup menu, the title bar's system menu and the main menu all
// derive from TsuiMenuSkin and draw every item the same way.
//
// A menu is a non-visual component owned by a form or a control. Its items are
// TsuiMenuItem actions; each menu level is a QMenu whose proxy style measures and draws
// the items through MeasureItem and DrawItem below, so the keyboard (arrows, Enter, Esc,
// access keys, Left/Right for sub-menus), the mouse and assistive technology work as
// for any QMenu.
//
//     auto* menu = new TsuiTitleBarPopupMenu(titleBar);   // derives from TsuiMenuSkin
//     TsuiMenuItem* close = menu->Add("&Close");          // "-" adds a separator
//     close->OnClick = [] { ... };
//     TsuiMenuItem* recent = menu->Add("&Recent");
//     recent->Add("one.course");                          // sub-items make a sub-menu
//     menu->SetUIStyle(WinXP);                            // or SetFileTheme(theme)
//     menu->Popup(x, y);                                  // screen coordinates
//
// The menu's own QMenu is Menu(); an item's sub-menu is item->SubMenu() (a main menu
// pops up a top-level item's SubMenu() under its bar button). The skin properties are
// read with their getters (SelectedColor(), UseSystemFont(), ...); IsShortCut runs the
// item a key belongs to, for a form's menu shortcut test. A theme that goes away sends the
// menu to DeepBlue, as it does any skinned control.

// One entry of a skinned menu. The caption marks its access key with "&"; a caption of
// exactly "-" makes the item a separator. The shortcut is shown at the item's right edge.
// Checked is the item's own state: a click does not toggle it.
class TsuiMenuItem : public QAction, public IEventSource {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString ShortCut READ ShortCutText WRITE SetShortCutText)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)

public:
    // Appends the item to `owner`'s items when the owner is a TsuiMenuSkin (its top level)
    // or a TsuiMenuItem (its sub-menu). The owner frees it.
    explicit TsuiMenuItem(QObject* owner = nullptr);
    ~TsuiMenuItem() override;

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    bool IsSeparator() const { return isSeparator(); }
    // "Ctrl+O" as layouts write it; an unreadable text clears the shortcut.
    QString ShortCutText() const;
    void SetShortCutText(const QString& text);
    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    bool Visible() const { return isVisible(); }
    void SetVisible(bool visible) { setVisible(visible); }
    // The menu's default item is drawn bold; setting one clears the others of its level.
    bool Default() const;
    void SetDefault(bool isDefault);
    // An index into the menu's Images; -1 for none.
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index) { m_imageIndex = index; }

    // Appends a sub-item and returns it.
    TsuiMenuItem* Add(const QString& caption);
    // The sub-menu; nullptr while the item has no sub-items.
    QMenu* SubMenu() const { return m_subMenu.get(); }
    QList<TsuiMenuItem*> Items() const;
    // The menu the item belongs to, at any depth.
    TsuiMenuSkin* Root() const { return m_root; }

    TNotifyEvent OnClick;
    TNotifyEvent* FindEvent(std::string_view name) override;

private:
    friend class TsuiMenuSkin;
    void JoinMenu(QMenu& menu, TsuiMenuSkin* root);
    QMenu& MakeSubMenu();

    bool m_checked = false;
    int m_imageIndex = -1;
    QPointer<QMenu> m_menu;
    TsuiMenuSkin* m_root = nullptr;
    std::unique_ptr<QMenu> m_subMenu;
};

// The skin properties, style application, item measuring and drawing and the popup that
// all skinned menus share. Properties take effect the next time the menu is shown.
class TsuiMenuSkin : public QObject, public TsuiStyledControl {
    Q_OBJECT
    SUI_STYLED_CONTROL_PROPERTIES
    Q_PROPERTY(bool OwnerDraw READ OwnerDraw WRITE SetOwnerDraw)
    Q_PROPERTY(int MenuItemHeight READ MenuItemHeight WRITE SetMenuItemHeight)
    Q_PROPERTY(int SeparatorHeight READ SeparatorHeight WRITE SetSeparatorHeight)
    Q_PROPERTY(int BarWidth READ BarWidth WRITE SetBarWidth)
    Q_PROPERTY(quint32 BarColor READ BarColor WRITE SetBarColor)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(quint32 SeparatorColor READ SeparatorColor WRITE SetSeparatorColor)
    Q_PROPERTY(quint32 SelectedBorderColor READ SelectedBorderColor WRITE SetSelectedBorderColor)
    Q_PROPERTY(quint32 SelectedColor READ SelectedColor WRITE SetSelectedColor)
    Q_PROPERTY(quint32 SelectedFontColor READ SelectedFontColor WRITE SetSelectedFontColor)
    Q_PROPERTY(quint32 FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(bool FlatMenu READ FlatMenu WRITE SetFlatMenu)
    Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)
    Q_PROPERTY(int FontSize READ FontSize WRITE SetFontSize)
    Q_PROPERTY(int FontCharset READ FontCharset WRITE SetFontCharset)
    Q_PROPERTY(bool UseSystemFont READ UseSystemFont WRITE SetUseSystemFont)

public:
    // Starts in the style of the window the owner sits in (GetFormUIStyle of that
    // window); a menu owned by no widget starts in DeepBlue.
    explicit TsuiMenuSkin(QObject* owner = nullptr);
    ~TsuiMenuSkin() override;

    // Items -------------------------------------------------------------------------------
    // Appends a top-level item and returns it.
    TsuiMenuItem* Add(const QString& caption);
    QList<TsuiMenuItem*> Items() const;
    // The top level as a QMenu, drawn by the skin.
    QMenu* Menu() const { return m_menu.get(); }
    // Pictures the items' ImageIndex refers to; each is see-through where it has the
    // colour of its bottom-left pixel.
    const std::vector<QImage>& Images() const { return m_images; }
    void SetImages(std::vector<QImage> images) { m_images = std::move(images); }

    // Shows the menu with its top-left corner at the screen point (moved onto the screen
    // where it would not fit) and returns at once; the chosen item's OnClick runs later.
    virtual void Popup(int x, int y);
    // Runs the enabled, visible item (at any depth) whose shortcut is `key` and says
    // whether there was one.
    bool IsShortCut(const QKeySequence& key);

    // Skin properties -----------------------------------------------------------------------
    bool OwnerDraw() const { return true; }
    void SetOwnerDraw(bool) { }
    // Both heights keep the style's values while the style is MacOS.
    int MenuItemHeight() const { return m_menuItemHeight; }
    void SetMenuItemHeight(int height);
    int SeparatorHeight() const { return m_separatorHeight; }
    void SetSeparatorHeight(int height);
    int BarWidth() const { return m_barWidth; }
    void SetBarWidth(int width);
    TColor BarColor() const { return m_barColor; }
    void SetBarColor(TColor color) { m_barColor = color; }
    TColor Color() const { return m_color; }
    void SetColor(TColor color) { m_color = color; }
    TColor SeparatorColor() const { return m_separatorColor; }
    void SetSeparatorColor(TColor color) { m_separatorColor = color; }
    TColor SelectedBorderColor() const { return m_selectedBorderColor; }
    void SetSelectedBorderColor(TColor color) { m_selectedBorderColor = color; }
    TColor SelectedColor() const { return m_selectedColor; }
    void SetSelectedColor(TColor color) { m_selectedColor = color; }
    TColor SelectedFontColor() const { return m_selectedFontColor; }
    void SetSelectedFontColor(TColor color) { m_selectedFontColor = color; }
    TColor FontColor() const { return m_fontColor; }
    void SetFontColor(TColor color) { m_fontColor = color; }
    // Stored only.
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor color) { m_borderColor = color; }
    // A black and a white frame with a shade in the style's FormBackgroundColor, painted
    // over the desktop's raised frame of the menu window.
    bool FlatMenu() const { return m_flatMenu; }
    void SetFlatMenu(bool flat) { m_flatMenu = flat; }
    // The font items are drawn in unless UseSystemFont.
    QString FontName() const { return m_fontName; }
    void SetFontName(const QString& name) { m_fontName = name; }
    int FontSize() const { return m_fontSize; }
    void SetFontSize(int points) { m_fontSize = points; }
    // Stored only: every font here draws every script.
    int FontCharset() const { return m_fontCharset; }
    void SetFontCharset(int charset) { m_fontCharset = charset; }
    bool UseSystemFont() const { return m_useSystemFont; }
    // A main menu also gives its menu bar the new font here.
    virtual void SetUseSystemFont(bool use) { m_useSystemFont = use; }

    // Measuring and drawing ------------------------------------------------------------------
    // An item's size, measured in the canvas's font: a separator is SeparatorHeight high,
    // anything else MenuItemHeight; the width is caption + shortcut + BarWidth + 40.
    void MeasureItem(const QAction& item, TCanvas& canvas, int& width, int& height) const;
    // Draws the item into rect: bar and background or highlight, caption, shortcut, check
    // mark, image and sub-menu arrow. A disabled item is never drawn highlighted.
    void DrawItem(const QAction& item, TCanvas& canvas, const TRect& rect, bool selected) const;
    // Draws the menu window's 3-pixel frame, raised or flat, into the window's image.
    void DrawMenuFrame(TCanvas& canvas, const TRect& windowRect) const;

protected:
    void ApplyStyle(const TsuiStyleSource& source) override;

private:
    friend class TsuiMenuItem;
    // A new menu level drawn by this skin.
    std::unique_ptr<QMenu> MakeMenu() const;
    // Menus measure again when they are next shown.
    void Remeasure();
    bool IsMacOS() const { return m_effectiveStyle == MacOS; }

    std::unique_ptr<TsuiMenuStyle> m_style;
    std::unique_ptr<QMenu> m_menu;
    std::vector<QImage> m_images;
    TsuiUIStyle m_effectiveStyle = DeepBlue;
    int m_menuItemHeight = 21;
    int m_separatorHeight = 21;
    int m_barWidth = 0;
    TColor m_barColor = clBtnFace;
    TColor m_color = clWhite;
    TColor m_separatorColor = clGray;
    TColor m_selectedBorderColor = clHighlight;
    TColor m_selectedColor = clHighlight;
    TColor m_selectedFontColor = clWhite;
    TColor m_fontColor = clWhite;
    TColor m_borderColor = clBlack;
    // The flat frame's shade: the style's FormBackgroundColor.
    TColor m_shadeColor = clBtnFace;
    bool m_flatMenu = false;
    QString m_fontName = "MS Sans Serif";
    int m_fontSize = 8;
    int m_fontCharset = 1;
    bool m_useSystemFont = true;
};
