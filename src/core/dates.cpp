#include "core/dates.h"

#include <cmath>
#include <cstdio>
#include <ctime>

namespace yav {

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Reads 1..maxDigits decimal digits at text[pos], advancing pos; nullopt when there are none.
std::optional<int> readNumber(std::string_view text, std::size_t& pos, std::size_t minDigits,
                              std::size_t maxDigits)
{
    int value = 0;
    std::size_t digits = 0;
    while (pos < text.size() && digits < maxDigits && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    if (digits < minDigits)
        return std::nullopt;
    return value;
}

} // namespace

DayNumber datePart(DateTime t) { return static_cast<DayNumber>(std::floor(t)); }

std::int64_t toMillis(DateTime t)
{
    // nearbyint rounds half to even, as the program's Round does.
    return static_cast<std::int64_t>(std::nearbyint(t * static_cast<double>(MsPerDay)));
}

DateTime fromMillis(std::int64_t ms) { return static_cast<double>(ms) / static_cast<double>(MsPerDay); }

DayNumber today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return toDayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string formatDate(const Ymd& v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", v.year, v.month, v.day);
    return buf;
}

std::string formatDate(DayNumber n) { return formatDate(toYmd(n)); }

std::string formatDateTime(DateTime t)
{
    const std::int64_t ms = toMillis(t);
    const auto day = static_cast<DayNumber>(floorDiv(ms, MsPerDay));
    const std::int64_t inDay = ms - static_cast<std::int64_t>(day) * MsPerDay; // [0, MsPerDay)
    const Ymd v = toYmd(day);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d.%03d", v.year, v.month, v.day,
                  static_cast<int>(inDay / 3'600'000), static_cast<int>(inDay / 60'000 % 60),
                  static_cast<int>(inDay / 1000 % 60), static_cast<int>(inDay % 1000));
    return buf;
}

std::optional<DayNumber> parseDate(std::string_view text)
{
    std::size_t pos = 0;
    const auto y = readNumber(text, pos, 4, 4);
    if (!y || pos >= text.size() || text[pos++] != '-')
        return std::nullopt;
    const auto m = readNumber(text, pos, 1, 2);
    if (!m || pos >= text.size() || text[pos++] != '-')
        return std::nullopt;
    const auto d = readNumber(text, pos, 1, 2);
    if (!d || pos != text.size() || !isValidYmd(*y, *m, *d))
        return std::nullopt;
    return toDayNumber(*y, *m, *d);
}

} // namespace yav
