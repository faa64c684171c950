#include "calendar/hxCalendar.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace yav {

namespace {

constexpr std::array<std::uint16_t, 201> kYearWords = {
    0x4BD8, 0x4AE0, 0xA570, 0x54D5, 0xD260, 0xD950, 0x5554, 0x56AF, 0x9AD0, 0x55D2, // 1900
    0x4AE0, 0xA5B6, 0xA4D0, 0xD250, 0xD295, 0xB54F, 0xD6A0, 0xADA2, 0x95B0, 0x4977, // 1910
    0x497F, 0xA4B0, 0xB4B5, 0x6A50, 0x6D40, 0xAB54, 0x2B6F, 0x9570, 0x52F2, 0x4970, // 1920
    0x6566, 0xD4A0, 0xEA50, 0x6A95, 0x5ADF, 0x2B60, 0x86E3, 0x92EF, 0xC8D7, 0xC95F, // 1930
    0xD4A0, 0xD8A6, 0xB55F, 0x56A0, 0xA5B4, 0x25DF, 0x92D0, 0xD2B2, 0xA950, 0xB557, // 1940
    0x6CA0, 0xB550, 0x5355, 0x4DAF, 0xA5B0, 0x4573, 0x52BF, 0xA9A8, 0xE950, 0x6AA0, // 1950
    0xAEA6, 0xAB50, 0x4B60, 0xAAE4, 0xA570, 0x5260, 0xF263, 0xD950, 0x5B57, 0x56A0, // 1960
    0x96D0, 0x4DD5, 0x4AD0, 0xA4D0, 0xD4D4, 0xD250, 0xD558, 0xB540, 0xB6A0, 0x95A6, // 1970
    0x95BF, 0x49B0, 0xA974, 0xA4B0, 0xB27A, 0x6A50, 0x6D40, 0xAF46, 0xAB60, 0x9570, // 1980
    0x4AF5, 0x4970, 0x64B0, 0x74A3, 0xEA50, 0x6B58, 0x5AC0, 0xAB60, 0x96D5, 0x92E0, // 1990
    0xC960, 0xD954, 0xD4A0, 0xDA50, 0x7552, 0x56A0, 0xABB7, 0x25D0, 0x92D0, 0xCAB5, // 2000
    0xA950, 0xB4A0, 0xBAA4, 0xAD50, 0x55D9, 0x4BA0, 0xA5B0, 0x5176, 0x52BF, 0xA930, // 2010
    0x7954, 0x6AA0, 0xAD50, 0x5B52, 0x4B60, 0xA6E6, 0xA4E0, 0xD260, 0xEA65, 0xD530, // 2020
    0x5AA0, 0x76A3, 0x96D0, 0x4AFB, 0x4AD0, 0xA4D0, 0xD0B6, 0xD25F, 0xD520, 0xDD45, // 2030
    0xB5A0, 0x56D0, 0x55B2, 0x49B0, 0xA577, 0xA4B0, 0xAA50, 0xB255, 0x6D2F, 0xADA0, // 2040
    0x4B63, 0x937F, 0x49F8, 0x4970, 0x64B0, 0x68A6, 0xEA5F, 0x6B20, 0xA6C4, 0xAAEF, // 2050
    0x92E0, 0xD2E3, 0xC960, 0xD557, 0xD4A0, 0xDA50, 0x5D55, 0x56A0, 0xA6D0, 0x55D4, // 2060
    0x52D0, 0xA9B8, 0xA950, 0xB4A0, 0xB6A6, 0xAD50, 0x55A0, 0xABA4, 0xA5B0, 0x52B0, // 2070
    0xB273, 0x6930, 0x7337, 0x6AA0, 0xAD50, 0x4B55, 0x4B6F, 0xA570, 0x54E4, 0xD260, // 2080
    0xE968, 0xD520, 0xDAA0, 0x6AA6, 0x56DF, 0x4AE0, 0xA9D4, 0xA4D0, 0xD150, 0xF252, // 2090
    0xD520,                                                                         // 2100
};

constexpr std::array<std::int32_t, 24> kTermMinutes = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

constexpr bool inTable(int y) { return y >= LunarFirstYear && y <= LunarLastYear; }
constexpr unsigned wordOf(int y) { return kYearWords[static_cast<std::size_t>(y - LunarFirstYear)]; }

constexpr int leapOf(int y)
{
    if (!inTable(y))
        return 0;
    const unsigned n = wordOf(y) & 0xF;
    return n == 0xF ? 0 : static_cast<int>(n);
}

constexpr int leapDays(int y)
{
    if (leapOf(y) == 0)
        return 0;
    // The table never has leap months in two years running, so the next year's nibble is free
    // to carry this one's length. 2100 has no leap month, so 2101 is never read.
    return (wordOf(y + 1) & 0xF) == 0xF ? 30 : 29;
}

constexpr int monthDays(int y, int m)
{
    if (!inTable(y) || m > 12)
        return 0;
    const int bit = m < 2 ? 15 : 15 - (m - 1);
    return (wordOf(y) >> bit) & 1 ? 30 : 29;
}

constexpr int yearDays(int y)
{
    if (!inTable(y))
        return 0;
    int days = 348;
    for (int bit = 4; bit <= 15; ++bit)
        days += (wordOf(y) >> bit) & 1;
    return days + leapDays(y);
}

// Day number of the first day of each lunar year 1900..2101 (2101 only as the end of 2100),
// so that no conversion walks from 1900.
constexpr std::array<DayNumber, 202> kYearStarts = [] {
    std::array<DayNumber, 202> starts{};
    starts[0] = toDayNumber(1900, 1, 31);
    for (std::size_t i = 1; i < starts.size(); ++i)
        starts[i] = starts[i - 1] + yearDays(LunarFirstYear + static_cast<int>(i) - 1);
    return starts;
}();

constexpr DayNumber yearStart(int y) { return kYearStarts[static_cast<std::size_t>(y - LunarFirstYear)]; }

static_assert(yearDays(1900) == 384 && yearDays(2000) == 354);
// Lunar 2000-01-01 fell on 2000-02-05: ties the table's sums to a known date.
static_assert(yearStart(2000) == toDayNumber(2000, 2, 5));

constexpr DayNumber kFirstDay = toDayNumber(1900, 1, 31);
constexpr DayNumber kEndDay = toDayNumber(2101, 1, 1); // first day without a lunar date

// --- Solar terms ---------------------------------------------------------------------------------
// The term instants were always computed on the x87 unit: (year - 1900) times a year of
// 31556925974.7 ms in 80-bit precision, plus the term's minutes times 60000, the sum stored as a
// double and rounded half-to-even to whole milliseconds. The roundings decide the last millisecond
// (and so, rarely, the day), so they are reproduced here in exact integer arithmetic, independent
// of what `long double` means on the build machine. Values are counted in units of 2^-28 ms, in
// which the year constant is the integer below.
constexpr __int128 kYearMsScaled = 8470997813976838963LL; // 31556925974.7 ms * 2^28, as held in 80 bits
constexpr int kScaleBits = 28;
// 1900-01-06 02:05:00, the instant of term 0 of 1900.
constexpr std::int64_t kTermEpochMs = toDayNumber(1900, 1, 6) * MsPerDay + (2 * 60 + 5) * 60'000;

int bitLength(unsigned __int128 v)
{
    int n = 0;
    while (v != 0) {
        v >>= 1;
        ++n;
    }
    return n;
}

// v rounded to `bits` significant binary digits, ties to even: what storing it in a floating-point
// format with that many significand bits does.
__int128 roundToBits(__int128 v, int bits)
{
    const bool negative = v < 0;
    unsigned __int128 a = negative ? -static_cast<unsigned __int128>(v) : static_cast<unsigned __int128>(v);
    const int drop = bitLength(a) - bits;
    if (drop <= 0)
        return v;
    const unsigned __int128 unit = static_cast<unsigned __int128>(1) << drop;
    const unsigned __int128 rest = a & (unit - 1);
    const unsigned __int128 half = unit >> 1;
    unsigned __int128 q = a >> drop;
    if (rest > half || (rest == half && (q & 1) != 0))
        ++q;
    a = q << drop;
    return negative ? -static_cast<__int128>(a) : static_cast<__int128>(a);
}

// Round half to even of v / 2^kScaleBits.
std::int64_t scaledToMillis(__int128 v)
{
    const bool negative = v < 0;
    unsigned __int128 a = negative ? -static_cast<unsigned __int128>(v) : static_cast<unsigned __int128>(v);
    const unsigned __int128 unit = static_cast<unsigned __int128>(1) << kScaleBits;
    unsigned __int128 q = a >> kScaleBits;
    const unsigned __int128 rest = a & (unit - 1);
    if (rest > unit / 2 || (rest == unit / 2 && (q & 1) != 0))
        ++q;
    const auto ms = static_cast<std::int64_t>(q);
    return negative ? -ms : ms;
}

int floorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
int floorMod(int a, int b) { return a - floorDiv(a, b) * b; }

} // namespace

const std::array<std::uint16_t, 201> LunarYearWords = kYearWords;
const std::array<std::int32_t, 24> SolarTermMinutes = kTermMinutes;

int LunarYearDays(int year) { return yearDays(year); }
int LeapMonthOf(int year) { return leapOf(year); }
int LeapMonthDays(int year) { return leapDays(year); }
int LunarMonthDays(int year, int month) { return monthDays(year, month); }

LunarDate SolarToLunar(DateTime date)
{
    // Written so that NaN also lands outside.
    if (!(date >= kFirstDay && date < kEndDay))
        return {};
    const auto day = static_cast<DayNumber>(date); // >= 32, so truncation is the whole day

    // The lunar year whose first day is the last one not after `day`.
    const auto next = std::upper_bound(kYearStarts.begin(), kYearStarts.end() - 1, day);
    const int year = LunarFirstYear + static_cast<int>(next - kYearStarts.begin()) - 1;
    int offset = day - yearStart(year); // [0, 384]

    // Month walk; a leap month is taken right after its regular month.
    const int leap = leapOf(year);
    bool isLeap = false;
    int month = 0;
    int len = 0;
    while (offset >= 0) {
        ++month;
        len = monthDays(year, month);
        offset -= len;
        if (offset >= 0 && month == leap) {
            len = leapDays(year);
            offset -= len;
            if (offset < 0)
                isLeap = true;
        }
    }
    offset += len;
    return {year, month, offset + 1, isLeap};
}

bool IsValidLunarDate(const LunarDate& d)
{
    if (d.year > 2099 || d.year < 1901 || d.month > 12 || d.day > 30)
        return false;
    if (d.isLeap)
        return d.month == leapOf(d.year) && leapDays(d.year) >= d.day;
    return monthDays(d.year, d.month) >= d.day;
}

DayNumber LunarToSolar(const LunarDate& d)
{
    if (!IsValidLunarDate(d))
        return NoSolarDay;
    const int leap = leapOf(d.year);
    std::int64_t offset = 0;
    for (int i = 1; i < d.month; ++i) {
        offset += monthDays(d.year, i);
        if (i == leap)
            offset += leapDays(d.year);
    }
    offset += static_cast<std::int64_t>(d.day) - 1;
    if (d.isLeap && d.month == leap)
        offset += monthDays(d.year, d.month); // the regular month comes before its leap month
    const std::int64_t result = yearStart(d.year) + offset;
    // Only a hugely negative day (which the validity rule lets through) can leave the dates.
    if (result < NoSolarDay || result > toDayNumber(9999, 12, 31))
        return NoSolarDay;
    return static_cast<DayNumber>(result);
}

std::int64_t SolarTermMillis(int year, int n)
{
    year += floorDiv(n, 24);
    n = floorMod(n, 24);
    const __int128 k = static_cast<__int128>(year) - 1900;
    const __int128 product = roundToBits(k * kYearMsScaled, 64);
    const __int128 minutes = static_cast<__int128>(kTermMinutes[static_cast<std::size_t>(n)]) * 60'000;
    const __int128 sum = roundToBits(product + (minutes << kScaleBits), 64);
    const __int128 asDouble = roundToBits(sum, 53);
    return kTermEpochMs + scaledToMillis(asDouble);
}

DateTime SolarTermTime(int year, int n) { return fromMillis(SolarTermMillis(year, n)); }

std::string SolarTermOn(DateTime x)
{
    if (!(x >= NoSolarDay && x <= toDayNumber(9999, 12, 31)))
        return {};
    const Ymd v = toYmd(datePart(x));
    for (int n : {2 * v.month - 2, 2 * v.month - 1}) {
        const std::int64_t ms = SolarTermMillis(v.year, n);
        const std::int64_t day = ms >= 0 ? ms / MsPerDay : -((-ms + MsPerDay - 1) / MsPerDay);
        if (static_cast<double>(day) == x)
            return std::string(TermNames[static_cast<std::size_t>(n)]);
    }
    return {};
}

std::string YearGanzhiText(int n)
{
    std::string text(StemNames[static_cast<std::size_t>(floorMod(n, 10))]);
    const auto branch = static_cast<std::size_t>(floorMod(n, 12));
    text += BranchNames[branch];
    text += "(";
    text += AnimalNames[branch];
    text += "年)";
    return text;
}

std::string LunarDayName(int day)
{
    const auto numeral = [](int i) { return std::string(NumeralNames[static_cast<std::size_t>(i)]); };
    if (day >= 1 && day <= 10)
        return "初" + numeral(day);
    if (day >= 11 && day <= 19)
        return "十" + numeral(day - 10);
    if (day == 20)
        return "二十";
    if (day >= 21 && day <= 29)
        return "廿" + numeral(day - 20);
    if (day == 30)
        return "三十";
    return {};
}

std::string LunarMonthName(int month, bool isLeap)
{
    std::string text;
    if (month >= 1 && month <= 10)
        text = NumeralNames[static_cast<std::size_t>(month)];
    else if (month == 11 || month == 12)
        text = "十" + std::string(NumeralNames[static_cast<std::size_t>(month - 10)]);
    if (isLeap)
        text = "闰" + text;
    return text + "月";
}

} // namespace yav
