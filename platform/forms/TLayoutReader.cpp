#include "platform/forms/TLayoutReader.h"

#include "platform/core/Exceptions.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TControl.h"
#include "platform/graphics/TColor.h"

#include <QMetaProperty>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <array>
#include <climits>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace {

constexpr int kMaxNesting = 32;
// Tokens quoted in messages are cut here; a hostile line may be megabytes long.
constexpr std::size_t kMaxQuoted = 40;
constexpr unsigned long long kMaxNumber = 0xFFFFFFFFu;
constexpr std::string_view kSymbols = "=:[],<>()";

struct TNamedColor {
    std::string_view name;
    TColor color;
};
constexpr std::array<TNamedColor, 13> kColorNames = { {
    { "clBlack", clBlack },
    { "clWhite", clWhite },
    { "clRed", clRed },
    { "clBlue", clBlue },
    { "clFuchsia", clFuchsia },
    { "clWindowText", clWindowText },
    { "clBtnFace", clBtnFace },
    { "clMenuText", clMenuText },
    { "clGray", clGray },
    { "clWindow", clWindow },
    { "clBtnShadow", clBtnShadow },
    { "clGrayText", clGrayText },
    { "clBtnHighlight", clBtnHighlight },
} };

bool IsNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsNameChar(char c)
{
    return IsNameStart(c) || (c >= '0' && c <= '9');
}

int DigitValue(char c, int base)
{
    int value = 99;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    return value < base ? value : -1;
}

[[noreturn]] void Fail(int line, const std::string& message)
{
    throw EReadError("Line " + std::to_string(line) + ": " + message);
}

std::string Quoted(std::string_view text)
{
    std::string cut(text.substr(0, kMaxQuoted));
    return "\"" + cut + (text.size() > kMaxQuoted ? "...\"" : "\"");
}

enum class TTokenKind { EndOfText, Name, Number, Text, Symbol };

struct TToken {
    TTokenKind kind = TTokenKind::EndOfText;
    std::string text; // the name, the decoded string or the symbol
    long long number = 0;
    int line = 1;

    bool Is(char symbol) const { return kind == TTokenKind::Symbol && text[0] == symbol; }
    bool IsName(std::string_view name) const { return kind == TTokenKind::Name && text == name; }
};

std::string Describe(const TToken& token)
{
    switch (token.kind) {
    case TTokenKind::EndOfText:
        return "end of text";
    case TTokenKind::Number:
        return std::to_string(token.number);
    case TTokenKind::Text:
        return "string " + Quoted(token.text);
    default:
        return Quoted(token.text);
    }
}

class TLexer {
public:
    explicit TLexer(std::string_view text)
        : m_text(text)
    {
        if (m_text.substr(0, 3) == "\xEF\xBB\xBF")
            m_pos = 3;
    }

    TToken Next()
    {
        SkipSpace();
        TToken token;
        token.line = m_line;
        if (m_pos >= m_text.size()) {
            token.line = m_lastLine;
            return token;
        }
        m_lastLine = m_line;
        char c = m_text[m_pos];
        if (IsNameStart(c))
            ReadName(token);
        else if ((c >= '0' && c <= '9') || c == '-' || c == '$')
            ReadNumber(token);
        else if (c == '\'')
            ReadText(token);
        else if (kSymbols.find(c) != std::string_view::npos) {
            token.kind = TTokenKind::Symbol;
            token.text = std::string(1, c);
            ++m_pos;
        } else
            FailAtCharacter();
        return token;
    }

private:
    char Peek(std::size_t ahead = 0) const
    {
        return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0';
    }

    void SkipSpace()
    {
        for (; m_pos < m_text.size(); ++m_pos) {
            char c = m_text[m_pos];
            if (c == '\n')
                ++m_line;
            else if (c != ' ' && c != '\t' && c != '\r')
                break;
        }
    }

    [[noreturn]] void FailAtCharacter() const
    {
        auto c = static_cast<unsigned char>(Peek());
        if (m_pos >= m_text.size())
            Fail(m_line, "unexpected end of text");
        if (c >= 0x20 && c < 0x7F)
            Fail(m_line, "unexpected character \"" + std::string(1, char(c)) + "\"");
        static constexpr char kHex[] = "0123456789ABCDEF";
        Fail(m_line, std::string("unexpected byte $") + kHex[c >> 4] + kHex[c & 15]);
    }

    // A name, with dotted parts for nested properties: Font.Height.
    void ReadName(TToken& token)
    {
        std::size_t start = m_pos;
        do {
            ++m_pos;
            while (IsNameChar(Peek()))
                ++m_pos;
        } while (Peek() == '.' && IsNameStart(Peek(1)));
        token.kind = TTokenKind::Name;
        token.text = std::string(m_text.substr(start, m_pos - start));
    }

    // -11, 200, $C82C00: at most 32 bits of magnitude.
    void ReadNumber(TToken& token)
    {
        bool negative = Peek() == '-';
        if (negative)
            ++m_pos;
        int base = 10;
        if (Peek() == '$') {
            base = 16;
            ++m_pos;
        }
        unsigned long long value = 0;
        int digits = 0;
        for (int digit; (digit = DigitValue(Peek(), base)) >= 0; ++m_pos, ++digits) {
            value = value * base + digit;
            if (value > kMaxNumber)
                Fail(m_line, "number out of range");
        }
        if (digits == 0)
            FailAtCharacter();
        token.kind = TTokenKind::Number;
        token.number = negative ? -(long long)value : (long long)value;
    }

    // 'It''s': quotes doubled inside, on one line.
    void ReadText(TToken& token)
    {
        ++m_pos;
        token.kind = TTokenKind::Text;
        for (;;) {
            if (m_pos >= m_text.size() || Peek() == '\n' || Peek() == '\r')
                Fail(m_line, "unterminated string");
            char c = m_text[m_pos++];
            if (c != '\'')
                token.text += c;
            else if (Peek() == '\'') {
                token.text += c;
                ++m_pos;
            } else
                return;
        }
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
    int m_lastLine = 1;
};

struct TValue {
    enum class TKind { Number, Text, Name, Set, List };
    TKind kind = TKind::Number;
    long long number = 0;
    std::string text;
    std::vector<std::string> items;
    int line = 1;
};

// Only the PascalCase properties are published to layouts; Qt's own (objectName,
// geometry, styleSheet, ...) stay out of reach.
QMetaProperty PublishedProperty(const QObject& object, const std::string& name)
{
    if (name.empty() || name[0] < 'A' || name[0] > 'Z')
        return {};
    const QMetaObject* meta = object.metaObject();
    int index = meta->indexOfProperty(name.c_str());
    return index < 0 ? QMetaProperty() : meta->property(index);
}

// An enumeration value of the property's own type; the integer goes into storage of
// the enum's size.
std::optional<QVariant> EnumVariant(const QMetaProperty& property, int bits)
{
    QVariant variant(property.metaType());
    void* data = variant.data();
    switch (property.metaType().sizeOf()) {
    case 1: {
        auto value = static_cast<int8_t>(bits);
        std::memcpy(data, &value, 1);
        return variant;
    }
    case 2: {
        auto value = static_cast<int16_t>(bits);
        std::memcpy(data, &value, 2);
        return variant;
    }
    case 4:
        std::memcpy(data, &bits, 4);
        return variant;
    }
    return std::nullopt;
}

std::optional<QVariant> EnumValue(const QMetaProperty& property, const TValue& value)
{
    QMetaEnum meta = property.enumerator();
    bool ok = false;
    int bits = 0;
    if (meta.isFlag() && value.kind == TValue::TKind::Set) {
        std::string keys;
        for (const std::string& item : value.items)
            keys += (keys.empty() ? "" : "|") + item;
        ok = keys.empty();
        if (!ok)
            bits = meta.keysToValue(keys.c_str(), &ok);
    } else if (!meta.isFlag() && value.kind == TValue::TKind::Name)
        bits = meta.keyToValue(value.text.c_str(), &ok);
    return ok ? EnumVariant(property, bits) : std::nullopt;
}

std::optional<QVariant> ColorValue(const TValue& value)
{
    if (value.kind == TValue::TKind::Number && value.number >= INT32_MIN)
        return QVariant::fromValue(static_cast<quint32>(value.number));
    for (const auto& entry : kColorNames) {
        if (value.kind == TValue::TKind::Name && value.text == entry.name)
            return QVariant::fromValue(static_cast<quint32>(entry.color));
    }
    return std::nullopt;
}

std::optional<QVariant> TextValue(const TValue& value)
{
    switch (value.kind) {
    case TValue::TKind::Text:
    case TValue::TKind::Name:
        return QString::fromStdString(value.text);
    case TValue::TKind::Set: {
        QStringList items;
        for (const std::string& item : value.items)
            items << QString::fromStdString(item);
        return "[" + items.join(',') + "]";
    }
    default:
        return std::nullopt;
    }
}

// The stored value in the property's own type, or nothing when it is of another kind.
std::optional<QVariant> Convert(const QMetaProperty& property, const TValue& value)
{
    using TKind = TValue::TKind;
    if (property.isEnumType())
        return EnumValue(property, value);
    switch (property.metaType().id()) {
    case QMetaType::Int:
        if (value.kind == TKind::Number && value.number >= INT_MIN && value.number <= INT_MAX)
            return int(value.number);
        break;
    case QMetaType::UInt:
        return ColorValue(value);
    case QMetaType::Bool:
        if (value.kind == TKind::Name && (value.text == "True" || value.text == "False"))
            return value.text == "True";
        break;
    case QMetaType::QString:
        return TextValue(value);
    case QMetaType::QStringList:
        if (value.kind == TKind::List) {
            QStringList items;
            for (const std::string& item : value.items)
                items << QString::fromStdString(item);
            return items;
        }
        break;
    }
    return std::nullopt;
}

class TReader {
public:
    TReader(std::string_view text, const TClassRegistry& registry, const THandlerTable& handlers)
        : m_lexer(text)
        , m_registry(registry)
        , m_handlers(handlers)
    {
    }

    void ReadRoot(QWidget& root)
    {
        Advance();
        ExpectWord("object");
        TToken name = TakeComponentName();
        Expect(':');
        TToken type = TakeName();
        if (!IsOfClass(root, type.text))
            Fail(type.line,
                "the layout is of " + Quoted(type.text) + ", not of "
                    + root.metaObject()->className());
        root.setObjectName(QString::fromStdString(name.text));
        m_components[name.text] = &root;
        StartLoading(root);
        ReadBody(root, name.text, 1);
        if (m_token.kind != TTokenKind::EndOfText)
            Unexpected();
        ResolveReferences();
        for (const QPointer<TControl>& control : m_loaded) {
            if (control)
                control->EndLoading();
        }
    }

private:
    // Property lines and child blocks up to the block's `end`.
    void ReadBody(QObject& component, const std::string& name, int depth)
    {
        for (;;) {
            if (m_token.kind == TTokenKind::EndOfText)
                Fail(m_token.line, "missing \"end\" of " + name);
            if (m_token.IsName("end"))
                return Advance();
            if (m_token.IsName("object"))
                ReadComponent(component, depth + 1);
            else if (m_token.kind == TTokenKind::Name)
                ReadProperty(component, depth);
            else
                Unexpected();
        }
    }

    void ReadComponent(QObject& parent, int depth)
    {
        int line = m_token.line;
        if (depth > kMaxNesting)
            Fail(line, "components nested deeper than " + std::to_string(kMaxNesting) + " levels");
        Advance();
        TToken name = TakeComponentName();
        Expect(':');
        TToken type = TakeName();
        const TClassRegistry::TClass* entry = m_registry.Find(type.text);
        if (!entry)
            Fail(type.line, "unknown class " + Quoted(type.text));
        if (entry->control && !parent.isWidgetType())
            Fail(line,
                "control " + Quoted(name.text) + " cannot be placed on the non-visual "
                    + "component " + Quoted(parent.objectName().toStdString()));
        QObject* component = nullptr;
        try {
            component = entry->create(&parent);
        } catch (const Exception& error) {
            Fail(line, error.Message());
        }
        component->setObjectName(QString::fromStdString(name.text));
        m_components[name.text] = component;
        StartLoading(*component);
        ReadBody(*component, name.text, depth);
    }

    // `Name = value`, `Font.Height = value`, `OnClick = handler`, `Panels = < ... >`.
    void ReadProperty(QObject& target, int depth)
    {
        TToken name = Take();
        Expect('=');
        std::string owner = target.metaObject()->className();
        std::string unknown = "unknown property " + Quoted(name.text) + " of " + owner;
        std::string last;
        QObject* object = ResolvePath(target, name.text, last);
        if (!object)
            Fail(name.line, unknown);
        if (m_token.Is('<'))
            return ReadCollection(*object, last, name, unknown, depth + 1);
        TValue value = ReadValue();
        if (TNotifyEvent* slot = FindEvent(*object, last))
            return BindEvent(*slot, value);
        QMetaProperty property = PublishedProperty(*object, last);
        if (!property.isValid() || !property.isWritable())
            Fail(name.line, unknown);
        std::string invalid = "invalid value for property " + Quoted(name.text) + " of " + owner;
        if (IsReference(property)) {
            if (value.kind != TValue::TKind::Name)
                Fail(value.line, invalid);
            // The component named may come later in the layout.
            m_references.push_back({ object, property, value.text, value.line, invalid });
            return;
        }
        std::optional<QVariant> variant = Convert(property, value);
        if (!variant)
            Fail(value.line, invalid);
        Write(*object, property, *variant, value.line, invalid);
    }

    static bool IsReference(const QMetaProperty& property)
    {
        return property.metaType().flags().testFlag(QMetaType::PointerToQObject);
    }

    static void Write(QObject& object, const QMetaProperty& property, const QVariant& value,
        int line, const std::string& invalid)
    {
        bool written = false;
        try {
            written = property.write(&object, value);
        } catch (const Exception& error) {
            Fail(line, error.Message());
        }
        if (!written)
            Fail(line, invalid);
    }

    // References are set once every component exists, before any of them has loaded.
    void ResolveReferences()
    {
        for (const TReference& reference : m_references) {
            if (!reference.object)
                continue;
            auto found = m_components.find(reference.name);
            if (found == m_components.end() || !found->second)
                Fail(reference.line, "unknown component " + Quoted(reference.name));
            QObject* component = found->second;
            const QMetaObject* wanted = reference.property.metaType().metaObject();
            if (wanted && !component->metaObject()->inherits(wanted))
                Fail(reference.line,
                    Quoted(reference.name) + " is a " + component->metaObject()->className()
                        + ", not a " + wanted->className());
            Write(*reference.object, reference.property, QVariant::fromValue(component),
                reference.line, reference.invalid);
        }
    }

    void ReadCollection(QObject& object, const std::string& collection, const TToken& name,
        const std::string& unknown, int depth)
    {
        if (depth > kMaxNesting)
            Fail(name.line,
                "collections nested deeper than " + std::to_string(kMaxNesting) + " levels");
        auto* lists = dynamic_cast<ICollectionOwner*>(&object);
        if (!lists || !lists->ClearCollection(collection))
            Fail(name.line, unknown);
        Advance();
        while (!m_token.Is('>')) {
            if (m_token.kind == TTokenKind::EndOfText)
                Fail(m_token.line, "missing \">\" of " + name.text);
            if (!m_token.IsName("item"))
                Unexpected();
            int line = m_token.line;
            Advance();
            QObject* item = lists->AddCollectionItem(collection);
            if (!item)
                Fail(line, unknown);
            ReadItem(*item, depth);
        }
        Advance();
    }

    void ReadItem(QObject& item, int depth)
    {
        for (;;) {
            if (m_token.kind == TTokenKind::EndOfText)
                Fail(m_token.line, "missing \"end\" of an item");
            if (m_token.IsName("end"))
                return Advance();
            if (m_token.kind != TTokenKind::Name || m_token.IsName("object"))
                Unexpected();
            ReadProperty(item, depth);
        }
    }

    TValue ReadValue()
    {
        TToken token = Take();
        TValue value;
        value.line = token.line;
        switch (token.kind) {
        case TTokenKind::Number:
            value.number = token.number;
            return value;
        case TTokenKind::Text:
            value.kind = TValue::TKind::Text;
            value.text = std::move(token.text);
            return value;
        case TTokenKind::Name:
            value.kind = TValue::TKind::Name;
            value.text = std::move(token.text);
            return value;
        default:
            break;
        }
        if (token.Is('['))
            return ReadSet(value);
        if (token.Is('('))
            return ReadList(value);
        Unexpected(token);
    }

    // [fsBold, fsUnderline]
    TValue ReadSet(TValue& value)
    {
        value.kind = TValue::TKind::Set;
        if (m_token.Is(']')) {
            Advance();
            return value;
        }
        for (;;) {
            value.items.push_back(TakeName().text);
            if (m_token.Is(']'))
                break;
            Expect(',');
        }
        Advance();
        return value;
    }

    // (sTS_main sTS_About)
    TValue ReadList(TValue& value)
    {
        value.kind = TValue::TKind::List;
        while (!m_token.Is(')')) {
            TToken item = Take();
            if (item.kind == TTokenKind::Number)
                value.items.push_back(std::to_string(item.number));
            else if (item.kind == TTokenKind::Text || item.kind == TTokenKind::Name)
                value.items.push_back(std::move(item.text));
            else
                Unexpected(item);
        }
        Advance();
        return value;
    }

    // The object that holds the last part of a dotted name, or nullptr when a part is
    // not a property holding an object.
    static QObject* ResolvePath(QObject& target, const std::string& path, std::string& last)
    {
        QObject* object = &target;
        std::size_t start = 0;
        for (std::size_t dot; (dot = path.find('.', start)) != std::string::npos; start = dot + 1) {
            QMetaProperty property = PublishedProperty(*object, path.substr(start, dot - start));
            if (!property.isValid() || !(property.metaType().flags() & QMetaType::PointerToQObject))
                return nullptr;
            object = property.read(object).value<QObject*>();
            if (!object)
                return nullptr;
        }
        last = path.substr(start);
        return object;
    }

    static TNotifyEvent* FindEvent(QObject& object, const std::string& name)
    {
        auto* source = dynamic_cast<IEventSource*>(&object);
        return source && name.starts_with("On") ? source->FindEvent(name) : nullptr;
    }

    void BindEvent(TNotifyEvent& slot, const TValue& value)
    {
        auto handler
            = value.kind == TValue::TKind::Name ? m_handlers.find(value.text) : m_handlers.end();
        if (handler == m_handlers.end())
            Fail(value.line, "unknown handler " + Quoted(value.text));
        slot = handler->second;
    }

    static bool IsOfClass(const QObject& object, const std::string& name)
    {
        for (const QMetaObject* meta = object.metaObject(); meta; meta = meta->superClass()) {
            if (name == meta->className())
                return true;
        }
        return false;
    }

    void StartLoading(QObject& component)
    {
        if (auto* control = qobject_cast<TControl*>(&component)) {
            control->BeginLoading();
            m_loaded.emplace_back(control);
        }
    }

    void Advance() { m_token = m_lexer.Next(); }

    TToken Take()
    {
        TToken token = std::move(m_token);
        Advance();
        return token;
    }

    TToken TakeName()
    {
        if (m_token.kind != TTokenKind::Name)
            Unexpected();
        return Take();
    }

    // A component name: plain, and unique in the whole layout.
    TToken TakeComponentName()
    {
        TToken name = TakeName();
        if (name.text.find('.') != std::string::npos)
            Fail(name.line, "invalid component name " + Quoted(name.text));
        if (!m_names.insert(name.text).second)
            Fail(name.line, "a component named " + Quoted(name.text) + " already exists");
        return name;
    }

    void Expect(char symbol)
    {
        if (!m_token.Is(symbol))
            Fail(m_token.line,
                "\"" + std::string(1, symbol) + "\" expected, not " + Describe(m_token));
        Advance();
    }

    void ExpectWord(std::string_view word)
    {
        if (!m_token.IsName(word))
            Fail(m_token.line, Quoted(word) + " expected, not " + Describe(m_token));
        Advance();
    }

    [[noreturn]] void Unexpected() const { Unexpected(m_token); }
    [[noreturn]] static void Unexpected(const TToken& token)
    {
        Fail(token.line, "unexpected " + Describe(token));
    }

    struct TReference {
        QPointer<QObject> object;
        QMetaProperty property;
        std::string name;
        int line;
        std::string invalid;
    };

    TLexer m_lexer;
    TToken m_token;
    const TClassRegistry& m_registry;
    const THandlerTable& m_handlers;
    std::set<std::string, std::less<>> m_names;
    std::map<std::string, QPointer<QObject>, std::less<>> m_components;
    std::vector<TReference> m_references;
    std::vector<QPointer<TControl>> m_loaded;
};

} // namespace

void ReadLayout(std::string_view text, QWidget& root, const TClassRegistry& registry,
    const THandlerTable& handlers)
{
    TReader(text, registry, handlers).ReadRoot(root);
}
