// Values, conversions and the general number format, table by table.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>

#include "vbs/convert.h"
#include "vbs/error.h"
#include "vbs/operators.h"

using namespace tabulo::vbs;

namespace {

struct NumberCase
{
    const char *name;
    double value;
    const char *english;
    const char *italian;
};

class GeneralNumberFormat : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(GeneralNumberFormat, ShowsFifteenSignificantDigitsInTheLocale)
{
    const NumberCase &c = GetParam();
    EXPECT_EQ(toUtf8(formatNumber(c.value, Locale::english())), c.english);
    EXPECT_EQ(toUtf8(formatNumber(c.value, Locale::italian())), c.italian);
}

INSTANTIATE_TEST_SUITE_P(Numbers, GeneralNumberFormat,
    ::testing::Values(NumberCase {"zero", 0.0, "0", "0"}, NumberCase {"negativeZero", -0.0, "0", "0"},
        NumberCase {"integer", 42.0, "42", "42"}, NumberCase {"half", -0.5, "-0.5", "-0,5"},
        NumberCase {"third", 1.0 / 3.0, "0.333333333333333", "0,333333333333333"},
        NumberCase {"roundingNoise", 0.1 + 0.2, "0.3", "0,3"},
        NumberCase {"belowExponent", 1e14, "100000000000000", "100000000000000"},
        NumberCase {"exponentThreshold", 1e15, "1E+15", "1E+15"},
        NumberCase {"largeMantissa", 123456789012345678.0, "1.23456789012346E+17", "1,23456789012346E+17"},
        NumberCase {"smallNotExponent", 0.0001, "0.0001", "0,0001"},
        NumberCase {"smallExponent", 0.00001, "1E-05", "1E-05"},
        NumberCase {"negativeExponent", -2.5e-7, "-2.5E-07", "-2,5E-07"}),
    [](const auto &info) { return std::string(info.param.name); });

struct ParseCase
{
    const char *name;
    const char16_t *text;
    bool comma; // Italian locale
    bool ok;
    double value;
};

class NumberParsing : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(NumberParsing, ReadsTextTheWayCDblDoes)
{
    const ParseCase &c = GetParam();
    double out = -12345;
    bool ok = parseNumber(c.text, c.comma ? Locale::italian() : Locale::english(), out);
    EXPECT_EQ(ok, c.ok);
    if (c.ok) {
        EXPECT_DOUBLE_EQ(out, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberParsing,
    ::testing::Values(ParseCase {"plain", u"12", false, true, 12},
        ParseCase {"blanksAround", u"  -3.5  ", false, true, -3.5},
        ParseCase {"commaDecimalInItalian", u"1,5", true, true, 1.5},
        ParseCase {"dotGroupsInItalian", u"1.234,5", true, true, 1234.5},
        ParseCase {"commaGroupsInEnglish", u"1,500", false, true, 1500},
        ParseCase {"exponent", u"2e3", false, true, 2000}, ParseCase {"hex", u"&HFF", false, true, 255},
        ParseCase {"hexNegativeWord", u"&HFFFF", false, true, -1}, ParseCase {"octal", u"&O17", false, true, 15},
        ParseCase {"leadingDecimal", u".5", false, true, 0.5}, ParseCase {"empty", u"", false, false, 0},
        ParseCase {"letters", u"abc", false, false, 0}, ParseCase {"twoDecimalPoints", u"1.5.5", false, false, 0},
        ParseCase {"trailingGarbage", u"12abc", false, false, 0},
        ParseCase {"exponentWithoutDigits", u"1e", false, false, 0}),
    [](const auto &info) { return std::string(info.param.name); });

struct CurrencyCase
{
    const char *name;
    std::int64_t scaled; // the value times 10,000
    const char *english;
    const char *italian;
};

class CurrencyText : public ::testing::TestWithParam<CurrencyCase>
{
};

TEST_P(CurrencyText, ShowsAtMostFifteenSignificantDigits)
{
    const CurrencyCase &c = GetParam();
    EXPECT_EQ(toUtf8(formatCurrency(c.scaled, Locale::english())), c.english);
    EXPECT_EQ(toUtf8(formatCurrency(c.scaled, Locale::italian())), c.italian);
}

INSTANTIATE_TEST_SUITE_P(Amounts, CurrencyText,
    ::testing::Values(CurrencyCase {"zero", 0, "0", "0"}, CurrencyCase {"smallest", 1, "0.0001", "0,0001"},
        CurrencyCase {"trailingZerosDropped", 15000, "1.5", "1,5"},
        CurrencyCase {"fifteenDigitsKept", 123456789012345, "12345678901.2345", "12345678901,2345"},
        CurrencyCase {"sixteenthDigitRoundsUp", 1234567890123456, "123456789012.346", "123456789012,346"},
        CurrencyCase {"halfRoundsAwayFromZero", -1234567890123455, "-123456789012.346", "-123456789012,346"},
        CurrencyCase {"roundsToWholeNumber", 9223372036854769664, "922337203685477", "922337203685477"},
        CurrencyCase {"carryAddsADigit", 9999999999999999, "1000000000000", "1000000000000"},
        CurrencyCase {"largest", INT64_MAX, "922337203685478", "922337203685478"},
        CurrencyCase {"smallestNegative", INT64_MIN, "-922337203685478", "-922337203685478"}),
    [](const auto &info) { return std::string(info.param.name); });

struct BooleanNamesCase
{
    const char *language;
    const char16_t *trueName;
    const char16_t *falseName;
};

class BooleanNames : public ::testing::TestWithParam<BooleanNamesCase>
{
};

TEST_P(BooleanNames, FollowTheLanguageOfTheSettings)
{
    const BooleanNamesCase &c = GetParam();
    Locale l = Locale::italian(); // not English: an unknown language must reset it
    l.setBooleanNamesFor(c.language);
    EXPECT_EQ(toUtf8(l.trueName), toUtf8(c.trueName));
    EXPECT_EQ(toUtf8(l.falseName), toUtf8(c.falseName));
    EXPECT_EQ(toUtf8(toString(Value::boolean(true), l)), toUtf8(c.trueName));
    EXPECT_TRUE(toBool(Value::string(c.trueName), l));
    EXPECT_FALSE(toBool(Value::string(c.falseName), l));
    EXPECT_TRUE(toBool(Value::string(u"TRUE"), l)); // English is understood everywhere
}

INSTANTIATE_TEST_SUITE_P(Languages, BooleanNames,
    ::testing::Values(BooleanNamesCase {"it", u"Vero", u"Falso"}, BooleanNamesCase {"it_IT.UTF-8", u"Vero", u"Falso"},
        BooleanNamesCase {"de_DE@euro", u"Wahr", u"Falsch"}, BooleanNamesCase {"fr-CA", u"Vrai", u"Faux"},
        BooleanNamesCase {"en_GB.UTF-8", u"True", u"False"}, BooleanNamesCase {"C", u"True", u"False"},
        BooleanNamesCase {"", u"True", u"False"}, BooleanNamesCase {"xx_YY", u"True", u"False"}),
    [](const auto &info) {
        std::string name;
        for (const char *p = info.param.language; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name.empty() ? std::string("nothing") : name;
    });

TEST(Rounding, ConversionsToIntegersRoundHalvesToEven)
{
    const Locale l = Locale::english();
    EXPECT_EQ(toInteger(Value::number(2.5), l), 2);
    EXPECT_EQ(toInteger(Value::number(3.5), l), 4);
    EXPECT_EQ(toLong(Value::number(-2.5), l), -2);
    EXPECT_EQ(toLong(Value::string(u"7.5"), l), 8);
}

TEST(Overflow, ConversionsOutOfRangeRaiseOverflow)
{
    const Locale l = Locale::english();
    try {
        toInteger(Value::longValue(40000), l);
        FAIL() << "no error";
    } catch (const ScriptException &e) {
        EXPECT_EQ(e.error().number, err::Overflow);
    }
}

TEST(Strings, AppendingToAnUnsharedStringKeepsItsBuffer)
{
    Value s = Value::string(u"ab");
    const char16_t *before = s.rawString().data();
    s.appendString(u"c"); // small strings fit in place
    EXPECT_EQ(s.rawString(), u"abc");
    Value shared = s;
    s.appendString(u"d");
    EXPECT_EQ(s.rawString(), u"abcd");
    EXPECT_EQ(shared.rawString(), u"abc"); // the copy keeps its value
    (void)before;
}

TEST(Arrays, WritingASharedArrayCopiesItFirst)
{
    Value a = Value::array(std::vector<Value> {Value::integer(1), Value::integer(2)});
    Value b = a;
    b.mutableArray().items[0] = Value::integer(9);
    EXPECT_EQ(a.rawArray().items[0].rawInteger(), 1);
    EXPECT_EQ(b.rawArray().items[0].rawInteger(), 9);
}

TEST(Utf8, RoundTripsAndReplacesInvalidBytes)
{
    EXPECT_EQ(toUtf8(fromUtf8("caffè €𝄞")), "caffè €𝄞");
    EXPECT_EQ(fromUtf8("a\xFF"
                       "b"),
        std::u16string(u"a\uFFFDb"));
    EXPECT_EQ(fromUtf8("\xE2\x82"), std::u16string(u"\uFFFD\uFFFD"));
}

TEST(Comparison, LiteralsDecideHowStringsMeetNumbers)
{
    const Locale l = Locale::english();
    Value ten = Value::integer(10);
    Value text = Value::string(u"10");
    EXPECT_EQ(compare(ten, text, l), Ordering::Less);
    EXPECT_EQ(compare(ten, text, l, CompareHints {false, true, false}), Ordering::Equal);
    EXPECT_EQ(compare(Value::null(), ten, l), Ordering::Null);
    EXPECT_EQ(
        compare(Value::string(u"abc"), Value::string(u"ABC"), l, CompareHints {false, false, true}), Ordering::Equal);
}

} // namespace
