#include "controls/SUIURLLabel.h"

#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QUrl>

#include <algorithm>

namespace {

constexpr const char* kDefaultCaption = "Zintaro's skin library: every control drawn in its own look";
constexpr const char* kDefaultURL = "https://www.example.org/zintaro/";

// Blanks and control characters around an address do not make it one.
bool IsBlankAddress(const QString& url)
{
    return std::all_of(url.begin(), url.end(),
        [](QChar c) { return c.isSpace() || c.category() == QChar::Other_Control; });
}

// A link to assistive technology: its caption as the name, its address as the
// description, and a press action that follows it.
class TsuiURLLabelAccessible : public QAccessibleWidget {
public:
    explicit TsuiURLLabelAccessible(TsuiURLLabel* label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    TsuiURLLabel* Label() const { return static_cast<TsuiURLLabel*>(widget()); }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return Label()->Caption();
        if (kind == QAccessible::Description)
            return Label()->URL();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && Label()->isEnabled())
            Label()->Activate();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* URLLabelAccessible(const QString&, QObject* object)
{
    if (auto* label = qobject_cast<TsuiURLLabel*>(object))
        return new TsuiURLLabelAccessible(label);
    return nullptr;
}

} // namespace

TsuiURLLabel::TsuiURLLabel(QWidget* parent)
    : TLabel(parent)
    , m_url(kDefaultURL)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(URLLabelAccessible);
        return true;
    }();
    (void)factoryInstalled;
    Font()->SetStyles(Font()->Styles() | TFont::fsUnderline);
    Font()->SetColor(m_fontLinkColor);
    SetCursor(crHandPoint);
    SetAutoSize(true);
    SetCaption(kDefaultCaption);
}

void TsuiURLLabel::SetFontLinkColor(TColor color)
{
    m_fontLinkColor = color;
    Font()->SetColor(color);
}

void TsuiURLLabel::Click()
{
    // The desktop reads the address as typed, as a shell would: blanks around it and a
    // missing scheme on a "www." address are its to sort out.
    if (!IsBlankAddress(m_url))
        QDesktopServices::openUrl(QUrl::fromUserInput(m_url));
    TLabel::Click();
}

void TsuiURLLabel::enterEvent(QEnterEvent* event)
{
    TLabel::enterEvent(event);
    Font()->SetColor(m_fontHoverColor);
}

void TsuiURLLabel::leaveEvent(QEvent* event)
{
    TLabel::leaveEvent(event);
    Font()->SetColor(m_fontLinkColor);
}
