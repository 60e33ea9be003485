#include "app/tabulo-vbs/wscript_object.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "vbs/convert.h"
#include "vbs/error.h"

namespace tabulo::vbs {
namespace {

// Echo and Write show values the way CStr does, except that Null prints as "Null".
std::u16string shown(const Value &v, const Locale &locale)
{
    if (v.isNull())
        return u"Null";
    if (v.isMissing())
        return {};
    return toString(v, locale);
}

class TextStream final : public Object
{
public:
    TextStream(const Locale &locale, std::function<void(std::u16string_view)> write,
        std::function<std::optional<std::u16string>()> read)
        : m_locale(locale)
        , m_write(std::move(write))
        , m_read(std::move(read))
    {
    }

    std::u16string typeName() const override { return u"TextStream"; }

    Value invoke(std::u16string_view name, Args args) override
    {
        if (m_write && sameName(name, u"Write")) {
            if (args.size() != 1)
                raise(err::WrongArgumentCount);
            m_write(shown(args[0], m_locale));
            return Value();
        }
        if (m_write && sameName(name, u"WriteLine")) {
            if (args.size() > 1)
                raise(err::WrongArgumentCount);
            m_write((args.empty() ? std::u16string() : shown(args[0], m_locale)) + u"\n");
            return Value();
        }
        if (m_write && sameName(name, u"WriteBlankLines")) {
            if (args.size() != 1)
                raise(err::WrongArgumentCount);
            std::int32_t n = toLong(args[0], m_locale);
            for (std::int32_t i = 0; i < n && i < 100000; ++i)
                m_write(u"\n");
            return Value();
        }
        if (m_read && sameName(name, u"ReadLine"))
            return Value::string(next().value_or(u""));
        if (m_read && sameName(name, u"AtEndOfStream"))
            return Value::boolean(!peek());
        if (m_read && sameName(name, u"ReadAll")) {
            std::u16string all;
            while (auto line = next())
                all += *line + u"\n";
            return Value::string(std::move(all));
        }
        raise(err::NoSuchMember);
    }

private:
    const std::optional<std::u16string> &peek()
    {
        if (!m_peeked) {
            m_buffered = m_read();
            m_peeked = true;
        }
        return m_buffered;
    }
    std::optional<std::u16string> next()
    {
        peek();
        m_peeked = false;
        return std::move(m_buffered);
    }

    const Locale &m_locale;
    std::function<void(std::u16string_view)> m_write;
    std::function<std::optional<std::u16string>()> m_read;
    std::optional<std::u16string> m_buffered;
    bool m_peeked = false;
};

class ArgumentList final : public Object
{
public:
    ArgumentList(const Locale &locale, std::vector<std::u16string> items)
        : m_locale(locale)
        , m_items(std::move(items))
    {
    }
    std::u16string typeName() const override { return u"Object"; }

    Value invoke(std::u16string_view name, Args args) override
    {
        if (sameName(name, u"Count") || sameName(name, u"Length"))
            return Value::longValue(std::int32_t(m_items.size()));
        if (name.empty() || sameName(name, u"Item")) {
            if (args.size() != 1)
                raise(err::WrongArgumentCount);
            std::int32_t i = toLong(args[0], m_locale);
            if (i < 0 || std::size_t(i) >= m_items.size())
                raise(err::SubscriptOutOfRange);
            return Value::string(m_items[std::size_t(i)]);
        }
        raise(err::NoSuchMember);
    }

    std::vector<Value> enumerate() override
    {
        std::vector<Value> all;
        for (const auto &item : m_items)
            all.push_back(Value::string(item));
        return all;
    }

private:
    const Locale &m_locale;
    std::vector<std::u16string> m_items;
};

} // namespace

WScriptObject::WScriptObject(
    const Locale &locale, ConsoleIo io, std::u16string scriptPath, std::vector<std::u16string> arguments)
    : m_locale(locale)
    , m_io(std::move(io))
    , m_scriptPath(std::move(scriptPath))
{
    m_stdOut = std::make_shared<TextStream>(m_locale, m_io.writeOut, nullptr);
    m_stdErr = std::make_shared<TextStream>(m_locale, m_io.writeErr, nullptr);
    m_stdIn = std::make_shared<TextStream>(m_locale, nullptr, m_io.readLine);
    m_arguments = std::make_shared<ArgumentList>(m_locale, std::move(arguments));
}

Value WScriptObject::invoke(std::u16string_view name, Args args)
{
    if (sameName(name, u"Echo")) {
        std::u16string line;
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (i)
                line += u' ';
            // A console host's Echo shows a Boolean as its number, -1 or 0, in every
            // language; CStr and & give the locale's words.
            Value v = args[i].isObject() ? valueOf(args[i]) : args[i];
            if (v.type() == Type::Boolean)
                line += v.rawBool() ? u"-1" : u"0";
            else
                line += shown(v, m_locale);
        }
        m_io.writeOut(line + u"\n");
        return Value();
    }
    if (sameName(name, u"StdOut"))
        return Value::object(m_stdOut);
    if (sameName(name, u"StdErr"))
        return Value::object(m_stdErr);
    if (sameName(name, u"StdIn"))
        return Value::object(m_stdIn);
    if (sameName(name, u"Arguments")) {
        if (args.empty())
            return Value::object(m_arguments);
        return m_arguments->invoke(u"", args);
    }
    if (sameName(name, u"Quit")) {
        m_exitCode = args.empty() || args[0].isMissing() ? 0 : toLong(args[0], m_locale);
        m_quit = true;
        raise(err::Stopped);
    }
    if (sameName(name, u"ScriptFullName"))
        return Value::string(m_scriptPath);
    if (sameName(name, u"ScriptName")) {
        std::size_t slash = m_scriptPath.find_last_of(u"/\\");
        return Value::string(slash == std::u16string::npos ? m_scriptPath : m_scriptPath.substr(slash + 1));
    }
    if (sameName(name, u"Name"))
        return Value::string(u"tabulo-vbs");
    if (sameName(name, u"Version"))
        return Value::string(u"5.8");
    if (sameName(name, u"Interactive"))
        return Value::boolean(false);
    if (sameName(name, u"Sleep")) {
        if (args.size() != 1)
            raise(err::WrongArgumentCount);
        const std::int32_t ms = toLong(args[0], m_locale);
        using Clock = std::chrono::steady_clock;
        const Clock::time_point until = Clock::now() + std::chrono::milliseconds(std::max(ms, 0));
        // In short naps, so that a request to stop is answered at once.
        for (Clock::time_point now = Clock::now(); now < until; now = Clock::now()) {
            if (m_io.stopRequested && m_io.stopRequested())
                raise(err::Stopped);
            std::this_thread::sleep_for(std::min<Clock::duration>(until - now, std::chrono::milliseconds(50)));
        }
        return Value();
    }
    raise(err::NoSuchMember);
}

} // namespace tabulo::vbs
