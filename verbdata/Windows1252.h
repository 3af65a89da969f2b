#pragma once

#include <optional>
#include <string>
#include <string_view>

// The data files hold Windows-1252 text; inside the program every text is
// UTF-8. The mapping is a bijection over all 256 byte values: the five bytes
// Windows-1252 leaves undefined map to U+0081, U+008D, U+008F, U+0090 and
// U+009D, as Windows itself does.
namespace Windows1252 {

std::string ToUtf8(std::string_view bytes);

struct Unmappable {
    std::size_t Offset;     // byte offset of the character in the UTF-8 input
    char32_t CodePoint;     // 0xFFFD for a malformed UTF-8 sequence
};

// Converts UTF-8 to Windows-1252. Fails on the first character that
// Windows-1252 cannot hold, or on malformed UTF-8.
struct FromUtf8Result {
    std::string Bytes;
    std::optional<Unmappable> Error;
};
FromUtf8Result FromUtf8(std::string_view utf8);

}  // namespace Windows1252
