#include "calc/TimeSlot.h"

#include <charconv>
#include <string>

namespace {

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

double decimalValue(const std::string &text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

int TimeToSlot(QStringView text)
{
    // Called for every row of a file that is opened: read without regular expressions and
    // without new strings (a clock text fits the small-string buffer).
    constexpr int NoTime = 96;
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == u' ')
        ++start;
    std::string s;
    s.reserve(std::size_t(text.size() - start));
    for (qsizetype i = start; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (u >= 0x80)
            return NoTime; // only ASCII digits and separators make a clock time
        s.push_back(char(u));
    }
    // The first comma, or else the first colon, separates the minutes as a point does.
    if (const auto comma = s.find(','); comma != std::string::npos)
        s[comma] = '.';
    else if (const auto colon = s.find(':'); colon != std::string::npos)
        s[colon] = '.';

    // Digits with at most one point; a sign, an exponent or other text is no clock time.
    std::size_t i = 0;
    while (i < s.size() && isAsciiDigit(s[i]))
        ++i;
    const std::string whole = s.substr(0, i);
    std::string decimals;
    if (i < s.size()) {
        if (s[i] != '.')
            return NoTime;
        const std::size_t point = i++;
        while (i < s.size() && isAsciiDigit(s[i]))
            ++i;
        if (i != s.size())
            return NoTime;
        decimals = s.substr(point + 1);
    }
    if (s.empty() || s == ".")
        return NoTime;
    const double hoursValue = whole.empty() ? 0.0 : decimalValue(whole);
    const int hours = hoursValue > 23 ? 0 : int(hoursValue);
    double minutes = 0;
    if (!decimals.empty()) {
        // "45" -> 45, "5" -> 50, "455" -> 45.5: the first two digits are whole minutes.
        while (decimals.size() < 2)
            decimals.push_back('0');
        const int wholeMinutes = (decimals[0] - '0') * 10 + (decimals[1] - '0');
        const std::string rest = decimals.substr(2);
        minutes = wholeMinutes + (rest.empty() ? 0.0 : decimalValue("0." + rest));
    }
    int quarter = 0;
    if (minutes < 15)
        quarter = 0;
    else if (minutes < 30)
        quarter = 1;
    else if (minutes < 45)
        quarter = 2;
    else if (minutes < 60)
        quarter = 3;
    return hours * 4 + quarter;
}
