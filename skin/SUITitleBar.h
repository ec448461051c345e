#pragma once

#include "platform/forms/TLayoutReader.h"
#include "platform/graphics/TGeometry.h"
#include "skin/SUIControl.h"
#include "skin/SUIMenuSkin.h"

#include <QImage>
#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TsuiTitleBar;

// The title bar's enumerations; layouts name their values (ButtonType = suiClose).
namespace SuiTitleBar {
Q_NAMESPACE

enum TsuiTitleBarBtnType : uint8_t {
    suiMax = 0,
    suiMin = 1,
    suiClose = 2,
    suiHelp = 3,
    suiControlBox = 4,
    suiCustom = 5,
};
Q_ENUM_NS(TsuiTitleBarBtnType)

enum TsuiTitleBarAlign : uint8_t {
    suiLeft = 0,
    suiRight = 1,
    suiClient = 2,
};
Q_ENUM_NS(TsuiTitleBarAlign)

} // namespace SuiTitleBar

using SuiTitleBar::TsuiTitleBarAlign;
using SuiTitleBar::TsuiTitleBarBtnType;

// Raised with the bar and the index of the released button in Buttons.
using TsuiTitleBarButtonClickEvent = std::function<void(QObject* sender, int buttonIndex)>;

// ---- Sections ---------------------------------------------------------------------------

class TsuiTitleBarSections;

// One picture of the bar's background row.
class TsuiTitleBarSection : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(SuiTitleBar::TsuiTitleBarAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(QImage Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)

public:
    explicit TsuiTitleBarSection(TsuiTitleBarSections& collection);

    // Sets Width to the picture's width, whichever value is set, when there is a picture.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    int Width() const { return m_width; }
    void SetWidth(int width);
    // suiClient is refused with a message when a section of the bar already has it.
    TsuiTitleBarAlign Align() const { return m_align; }
    void SetAlign(TsuiTitleBarAlign align);
    const QImage& Picture() const { return m_picture; }
    void SetPicture(const QImage& picture);
    // Always true while Align is suiClient.
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);

private:
    friend class TsuiTitleBarSections;
    friend class TsuiTitleBar;
    void TakePicture(const QImage& picture);
    void Changed();

    TsuiTitleBarSections& m_collection;
    int m_width = 10;
    TsuiTitleBarAlign m_align = SuiTitleBar::suiLeft;
    QImage m_picture;
    bool m_stretch = false;
    bool m_autoSize = false;
    // A section read from a layout shows the bar's style picture for its alignment until
    // it is given a picture of its own: layouts store no pictures.
    bool m_styledPicture = false;
};

class TsuiTitleBarSections {
public:
    explicit TsuiTitleBarSections(TsuiTitleBar& bar);
    ~TsuiTitleBarSections();

    TsuiTitleBar& Bar() const { return m_bar; }
    int Count() const { return int(m_items.size()); }
    // Throws EInvalidOperation for an index that names no section.
    TsuiTitleBarSection& Item(int index) const;
    TsuiTitleBarSection& Add();
    void Clear();

private:
    friend class TsuiTitleBar;

    TsuiTitleBar& m_bar;
    std::vector<std::unique_ptr<TsuiTitleBarSection>> m_items;
};

// ---- Buttons ----------------------------------------------------------------------------

class TsuiTitleBarButtons;

// A caption button: its role, its three looks and where it sits.
class TsuiTitleBarButton : public QObject {
    Q_OBJECT
    Q_PROPERTY(SuiStyles::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(SuiTitleBar::TsuiTitleBarBtnType ButtonType READ ButtonType WRITE SetButtonType)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(TsuiMenuSkin* ControlBoxMenu READ ControlBoxMenu WRITE SetControlBoxMenu)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(QImage PicNormal READ PicNormal WRITE SetPicNormal)
    Q_PROPERTY(QImage PicMouseOn READ PicMouseOn WRITE SetPicMouseOn)
    Q_PROPERTY(QImage PicMouseDown READ PicMouseDown WRITE SetPicMouseDown)

public:
    explicit TsuiTitleBarButton(TsuiTitleBarButtons& collection);

    // Both load the button's look from the bar's theme or the built-in style.
    TsuiUIStyle UIStyle() const { return m_uiStyle; }
    void SetUIStyle(TsuiUIStyle style);
    // suiControlBox is refused with a message when another button of the bar has it.
    TsuiTitleBarBtnType ButtonType() const { return m_type; }
    void SetButtonType(TsuiTitleBarBtnType type);
    // The pictures' bottom-left colour is see-through.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    int Top() const { return m_top; }
    void SetTop(int top);
    // A control box shows this menu instead of the bar's system menu.
    TsuiMenuSkin* ControlBoxMenu() const { return m_controlBoxMenu; }
    void SetControlBoxMenu(TsuiMenuSkin* menu) { m_controlBoxMenu = menu; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    // PicNormal's size is the button's size.
    const QImage& PicNormal() const { return m_picNormal; }
    void SetPicNormal(const QImage& picture);
    const QImage& PicMouseOn() const { return m_picMouseOn; }
    void SetPicMouseOn(const QImage& picture);
    const QImage& PicMouseDown() const { return m_picMouseDown; }
    void SetPicMouseDown(const QImage& picture);

    // The maximise button shows restore while the window is maximised.
    void UpdateMaxPictures();

private:
    void LoadLook();
    void LoadPictures(int baseFrame);
    void Changed();

    TsuiTitleBarButtons& m_collection;
    bool m_visible = true;
    TsuiTitleBarBtnType m_type = SuiTitleBar::suiCustom;
    bool m_transparent = false;
    int m_top = 2;
    TsuiUIStyle m_uiStyle = DeepBlue;
    QImage m_picNormal;
    QImage m_picMouseOn;
    QImage m_picMouseDown;
    QPointer<TsuiMenuSkin> m_controlBoxMenu;
};

class TsuiTitleBarButtons {
public:
    explicit TsuiTitleBarButtons(TsuiTitleBar& bar);
    ~TsuiTitleBarButtons();

    TsuiTitleBar& Bar() const { return m_bar; }
    int Count() const { return int(m_items.size()); }
    // Throws EInvalidOperation for an index that names no button.
    TsuiTitleBarButton& Item(int index) const;
    TsuiTitleBarButton& Add();
    void Clear();
    // Index of the first button of that type; -1 for none.
    int IndexOfType(TsuiTitleBarBtnType type) const;

private:
    TsuiTitleBar& m_bar;
    std::vector<std::unique_ptr<TsuiTitleBarButton>> m_items;
};

// ---- The system menu --------------------------------------------------------------------

// The bar's own menu: minimise, maximise or restore, and close the window. Its captions
// come from the program's string table.
class TsuiTitleBarPopupMenu : public TsuiMenuSkin {
    Q_OBJECT

public:
    // The bar makes and owns it.
    explicit TsuiTitleBarPopupMenu(TsuiTitleBar* titleBar);

    TsuiTitleBar* TitleBar() const { return m_titleBar; }
    // Enables each item when the bar has a button of its kind, shown or not, then pops up.
    void Popup(int x, int y) override;

private:
    TsuiTitleBar* m_titleBar;
    TsuiMenuItem* m_minimise;
    TsuiMenuItem* m_maximise;
    TsuiMenuItem* m_close;
};

// ---- The bar ----------------------------------------------------------------------------

// The caption area of a skinned window: background sections, caption buttons laid from the
// right, the control box or the program's icon on the left and the caption between them.
// Dragging it moves the window, a double click maximises or restores it, its top rows
// resize a sizeable window. On a TsuiForm it also rounds the window's top corners.
//
// What the skinned frame (TsuiForm) uses: it makes the bar its child, tells it
// SetInitialBorderSizeable, forwards the "TitleBarButtons" / "TitleBarSections" lists of a
// layout to ClearCollection / AddCollectionItem with "Buttons" / "Sections", and after each
// resize of the window calls UpdateMaxButtons() and ApplyRegion().
class TsuiTitleBar : public TsuiControl, public ICollectionOwner {
    Q_OBJECT
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(bool Custom READ Custom WRITE SetCustom)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(int ButtonInterval READ ButtonInterval WRITE SetButtonInterval)
    Q_PROPERTY(bool FormActive READ FormActive WRITE SetFormActive)
    Q_PROPERTY(int LeftBtnXOffset READ LeftBtnXOffset WRITE SetLeftBtnXOffset)
    Q_PROPERTY(int RightBtnXOffset READ RightBtnXOffset WRITE SetRightBtnXOffset)
    Q_PROPERTY(bool DrawAppIcon READ DrawAppIcon WRITE SetDrawAppIcon)
    Q_PROPERTY(int RoundCorner READ RoundCorner WRITE SetRoundCorner)

public:
    explicit TsuiTitleBar(QWidget* parent = nullptr);
    ~TsuiTitleBar() override;

    // Re-applies the stored style without resetting the caption colour.
    void SetFileTheme(TsuiFileTheme* fileTheme);

    // While set, a style change keeps the sections, buttons and settings as they are.
    bool Custom() const { return m_custom; }
    void SetCustom(bool custom) { m_custom = custom; }
    // Sizes the bar to the first section's picture; false without sections.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    int ButtonInterval() const { return m_buttonInterval; }
    void SetButtonInterval(int interval);
    bool FormActive() const { return m_formActive; }
    void SetFormActive(bool active);
    int LeftBtnXOffset() const { return m_leftBtnXOffset; }
    void SetLeftBtnXOffset(int offset);
    int RightBtnXOffset() const { return m_rightBtnXOffset; }
    void SetRightBtnXOffset(int offset);
    bool DrawAppIcon() const { return m_drawAppIcon; }
    void SetDrawAppIcon(bool drawAppIcon);
    // The window's top corner radius on a TsuiForm.
    int RoundCorner() const { return m_roundCorner; }
    void SetRoundCorner(int radius);

    TsuiTitleBarSections& Sections() { return m_sections; }
    const TsuiTitleBarSections& Sections() const { return m_sections; }
    TsuiTitleBarButtons& Buttons() { return m_buttons; }
    const TsuiTitleBarButtons& Buttons() const { return m_buttons; }

    // The lists called "Sections" and "Buttons".
    bool ClearCollection(std::string_view collection) override;
    QObject* AddCollectionItem(std::string_view collection) override;

    // The skinned frame says whether its window was sizeable when it was made.
    void SetInitialBorderSizeable(bool sizeable) { m_initialBorderSizeable = sizeable; }
    // Which window edges a press at `point` (bar coordinates) resizes: the top 5 rows of a
    // sizeable framed window that is not maximised; none elsewhere.
    Qt::Edges ResizeEdgesAt(QPoint point) const;

    // What a click on the button at `index` does (also the system menu's commands).
    void ButtonAction(int index);
    // Minimises the window; the main window takes the whole program with it.
    void MinimiseForm();
    TsuiTitleBarPopupMenu& SystemMenu() const { return *m_systemMenu; }
    // The system menu below the bar's left end.
    void ShowSystemMenu() const;
    // The maximise buttons show restore while the window is maximised.
    void UpdateMaxButtons();
    // Rounds the window's top corners with RoundCorner; only on a TsuiForm.
    void ApplyRegion();
    // The window's region for a client of `size`: RoundCorner's ellipse at the top
    // corners, square bottom corners.
    static QRegion WindowRegion(QSize size, int roundCorner);

    // Where the caption and the buttons go in the bar as it is now.
    struct TButtonPlace {
        int index;
        TRect rect;
    };
    struct TArrangement {
        std::vector<TButtonPlace> buttons; // right-hand ones first, the control box last
        int captionLeft = 0;
        int captionRight = 0;
    };
    TArrangement Arrange() const;
    // The button under the pointer; -1 for none.
    int HoveredButton() const;
    // The longest prefix of `caption` that fits in `room` followed by "...", the caption
    // itself when it fits, "" when not even "..." fits.
    static std::string FitCaption(
        const std::string& caption, int room, const std::function<int(const std::string&)>& width);

    TsuiTitleBarButtonClickEvent OnCustomBtnsClick;
    TsuiTitleBarButtonClickEvent OnHelpBtnClick;

    QAccessible::Role AccessibleRole() const override { return QAccessible::TitleBar; }

protected:
    void ApplyStyle(const TsuiStyleSource& source) override;
    void Paint(TCanvas& canvas) const override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    friend class TsuiTitleBarSection;
    friend class TsuiTitleBarButton;

    bool OnSkinnedFrame() const;
    QWidget* Form() const;
    bool FormMaximized() const;
    // The bar's theme as its buttons read it with `style`.
    TsuiStyleSource SourceFor(TsuiUIStyle style) const;
    void PaintSections(TCanvas& canvas) const;
    void PaintButton(TCanvas& canvas, int index, const TRect& rect, bool hovered) const;
    void PaintCaption(TCanvas& canvas, int left, int right) const;
    void PaintOutline(TCanvas& canvas) const;
    void TrackPointer(QPoint point);
    // The bar's bottom-left corner on the screen, where its menus open.
    QPoint MenuPoint() const;
    int HoveredIn(const TArrangement& arrangement) const;

    TsuiTitleBarPopupMenu* m_systemMenu;
    TsuiTitleBarSections m_sections { *this };
    TsuiTitleBarButtons m_buttons { *this };
    // The style's left, right and client pictures, for sections read from a layout.
    QImage m_stylePictures[3];
    bool m_autoSize = false;
    int m_buttonInterval = 0;
    bool m_formActive = true;
    int m_leftBtnXOffset = 0;
    int m_rightBtnXOffset = 0;
    int m_roundCorner = 0;
    bool m_drawAppIcon = false;
    bool m_assigningFileTheme = false;
    TColor m_outlineColor = clBlack;
    bool m_custom = false;
    bool m_pressed = false;
    int m_captionBandHeight = 0;
    int m_captionTop = 0;
    bool m_initialBorderSizeable = false;
    std::optional<QPoint> m_pointer;
    // Where a press away from the buttons began, until it turns into a window move.
    std::optional<QPoint> m_movePress;
};
