#include "skin/SUIPublic.h"

#include "platform/forms/TForm.h"
#include "platform/graphics/TFont.h"
#include "skin/SUIMgr.h"
#include "skin/SUIThemes.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QMetaProperty>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr TColor kMagentaKey = 0xFF00FF;
constexpr int kMenuSeparatorInset = 4;
constexpr int kMenuSeparatorTop = 2;
constexpr int kMenuSeparatorRightGap = 2;
constexpr int kMacMenuSeparatorRows = 12;
constexpr int kMacMenuItemRows = 20;
constexpr int kDesignDpi = 96;
constexpr int kPointsPerInch = 72;

QImage AsRgb32(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 ? image
                                                  : image.convertToFormat(QImage::Format_RGB32);
}

void StretchTopRows(TCanvas& canvas, const TRect& rect, std::string_view name, int rows)
{
    const QImage bar = LoadSkinBitmap(name);
    if (bar.isNull())
        return;
    canvas.CopyRect(rect, bar, { 0, 0, bar.width(), std::min(rows, bar.height()) });
}

QPointer<QWidget>& MainFormPointer()
{
    static QPointer<QWidget> mainForm;
    return mainForm;
}

void FrameWithPainter(QPainter& painter, const QRect& r, TColor color)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const QColor c = ToQColor(color);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    painter.fillRect(QRect(r.left(), r.top() + r.height() - 1, r.width(), 1), c);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    painter.fillRect(QRect(r.left() + r.width() - 1, r.top(), 1, r.height()), c);
}

// Qt converts a QObject* to a property's own pointer type, but not a null one; a null
// is therefore written as the property type's own empty value.
void WriteFileTheme(QObject* child, TsuiFileTheme* fileTheme)
{
    const QMetaObject* meta = child->metaObject();
    const QMetaProperty property = meta->property(meta->indexOfProperty("FileTheme"));
    QVariant value = QVariant::fromValue(static_cast<QObject*>(fileTheme));
    if (!fileTheme && property.metaType().flags().testFlag(QMetaType::PointerToQObject))
        value = QVariant(property.metaType());
    property.write(child, value);
}

} // namespace

// ---- Bitmaps ---------------------------------------------------------------------------

void CutFrame(const QImage& source, QImage& target, int count, int index)
{
    if (count < 1)
        return;
    const QImage src = AsRgb32(source);
    const int width = src.width() / count;
    const int height = src.height();
    if (width <= 0 || height <= 0) {
        target = QImage();
        return;
    }
    QImage frame(width, height, QImage::Format_RGB32);
    frame.fill(Qt::black);
    // Kept in 64 bits: an absurd index must not wrap into the picture.
    const long long first = (static_cast<long long>(index) - 1) * width;
    const long long from = std::max<long long>(first, 0);
    const long long to = std::min<long long>(first + width, src.width());
    if (from < to) {
        for (int y = 0; y < height; ++y) {
            const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
            QRgb* out = reinterpret_cast<QRgb*>(frame.scanLine(y));
            std::copy(in + from, in + to, out + (from - first));
        }
    }
    target = frame;
}

void DrawThreePart(const QImage& bitmap, TCanvas& canvas, const TRect& rect, bool cornerKey)
{
    const int w = bitmap.width() / 3;
    const int h = bitmap.height();
    if (w <= 0 || h <= 0)
        return;
    const TColor key = cornerKey ? FromPixel(bitmap.pixel(0, 0)) : kMagentaKey;
    canvas.CopyRect(
        { rect.Left, rect.Top, rect.Left + w, rect.Top + h }, bitmap, { 0, 0, w, h }, key);
    canvas.CopyRect({ rect.Right - w, rect.Top, rect.Right, rect.Top + h }, bitmap,
        { 2 * w, 0, 3 * w, h }, key);
    canvas.CopyRect(
        { rect.Left + w, rect.Top, rect.Right - w, rect.Bottom }, bitmap, { w, 0, 2 * w, h });
}

void TilePicture(TCanvas& canvas, const QImage& picture, const TRect& rect,
    std::optional<TColor> transparentColor)
{
    const int pw = picture.width();
    const int ph = picture.height();
    if (pw <= 0 || ph <= 0)
        return;
    // Tiles past the canvas would be clipped anyway; stopping there bounds the loops.
    const long long width
        = std::min<long long>(rect.Width(), canvas.Width() - canvas.ViewportOrigin().x);
    const long long height
        = std::min<long long>(rect.Height(), canvas.Height() - canvas.ViewportOrigin().y);
    const QImage tile = AsRgb32(picture);
    for (long long x = 0; x < width + pw; x += pw) {
        for (long long y = 0; y < height + ph; y += ph) {
            if (transparentColor)
                canvas.DrawTransparent(
                    static_cast<int>(x), static_cast<int>(y), tile, *transparentColor);
            else
                canvas.Draw(static_cast<int>(x), static_cast<int>(y), tile);
        }
    }
}

void RotateBitmapLeft(QImage& bitmap)
{
    if (bitmap.isNull())
        return;
    const QImage src = AsRgb32(bitmap);
    const int w = src.width();
    const int h = src.height();
    QImage turned(h, w, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < w; ++x)
            reinterpret_cast<QRgb*>(turned.scanLine(w - 1 - x))[y] = in[x];
    }
    bitmap = turned;
}

void RotateBitmapRight(QImage& bitmap)
{
    if (bitmap.isNull())
        return;
    const QImage src = AsRgb32(bitmap);
    const int w = src.width();
    const int h = src.height();
    QImage turned(h, w, QImage::Format_RGB32);
    for (int y = 0; y < w; ++y) {
        QRgb* out = reinterpret_cast<QRgb*>(turned.scanLine(y));
        for (int x = 0; x < h; ++x)
            out[x] = reinterpret_cast<const QRgb*>(src.constScanLine(h - 1 - x))[y];
    }
    bitmap = turned;
}

// ---- Controls and windows --------------------------------------------------------------

void PaintParentBackground(TCanvas& canvas, const QWidget* control)
{
    if (!control || canvas.Image().isNull())
        return;
    QWidget* parent = control->parentWidget();
    if (!parent)
        return;
    // Only what the canvas may still change.
    const QRect clip = canvas.ClipRect().ToQRect().translated(control->pos());
    const QRect behind = control->geometry().intersected(parent->rect()).intersected(clip);
    if (behind.isEmpty())
        return;
    // A parent whose own painting asks for its parent's background must not come back
    // here for itself.
    static std::vector<const QWidget*> rendering;
    if (std::find(rendering.begin(), rendering.end(), parent) != rendering.end())
        return;
    rendering.push_back(parent);
    {
        const TPoint origin = canvas.ViewportOrigin();
        const QPoint offset(
            origin.x + behind.left() - control->x(), origin.y + behind.top() - control->y());
        QPainter painter(&canvas.Image());
        parent->render(&painter, offset, QRegion(behind), QWidget::DrawWindowBackground);
    }
    rendering.pop_back();
}

void FrameWindowBorder(QImage& window, TColor outer, TColor inner, bool drawInner)
{
    TCanvas canvas(window);
    const TRect whole = TRect::FromSize(window.width(), window.height());
    canvas.Brush.Color = outer;
    canvas.FrameRect(whole);
    if (drawInner) {
        canvas.Brush.Color = inner;
        canvas.FrameRect(whole.Inflate(-1, -1));
    }
}

void FrameWindowBorder(
    QPainter& painter, QSize windowSize, TColor outer, TColor inner, bool drawInner)
{
    const QRect whole(QPoint(0, 0), windowSize);
    FrameWithPainter(painter, whole, outer);
    if (drawInner)
        FrameWithPainter(painter, whole.adjusted(1, 1, -1, -1), inner);
}

void ApplyStyleToChildren(QObject* container, uint8_t style, TsuiFileTheme* fileTheme)
{
    if (!container)
        return;
    // A setter may add or remove children; walk the list as it was.
    const QObjectList children = container->children();
    for (const QPointer<QObject> child : children) {
        if (!child || !child->isWidgetType())
            continue;
        if (!HasPublishedProperty(child, "FileTheme") || !HasPublishedProperty(child, "UIStyle"))
            continue;
        WriteFileTheme(child, fileTheme);
        if (child)
            child->setProperty("UIStyle", static_cast<int>(style));
    }
}

bool HasPublishedProperty(const QObject* object, const char* name)
{
    return object && name && object->metaObject()->indexOfProperty(name) >= 0;
}

void SetMainForm(QWidget* form)
{
    MainFormPointer() = form;
}

QWidget* MainForm()
{
    return MainFormPointer().data();
}

bool IsFormActive(const QWidget* form)
{
    const QWidget* main = MainForm();
    if (!main)
        return form && form->isActiveWindow();
    if (!QApplication::activeWindow())
        return false;
    if (!form || form == main)
        return true;
    return form->isActiveWindow();
}

TRect GetWorkArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? TRect::FromQRect(screen->availableGeometry()) : TRect {};
}

Qt::CursorShape ResizeCursorFor(Qt::Edges edges)
{
    if (edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge))
        return Qt::SizeFDiagCursor;
    if (edges == (Qt::TopEdge | Qt::RightEdge) || edges == (Qt::BottomEdge | Qt::LeftEdge))
        return Qt::SizeBDiagCursor;
    if (edges == Qt::LeftEdge || edges == Qt::RightEdge)
        return Qt::SizeHorCursor;
    if (edges == Qt::TopEdge || edges == Qt::BottomEdge)
        return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}

void SetFormMinimumSize(QWidget& form, std::optional<int> width, std::optional<int> height)
{
    if (auto* framework = qobject_cast<TForm*>(&form)) {
        if (width)
            framework->Constraints()->SetMinWidth(*width);
        if (height)
            framework->Constraints()->SetMinHeight(*height);
        return;
    }
    if (width)
        form.setMinimumWidth(*width);
    if (height)
        form.setMinimumHeight(*height);
}

void ShowRefusal(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), text,
        QMessageBox::Ok, parent);
    box.exec();
}

void SetControlPos(QWidget* control, TPoint position)
{
    if (control)
        control->move(position.x, position.y);
}

void SetControlBounds(QWidget* control, const TRect& bounds)
{
    if (control)
        control->setGeometry(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
}

// ---- Menus -----------------------------------------------------------------------------

void FrameRectColor(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush.Color = color;
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.FrameRect(rect);
}

void FillRectColor(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush.Color = color;
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.FillRect(rect);
}

void DrawMenuSeparator(TCanvas& canvas, const TRect& rect, TColor color, int offset)
{
    canvas.Pen.Color = color;
    canvas.Pen.Style = TPenStyle::Solid;
    canvas.MoveTo(rect.Left + offset + kMenuSeparatorInset, rect.Top + kMenuSeparatorTop);
    canvas.LineTo(rect.Right - kMenuSeparatorRightGap, rect.Top + kMenuSeparatorTop);
}

void DrawMacMenuBar(TCanvas& canvas, const TRect& rect)
{
    StretchTopRows(canvas, rect, "MACOS_MENU_BAR", kMacMenuSeparatorRows);
}

void DrawMacMenuSelect(TCanvas& canvas, const TRect& rect)
{
    StretchTopRows(canvas, rect, "MACOS_MENU_SELECT", kMacMenuItemRows);
}

void DrawMacMenuItemBar(TCanvas& canvas, const TRect& rect)
{
    StretchTopRows(canvas, rect, "MACOS_MENU_BAR", kMacMenuItemRows);
}

void DrawMenuShadowFrame(
    QImage& desktop, const TRect& windowRect, TColor frameColor, TColor shadeColor)
{
    TCanvas canvas(desktop);
    const TRect& r = windowRect;
    const TRect frame { r.Left, r.Top + 1, r.Right - 1, r.Bottom - 1 };
    canvas.Brush.Color = frameColor;
    canvas.FrameRect(frame);
    canvas.Brush.Color = clWhite;
    canvas.FrameRect(frame.Inflate(-1, -1));
    canvas.Pen.Color = shadeColor;
    canvas.Polyline({ { r.Left, r.Bottom - 1 }, { r.Right - 1, r.Bottom - 1 },
        { r.Right - 1, r.Top }, { r.Right, r.Top }, { r.Left, r.Top } });
}

void GetMenuFont(TFont& font)
{
    if (!qApp)
        return;
    const QFont menu = QApplication::font("QMenu");
    int pixels = menu.pixelSize();
    if (pixels <= 0)
        pixels = static_cast<int>(std::lround(menu.pointSizeF() * kDesignDpi / kPointsPerInch));
    TFont system;
    system.SetName(menu.family());
    system.SetHeight(-std::max(1, pixels));
    unsigned styles = 0;
    if (menu.bold())
        styles |= TFont::fsBold;
    if (menu.italic())
        styles |= TFont::fsItalic;
    system.SetStyles(styles);
    system.SetColor(clMenuText);
    font.Assign(system);
}
