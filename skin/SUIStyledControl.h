#pragma once

#include "platform/graphics/TColor.h"
#include "skin/SUIMgr.h"
#include "skin/SUIThemes.h"

#include <QMetaObject>
#include <QPointer>

#include <cstdint>

class QImage;
class QObject;

// Where a control reads its elements during one style application: the file theme when
// UseFileTheme allows it, otherwise the built-in tables in the effective style. Control code
// reads through this and is written once for both sources.
class TsuiStyleSource {
public:
    // `fileTheme` non-null reads the file; null reads the built-ins in `style`.
    TsuiStyleSource(const TsuiFileTheme* fileTheme, TsuiUIStyle style);

    bool FromFile() const { return m_fileTheme != nullptr; }
    // The built-in style read from; FromThemeFile while reading the file.
    TsuiUIStyle Style() const { return m_style; }

    // Whole bitmap; the target is untouched when the source has none.
    void GetBitmap(int element, QImage* target) const;
    // Frame `index` (from 1) of `count` equal-width frames.
    void GetBitmapFrame(int element, QImage* target, int index, int count) const;
    TColor GetColor(int element) const;
    int32_t GetInt(int element) const;
    bool GetBool(int element) const;

private:
    const TsuiFileTheme* m_fileTheme;
    TsuiUIStyle m_style;
};

// The UIStyle / FileTheme protocol every skinned control shares. Skinned controls get it
// through TsuiControl (skin/SUIControl.h), which also gives them their first style; a
// class outside that tree derives from its Qt base first and from this second, passes
// itself to the constructor, puts SUI_STYLED_CONTROL_PROPERTIES after Q_OBJECT,
// implements ApplyStyle and, at the end of its constructor, applies the style of the
// form that owns it: SetUIStyle(GetFormUIStyle(widget->window())). The base cannot do
// that itself (ApplyStyle is not there yet while it is constructed). The stored style
// starts as DeepBlue.
class TsuiStyledControl {
public:
    explicit TsuiStyledControl(QObject* self);
    virtual ~TsuiStyledControl();
    TsuiStyledControl(const TsuiStyledControl&) = delete;
    TsuiStyledControl& operator=(const TsuiStyledControl&) = delete;

    // The stored style; it stays FromThemeFile even while drawing falls back to DeepBlue.
    TsuiUIStyle UIStyle() const { return m_uiStyle; }
    // Stores the style and applies it, also when it is the stored one already.
    void SetUIStyle(TsuiUIStyle style);

    TsuiFileTheme* FileTheme() const;
    // Stores the reference (not owned) and re-applies the stored style. When the theme is
    // destroyed the control drops it and goes to DeepBlue.
    void SetFileTheme(TsuiFileTheme* fileTheme);

    // The published property's setter: ordinals outside the enumeration are stored as
    // DeepBlue.
    void SetUIStyleProperty(TsuiUIStyle style);

protected:
    // Read every element the control draws with from `source`, recompute what depends on
    // them and repaint.
    virtual void ApplyStyle(const TsuiStyleSource& source) = 0;
    // The theme referred to is being destroyed. The reference is already cleared; the
    // default goes to DeepBlue. Containers also send their skinned children there.
    virtual void FileThemeGone() { SetUIStyle(DeepBlue); }

private:
    void FileThemeDestroyed();

    QObject* m_self;
    TsuiUIStyle m_uiStyle = DeepBlue;
    QPointer<TsuiFileTheme> m_fileTheme;
    QMetaObject::Connection m_fileThemeGone;
};

// The two published properties, for the class body of a control built on TsuiStyledControl.
// Layouts name the style (UIStyle = WinXP) and the theme component (FileTheme = Theme1);
// an int ordinal written to UIStyle converts too.
#define SUI_STYLED_CONTROL_PROPERTIES                                                              \
    Q_PROPERTY(SuiStyles::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyleProperty)               \
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
