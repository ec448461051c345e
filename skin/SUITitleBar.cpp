#include "skin/SUITitleBar.h"

#include "platform/core/Exceptions.h"
#include "platform/core/WrappingInt.h"
#include "platform/graphics/TCanvas.h"
#include "skin/SUIPublic.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QRegion>
#include <QWindow>

#include <algorithm>
#include <cmath>

using enum SuiTitleBar::TsuiTitleBarBtnType;
using enum SuiTitleBar::TsuiTitleBarAlign;

namespace {

// TitleBarButtonImage holds three looks (normal, hot, pressed) for each of six roles.
constexpr int kButtonFrames = 18;
constexpr int kRestoreFrame = 10;
// The program's icon stands in for the control box at this size and offset.
constexpr int kAppIconSize = 16;
constexpr int kAppIconIndent = 3;
constexpr int kAppIconAdvance = 21;
// Gap between the control box and the caption.
constexpr int kControlBoxGap = 5;
// Caption indent when there is no control box.
constexpr int kBareCaptionIndent = 6;
// The pressed top rows that resize a sizeable window.
constexpr int kResizeBand = 5;
// The outline reaches this far below the bar so only its top corners show.
constexpr int kOutlineOverhang = 50;
constexpr const char* kEllipsis = "...";

int BaseFrame(TsuiTitleBarBtnType type)
{
    switch (type) {
    case suiControlBox:
        return 1;
    case suiHelp:
        return 4;
    case suiMax:
        return 7;
    case suiMin:
        return 13;
    case suiClose:
        return 16;
    case suiCustom:
        break;
    }
    return 0;
}

// A button's picture placed at (left, top); far-off values wrap.
TRect ButtonRect(int left, int top, QSize size)
{
    return { left, top, WrappingAdd(left, size.width()), WrappingAdd(top, size.height()) };
}

// An entry of the program's string table.
QString LoadResString(int number)
{
    QFile file(QStringLiteral(":/strings/%1").arg(number));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

// The system menu's captions in the string table.
constexpr int kMinimiseCaption = 65252;
constexpr int kMaximiseCaption = 65253;
constexpr int kCloseCaption = 65254;

const QImage& AppIcon()
{
    static const QImage icon = LoadSkinBitmap("MAINICON").scaled(
        kAppIconSize, kAppIconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return icon;
}

} // namespace

// ---- Sections ---------------------------------------------------------------------------

TsuiTitleBarSection::TsuiTitleBarSection(TsuiTitleBarSections& collection)
    : m_collection(collection)
{
}

void TsuiTitleBarSection::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (!m_picture.isNull())
        m_width = m_picture.width();
    Changed();
}

void TsuiTitleBarSection::SetWidth(int width)
{
    m_width = width;
    Changed();
}

void TsuiTitleBarSection::SetAlign(TsuiTitleBarAlign align)
{
    if (align == suiClient && m_align != suiClient) {
        for (int i = 0; i < m_collection.Count(); ++i) {
            if (m_collection.Item(i).Align() == suiClient) {
                ShowRefusal(QApplication::activeWindow(),
                    "Sorry, only one section's Align property can be \"suiClient\"");
                return;
            }
        }
    }
    if (align > suiClient)
        align = suiLeft;
    m_align = align;
    if (align == suiClient)
        m_stretch = true;
    if (m_styledPicture)
        TakePicture(m_collection.Bar().m_stylePictures[align]);
    Changed();
}

void TsuiTitleBarSection::SetPicture(const QImage& picture)
{
    m_styledPicture = false;
    TakePicture(picture);
    Changed();
}

void TsuiTitleBarSection::TakePicture(const QImage& picture)
{
    m_picture = picture;
    if (m_autoSize && !m_picture.isNull())
        m_width = m_picture.width();
}

void TsuiTitleBarSection::SetStretch(bool stretch)
{
    m_stretch = stretch || m_align == suiClient;
    Changed();
}

void TsuiTitleBarSection::Changed() { m_collection.Bar().update(); }

TsuiTitleBarSections::TsuiTitleBarSections(TsuiTitleBar& bar)
    : m_bar(bar)
{
}

TsuiTitleBarSections::~TsuiTitleBarSections() = default;

TsuiTitleBarSection& TsuiTitleBarSections::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw EInvalidOperation("List index out of bounds (" + std::to_string(index) + ")");
    return *m_items[std::size_t(index)];
}

TsuiTitleBarSection& TsuiTitleBarSections::Add()
{
    m_items.push_back(std::make_unique<TsuiTitleBarSection>(*this));
    m_bar.update();
    return *m_items.back();
}

void TsuiTitleBarSections::Clear()
{
    m_items.clear();
    m_bar.update();
}

// ---- Buttons ----------------------------------------------------------------------------

TsuiTitleBarButton::TsuiTitleBarButton(TsuiTitleBarButtons& collection)
    : m_collection(collection)
{
}

void TsuiTitleBarButton::SetUIStyle(TsuiUIStyle style)
{
    m_uiStyle = style > BlueGlass ? DeepBlue : style;
    LoadLook();
}

void TsuiTitleBarButton::SetButtonType(TsuiTitleBarBtnType type)
{
    if (type == suiControlBox && m_type != suiControlBox
        && m_collection.IndexOfType(suiControlBox) >= 0) {
        ShowRefusal(QApplication::activeWindow(),
            "Sorry, only one button's ButtonType property can be \"suiControlBox\"");
        return;
    }
    m_type = type > suiCustom ? suiCustom : type;
    LoadLook();
}

void TsuiTitleBarButton::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    Changed();
}

void TsuiTitleBarButton::SetTop(int top)
{
    m_top = top;
    Changed();
}

void TsuiTitleBarButton::SetVisible(bool visible)
{
    m_visible = visible;
    Changed();
}

void TsuiTitleBarButton::SetPicNormal(const QImage& picture)
{
    m_picNormal = picture;
    Changed();
}

void TsuiTitleBarButton::SetPicMouseOn(const QImage& picture)
{
    m_picMouseOn = picture;
    Changed();
}

void TsuiTitleBarButton::SetPicMouseDown(const QImage& picture)
{
    m_picMouseDown = picture;
    Changed();
}

void TsuiTitleBarButton::LoadLook()
{
    const TsuiStyleSource source = m_collection.Bar().SourceFor(m_uiStyle);
    m_transparent = source.GetBool(SUI_THEME_TitleBarButtonTransparentBool);
    if (m_type != suiCustom) {
        LoadPictures(BaseFrame(m_type));
        m_top = source.GetInt(SUI_THEME_TitleBarButtonTopInt);
        if (m_type == suiMax)
            UpdateMaxPictures();
    }
    Changed();
}

void TsuiTitleBarButton::UpdateMaxPictures()
{
    const TsuiTitleBar& bar = m_collection.Bar();
    if (m_type != suiMax || bar.Custom())
        return;
    LoadPictures(bar.FormMaximized() ? kRestoreFrame : BaseFrame(suiMax));
    Changed();
}

void TsuiTitleBarButton::LoadPictures(int baseFrame)
{
    const TsuiStyleSource source = m_collection.Bar().SourceFor(m_uiStyle);
    source.GetBitmapFrame(SUI_THEME_TitleBarButtonImage, &m_picNormal, baseFrame, kButtonFrames);
    source.GetBitmapFrame(
        SUI_THEME_TitleBarButtonImage, &m_picMouseOn, baseFrame + 1, kButtonFrames);
    source.GetBitmapFrame(
        SUI_THEME_TitleBarButtonImage, &m_picMouseDown, baseFrame + 2, kButtonFrames);
}

void TsuiTitleBarButton::Changed() { m_collection.Bar().update(); }

TsuiTitleBarButtons::TsuiTitleBarButtons(TsuiTitleBar& bar)
    : m_bar(bar)
{
}

TsuiTitleBarButtons::~TsuiTitleBarButtons() = default;

TsuiTitleBarButton& TsuiTitleBarButtons::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw EInvalidOperation("List index out of bounds (" + std::to_string(index) + ")");
    return *m_items[std::size_t(index)];
}

TsuiTitleBarButton& TsuiTitleBarButtons::Add()
{
    m_items.push_back(std::make_unique<TsuiTitleBarButton>(*this));
    m_bar.update();
    return *m_items.back();
}

void TsuiTitleBarButtons::Clear()
{
    m_items.clear();
    m_bar.update();
}

int TsuiTitleBarButtons::IndexOfType(TsuiTitleBarBtnType type) const
{
    for (int i = 0; i < Count(); ++i)
        if (m_items[std::size_t(i)]->ButtonType() == type)
            return i;
    return -1;
}

// ---- The system menu --------------------------------------------------------------------

TsuiTitleBarPopupMenu::TsuiTitleBarPopupMenu(TsuiTitleBar* titleBar)
    : TsuiMenuSkin(titleBar)
    , m_titleBar(titleBar)
{
    m_minimise = Add(LoadResString(kMinimiseCaption));
    m_maximise = Add(LoadResString(kMaximiseCaption));
    Add(QStringLiteral("-"));
    m_close = Add(LoadResString(kCloseCaption));
    m_minimise->OnClick = [this] { m_titleBar->MinimiseForm(); };
    m_maximise->OnClick = [this] {
        const TsuiTitleBarButtons& buttons = m_titleBar->Buttons();
        for (int i = 0; i < buttons.Count(); ++i)
            if (buttons.Item(i).ButtonType() == suiMax)
                m_titleBar->ButtonAction(i);
    };
    m_close->OnClick = [this] {
        if (m_titleBar->parentWidget())
            m_titleBar->window()->close();
    };
}

void TsuiTitleBarPopupMenu::Popup(int x, int y)
{
    const TsuiTitleBarButtons& buttons = m_titleBar->Buttons();
    m_minimise->SetEnabled(buttons.IndexOfType(suiMin) >= 0);
    m_maximise->SetEnabled(buttons.IndexOfType(suiMax) >= 0);
    m_close->SetEnabled(buttons.IndexOfType(suiClose) >= 0);
    TsuiMenuSkin::Popup(x, y);
}

// ---- The bar ----------------------------------------------------------------------------

TsuiTitleBar::TsuiTitleBar(QWidget* parent)
    : TsuiControl(parent)
    , m_systemMenu(new TsuiTitleBarPopupMenu(this))
{
    for (TsuiTitleBarBtnType type : { suiControlBox, suiClose, suiMax, suiMin })
        m_buttons.Add().SetButtonType(type);
    SetAlign(alTop);
    Font()->SetColor(clWhite);
    Font()->SetName(QStringLiteral("Tahoma"));
    Font()->SetStyles(TFont::fsBold);
    // Hover is painted and the resize cursor shown without a button held.
    setMouseTracking(true);
    TakeFormStyle();
}

TsuiTitleBar::~TsuiTitleBar() = default;

void TsuiTitleBar::SetFileTheme(TsuiFileTheme* fileTheme)
{
    m_assigningFileTheme = true;
    TsuiStyledControl::SetFileTheme(fileTheme);
    m_assigningFileTheme = false;
}

void TsuiTitleBar::ApplyStyle(const TsuiStyleSource& source)
{
    if (m_custom)
        return;
    m_sections.Clear();
    source.GetBitmap(SUI_THEME_TitleBarLeftImage, &m_stylePictures[suiLeft]);
    source.GetBitmap(SUI_THEME_TitleBarRightImage, &m_stylePictures[suiRight]);
    source.GetBitmap(SUI_THEME_TitleBarClientImage, &m_stylePictures[suiClient]);
    TsuiTitleBarSection& left = m_sections.Add();
    left.SetPicture(m_stylePictures[suiLeft]);
    left.SetAutoSize(true);
    TsuiTitleBarSection& right = m_sections.Add();
    right.SetPicture(m_stylePictures[suiRight]);
    right.SetAutoSize(true);
    right.SetAlign(suiRight);
    TsuiTitleBarSection& client = m_sections.Add();
    client.SetPicture(m_stylePictures[suiClient]);
    client.SetAlign(suiClient);

    m_leftBtnXOffset = source.GetInt(SUI_THEME_TitleBarButtonLeftOffsetInt);
    m_rightBtnXOffset = source.GetInt(SUI_THEME_TitleBarButtonRightOffsetInt);
    m_outlineColor = source.GetColor(SUI_THEME_FormBorderColor);
    QImage buttons;
    source.GetBitmap(SUI_THEME_TitleBarButtonImage, &buttons);
    m_captionBandHeight = buttons.height();
    m_captionTop = source.GetInt(SUI_THEME_TitleBarButtonTopInt);
    if (QWidget* form = Form())
        SetFormMinimumSize(
            *form, std::max(0, source.GetInt(SUI_THEME_FormMinWidthInt)), std::nullopt);
    m_roundCorner = source.GetInt(SUI_THEME_FormRoundCornerInt);

    // The theme file's buttons read the file, so they keep FromThemeFile.
    const TsuiUIStyle buttonStyle = source.FromFile() ? FromThemeFile : source.Style();
    for (int i = 0; i < m_buttons.Count(); ++i)
        m_buttons.Item(i).SetUIStyle(buttonStyle);
    m_systemMenu->SetUIStyle(buttonStyle);
    m_systemMenu->SetFileTheme(FileTheme());

    ApplyRegion();
    if (!m_assigningFileTheme)
        Font()->SetColor(UIStyle() == MacOS ? clBlack : clWhite);
    SetAutoSize(true);
    update();
}

TsuiStyleSource TsuiTitleBar::SourceFor(TsuiUIStyle style) const
{
    TsuiUIStyle effective = style;
    const bool fromFile = UseFileTheme(FileTheme(), style, effective);
    return TsuiStyleSource(fromFile ? FileTheme() : nullptr, effective);
}

void TsuiTitleBar::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize && m_sections.Count() > 0;
    if (m_sections.Count() == 0)
        return;
    // A first section without a picture would fold the bar away.
    const QImage& picture = m_sections.Item(0).Picture();
    if (!picture.isNull())
        SetHeight(picture.height());
}

void TsuiTitleBar::SetButtonInterval(int interval)
{
    m_buttonInterval = interval;
    update();
}

void TsuiTitleBar::SetFormActive(bool active)
{
    m_formActive = active;
    update();
}

void TsuiTitleBar::SetLeftBtnXOffset(int offset)
{
    m_leftBtnXOffset = offset;
    update();
}

void TsuiTitleBar::SetRightBtnXOffset(int offset)
{
    m_rightBtnXOffset = offset;
    update();
}

void TsuiTitleBar::SetDrawAppIcon(bool drawAppIcon)
{
    m_drawAppIcon = drawAppIcon;
    update();
}

void TsuiTitleBar::SetRoundCorner(int radius)
{
    m_roundCorner = radius;
    ApplyRegion();
    update();
}

bool TsuiTitleBar::ClearCollection(std::string_view collection)
{
    if (collection == "Sections")
        m_sections.Clear();
    else if (collection == "Buttons")
        m_buttons.Clear();
    else
        return false;
    return true;
}

QObject* TsuiTitleBar::AddCollectionItem(std::string_view collection)
{
    if (collection == "Sections") {
        TsuiTitleBarSection& section = m_sections.Add();
        section.m_styledPicture = true;
        section.TakePicture(m_stylePictures[suiLeft]);
        return &section;
    }
    if (collection == "Buttons")
        return &m_buttons.Add();
    return nullptr;
}

// ---- Geometry ---------------------------------------------------------------------------

bool TsuiTitleBar::OnSkinnedFrame() const
{
    return parentWidget() && parentWidget()->inherits("TsuiForm");
}

QWidget* TsuiTitleBar::Form() const { return parentWidget() ? window() : nullptr; }

bool TsuiTitleBar::FormMaximized() const
{
    const QWidget* form = Form();
    return form && form->isMaximized();
}

TsuiTitleBar::TArrangement TsuiTitleBar::Arrange() const
{
    TArrangement result;
    // Offsets, gaps and tops may come from a theme file: sums wrap rather than overflow.
    int x = WrappingAdd(WrappingAdd(width(), m_rightBtnXOffset), 1);
    int controlBox = -1;
    for (int i = 0; i < m_buttons.Count(); ++i) {
        const TsuiTitleBarButton& button = m_buttons.Item(i);
        if (!button.Visible())
            continue;
        if (button.ButtonType() == suiControlBox) {
            controlBox = i;
            continue;
        }
        const QSize size = button.PicNormal().size();
        x = WrappingSub(x, WrappingAdd(WrappingAdd(size.width(), m_buttonInterval), 1));
        result.buttons.push_back(
            { i, ButtonRect(x, button.Top(), size) });
    }
    int y = m_leftBtnXOffset;
    if (controlBox >= 0) {
        const TsuiTitleBarButton& button = m_buttons.Item(controlBox);
        const QSize size = button.PicNormal().size();
        result.buttons.push_back(
            { controlBox, ButtonRect(y, button.Top(), size) });
        y = WrappingAdd(y, m_drawAppIcon ? kAppIconAdvance : size.width() + kControlBoxGap);
    }
    result.captionLeft = y == 0 ? kBareCaptionIndent : y;
    result.captionRight = x;
    return result;
}

int TsuiTitleBar::HoveredButton() const { return HoveredIn(Arrange()); }

int TsuiTitleBar::HoveredIn(const TArrangement& arrangement) const
{
    if (!m_pointer)
        return -1;
    // Where buttons overlap, the one placed last is on top.
    int hovered = -1;
    for (const TButtonPlace& place : arrangement.buttons)
        if (PointInRect({ m_pointer->x(), m_pointer->y() }, place.rect))
            hovered = place.index;
    return hovered;
}

Qt::Edges TsuiTitleBar::ResizeEdgesAt(QPoint point) const
{
    const QWidget* form = Form();
    if (!form || FormMaximized() || !OnSkinnedFrame() || !m_initialBorderSizeable)
        return {};
    if (point.y() >= kResizeBand)
        return {};
    if (point.x() < kResizeBand)
        return Qt::TopEdge | Qt::LeftEdge;
    if (point.x() > form->width() - kResizeBand)
        return Qt::TopEdge | Qt::RightEdge;
    return Qt::TopEdge;
}

std::string TsuiTitleBar::FitCaption(
    const std::string& caption, int room, const std::function<int(const std::string&)>& width)
{
    if (width(caption) <= room)
        return caption;
    // Cut whole characters: the widths grow with the prefix, so the longest fitting one is
    // found by halving.
    const std::u32string text = QString::fromStdString(caption).toStdU32String();
    auto withEllipsis = [&](std::size_t length) {
        return QString::fromStdU32String(text.substr(0, length)).toStdString() + kEllipsis;
    };
    if (width(kEllipsis) > room)
        return {};
    std::size_t fits = 0;
    std::size_t tooLong = text.size();
    while (tooLong - fits > 1) {
        const std::size_t middle = fits + (tooLong - fits) / 2;
        if (width(withEllipsis(middle)) <= room)
            fits = middle;
        else
            tooLong = middle;
    }
    return withEllipsis(fits);
}

QRegion TsuiTitleBar::WindowRegion(QSize size, int roundCorner)
{
    const QRect window(QPoint(0, 0), size);
    if (roundCorner <= 0)
        return window;
    // A corner larger than the window rounds it no further.
    roundCorner = std::min(roundCorner, std::max(size.width(), size.height()) + 1);
    // A rounded rectangle one pixel wider and higher than the window, its corners cut by an
    // r x r ellipse...
    const int w = size.width() + 1;
    const int h = size.height() + 1;
    const double radius = roundCorner / 2.0;
    auto inset = [&](int row) {
        const double rowCentre = row + 0.5;
        const double dy = rowCentre < radius ? radius - rowCentre
            : rowCentre > h - radius         ? rowCentre - (h - radius)
                                             : 0.0;
        if (dy <= 0.0)
            return 0;
        const double dx = radius - radius * std::sqrt(std::max(0.0, 1.0 - (dy / radius) * (dy / radius)));
        return std::min(w / 2, int(std::lround(dx)));
    };
    const int band = std::min(h, int(std::ceil(radius)));
    QRegion region(0, band, w, std::max(0, h - 2 * band));
    for (int row = 0; row < band; ++row) {
        const int top = inset(row);
        region += QRect(top, row, w - 2 * top, 1);
        const int bottomRow = h - 1 - row;
        const int bottom = inset(bottomRow);
        region += QRect(bottom, bottomRow, w - 2 * bottom, 1);
    }
    // ...and the bottom corners squared again.
    const int square = 2 * roundCorner;
    region += QRect(0, size.height() - square, square, square);
    region += QRect(size.width() - square, size.height() - square, square, square);
    return region & window;
}

void TsuiTitleBar::ApplyRegion()
{
    if (!OnSkinnedFrame())
        return;
    QWidget* form = Form();
    QWidget* frame = parentWidget();
    // Square corners need no mask, and none goes stale when the window grows.
    if (m_roundCorner <= 0) {
        form->clearMask();
        frame->clearMask();
        return;
    }
    const QRegion region = WindowRegion(form->size(), m_roundCorner);
    form->setMask(region);
    // A translucent window (Wayland) is not shaped by its mask, only its input is: the
    // frame and everything on it are clipped here, and the form clears its own corners.
    if (form->testAttribute(Qt::WA_TranslucentBackground))
        frame->setMask(region.translated(-frame->pos()));
}

void TsuiTitleBar::UpdateMaxButtons()
{
    for (int i = 0; i < m_buttons.Count(); ++i)
        m_buttons.Item(i).UpdateMaxPictures();
}

// ---- Painting ---------------------------------------------------------------------------

void TsuiTitleBar::Paint(TCanvas& canvas) const
{
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Brush.Color = Color();
    canvas.FillRect(TRect::FromSize(width(), height()));
    PaintSections(canvas);
    const TArrangement arrangement = Arrange();
    const int hovered = HoveredIn(arrangement);
    for (const TButtonPlace& place : arrangement.buttons)
        PaintButton(canvas, place.index, place.rect, place.index == hovered);
    PaintCaption(canvas, arrangement.captionLeft, arrangement.captionRight);
    PaintOutline(canvas);
}

void TsuiTitleBar::PaintSections(TCanvas& canvas) const
{
    const int h = height();
    int left = -1;
    int right = width() + 1;
    const TsuiTitleBarSection* client = nullptr;
    for (int i = 0; i < m_sections.Count(); ++i) {
        const TsuiTitleBarSection& section = m_sections.Item(i);
        const QImage& picture = section.Picture();
        const int w = section.Width();
        TRect target;
        switch (section.Align()) {
        case suiLeft:
            target = { WrappingAdd(left, 1), 0, WrappingAdd(WrappingAdd(left, w), 1), h };
            left = WrappingAdd(left, w);
            break;
        case suiRight:
            if (int64_t(width()) - left < w)
                continue;
            target = { WrappingSub(WrappingSub(right, w), 1), 0, right - 1, h };
            right = WrappingSub(right, w);
            break;
        case suiClient:
            client = &section;
            continue;
        }
        if (picture.isNull())
            continue;
        if (section.Stretch())
            canvas.StretchDraw(target, picture);
        else
            canvas.CopyRect(target, picture, { 0, 0, w, h });
    }
    if (client && !client->Picture().isNull())
        canvas.StretchDraw({ left + 1, 0, right - 1, h }, client->Picture());
}

void TsuiTitleBar::PaintButton(TCanvas& canvas, int index, const TRect& rect, bool hovered) const
{
    const TsuiTitleBarButton& button = m_buttons.Item(index);
    if (button.ButtonType() == suiControlBox && m_drawAppIcon) {
        canvas.Draw(rect.Left + kAppIconIndent, rect.Top, AppIcon());
        return;
    }
    const bool down = hovered && m_pressed;
    const QImage& state = down ? button.PicMouseDown() : hovered ? button.PicMouseOn() : button.PicNormal();
    const QImage& picture = state.isNull() ? button.PicNormal() : state;
    if (picture.isNull())
        return;
    if (button.Transparent())
        canvas.DrawTransparent(
            rect.Left, rect.Top, picture, FromPixel(picture.pixel(0, picture.height() - 1)));
    else
        canvas.Draw(rect.Left, rect.Top, picture);
}

void TsuiTitleBar::PaintCaption(TCanvas& canvas, int left, int right) const
{
    if (!m_formActive)
        canvas.Font().SetColor(clInactiveCaption);
    canvas.Brush.Style = TBrushStyle::Clear;
    const std::string text = FitCaption(Caption().toStdString(), WrappingSub(right, left),
        [&canvas](const std::string& s) { return canvas.TextWidth(s); });
    if (text.empty())
        return;
    const int top
        = WrappingAdd((m_captionBandHeight - canvas.TextHeight(text)) / 2, m_captionTop);
    canvas.TextOut(left, top, text);
}

void TsuiTitleBar::PaintOutline(TCanvas& canvas) const
{
    if (UIStyle() == WinXP || m_roundCorner <= 0 || !OnSkinnedFrame())
        return;
    canvas.Pen.Color = m_outlineColor;
    canvas.Pen.Style = TPenStyle::Solid;
    canvas.Brush.Style = TBrushStyle::Clear;
    const int radius = std::min(m_roundCorner, width() + height() + kOutlineOverhang);
    canvas.RoundRect(
        { -1, 0, width() + 1, height() + kOutlineOverhang }, radius + 1, radius);
}

// ---- Mouse ------------------------------------------------------------------------------

void TsuiTitleBar::TrackPointer(QPoint point)
{
    m_pointer = point;
    if (const Qt::Edges edges = ResizeEdgesAt(point))
        setCursor(ResizeCursorFor(edges));
    else
        unsetCursor();
}

void TsuiTitleBar::mousePressEvent(QMouseEvent* event)
{
    TsuiControl::mousePressEvent(event);
    TrackPointer(event->position().toPoint());
    if (event->button() != Qt::LeftButton)
        return;
    QWindow* handle = Form() ? Form()->windowHandle() : nullptr;
    if (const Qt::Edges edges = ResizeEdgesAt(m_pointer.value()); edges && handle) {
        handle->startSystemResize(edges);
        return;
    }
    m_pressed = true;
    update();
    if (HoveredButton() < 0 && !FormMaximized()) {
        m_movePress = event->position().toPoint();
        m_pressed = false;
    }
}

void TsuiTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    TsuiControl::mouseMoveEvent(event);
    TrackPointer(event->position().toPoint());
    update();
    // The window manager takes the pointer once the move starts, so it starts only when the
    // pointer is dragged: a click stays the bar's, and two of them a double click.
    if (!m_movePress || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - *m_movePress).manhattanLength()
        < QApplication::startDragDistance())
        return;
    m_movePress.reset();
    if (QWindow* handle = Form() ? Form()->windowHandle() : nullptr)
        handle->startSystemMove();
}

void TsuiTitleBar::leaveEvent(QEvent* event)
{
    TsuiControl::leaveEvent(event);
    m_pointer.reset();
    update();
}

void TsuiTitleBar::mouseReleaseEvent(QMouseEvent* event)
{
    TsuiControl::mouseReleaseEvent(event);
    TrackPointer(event->position().toPoint());
    if (event->button() != Qt::LeftButton)
        return;
    m_movePress.reset();
    const int hovered = HoveredButton();
    m_pressed = false;
    update();
    if (hovered < 0)
        return;
    const TsuiTitleBarButton& button = m_buttons.Item(hovered);
    const TsuiTitleBarBtnType type = button.ButtonType();
    if (type == suiControlBox && !button.ControlBoxMenu()) {
        ShowSystemMenu();
        return;
    }
    ButtonAction(hovered);
    if (type == suiCustom && OnCustomBtnsClick)
        OnCustomBtnsClick(this, hovered);
    else if (type == suiHelp && OnHelpBtnClick)
        OnHelpBtnClick(this, hovered);
}

void TsuiTitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    TrackPointer(event->position().toPoint());
    if (event->button() != Qt::LeftButton)
        return;
    const int hovered = HoveredButton();
    if (hovered < 0) {
        if (const int max = m_buttons.IndexOfType(suiMax); max >= 0)
            ButtonAction(max);
    } else if (m_buttons.Item(hovered).ButtonType() == suiControlBox) {
        if (QWidget* form = Form())
            form->close();
    }
}

// ---- Actions ----------------------------------------------------------------------------

void TsuiTitleBar::ButtonAction(int index)
{
    QWidget* form = Form();
    if (!form || index < 0 || index >= m_buttons.Count())
        return;
    switch (m_buttons.Item(index).ButtonType()) {
    case suiMax:
        if (form->isMaximized()) {
            form->showNormal();
        } else {
            form->showMaximized();
            if (!OnSkinnedFrame())
                SetControlBounds(form, GetWorkArea());
        }
        UpdateMaxButtons();
        break;
    case suiMin:
        MinimiseForm();
        break;
    case suiClose:
        form->close();
        break;
    case suiControlBox:
        if (TsuiMenuSkin* menu = m_buttons.Item(index).ControlBoxMenu()) {
            const QPoint at = MenuPoint();
            menu->Popup(at.x(), at.y());
        }
        break;
    case suiHelp:
    case suiCustom:
        break;
    }
}

QPoint TsuiTitleBar::MenuPoint() const { return mapToGlobal(QPoint(0, height())); }

void TsuiTitleBar::ShowSystemMenu() const
{
    const QPoint at = MenuPoint();
    m_systemMenu->Popup(at.x(), at.y());
}

void TsuiTitleBar::MinimiseForm()
{
    QWidget* form = Form();
    if (!form)
        return;
    if (form != MainForm()) {
        form->showMinimized();
        return;
    }
    // The main form takes the whole program down with it.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            window->showMinimized();
    }
}
