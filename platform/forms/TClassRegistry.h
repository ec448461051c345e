#pragma once

#include <QObject>
#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>

// The classes a stored layout may name, each with the way to make one.
class TClassRegistry {
public:
    using TFactory = std::function<QObject*(QObject* parent)>;
    struct TClass {
        TFactory create;
        // Controls need a widget parent; other components take any QObject owner.
        bool control = false;
    };

    // Registers T under its own class name: T(QWidget* parent) for widgets,
    // T(QObject* owner) for other components.
    template <class T> void Register()
    {
        if constexpr (std::is_base_of_v<QWidget, T>)
            Add(T::staticMetaObject.className(),
                { [](QObject* parent) -> QObject* { return new T(static_cast<QWidget*>(parent)); },
                    true });
        else
            Add(T::staticMetaObject.className(),
                { [](QObject* owner) -> QObject* { return new T(owner); }, false });
    }

    void Add(std::string name, TClass entry) { m_classes[std::move(name)] = std::move(entry); }

    const TClass* Find(std::string_view name) const
    {
        auto it = m_classes.find(name);
        return it == m_classes.end() ? nullptr : &it->second;
    }

private:
    std::map<std::string, TClass, std::less<>> m_classes;
};
