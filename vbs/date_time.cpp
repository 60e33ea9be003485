#include "vbs/date_time.h"

#include <cmath>
#include <vector>

#include "vbs/value.h"

namespace tabulo::vbs {
namespace {

// Days from 1 January 1970 of a proleptic Gregorian date (H. Hinnant's civil algorithm).
long long daysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(long long z, int &y, int &m, int &d)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long yy = (long long)yoe + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = int(yy + (m <= 2));
}

// 30 December 1899 counted from 1 January 1970.
constexpr long long kEpochOffset = -25569;

std::u16string twoDigits(int n)
{
    std::u16string s;
    s += char16_t(u'0' + (n / 10) % 10);
    s += char16_t(u'0' + n % 10);
    return s;
}

std::u16string digits(long long n)
{
    std::u16string s;
    for (char c : std::to_string(n))
        s += char16_t(c);
    return s;
}

} // namespace

std::optional<double> serialFromDate(int year, int month, int day)
{
    // Two-digit years are read as 1930-2029, as the language does.
    if (year >= 0 && year < 30)
        year += 2000;
    else if (year >= 30 && year < 100)
        year += 1900;
    long long y = year + (long long)std::floor((month - 1) / 12.0);
    long long m = ((month - 1) % 12 + 12) % 12 + 1;
    if (y < 100 || y > 9999)
        return std::nullopt;
    long long serial = daysFromCivil(y, unsigned(m), 1) - kEpochOffset + (day - 1);
    if (serial < -657434 || serial > 2958465)
        return std::nullopt;
    return double(serial);
}

double serialFromTime(int hour, int minute, int second)
{
    return (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

DateParts partsFromSerial(double serial)
{
    DateParts p;
    if (!std::isfinite(serial))
        return p;
    // Negative serials keep a positive time: -1.25 is 29 December 1899, 06:00.
    double dayPart = std::trunc(serial);
    long long seconds = std::llround(std::fabs(serial - dayPart) * 86400.0);
    long long days = (long long)dayPart;
    if (seconds >= 86400) {
        seconds -= 86400;
        days += serial < 0 ? -1 : 1;
    }
    civilFromDays(days + kEpochOffset, p.year, p.month, p.day);
    p.hour = int(seconds / 3600);
    p.minute = int(seconds / 60 % 60);
    p.second = int(seconds % 60);
    // 30 December 1899 was a Saturday.
    p.weekday = int(((days % 7) + 7 + 6) % 7) + 1;
    return p;
}

std::u16string formatDatePattern(double serial, std::u16string_view pattern, const Locale &locale)
{
    DateParts p = partsFromSerial(serial);
    std::u16string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        char16_t c = pattern[i];
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        switch (c) {
        case u'd':
            if (run == 1)
                out += digits(p.day);
            else if (run == 2)
                out += twoDigits(p.day);
            else if (run == 3)
                out += locale.dayAbbreviations[p.weekday - 1];
            else
                out += locale.dayNames[p.weekday - 1];
            break;
        case u'M':
            if (run == 1)
                out += digits(p.month);
            else if (run == 2)
                out += twoDigits(p.month);
            else if (run == 3)
                out += locale.monthAbbreviations[p.month - 1];
            else
                out += locale.monthNames[p.month - 1];
            break;
        case u'y':
            if (run <= 2)
                out += twoDigits(p.year % 100);
            else
                out += digits(p.year);
            break;
        case u'h': {
            int h = p.hour % 12 == 0 ? 12 : p.hour % 12;
            out += run == 1 ? digits(h) : twoDigits(h);
            break;
        }
        case u'H':
            out += run == 1 ? digits(p.hour) : twoDigits(p.hour);
            break;
        case u'm':
            out += run == 1 ? digits(p.minute) : twoDigits(p.minute);
            break;
        case u's':
            out += run == 1 ? digits(p.second) : twoDigits(p.second);
            break;
        case u't': {
            const std::u16string &marker = p.hour < 12 ? locale.amDesignator : locale.pmDesignator;
            out += run == 1 ? marker.substr(0, 1) : marker;
            break;
        }
        case u'\'':
        case u'"': {
            std::size_t close = pattern.find(c, i + 1);
            if (close == std::u16string_view::npos)
                close = pattern.size();
            out += pattern.substr(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        default:
            out.append(run, c);
            break;
        }
        i += run;
    }
    return out;
}

std::u16string formatDate(double serial, const Locale &locale)
{
    DateParts p = partsFromSerial(serial);
    // Day zero (30 December 1899) stands for "no date": such a value shows
    // only its time, midnight included, as a plain time of day does.
    bool hasDate = std::trunc(serial) != 0;
    bool hasTime = p.hour || p.minute || p.second || !hasDate;
    std::u16string out;
    if (hasDate)
        out = formatDatePattern(serial, locale.shortDateFormat, locale);
    if (hasTime) {
        if (!out.empty())
            out += u' ';
        out += formatDatePattern(serial, locale.longTimeFormat, locale);
    }
    return out;
}

namespace {

struct DateToken
{
    enum Kind { Number, Word, Colon, Separator };
    explicit DateToken(Kind k)
        : kind(k)
    {
    }
    Kind kind;
    long long number = 0;
    int width = 0;
    std::u16string word;
};

int monthFromWord(std::u16string_view w, const Locale &locale)
{
    for (int i = 0; i < 12; ++i)
        if (sameName(w, locale.monthNames[i]) || sameName(w, locale.monthAbbreviations[i]))
            return i + 1;
    return 0;
}

bool isWeekday(std::u16string_view w, const Locale &locale)
{
    for (int i = 0; i < 7; ++i)
        if (sameName(w, locale.dayNames[i]) || sameName(w, locale.dayAbbreviations[i]))
            return true;
    return false;
}

} // namespace

bool parseDate(std::u16string_view text, const Locale &locale, double &serial)
{
    std::vector<DateToken> tokens;
    for (std::size_t i = 0; i < text.size();) {
        char16_t c = text[i];
        if (c >= u'0' && c <= u'9') {
            DateToken t(DateToken::Number);
            while (i < text.size() && text[i] >= u'0' && text[i] <= u'9' && t.width < 9) {
                t.number = t.number * 10 + (text[i] - u'0');
                ++t.width;
                ++i;
            }
            if (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
                return false;
            tokens.push_back(t);
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c >= 0xC0) {
            DateToken t(DateToken::Word);
            while (i < text.size()
                && ((text[i] >= u'a' && text[i] <= u'z') || (text[i] >= u'A' && text[i] <= u'Z') || text[i] >= 0xC0))
                t.word += text[i++];
            tokens.push_back(t);
        } else if (c == u':') {
            tokens.push_back(DateToken(DateToken::Colon));
            ++i;
        } else if (c == u'/' || c == u'-' || c == u'.' || c == u',' || c == u' ' || c == u'\t') {
            if (c != u' ' && c != u'\t' && c != u',')
                tokens.push_back(DateToken(DateToken::Separator));
            ++i;
        } else {
            return false;
        }
    }
    std::vector<long long> dateNumbers;
    std::vector<int> dateWidths;
    int monthByName = 0;
    long long timeParts[3] = {0, 0, 0};
    int timeCount = 0;
    int meridian = 0; // 1 am, 2 pm
    bool sawDate = false;
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const DateToken &t = tokens[k];
        if (t.kind == DateToken::Number && k + 1 < tokens.size() && tokens[k + 1].kind == DateToken::Colon) {
            if (timeCount)
                return false;
            while (k < tokens.size() && tokens[k].kind == DateToken::Number && timeCount < 3) {
                timeParts[timeCount++] = tokens[k].number;
                if (k + 1 < tokens.size() && tokens[k + 1].kind == DateToken::Colon)
                    k += 2;
                else
                    break;
            }
            if (k < tokens.size() && tokens[k].kind != DateToken::Number)
                return false;
        } else if (t.kind == DateToken::Number) {
            dateNumbers.push_back(t.number);
            dateWidths.push_back(t.width);
            sawDate = true;
        } else if (t.kind == DateToken::Word) {
            if (sameName(t.word, locale.amDesignator) || sameName(t.word, u"AM") || sameName(t.word, u"A"))
                meridian = 1;
            else if (sameName(t.word, locale.pmDesignator) || sameName(t.word, u"PM") || sameName(t.word, u"P"))
                meridian = 2;
            else if (int m = monthFromWord(t.word, locale); m && !monthByName) {
                monthByName = m;
                sawDate = true;
            } else if (!isWeekday(t.word, locale))
                return false;
        } else if (t.kind == DateToken::Colon) {
            return false;
        }
    }
    if (!sawDate && !timeCount)
        return false;
    if (meridian && !timeCount) {
        // "3 PM": a lone hour with a meridian.
        if (dateNumbers.size() != 1 || monthByName)
            return false;
        timeParts[0] = dateNumbers[0];
        timeCount = 1;
        dateNumbers.clear();
        sawDate = false;
    }
    if (timeCount) {
        if (meridian) {
            if (timeParts[0] < 1 || timeParts[0] > 12)
                return false;
            timeParts[0] = timeParts[0] % 12 + (meridian == 2 ? 12 : 0);
        }
        if (timeParts[0] > 23 || timeParts[1] > 59 || timeParts[2] > 59)
            return false;
    }
    double datePart = 0;
    if (sawDate) {
        long long y = -1, m = -1, d = -1;
        std::size_t n = dateNumbers.size();
        if (monthByName) {
            m = monthByName;
            if (n == 2) {
                // "5 January 2024", "January 5, 2024", "2024 January 5"
                if (dateWidths[0] >= 3) {
                    y = dateNumbers[0];
                    d = dateNumbers[1];
                } else {
                    d = dateNumbers[0];
                    y = dateNumbers[1];
                }
            } else {
                return false;
            }
        } else if (n == 3) {
            if (dateWidths[0] >= 3) {
                y = dateNumbers[0];
                m = dateNumbers[1];
                d = dateNumbers[2];
            } else if (locale.dateOrder == DateOrder::DayMonthYear) {
                d = dateNumbers[0];
                m = dateNumbers[1];
                y = dateNumbers[2];
            } else if (locale.dateOrder == DateOrder::YearMonthDay) {
                y = dateNumbers[0];
                m = dateNumbers[1];
                d = dateNumbers[2];
            } else {
                m = dateNumbers[0];
                d = dateNumbers[1];
                y = dateNumbers[2];
            }
            // A first number that cannot be a month swaps month and day, as CDate does.
            if (m > 12 && d <= 12)
                std::swap(m, d);
        } else {
            // A day and month without a year would need the clock; we do not guess.
            return false;
        }
        if (m < 1 || m > 12 || d < 1 || d > 31 || y < 0 || y > 9999)
            return false;
        auto s = serialFromDate(int(y), int(m), int(d));
        if (!s)
            return false;
        // Reject 31 February and the like instead of rolling over.
        DateParts check = partsFromSerial(*s);
        if (check.day != d)
            return false;
        datePart = *s;
    }
    double timePart = timeCount ? serialFromTime(int(timeParts[0]), int(timeParts[1]), int(timeParts[2])) : 0;
    serial = datePart < 0 ? datePart - timePart : datePart + timePart;
    return true;
}

} // namespace tabulo::vbs
