#include "platform/forms/TImage.h"

#include "platform/core/Paths.h"

#include <QMetaObject>
#include <QPainter>

namespace {

bool IsJpegExtension(std::string extension)
{
    for (char& c : extension)
        c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    return extension == ".jpg" || extension == ".jpeg";
}

} // namespace

class TImage::TSurface : public QWidget {
public:
    explicit TSurface(TImage& image)
        : QWidget(&image)
        , m_image(image)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QImage& bitmap = m_image.m_picture.Bitmap();
        m_image.ReportDecodeError();
        QPainter painter(this);
        // Only when memory for the pixels could not be had; grey as undecodable rows are.
        if (bitmap.isNull())
            painter.fillRect(rect(), QColor(128, 128, 128));
        else
            painter.drawImage(m_image.PictureRect().translated(-pos()), bitmap);
    }

private:
    TImage& m_image;
};

TImage::TImage(QWidget* parent)
    : TControl(parent)
    , m_surface(new TSurface(*this))
{
    SetBounds(0, 0, 105, 105);
}

void TImage::SetCenter(bool center)
{
    m_center = center;
    ShowPicture();
}

void TImage::SetStretch(bool stretch)
{
    m_stretch = stretch;
    ShowPicture();
}

void TImage::resizeEvent(QResizeEvent* event)
{
    TControl::resizeEvent(event);
    ShowPicture();
}

QRect TImage::PictureRect() const
{
    if (m_stretch)
        return rect();
    const QSize size(m_picture.Width(), m_picture.Height());
    if (!m_center)
        return QRect(QPoint(0, 0), size);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void TImage::ShowPicture()
{
    const QRect covered = m_picture.Empty() ? QRect() : PictureRect().intersected(rect());
    m_surface->setVisible(!covered.isEmpty());
    if (covered.isEmpty())
        return;
    if (m_surface->geometry() == covered)
        m_surface->update();
    else
        m_surface->setGeometry(covered);
}

void TImage::LoadPictureFromFile(const std::string& path)
{
    std::string extension = ExtractFileExt(path);
    if (!IsJpegExtension(extension))
        throw Exception("Unknown picture file extension (" + extension + ")");
    TJPEGImage picture;
    picture.LoadFromFile(path);
    m_picture = picture;
    m_errorReported = false;
    ShowPicture();
}

void TImage::ReportDecodeError()
{
    int error = m_picture.DecodeError();
    if (error == 0 || m_errorReported)
        return;
    m_errorReported = true;
    // Queued on this control, so the call is dropped if the control goes first.
    QMetaObject::invokeMethod(
        this,
        [this, error] {
            if (OnPictureError)
                OnPictureError(EJPEG("JPEG error #" + std::to_string(error)));
        },
        Qt::QueuedConnection);
}
