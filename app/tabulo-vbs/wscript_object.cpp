#include "wscript_object.h"

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
        : locale_(locale)
        , write_(std::move(write))
        , read_(std::move(read))
    {
    }

    std::u16string typeName() const override { return u"TextStream"; }

    Value invoke(std::u16string_view name, Args args) override
    {
        if (write_ && sameName(name, u"Write")) {
            if (args.size() != 1)
                raise(err::WrongArgumentCount);
            write_(shown(args[0], locale_));
            return Value();
        }
        if (write_ && sameName(name, u"WriteLine")) {
            if (args.size() > 1)
                raise(err::WrongArgumentCount);
            write_((args.empty() ? std::u16string() : shown(args[0], locale_)) + u"\n");
            return Value();
        }
        if (write_ && sameName(name, u"WriteBlankLines")) {
            if (args.size() != 1)
                raise(err::WrongArgumentCount);
            std::int32_t n = toLong(args[0], locale_);
            for (std::int32_t i = 0; i < n && i < 100000; ++i)
                write_(u"\n");
            return Value();
        }
        if (read_ && sameName(name, u"ReadLine"))
            return Value::string(next().value_or(u""));
        if (read_ && sameName(name, u"AtEndOfStream"))
            return Value::boolean(!peek());
        if (read_ && sameName(name, u"ReadAll")) {
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
        if (!peeked_) {
            buffered_ = read_();
            peeked_ = true;
        }
        return buffered_;
    }
    std::optional<std::u16string> next()
    {
        peek();
        peeked_ = false;
        return std::move(buffered_);
    }

    const Locale &locale_;
    std::function<void(std::u16string_view)> write_;
    std::function<std::optional<std::u16string>()> read_;
    std::optional<std::u16string> buffered_;
    bool peeked_ = false;
};

class ArgumentList final : public Object
{
public:
    ArgumentList(const Locale &locale, std::vector<std::u16string> items)
        : locale_(locale)
        , items_(std::move(items))
    {
    }
    std::u16string typeName() const override { return u"Object"; }

    Value invoke(std::u16string_view name, Args args) override
    {
        if (sameName(name, u"Count") || sameName(name, u"Length"))
            return Value::longValue(std::int32_t(items_.size()));
        if (name.empty() || sameName(name, u"Item")) {
            if (args.size() != 1)
                raise(err::WrongArgumentCount);
            std::int32_t i = toLong(args[0], locale_);
            if (i < 0 || std::size_t(i) >= items_.size())
                raise(err::SubscriptOutOfRange);
            return Value::string(items_[std::size_t(i)]);
        }
        raise(err::NoSuchMember);
    }

    std::vector<Value> enumerate() override
    {
        std::vector<Value> all;
        for (const auto &item : items_)
            all.push_back(Value::string(item));
        return all;
    }

private:
    const Locale &locale_;
    std::vector<std::u16string> items_;
};

} // namespace

WScriptObject::WScriptObject(
    const Locale &locale, ConsoleIo io, std::u16string scriptPath, std::vector<std::u16string> arguments)
    : locale_(locale)
    , io_(std::move(io))
    , scriptPath_(std::move(scriptPath))
{
    stdOut_ = std::make_shared<TextStream>(locale_, io_.writeOut, nullptr);
    stdErr_ = std::make_shared<TextStream>(locale_, io_.writeErr, nullptr);
    stdIn_ = std::make_shared<TextStream>(locale_, nullptr, io_.readLine);
    arguments_ = std::make_shared<ArgumentList>(locale_, std::move(arguments));
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
                line += shown(v, locale_);
        }
        io_.writeOut(line + u"\n");
        return Value();
    }
    if (sameName(name, u"StdOut"))
        return Value::object(stdOut_);
    if (sameName(name, u"StdErr"))
        return Value::object(stdErr_);
    if (sameName(name, u"StdIn"))
        return Value::object(stdIn_);
    if (sameName(name, u"Arguments")) {
        if (args.empty())
            return Value::object(arguments_);
        return arguments_->invoke(u"", args);
    }
    if (sameName(name, u"Quit")) {
        exitCode_ = args.empty() || args[0].isMissing() ? 0 : toLong(args[0], locale_);
        quit_ = true;
        raise(err::Stopped);
    }
    if (sameName(name, u"ScriptFullName"))
        return Value::string(scriptPath_);
    if (sameName(name, u"ScriptName")) {
        std::size_t slash = scriptPath_.find_last_of(u"/\\");
        return Value::string(slash == std::u16string::npos ? scriptPath_ : scriptPath_.substr(slash + 1));
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
        std::int32_t ms = toLong(args[0], locale_);
        if (ms > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return Value();
    }
    raise(err::NoSuchMember);
}

} // namespace tabulo::vbs
