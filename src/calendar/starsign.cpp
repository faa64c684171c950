#include "calendar/starsign.h"

#include <array>
#include <string_view>

namespace yav {

namespace {

struct SignRange {
    int fromMonth, fromDay, toMonth, toDay;
    std::string_view sign;
};

// Searched in this order; the first range holding the date wins.
constexpr std::array<SignRange, 13> kSignRanges = {{
    {12, 22, 12, 31, "摩羯座"},
    {1, 1, 1, 19, "摩羯座"},
    {1, 20, 2, 18, "水瓶座"},
    {2, 19, 3, 20, "双鱼座"},
    {3, 21, 4, 20, "白羊座"},
    {4, 21, 5, 20, "金牛座 "},
    {5, 21, 6, 21, "双子座"},
    {6, 22, 7, 22, "巨蟹座"},
    {7, 23, 8, 22, "狮子座"},
    {8, 23, 9, 22, "处女座"},
    {9, 23, 10, 22, "天秤座"},
    {10, 23, 11, 21, "天蝎座"},
    {11, 22, 12, 21, "射手座"},
}};

} // namespace

std::string StarSignText(DateTime date)
{
    // Only the years a date can hold; also keeps NaN out.
    if (!(date >= toDayNumber(1, 1, 1) && date < toDayNumber(10000, 1, 1)))
        return {};
    const int year = toYmd(datePart(date)).year;
    for (const SignRange& r : kSignRanges) {
        const double from = toDayNumber(year, r.fromMonth, r.fromDay);
        const double to = toDayNumber(year, r.toMonth, r.toDay);
        if (date >= from && date <= to)
            return std::string(r.sign);
    }
    return {};
}

} // namespace yav
