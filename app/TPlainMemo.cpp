#include "app/TPlainMemo.h"

#include "platform/core/NoteText.h"
#include "platform/forms/PlainPaint.h"

#include <QPlainTextEdit>

namespace {

constexpr int kTextMargin = 2;

// Notes come with any line ends; the editor wants "\n".
QString NormalisedLines(std::string_view text)
{
    QString lines = QString::fromUtf8(text.data(), qsizetype(text.size()));
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace('\r', '\n');
    return lines;
}

} // namespace

TPlainMemo::TPlainMemo(QWidget* parent)
    : TControl(parent)
    , m_edit(new QPlainTextEdit(this))
{
    m_edit->setFrameShape(QFrame::NoFrame);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_edit->document()->setDocumentMargin(kTextMargin);
    SetColor(clWindow);
    SetBounds(0, 0, 185, 89);
    FontChanged();
}

bool TPlainMemo::ReadOnly() const
{
    return m_edit->isReadOnly();
}

void TPlainMemo::SetReadOnly(bool readOnly)
{
    m_edit->setReadOnly(readOnly);
}

void TPlainMemo::SetText(const std::string& text)
{
    std::string shown = text.substr(0, text.find('\0'));
    if (shown == m_text)
        return;
    m_text = std::move(shown);
    // The learner sees only the first lines: laying out the rest would only cost time.
    m_edit->setPlainText(NormalisedLines(LeadingLines(BreakLongLines(m_text))));
}

void TPlainMemo::FontChanged()
{
    m_edit->setFont(Font()->ToQFont());
    UpdatePalette();
}

void TPlainMemo::resizeEvent(QResizeEvent* event)
{
    TControl::resizeEvent(event);
    m_edit->setGeometry(rect());
}

void TPlainMemo::UpdatePalette()
{
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, ToQColor(Color()));
    palette.setColor(QPalette::Active, QPalette::Text, ToQColor(Font()->Color()));
    palette.setColor(QPalette::Inactive, QPalette::Text, ToQColor(Font()->Color()));
    palette.setColor(QPalette::Disabled, QPalette::Text, ToQColor(clGrayText));
    m_edit->setPalette(palette);
}
