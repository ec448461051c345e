#pragma once

#include "platform/core/Exceptions.h"
#include "platform/core/TTimer.h"
#include "platform/forms/TControl.h"
#include "platform/forms/TLayoutReader.h"

#include <QStringList>

#include <string>
#include <vector>

// What the layout reader did, in the order it did it.
inline std::vector<std::string>& RecorderLog()
{
    static std::vector<std::string> log;
    return log;
}

class TRecorderItem;

// The one list recorders and their items hold, called "Items".
inline bool ClearItems(std::vector<TRecorderItem*>& items, std::string_view name);
inline TRecorderItem* AddItem(std::vector<TRecorderItem*>& items, std::string_view name, QObject* owner);

// One item of a recorder's Items list; items may hold lists of their own.
class TRecorderItem : public QObject, public ICollectionOwner {
    Q_OBJECT
    Q_PROPERTY(int Size READ Size WRITE SetSize)

public:
    using QObject::QObject;
    int Size() const { return m_size; }
    void SetSize(int size) { m_size = size; }
    std::vector<TRecorderItem*> items;

    bool ClearCollection(std::string_view name) override { return ClearItems(items, name); }
    QObject* AddCollectionItem(std::string_view name) override { return AddItem(items, name, this); }

private:
    int m_size = 0;
};

// A control that logs its creation, every property set and its Loaded call, and holds a
// property of each kind the reader converts.
class TRecorder : public TControl, public ICollectionOwner {
    Q_OBJECT
    Q_PROPERTY(int Number READ Number WRITE SetNumber)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(quint32 Shade READ Shade WRITE SetShade)
    Q_PROPERTY(bool Flag READ Flag WRITE SetFlag)
    Q_PROPERTY(TKind Kind READ Kind WRITE SetKind)
    Q_PROPERTY(TOptions Options READ Options WRITE SetOptions)
    Q_PROPERTY(QStringList Names READ Names WRITE SetNames)
    Q_PROPERTY(int Picky READ Picky WRITE SetPicky)
    Q_PROPERTY(TTimer* Ticker READ Ticker WRITE SetTicker)

public:
    enum TKind : quint8 { kdNone, kdFirst, kdSecond };
    Q_ENUM(TKind)
    enum TOption { opRed = 1, opGreen = 2, opBlue = 4 };
    Q_DECLARE_FLAGS(TOptions, TOption)
    Q_FLAG(TOptions)

    explicit TRecorder(QWidget* parent = nullptr)
        : TControl(parent)
    {
        Log("create in " + (parent ? parent->objectName() : QString()).toStdString());
    }

    int Number() const { return m_number; }
    void SetNumber(int number) { m_number = number, Log("Number"); }
    QString Text() const { return m_text; }
    void SetText(const QString& text) { m_text = text, Log("Text"); }
    quint32 Shade() const { return m_shade; }
    void SetShade(quint32 shade) { m_shade = shade, Log("Shade"); }
    bool Flag() const { return m_flag; }
    void SetFlag(bool flag) { m_flag = flag, Log("Flag"); }
    TKind Kind() const { return m_kind; }
    void SetKind(TKind kind) { m_kind = kind, Log("Kind"); }
    TOptions Options() const { return m_options; }
    void SetOptions(TOptions options) { m_options = options, Log("Options"); }
    QStringList Names() const { return m_names; }
    void SetNames(const QStringList& names) { m_names = names, Log("Names"); }
    // Refuses negative values as a component setter does.
    int Picky() const { return 0; }
    void SetPicky(int value)
    {
        if (value < 0)
            throw EInvalidOperation("Picky must not be negative");
    }

    TTimer* Ticker() const { return m_ticker; }
    void SetTicker(TTimer* ticker)
    {
        m_ticker = ticker;
        Log("Ticker " + (ticker ? ticker->objectName().toStdString() : std::string("none")));
    }

    TNotifyEvent OnPing;
    TNotifyEvent* FindEvent(std::string_view name) override
    {
        return name == "OnPing" ? &OnPing : TControl::FindEvent(name);
    }

    std::vector<TRecorderItem*> items;
    bool ClearCollection(std::string_view name) override { return ClearItems(items, name); }
    QObject* AddCollectionItem(std::string_view name) override { return AddItem(items, name, this); }

protected:
    void Loaded() override { Log("Loaded"); }

private:
    void Log(const std::string& what)
    {
        RecorderLog().push_back(objectName().toStdString() + " " + what);
    }

    int m_number = 0;
    QString m_text;
    quint32 m_shade = 0;
    bool m_flag = false;
    TKind m_kind = kdNone;
    TOptions m_options;
    QStringList m_names;
    TTimer* m_ticker = nullptr;
};

inline bool ClearItems(std::vector<TRecorderItem*>& items, std::string_view name)
{
    if (name != "Items")
        return false;
    qDeleteAll(items);
    items.clear();
    return true;
}

inline TRecorderItem* AddItem(std::vector<TRecorderItem*>& items, std::string_view name, QObject* owner)
{
    if (name != "Items")
        return nullptr;
    items.push_back(new TRecorderItem(owner));
    return items.back();
}
