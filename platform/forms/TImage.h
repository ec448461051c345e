#pragma once

#include "platform/core/Exceptions.h"
#include "platform/forms/TControl.h"
#include "platform/jpeg/TJPEGImage.h"

#include <functional>
#include <string>

// A picture box. It paints no background: around the picture the parent shows through.
// The picture is drawn at its own size, at the top-left corner or, with Center, at
// ((width - picture width) div 2, (height - picture height) div 2), cut off where it
// overflows; with Stretch it is scaled to the box. Transparent is stored only: JPEG
// pictures have no transparent parts.
class TImage : public TControl {
    Q_OBJECT
    Q_PROPERTY(bool Center READ Center WRITE SetCenter)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
    explicit TImage(QWidget* parent = nullptr);

    bool Center() const { return m_center; }
    void SetCenter(bool center);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent) { m_transparent = transparent; }

    // The decoder is chosen by the extension (".jpg" or ".jpeg", any case), whatever the
    // file holds; the pixels are decoded at the first paint. A load that fails throws
    // and keeps the previous picture.
    void LoadPictureFromFile(const std::string& path);
    const TJPEGImage& Picture() const { return m_picture; }

    // A picture whose data breaks off after a valid header is painted as far as it
    // decodes (the rest grey) and reported here once per loaded picture, after the paint
    // has finished, so the handler may open a modal message box.
    std::function<void(const Exception& error)> OnPictureError;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    class TSurface;

    // Where the picture lands in this box, before the box cuts it off.
    QRect PictureRect() const;
    // Fits the surface to the part of the box the picture covers and repaints it.
    void ShowPicture();
    void ReportDecodeError();

    // The picture is drawn by an opaque child covering exactly the picture, so a new
    // picture repaints only itself and not the parent under it.
    TSurface* m_surface;
    TJPEGImage m_picture;
    bool m_center = false;
    bool m_stretch = false;
    bool m_transparent = false;
    bool m_errorReported = false;
};
