#include "skin/SUIMgr.h"

#include "platform/core/Paths.h"
#include "skin/SUIPublic.h"
#include "skin/SUIThemeFile.h"

#include <QImage>
#include <QList>
#include <QMetaProperty>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace {

// The form a component belongs to: the window its parent chain leads to.
QWidget* OwnerForm(const QObject* component)
{
    for (QObject* object = component->parent(); object; object = object->parent()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget && widget->isWindow())
            return widget;
    }
    return nullptr;
}

} // namespace

TsuiFileTheme::TsuiFileTheme(QObject* owner)
    : QObject(owner)
    , m_manager(std::make_unique<TsuiFileThemeMgr>())
{
}

TsuiFileTheme::~TsuiFileTheme() = default;

void TsuiFileTheme::SetThemeFile(const std::string& path)
{
    if (path == m_themeFile)
        return;
    // A file stored with another machine's path may lie beside the program.
    std::string found = path;
    if (!FileExists(found)) {
        found = ExecutableDirectory() + ExtractFileName(path);
        if (!FileExists(found))
            return;
    }
    m_themeFile = found;
    // Load drops the old reader before reading; should the read fail, the flag must not go
    // on claiming a theme that is gone.
    m_loaded = false;
    m_loaded = m_manager->Load(found);
    if (m_loaded)
        ReapplyToOwnerControls();
}

void TsuiFileTheme::ReapplyToOwnerControls()
{
    QWidget* form = OwnerForm(this);
    if (!form)
        return;
    // A control re-applying its style may create or delete objects of its own; only those
    // still alive are visited.
    QList<QPointer<QObject>> objects;
    for (QObject* object : form->findChildren<QObject*>())
        objects.append(object);
    for (const QPointer<QObject>& object : objects) {
        if (!object)
            continue;
        const QMetaObject* meta = object->metaObject();
        if (!QByteArrayView(meta->className()).startsWith("Tsui"))
            continue;
        int index = meta->indexOfProperty("FileTheme");
        if (index < 0)
            continue;
        QMetaProperty property = meta->property(index);
        if (property.read(object).value<QObject*>() != this)
            continue;
        property.write(object, QVariant::fromValue<QObject*>(this));
    }
}

void TsuiFileTheme::GetBitmap(int element, QImage* target) const
{
    m_manager->GetBitmap(element, target);
}

void TsuiFileTheme::GetBitmapFrame(int element, QImage* target, int index, int count) const
{
    if (!target)
        return;
    QImage whole;
    m_manager->GetBitmap(element, &whole);
    // A missing or undecodable bitmap leaves the target as it was, as GetBitmap does.
    if (whole.isNull())
        return;
    CutFrame(whole, *target, count, index);
}

TColor TsuiFileTheme::GetColor(int element) const
{
    return m_manager->GetColor(element);
}

int32_t TsuiFileTheme::GetInt(int element) const
{
    return m_manager->GetInt(element);
}

bool TsuiFileTheme::GetBool(int element) const
{
    return m_manager->GetBool(element);
}
