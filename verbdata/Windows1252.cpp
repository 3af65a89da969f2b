#include "verbdata/Windows1252.h"

#include <array>

namespace Windows1252 {
namespace {

// Code points of the bytes 0x80 to 0x9F; the five undefined bytes map to the
// C1 control of the same value.
constexpr std::array<char32_t, 32> HighControlRange{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t CodePointOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return HighControlRange[byte - 0x80];
    return byte;
}

std::optional<unsigned char> ByteOf(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<unsigned char>(cp);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == cp)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[pos]; advances pos. Malformed input
// (bad lead byte, truncated or overlong sequence, surrogate) gives U+FFFD.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos)
{
    constexpr char32_t Invalid = 0xFFFD;
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    int length;
    char32_t cp;
    if ((lead & 0xE0) == 0xC0) {
        length = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3;
        cp = lead & 0x07;
    } else {
        return Invalid;
    }
    for (int i = 0; i < length; ++i) {
        if (pos >= text.size())
            return Invalid;
        const auto next = static_cast<unsigned char>(text[pos]);
        if ((next & 0xC0) != 0x80)
            return Invalid;
        cp = (cp << 6) | (next & 0x3F);
        ++pos;
    }
    constexpr char32_t Smallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < Smallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return Invalid;
    return cp;
}

}  // namespace

std::string ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes)
        AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    return out;
}

FromUtf8Result FromUtf8(std::string_view utf8)
{
    FromUtf8Result result;
    result.Bytes.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const char32_t cp = DecodeUtf8(utf8, pos);
        const std::optional<unsigned char> byte = cp == 0xFFFD ? std::nullopt : ByteOf(cp);
        if (!byte) {
            result.Error = Unmappable{start, cp};
            return result;
        }
        result.Bytes += static_cast<char>(*byte);
    }
    return result;
}

}  // namespace Windows1252
