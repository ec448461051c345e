#include "skin/SUIStyledControl.h"

#include <QImage>
#include <QObject>

// ---- TsuiStyleSource ------------------------------------------------------------------

TsuiStyleSource::TsuiStyleSource(const TsuiFileTheme* fileTheme, TsuiUIStyle style)
    : m_fileTheme(fileTheme)
    , m_style(fileTheme ? FromThemeFile : style)
{
}

void TsuiStyleSource::GetBitmap(int element, QImage* target) const
{
    if (m_fileTheme)
        m_fileTheme->GetBitmap(element, target);
    else
        GetBuiltInBitmap(m_style, element, target, 0, 0);
}

void TsuiStyleSource::GetBitmapFrame(int element, QImage* target, int index, int count) const
{
    if (m_fileTheme)
        m_fileTheme->GetBitmapFrame(element, target, index, count);
    else
        GetBuiltInBitmap(m_style, element, target, index, count);
}

TColor TsuiStyleSource::GetColor(int element) const
{
    return m_fileTheme ? m_fileTheme->GetColor(element) : GetBuiltInColor(m_style, element);
}

int32_t TsuiStyleSource::GetInt(int element) const
{
    return m_fileTheme ? m_fileTheme->GetInt(element) : GetBuiltInInt(m_style, element);
}

bool TsuiStyleSource::GetBool(int element) const
{
    return m_fileTheme ? m_fileTheme->GetBool(element) : GetBuiltInBool(m_style, element);
}

// ---- TsuiStyledControl ----------------------------------------------------------------

TsuiStyledControl::TsuiStyledControl(QObject* self)
    : m_self(self)
{
}

TsuiStyledControl::~TsuiStyledControl()
{
    // The Qt base outlives this part; a theme destroyed in between must not call back.
    QObject::disconnect(m_fileThemeGone);
}

void TsuiStyledControl::SetUIStyle(TsuiUIStyle style)
{
    m_uiStyle = style;
    TsuiUIStyle effective = style;
    bool fromFile = UseFileTheme(m_fileTheme.data(), style, effective);
    ApplyStyle(TsuiStyleSource(fromFile ? m_fileTheme.data() : nullptr, effective));
}

TsuiFileTheme* TsuiStyledControl::FileTheme() const
{
    return m_fileTheme.data();
}

void TsuiStyledControl::SetFileTheme(TsuiFileTheme* fileTheme)
{
    if (fileTheme != m_fileTheme.data()) {
        QObject::disconnect(m_fileThemeGone);
        m_fileThemeGone = {};
        m_fileTheme = fileTheme;
        if (fileTheme) {
            m_fileThemeGone = QObject::connect(
                fileTheme, &QObject::destroyed, m_self, [this] { FileThemeDestroyed(); });
        }
    }
    SetUIStyle(m_uiStyle);
}

void TsuiStyledControl::FileThemeDestroyed()
{
    // The theme is half gone: nothing of it may be read any more.
    m_fileThemeGone = {};
    m_fileTheme = nullptr;
    FileThemeGone();
}

void TsuiStyledControl::SetUIStyleProperty(TsuiUIStyle style)
{
    bool known = style >= FromThemeFile && style <= BlueGlass;
    SetUIStyle(known ? style : DeepBlue);
}
