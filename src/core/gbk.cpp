#include "core/gbk.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace yav::gbk {
namespace {

constexpr char32_t Replacement = 0xFFFD;

// The double-byte area of GBK: lead bytes 0x81..0xFE, trail bytes 0x40..0xFE except 0x7F.
constexpr int LeadCount = 0xFE - 0x81 + 1;
constexpr int TrailCount = 0xFE - 0x40 + 1;

struct Tables {
    std::array<char32_t, LeadCount * TrailCount> toUnicode{};
    std::unordered_map<char32_t, std::uint16_t> fromUnicode;
};

// Built once from the C library's converter (CP936, the code page saved files use), so the
// mapping is the system's own and every later conversion is a table look-up.
const Tables& tables()
{
    static Tables t;
    static std::once_flag once;
    std::call_once(once, [] {
        iconv_t cd = iconv_open("UTF-32LE", "CP936");
        if (cd == reinterpret_cast<iconv_t>(-1))
            cd = iconv_open("UTF-32LE", "GBK");
        t.fromUnicode.reserve(24000);
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                char32_t cp = 0;
                if (trail != 0x7F && cd != reinterpret_cast<iconv_t>(-1)) {
                    char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                    unsigned char out[8] = {};
                    char* inp = in;
                    char* outp = reinterpret_cast<char*>(out);
                    size_t inLeft = 2, outLeft = sizeof out;
                    iconv(cd, nullptr, nullptr, nullptr, nullptr);
                    if (iconv(cd, &inp, &inLeft, &outp, &outLeft) != static_cast<size_t>(-1) && inLeft == 0
                        && outLeft == 4) {
                        cp = out[0] | (out[1] << 8) | (out[2] << 16) | (char32_t(out[3]) << 24);
                    }
                }
                t.toUnicode[(lead - 0x81) * TrailCount + (trail - 0x40)] = cp;
                if (cp != 0 && cp >= 0x80)
                    t.fromUnicode.emplace(cp, static_cast<std::uint16_t>((lead << 8) | trail));
            }
        }
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
    });
    return t;
}

// Next code point of UTF-8 text; malformed input yields U+FFFD and skips one byte.
char32_t nextCodePoint(std::string_view s, std::size_t& i, std::size_t* width = nullptr)
{
    const std::size_t start = i;
    const auto b0 = static_cast<unsigned char>(s[i]);
    int n = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
    char32_t cp = Replacement;
    if (n == 1) {
        cp = b0;
    } else if (n > 1 && start + n <= s.size()) {
        cp = b0 & (0x7F >> n);
        for (int k = 1; k < n; ++k) {
            const auto b = static_cast<unsigned char>(s[start + k]);
            if ((b & 0xC0) != 0x80) {
                cp = Replacement;
                n = 1;
                break;
            }
            cp = (cp << 6) | (b & 0x3F);
        }
    } else {
        n = 1;
    }
    i = start + n;
    if (width)
        *width = n;
    return cp;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// GBK code of one code point: -1 when there is none. ASCII maps to itself.
int gbkCode(char32_t cp)
{
    if (cp < 0x80)
        return static_cast<int>(cp);
    const auto& map = tables().fromUnicode;
    auto it = map.find(cp);
    return it == map.end() ? -1 : it->second;
}

std::size_t widthOf(char32_t cp) { return cp < 0x80 ? 1 : 2; }

} // namespace

std::optional<std::string> encode(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = nextCodePoint(utf8, i);
        const int code = cp == Replacement ? -1 : gbkCode(cp);
        if (code < 0)
            return std::nullopt;
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else {
            out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
        }
    }
    return out;
}

std::string decode(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    const auto& t = tables();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            continue;
        }
        char32_t cp = Replacement;
        if (b >= 0x81 && b <= 0xFE && i + 1 < bytes.size()) {
            const auto trail = static_cast<unsigned char>(bytes[i + 1]);
            if (trail >= 0x40 && trail <= 0xFE && trail != 0x7F) {
                const char32_t mapped = t.toUnicode[(b - 0x81) * TrailCount + (trail - 0x40)];
                if (mapped != 0)
                    cp = mapped;
                ++i;
            }
        }
        appendUtf8(out, cp);
    }
    return out;
}

std::string firstUnencodable(std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const char32_t cp = nextCodePoint(utf8, i);
        if (cp == Replacement || gbkCode(cp) < 0)
            return std::string(utf8.substr(start, i - start));
    }
    return {};
}

std::size_t length(std::string_view utf8)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size();)
        n += widthOf(nextCodePoint(utf8, i));
    return n;
}

Cut cut(std::string_view utf8, std::size_t start, std::size_t count)
{
    Cut result;
    const std::size_t end = count == std::string_view::npos || start + count < start ? std::string_view::npos
                                                                                      : start + count;
    std::size_t pos = 0; // GBK byte position of the current character
    for (std::size_t i = 0; i < utf8.size() && pos < end;) {
        const std::size_t from = i;
        const std::size_t w = widthOf(nextCodePoint(utf8, i));
        const std::size_t charEnd = pos + w;
        if (charEnd <= start) {
            // wholly before the range
        } else if (pos < start) {
            result.splitAtStart = true;
        } else if (charEnd > end) {
            result.splitAtEnd = true;
        } else {
            result.text.append(utf8.substr(from, i - from));
        }
        pos = charEnd;
    }
    return result;
}

std::string padRight(std::string_view utf8, std::size_t bytes)
{
    std::string out(utf8);
    const std::size_t n = length(utf8);
    if (n < bytes)
        out.append(bytes - n, ' ');
    return out;
}

std::vector<std::string> wrap(std::string_view utf8, std::size_t bytes)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t from = i;
        const char32_t cp = nextCodePoint(utf8, i);
        if (cp == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            width = 0;
            continue;
        }
        const std::size_t w = widthOf(cp);
        if (width + w > bytes && !line.empty()) {
            lines.push_back(std::move(line));
            line.clear();
            width = 0;
        }
        line.append(utf8.substr(from, i - from));
        width += w;
    }
    lines.push_back(std::move(line));
    return lines;
}

std::string trim(std::string_view text)
{
    std::size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ')
        --e;
    return std::string(text.substr(b, e - b));
}

std::string toGbkLinesCrLf(std::string_view utf8Text)
{
    std::string out;
    std::size_t start = 0;
    while (start < utf8Text.size()) {
        std::size_t nl = utf8Text.find('\n', start);
        std::string_view line = utf8Text.substr(start, nl == std::string_view::npos ? std::string_view::npos : nl - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::string encoded;
        for (std::size_t i = 0; i < line.size();) {
            const std::size_t from = i;
            nextCodePoint(line, i);
            auto piece = encode(line.substr(from, i - from));
            encoded += piece ? *piece : std::string("?");
        }
        out += encoded;
        out += "\r\n";
        if (nl == std::string_view::npos)
            break;
        start = nl + 1;
    }
    return out;
}

} // namespace yav::gbk
