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

TImage::TImage(QWidget* parent)
    : TControl(parent)
{
    SetBounds(0, 0, 105, 105);
}

void TImage::SetCenter(bool center)
{
    m_center = center;
    update();
}

void TImage::SetStretch(bool stretch)
{
    m_stretch = stretch;
    update();
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
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (m_picture.Empty())
        return;
    const QImage& bitmap = m_picture.Bitmap();
    ReportDecodeError();
    QPainter painter(this);
    if (m_stretch)
        painter.drawImage(rect(), bitmap);
    else if (m_center)
        painter.drawImage((width() - bitmap.width()) / 2, (height() - bitmap.height()) / 2, bitmap);
    else
        painter.drawImage(0, 0, bitmap);
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
