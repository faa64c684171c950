#include "numerology/pinyin_data.h"

namespace yav {
namespace {
#include "numerology/pinyin_data.inc"
} // namespace

std::span<const std::string_view> pinyinSyllables()
{
    return kPinyinSyllables;
}

std::uint16_t pinyinNumberOfGbk(unsigned char lead, unsigned char trail)
{
    if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE)
        return 0;
    const std::uint16_t n = kPinyinOfGbk[(lead - 0x81) * 191 + (trail - 0x40)];
    return n < std::size(kPinyinSyllables) ? n : 0;
}

std::string_view pinyinOfGbk(unsigned char lead, unsigned char trail)
{
    return kPinyinSyllables[pinyinNumberOfGbk(lead, trail)];
}

std::string_view gbkNumberedFormText(unsigned char trail)
{
    return trail >= 0xA1 && trail <= 0xFE ? kGbkNumberedForms[trail - 0xA1] : std::string_view();
}

std::string_view gbkGreekLetterText(unsigned char trail)
{
    if (trail >= 0xA1 && trail <= 0xB8)
        return kGbkGreekLetters[trail - 0xA1];
    if (trail >= 0xC1 && trail <= 0xD8)
        return kGbkGreekLetters[trail - 0xC1];
    return {};
}

} // namespace yav
