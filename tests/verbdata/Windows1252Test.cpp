#include "verbdata/Windows1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Windows1252Test, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const Windows1252::FromUtf8Result back = Windows1252::FromUtf8(Windows1252::ToUtf8(all));
    ASSERT_FALSE(back.Error);
    EXPECT_EQ(back.Bytes, all);
}

TEST(Windows1252Test, MapsTheCharactersOfTheCourse)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Le\xE7on 1", "Leçon 1"},
        {"pr\xE9sent", "présent"},
        {"\x80", "€"},
        {"\x9C", "œ"},
        {"\x81", "\xC2\x81"},  // undefined in Windows-1252, kept as the C1 control
        {"\xA0", "\xC2\xA0"},  // no-break space
    };
    for (const auto& [bytes, utf8] : cases) {
        EXPECT_EQ(Windows1252::ToUtf8(bytes), utf8);
        const Windows1252::FromUtf8Result back = Windows1252::FromUtf8(utf8);
        EXPECT_FALSE(back.Error);
        EXPECT_EQ(back.Bytes, bytes);
    }
}

TEST(Windows1252Test, ReportsWhatItCannotHold)
{
    struct Case {
        std::string Utf8;
        std::size_t Offset;
        char32_t CodePoint;
    };
    const Case cases[] = {
        {"ab\xC4\x9B", 2, 0x011B},            // ě
        {"x\xE2\x80\x94y\xE2\x86\x92", 5, 0x2192},  // the dash maps, the arrow does not
        {"\xF0\x9F\x98\x80", 0, 0x1F600},
        {"ab\xC3", 2, 0xFFFD},                // truncated sequence
        {"\xC0\xA9", 0, 0xFFFD},              // overlong
        {"\xFF", 0, 0xFFFD},
    };
    for (const Case& c : cases) {
        const Windows1252::FromUtf8Result result = Windows1252::FromUtf8(c.Utf8);
        ASSERT_TRUE(result.Error) << c.Utf8;
        EXPECT_EQ(result.Error->Offset, c.Offset) << c.Utf8;
        EXPECT_EQ(result.Error->CodePoint, c.CodePoint) << c.Utf8;
    }
}

}  // namespace
