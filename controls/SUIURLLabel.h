#pragma once

#include "platform/forms/TLabel.h"

// A label that acts as a web link: underlined, in the link colour, with the hand cursor.
// It takes the hover colour while the mouse is over it and, when clicked, has the desktop
// open its URL before OnClick runs. It draws like any label and does not follow the styles.
class TsuiURLLabel : public TLabel {
    Q_OBJECT
    Q_PROPERTY(QString URL READ URL WRITE SetURL)
    Q_PROPERTY(quint32 FontHoverColor READ FontHoverColor WRITE SetFontHoverColor)
    Q_PROPERTY(quint32 FontLinkColor READ FontLinkColor WRITE SetFontLinkColor)

public:
    explicit TsuiURLLabel(QWidget* parent = nullptr);

    QString URL() const { return m_url; }
    void SetURL(const QString& url) { m_url = url; }
    TColor FontHoverColor() const { return m_fontHoverColor; }
    // Takes effect at the next time the mouse enters.
    void SetFontHoverColor(TColor color) { m_fontHoverColor = color; }
    TColor FontLinkColor() const { return m_fontLinkColor; }
    // Recolours the label at once, even while the mouse is over it.
    void SetFontLinkColor(TColor color);

    // What a click does; assistive technology activates the link through it too.
    void Activate() { Click(); }

protected:
    void Click() override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString m_url;
    TColor m_fontHoverColor = clRed;
    TColor m_fontLinkColor = clBlue;
};
