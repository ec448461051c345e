#pragma once

#include "platform/graphics/TColor.h"

#include <QObject>
#include <QString>

#include <memory>
#include <string>

class QImage;
class TsuiFileThemeMgr;

// The non-visual component a form carries and every skinned control's FileTheme points
// to. Setting ThemeFile loads the file; controls use it only while Loaded() is true.
class TsuiFileTheme : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString ThemeFile READ ThemeFileProperty WRITE SetThemeFileProperty)

public:
    explicit TsuiFileTheme(QObject* owner = nullptr);
    ~TsuiFileTheme() override;

    const std::string& ThemeFile() const { return m_themeFile; }
    // Nothing happens for the stored string itself, nor when neither `path` nor its file name
    // beside the program exists. Otherwise the found path is stored and loaded; the form's
    // controls that use this theme re-apply their style. A file that exists but cannot be
    // read raises EFOpenError and leaves no theme loaded.
    void SetThemeFile(const std::string& path);
    bool Loaded() const { return m_loaded; }

    void GetBitmap(int element, QImage* target) const;
    void GetBitmapFrame(int element, QImage* target, int index, int count) const;
    TColor GetColor(int element) const;
    int32_t GetInt(int element) const;
    bool GetBool(int element) const;

private:
    QString ThemeFileProperty() const { return QString::fromStdString(m_themeFile); }
    void SetThemeFileProperty(const QString& path) { SetThemeFile(path.toStdString()); }
    void ReapplyToOwnerControls();

    std::unique_ptr<TsuiFileThemeMgr> m_manager;
    std::string m_themeFile;
    bool m_loaded = false;
};
