#include "platform/graphics/TFont.h"

#include "platform/core/Exceptions.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr int kDesignDpi = 96;
// Far beyond any window; it keeps hostile layouts from asking for giant glyphs.
constexpr int kMaxPixelSize = 1000;
constexpr int kPointsPerInch = 72;

struct TSubstitute {
    const char* requested;
    const char* drawnWith;
};

// Layouts name the classic desktop faces; these are the packaged faces closest in metrics.
constexpr std::array<TSubstitute, 6> kSubstitutes = { {
    { "MS Sans Serif", "DejaVu Sans" },
    { "Tahoma", "DejaVu Sans" },
    { "Verdana", "DejaVu Sans" },
    { "Arial", "DejaVu Sans" },
    { "Courier New", "DejaVu Sans Mono" },
    { "Times New Roman", "DejaVu Serif" },
} };

struct TStyleName {
    TFont::Style style;
    const char* name;
};
constexpr std::array<TStyleName, 4> kStyleNames = { {
    { TFont::fsBold, "fsBold" },
    { TFont::fsItalic, "fsItalic" },
    { TFont::fsUnderline, "fsUnderline" },
    { TFont::fsStrikeOut, "fsStrikeOut" },
} };

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDivRound(int a, int b, int c)
{
    long long product = static_cast<long long>(a) * b;
    long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

} // namespace

QString SubstituteFontFamily(const QString& family)
{
    for (const auto& entry : kSubstitutes) {
        if (family.compare(QLatin1String(entry.requested), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(entry.drawnWith);
    }
    return family;
}

TFont::TFont(QObject* parent)
    : QObject(parent)
{
}

void TFont::SetName(const QString& name)
{
    m_name = name;
    Changed();
}

void TFont::SetHeight(int height)
{
    m_height = height;
    Changed();
}

int TFont::Size() const
{
    return -MulDivRound(m_height, kPointsPerInch, kDesignDpi);
}

void TFont::SetSize(int points)
{
    m_height = -MulDivRound(points, kDesignDpi, kPointsPerInch);
    Changed();
}

void TFont::SetColor(TColor color)
{
    m_color = color;
    Notify(); // the Qt font has no colour
}

void TFont::SetStyles(unsigned styles)
{
    m_styles = styles;
    Changed();
}

QString TFont::StyleText() const
{
    QStringList names;
    for (const auto& entry : kStyleNames) {
        if (m_styles & entry.style)
            names << QString::fromLatin1(entry.name);
    }
    return "[" + names.join(',') + "]";
}

void TFont::SetStyleText(const QString& text)
{
    QString inner = text.trimmed();
    if (inner.startsWith('['))
        inner.remove(0, 1);
    if (inner.endsWith(']'))
        inner.chop(1);
    unsigned styles = 0;
    for (const QString& part : inner.split(',', Qt::SkipEmptyParts)) {
        auto entry = std::find_if(kStyleNames.begin(), kStyleNames.end(),
            [&](const TStyleName& name) { return part.trimmed() == QLatin1String(name.name); });
        if (entry == kStyleNames.end())
            throw EInvalidOperation("Unknown font style \"" + part.trimmed().toStdString() + "\"");
        styles |= entry->style;
    }
    SetStyles(styles);
}

void TFont::Assign(const TFont& other)
{
    m_name = other.m_name;
    m_height = other.m_height;
    m_color = other.m_color;
    m_styles = other.m_styles;
    m_qfont = other.ToQFont();
    Notify();
}

QFont TFont::ToQFont() const
{
    if (m_qfont)
        return *m_qfont;
    QFont font(SubstituteFontFamily(m_name));
    // A positive height includes the internal leading; 80% is close for these faces.
    long long height = m_height;
    long long pixels = height < 0 ? -height : height * 4 / 5;
    font.setPixelSize(
        static_cast<int>(std::clamp(pixels, 1LL, static_cast<long long>(kMaxPixelSize))));
    font.setBold(m_styles & fsBold);
    font.setItalic(m_styles & fsItalic);
    font.setUnderline(m_styles & fsUnderline);
    font.setStrikeOut(m_styles & fsStrikeOut);
    font.setStyleStrategy(QFont::PreferAntialias);
    m_qfont = font;
    return font;
}

void TFont::Changed()
{
    m_qfont.reset();
    Notify();
}

void TFont::Notify()
{
    if (OnChange)
        OnChange();
}
