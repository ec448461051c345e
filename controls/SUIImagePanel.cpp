#include "controls/SUIImagePanel.h"

#include "platform/core/TEvents.h"
#include "platform/graphics/TCanvas.h"
#include "skin/SUIPublic.h"
#include "skin/SUIThemes.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>

#include <algorithm>
#include <optional>

namespace {

constexpr int kPanelWidth = 185;
constexpr int kPanelHeight = 41;

constexpr int kCaptionPanelSize = 100;
// Children keep this far from the frame and the bar, plus the panel's one-pixel bevel.
constexpr int kChildInset = 3 + 1;
constexpr int kCaptionLeft = 10;
constexpr int kFoldStep = 15;
// How far a panel folds when its style has no caption bar.
constexpr int kFoldedWithoutBar = 20;
constexpr int kButtonFrames = 4;
constexpr int kButtonMargin = 4;

unsigned AlignmentFlag(TControl::TAlignment alignment)
{
    switch (alignment) {
    case TControl::taLeftJustify:
        return DT_LEFT;
    case TControl::taRightJustify:
        return DT_RIGHT;
    case TControl::taCenter:
        break;
    }
    return DT_CENTER;
}

} // namespace

QRect InsetRect(const QRect& rect, int left, int top, int right, int bottom)
{
    const QRect inner = rect.adjusted(left, top, -right, -bottom);
    return QRect(inner.topLeft(), QSize(std::max(0, inner.width()), std::max(0, inner.height())));
}

TsuiCustomPanel::TsuiCustomPanel(QWidget* parent, TThemeLoss themeLoss)
    : TsuiControl(parent, themeLoss)
{
    SetBounds(x(), y(), kPanelWidth, kPanelHeight);
    SetColor(clBtnFace);
    TakeFormStyle();
}

void TsuiCustomPanel::SetPicture(const QImage& picture)
{
    // One pixel format, so the see-through colour compares as the canvas draws it.
    m_picture = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    PictureChanged();
}

void TsuiCustomPanel::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void TsuiCustomPanel::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    ApplyAutoSize();
}

void TsuiCustomPanel::SetDrawStyle(TsuiDrawStyle drawStyle)
{
    m_drawStyle = drawStyle;
    update();
}

void TsuiCustomPanel::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TsuiCustomPanel::SetBorderWidth(int borderWidth)
{
    m_borderWidth = std::clamp(borderWidth, 0, QWIDGETSIZE_MAX);
    Realign();
}

QRect TsuiCustomPanel::ClientRect() const
{
    return InsetRect(rect(), m_borderWidth, m_borderWidth, m_borderWidth, m_borderWidth);
}

void TsuiCustomPanel::PictureChanged()
{
    ApplyAutoSize();
    update();
}

void TsuiCustomPanel::ApplyAutoSize()
{
    if (!m_autoSize || m_picture.isNull())
        return;
    const TAlign align = Align();
    const int w
        = align == alTop || align == alBottom || align == alClient ? width() : m_picture.width();
    const int h
        = align == alLeft || align == alRight || align == alClient ? height() : m_picture.height();
    SetBounds(x(), y(), w, h);
}

void TsuiCustomPanel::PaintPicture(TCanvas& canvas) const
{
    const TRect client = TRect::FromSize(width(), height());
    // Where a plain picture leaves room, the panel's colour shows.
    PaintBackground(canvas, m_transparent);
    if (m_picture.isNull())
        return;
    std::optional<TColor> key;
    if (m_transparent)
        key = FromPixel(m_picture.pixel(0, m_picture.height() - 1));
    const TRect whole = TRect::FromSize(m_picture.width(), m_picture.height());
    switch (m_drawStyle) {
    case suiStretch:
        canvas.CopyRect(client, m_picture, whole, key);
        break;
    case suiTile:
        TilePicture(canvas, m_picture, client, key);
        break;
    case suiNormal:
        canvas.CopyRect(whole, m_picture, whole, key);
        break;
    }
}

void TsuiCustomPanel::Paint(TCanvas& canvas) const
{
    PaintPicture(canvas);
    if (Caption().trimmed().isEmpty())
        return;
    const QByteArray text = Caption().toUtf8();
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.DrawText(std::string_view(text.constData(), size_t(text.size())),
        TRect::FromSize(width(), height()),
        DT_SINGLELINE | DT_VCENTER | AlignmentFlag(m_alignment));
}

void TsuiCustomPanel::mousePressEvent(QMouseEvent* event)
{
    TsuiControl::mousePressEvent(event);
    if (OnMouseDown)
        FireEvent([this, event] { OnMouseDown(*event); });
}

TsuiPanel::TsuiPanel(QWidget* parent)
    : TsuiControl(parent, TThemeLoss::WithChildren)
{
    // The fold button's hover look follows the pointer without a button held.
    setMouseTracking(true);
    SetBounds(x(), y(), kCaptionPanelSize, height());
    SetHeight(kCaptionPanelSize);
    TakeFormStyle();
}

void TsuiPanel::SetBorderColor(TColor color)
{
    m_borderColor = color;
    update();
}

void TsuiPanel::SetCaptionFontColor(TColor color)
{
    m_captionFontColor = color;
    update();
}

void TsuiPanel::SetShowButton(bool showButton)
{
    m_showButton = showButton;
    QAccessible::State changed;
    changed.expandable = true;
    NotifyAccessibleState(changed);
    update();
}

void TsuiPanel::SetHeight(int height)
{
    m_fullHeight = std::clamp(height, 0, QWIDGETSIZE_MAX);
    if (m_expanded && !m_animating)
        SetBounds(x(), y(), width(), m_fullHeight);
}

void TsuiPanel::Fold()
{
    if (m_animating || !m_expanded)
        return;
    const int target = m_bar.height() == 0 ? kFoldedWithoutBar : m_bar.height();
    m_animating = true;
    // Counted from where the fold began, so a parent that keeps resizing the panel
    // cannot keep the animation going.
    for (int h = height(); target < h - kFoldStep;) {
        h -= kFoldStep;
        if (!StepTo(h))
            return;
    }
    if (!StepTo(target))
        return;
    Finish(false);
}

void TsuiPanel::Unfold()
{
    if (m_animating || m_expanded)
        return;
    m_animating = true;
    // The full height may change during the steps; the last step goes to its final value.
    for (int h = height(); h + kFoldStep < m_fullHeight;) {
        h += kFoldStep;
        if (!StepTo(h))
            return;
    }
    if (!StepTo(m_fullHeight))
        return;
    Finish(true);
}

bool TsuiPanel::StepTo(int height)
{
    SetBounds(x(), y(), width(), height);
    repaint();
    QPointer<TsuiPanel> alive(this);
    QCoreApplication::processEvents();
    return !alive.isNull();
}

void TsuiPanel::Finish(bool expanded)
{
    m_animating = false;
    m_expanded = expanded;
    update();
    QAccessible::State changed;
    changed.expanded = changed.collapsed = true;
    NotifyAccessibleState(changed);
    FireEvent(expanded ? OnPop : OnPush);
}

QRect TsuiPanel::ClientRect() const
{
    return InsetRect(rect(), kChildInset, m_bar.height() + kChildInset, kChildInset, kChildInset);
}

TNotifyEvent* TsuiPanel::FindEvent(std::string_view name)
{
    if (name == "OnPush")
        return &OnPush;
    if (name == "OnPop")
        return &OnPop;
    return TsuiControl::FindEvent(name);
}

void TsuiPanel::AddAccessibleState(QAccessible::State& state) const
{
    if (!m_showButton)
        return;
    state.expandable = true;
    state.expanded = m_expanded;
    state.collapsed = !m_expanded;
}

void TsuiPanel::ApplyStyle(const TsuiStyleSource& source)
{
    SetColor(clWhite);
    // A theme without a caption bar leaves none, not the previous style's.
    m_bar = QImage();
    source.GetBitmap(SUI_THEME_SideChannelBarImage, &m_bar);
    m_borderColor = source.GetColor(SUI_THEME_ControlBorderColor);
    // The built-in MacOS caption colour is white, meant for its dark menu selection.
    m_captionFontColor = !source.FromFile() && source.Style() == MacOS
        ? clBlack
        : source.GetColor(SUI_THEME_MenuSelectedFontColor);
    // The bar's height moves the children.
    Realign();
    update();
}

TRect TsuiPanel::FoldButtonRect() const
{
    const QImage button = LoadSkinBitmap("PANEL_BUTTON");
    const int frameWidth = button.width() / kButtonFrames;
    const int left = width() - 1 - frameWidth - kButtonMargin;
    const int top = (m_bar.height() - button.height()) / 2;
    return { left, top, left + frameWidth, top + button.height() };
}

void TsuiPanel::TrackButton(QPoint position)
{
    const bool hot = m_showButton && PointInRect({ position.x(), position.y() }, FoldButtonRect());
    if (hot == m_buttonHot)
        return;
    m_buttonHot = hot;
    update();
}

void TsuiPanel::Paint(TCanvas& canvas) const
{
    const int w = width();
    const int barHeight = m_bar.height();

    canvas.Brush.Color = Color();
    canvas.Pen.Color = m_borderColor;
    canvas.Rectangle(TRect::FromSize(w, height()));
    canvas.StretchDraw({ 1, 0, w - 1, barHeight }, m_bar);

    const QByteArray caption = Caption().toUtf8();
    canvas.Font().SetColor(m_captionFontColor);
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.DrawText(std::string_view(caption.constData(), size_t(caption.size())),
        { kCaptionLeft, 0, w - 1, barHeight }, DT_SINGLELINE | DT_VCENTER);

    if (!m_showButton)
        return;
    // Frames: up chevrons, the same lit, down chevrons, the same lit.
    const int frame = (m_expanded ? 1 : 3) + (m_buttonHot ? 1 : 0);
    const QImage frames = LoadSkinBitmap("PANEL_BUTTON");
    QImage button;
    CutFrame(frames, button, kButtonFrames, frame);
    const int top = (barHeight - frames.height()) / 2;
    canvas.Draw(w - button.width() - kButtonMargin, top / 2 + 2, button);
}

void TsuiPanel::resizeEvent(QResizeEvent* event)
{
    TsuiControl::resizeEvent(event);
    if (m_expanded && !m_animating)
        m_fullHeight = height();
}

void TsuiPanel::mouseMoveEvent(QMouseEvent* event)
{
    TsuiControl::mouseMoveEvent(event);
    TrackButton(event->position().toPoint());
}

void TsuiPanel::mouseReleaseEvent(QMouseEvent* event)
{
    QPointer<TsuiPanel> alive(this);
    // OnClick comes first and may close the window.
    TsuiControl::mouseReleaseEvent(event);
    if (!alive || event->button() != Qt::LeftButton)
        return;
    TrackButton(event->position().toPoint());
    if (m_buttonHot) {
        if (m_expanded)
            Fold();
        else
            Unfold();
    }
    if (alive)
        update();
}

void TsuiPanel::leaveEvent(QEvent* event)
{
    TsuiControl::leaveEvent(event);
    if (m_buttonHot) {
        m_buttonHot = false;
        update();
    }
}
