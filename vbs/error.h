#pragma once
// Script errors: a VBScript error number, its description and where it happened.
// Inside the interpreter an error travels as a ScriptException; it never leaves the
// public Engine calls as a C++ exception.
#include <exception>
#include <string>
#include <string_view>

namespace tabulo::vbs {

struct ScriptError
{
    int number = 0; // VBScript error number (13 = Type mismatch, 1002 = Syntax error)
    std::u16string description;
    std::u16string source; // "Microsoft VBScript runtime error", "... compilation error", or Err.Source
    int line = 0; // 1-based; 0 when unknown
    int column = 0; // 1-based; 0 when unknown
    bool isSyntaxError() const { return number >= 1000 && number < 1100; }
};

// The well-known numbers scripts test in Err.Number.
namespace err {
enum : int {
    InvalidCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    ArrayFixed = 10,
    DivisionByZero = 11,
    TypeMismatch = 13,
    OutOfStringSpace = 14,
    OutOfStack = 28,
    SubNotDefined = 35,
    ObjectVariableNotSet = 91,
    ForLoopNotInitialized = 92,
    InvalidUseOfNull = 94,
    ObjectRequired = 424,
    CannotCreateObject = 429,
    NoSuchMember = 438,
    ActionNotSupported = 445,
    ArgumentNotOptional = 449,
    WrongArgumentCount = 450,
    NotACollection = 451,
    VariableUndefined = 500,
    IllegalAssignment = 501,
    InvalidReference = 505,
    ClassNotDefined = 506,
    ExceptionOccurred = 507,
    IllegalAssignment2 = 5008,
    ElementNotFound = 32811,
    // Ours: a call that ran past the engine's time limit. On Error Resume Next does
    // not catch it, so a runaway loop always ends.
    TimedOut = 7000,
    // Ours: the host ended the script (WScript.Quit); not catchable either.
    Stopped = 7001,
    // Ours: the host's interrupt check asked to stop (the user pressed Esc); not
    // catchable either.
    Interrupted = 7002,
    // Syntax errors.
    SyntaxError = 1002,
    ExpectedColon = 1003,
    ExpectedLParen = 1005,
    ExpectedRParen = 1006,
    ExpectedIdentifier = 1010,
    ExpectedEquals = 1011,
    ExpectedIf = 1012,
    ExpectedTo = 1013,
    ExpectedEnd = 1014,
    ExpectedFunction = 1015,
    ExpectedSub = 1016,
    ExpectedThen = 1017,
    ExpectedWend = 1018,
    ExpectedLoop = 1019,
    ExpectedNext = 1020,
    ExpectedCase = 1021,
    ExpectedSelect = 1022,
    ExpectedExpression = 1023,
    ExpectedStatement = 1024,
    ExpectedEndOfStatement = 1025,
    ExpectedInteger = 1026,
    ExpectedWhileOrUntil = 1027,
    ExpectedWhileUntilOrEnd = 1028,
    ExpectedWith = 1029,
    IdentifierTooLong = 1030,
    InvalidNumber = 1031,
    InvalidCharacter = 1032,
    UnterminatedString = 1033,
    InvalidMe = 1037,
    LoopWithoutDo = 1038,
    InvalidExit = 1039,
    InvalidForVariable = 1040,
    NameRedefined = 1041,
    MustBeFirstStatement = 1042,
    NoParensCallingSub = 1044,
    ExpectedLiteral = 1045,
    ExpectedIn = 1046,
    ExpectedClass = 1047,
    MustBeInClass = 1048,
    ExpectedLetSetGet = 1049,
    ExpectedProperty = 1050,
    InconsistentPropertyArgs = 1051,
    MultipleDefault = 1052,
    InitTerminateArgs = 1053,
    PropertyNeedsArgument = 1054,
    UnexpectedNext = 1055,
    DefaultPlacement = 1056,
    DefaultNeedsPublic = 1057,
    DefaultOnlyOnGet = 1058,
};
} // namespace err

// The standard description of a VBScript error number ("Type mismatch"), or an empty
// string for numbers the language does not define.
std::u16string_view errorDescription(int number);

// The C++ exception that carries a ScriptError through the interpreter and builtins.
class ScriptException : public std::exception
{
public:
    explicit ScriptException(ScriptError error)
        : m_error(std::move(error))
    {
    }
    const ScriptError &error() const { return m_error; }
    ScriptError &error() { return m_error; }
    const char *what() const noexcept override { return "VBScript error"; }

private:
    ScriptError m_error;
};

// Raise a run-time error with the standard description of its number.
[[noreturn]] void raise(int number);
// Raise a run-time error with a description of our own.
[[noreturn]] void raise(int number, std::u16string description);

} // namespace tabulo::vbs
