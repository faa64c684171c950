#include "naming/resultlist.h"

#include "core/gbk.h"

#include <charconv>

namespace yav::naming {
namespace {

std::optional<std::int64_t> wholeNumber(std::string_view text)
{
    const std::string t = gbk::trim(text);
    std::string_view s = t;
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    std::int64_t value = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || res.ec != std::errc() || res.ptr != s.data() + s.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::int64_t> scoreOf(std::string_view line)
{
    const std::size_t open = line.find('(');
    if (open == std::string_view::npos)
        return std::nullopt;
    const std::size_t fen = line.find("分", open + 1);
    if (fen == std::string_view::npos)
        return std::nullopt;
    return wholeNumber(line.substr(open + 1, fen - open - 1));
}

std::int64_t highScoreBar(std::string_view text)
{
    if (gbk::trim(text).empty())
        return 98;
    return wholeNumber(text).value_or(95);
}

bool isHighScore(std::string_view line, std::string_view barText)
{
    if (line.find("100") != std::string_view::npos)
        return true;
    const auto score = scoreOf(line);
    return score && *score >= highScoreBar(barText);
}

std::string column(std::string_view name)
{
    const std::size_t n = gbk::length(name);
    return n >= 10 && n < ColumnBytes ? gbk::padRight(name, ColumnBytes) : std::string(name);
}

ResultList::Step ResultList::add(std::string_view line, bool autoPick, std::string_view barText)
{
    Step step;
    step.name = gbk::trim(line);
    step.high = autoPick && isHighScore(step.name, barText);
    RowText += column(step.name);
    if (++RowCount == NamesPerRow) {
        step.row = std::move(RowText);
        RowText.clear();
        RowCount = 0;
    }
    return step;
}

std::optional<std::string> ResultList::finish()
{
    if (RowCount == 0)
        return std::nullopt;
    std::optional<std::string> row = std::move(RowText);
    RowText.clear();
    RowCount = 0;
    return row;
}

void ResultList::reset()
{
    RowText.clear();
    RowCount = 0;
}

} // namespace yav::naming
