#pragma once
// The program's text rules are stated in GBK bytes: a Chinese character is two bytes, an ASCII
// character one. Text is kept as UTF-8 everywhere; this unit is the one place that knows how many
// GBK bytes a text takes, cuts it by byte position and pads it, and converts at the edges
// (files the user saves, the net-name tables indexed by GBK code).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yav::gbk {

// UTF-8 -> GBK bytes; nullopt when some character has no GBK code (or the UTF-8 is broken).
std::optional<std::string> encode(std::string_view utf8);

// GBK bytes -> UTF-8. A byte sequence that is no GBK character becomes U+FFFD.
std::string decode(std::string_view gbkBytes);

// The first character of the text that GBK cannot encode, or empty when all can.
std::string firstUnencodable(std::string_view utf8);
inline bool encodable(std::string_view utf8) { return firstUnencodable(utf8).empty(); }

// Number of GBK bytes of the text. A character without a GBK code counts two bytes, like any
// other wide character, so that measuring never fails.
std::size_t length(std::string_view utf8);

// Bytes [start, start + count) of the text's GBK form, with start counted from 0. A character of
// which only one byte lies inside the range is left out, and the split is reported, since a few
// rules depend on noticing it (a one-digit score read as two bytes, for instance).
struct Cut {
    std::string text;
    bool splitAtStart = false; // the range began on the second byte of a character
    bool splitAtEnd = false;   // the range ended on the first byte of a character
    bool split() const { return splitAtStart || splitAtEnd; }
};
Cut cut(std::string_view utf8, std::size_t start, std::size_t count = std::string_view::npos);

// The text padded on the right with blanks to the given GBK length; longer texts stay as they are.
std::string padRight(std::string_view utf8, std::size_t bytes);

// The text broken into lines of at most the given GBK length, at character boundaries; line breaks
// already in the text are kept, and an empty line stays empty.
std::vector<std::string> wrap(std::string_view utf8, std::size_t bytes);

// Trim blanks and control characters (code <= 32) at both ends, as the program's trim does.
std::string trim(std::string_view text);

// Text file contents as the program saves them: every line GBK-encoded and followed by CR LF.
// Characters without a GBK code become '?'.
std::string toGbkLinesCrLf(std::string_view utf8Text);

} // namespace yav::gbk
