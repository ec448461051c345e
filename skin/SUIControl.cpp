#include "skin/SUIControl.h"

#include "platform/graphics/TCanvas.h"
#include "skin/SUIPublic.h"

#include <QPainter>

namespace {

// Controls paint one after another on the UI thread, each into this one image, which
// grows to the largest: what a control drew is kept by the window's backing store, so a
// buffer of its own would only hold a second copy of it.
struct TSharedBuffer {
    QImage image;
    bool inUse = false;
};

TSharedBuffer& Shared()
{
    static TSharedBuffer shared;
    return shared;
}

// The buffer a control paints into: the shared one's first `size` pixels as an image of
// that size, or an image of its own for a control painted while another is painting.
class TPaintBuffer {
public:
    explicit TPaintBuffer(QSize size)
        : m_shared(!Shared().inUse)
    {
        if (!m_shared) {
            image = QImage(size, QImage::Format_RGB32);
            return;
        }
        TSharedBuffer& shared = Shared();
        shared.inUse = true;
        if (shared.image.width() < size.width() || shared.image.height() < size.height())
            shared.image = QImage(size.expandedTo(shared.image.size()), QImage::Format_RGB32);
        image = QImage(shared.image.bits(), size.width(), size.height(),
            shared.image.bytesPerLine(), QImage::Format_RGB32);
    }
    ~TPaintBuffer()
    {
        if (m_shared)
            Shared().inUse = false;
    }
    TPaintBuffer(const TPaintBuffer&) = delete;
    TPaintBuffer& operator=(const TPaintBuffer&) = delete;

    QImage image;

private:
    bool m_shared;
};

} // namespace

TsuiControl::TsuiControl(QWidget* parent, TThemeLoss themeLoss)
    : TControl(parent)
    , TsuiStyledControl(this)
    , m_themeLoss(themeLoss)
{
    // Every paint covers the whole control; nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

QWidget* TsuiControl::OwningForm() const
{
    return parentWidget() ? parentWidget()->window() : nullptr;
}

void TsuiControl::TakeFormStyle()
{
    SetUIStyle(GetFormUIStyle(OwningForm()));
}

void TsuiControl::PaintBackground(TCanvas& canvas, bool transparent) const
{
    if (transparent) {
        PaintParentBackground(canvas, this);
        return;
    }
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Brush.Color = Color();
    canvas.FillRect(TRect::FromSize(canvas.Width(), canvas.Height()));
}

void TsuiControl::FileThemeGone()
{
    if (m_themeLoss == TThemeLoss::WithChildren)
        ApplyStyleToChildren(this, DeepBlue, nullptr);
    TsuiStyledControl::FileThemeGone();
}

void TsuiControl::paintEvent(QPaintEvent* event)
{
    const QSize size = BufferSize();
    if (size.isEmpty())
        return;
    TPaintBuffer buffer(size);
    {
        TCanvas canvas(buffer.image);
        // Only the exposed part reaches the screen; the rest of the buffer is left as it is.
        canvas.SetClipRect(TRect::FromQRect(event->rect()));
        canvas.Font().Assign(*Font());
        Paint(canvas);
    }
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), buffer.image, event->rect());
}
