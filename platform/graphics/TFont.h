#pragma once

#include "platform/graphics/TColor.h"

#include <QFont>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

// A control's font as layouts store it. A negative Height is the character height in
// pixels; a positive one is the cell height. Layouts are at 96 dpi and not rescaled.
class TFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(QString Style READ StyleText WRITE SetStyleText)

public:
    enum Style : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

    explicit TFont(QObject* parent = nullptr);

    QString Name() const { return m_name; }
    void SetName(const QString& name);
    int Height() const { return m_height; }
    void SetHeight(int height);
    // Points at 96 dpi: Size 8 is Height -11.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    unsigned Styles() const { return m_styles; }
    void SetStyles(unsigned styles);
    // "[fsBold,fsUnderline]" as layouts write it; an unknown name is refused.
    QString StyleText() const;
    void SetStyleText(const QString& text);

    void Assign(const TFont& other);

    // The Qt font to draw with, the family substituted where this desktop lacks it. Kept
    // until the next change, so its glyph engine is found once, not at every text drawn.
    QFont ToQFont() const;

    // Called after any change, so the owning control can repaint.
    std::function<void()> OnChange;

private:
    void Changed();
    void Notify();

    QString m_name = "MS Sans Serif";
    int m_height = -11;
    TColor m_color = clWindowText;
    unsigned m_styles = 0;
    mutable std::optional<QFont> m_qfont;
};

// The family this desktop draws a requested family with ("Tahoma" -> "DejaVu Sans").
QString SubstituteFontFamily(const QString& family);
