#include "tools/lexamo-data/DataFileWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "verbdata/EncryptedTextReader.h"
#include "verbdata/VerbCipher.h"

namespace fs = std::filesystem;

namespace {

std::string Decrypt(const std::string& bytes)
{
    const fs::path file = fs::temp_directory_path() / ("lexamo-writer-" + std::to_string(::getpid()) + ".dat");
    std::ofstream(file, std::ios::binary).write(bytes.data(), bytes.size());
    const LoadResult result = LoadEncryptedText(file.string());
    fs::remove(file);
    EXPECT_FALSE(result.Failure);
    return result.Text;
}

TEST(DataFileWriterTest, WritesWindows1252WithCrlfLineEnds)
{
    const EncodedDataFile encoded = EncodeDataFile("#1#\nsein\nêtre\r\nsuis\n");
    ASSERT_FALSE(encoded.Error);
    EXPECT_EQ(Decrypt(encoded.Bytes), "#1#\r\nsein\r\n\xEAtre\r\nsuis\r\n");
}

// Sizes whose ciphertext would be a whole number of chunks: such a file is
// read without a final call, so line ends are added until it is not. 992
// bytes needs four of them, since the padding swallows the first three.
TEST(DataFileWriterTest, NeverWritesWholeChunks)
{
    for (std::size_t size : {991u, 992u, 995u, 999u, 1992u, 2999u, 8u, 0u}) {
        SCOPED_TRACE(size);
        const std::string text(size, 'a');
        const EncodedDataFile encoded = EncodeDataFile(text);
        ASSERT_FALSE(encoded.Error);
        EXPECT_NE(encoded.Bytes.size() % EncryptedChunkSize, 0u);
        const std::string back = Decrypt(encoded.Bytes);
        ASSERT_GE(back.size(), text.size());
        EXPECT_EQ(back.substr(0, size), text);
        const std::string tail = back.substr(size);
        EXPECT_EQ(tail.find_first_not_of("\r\n"), std::string::npos);
        EXPECT_LE(tail.size(), 8u);
    }
}

TEST(DataFileWriterTest, RefusesWhatTheFormatCannotHold)
{
    struct Case {
        std::string Text;
        int Line;
        const char* Says;
    };
    const Case cases[] = {
        {"#1#\nsein\nêtre\nzvolit → ě\n", 4, "U+2192"},
        {"a\nb\nc\xC3", 3, "malformed UTF-8"},
        {std::string("a\nb\0c\n", 6), 2, "NUL"},
    };
    for (const Case& c : cases) {
        const EncodedDataFile encoded = EncodeDataFile(c.Text);
        ASSERT_TRUE(encoded.Error) << c.Says;
        EXPECT_EQ(encoded.Error->first, c.Line) << c.Says;
        EXPECT_NE(encoded.Error->second.find(c.Says), std::string::npos) << encoded.Error->second;
    }
}

}  // namespace
