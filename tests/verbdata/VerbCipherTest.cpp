#include "verbdata/VerbCipher.h"

#include <gtest/gtest.h>
#include <nettle/md2.h>

#include <string>

namespace {

std::string Hex(std::string_view bytes)
{
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

// A vector produced by the Windows provider itself: the key derivation
// (5 digest bytes, zero salt, 40 effective bits), CBC with a zero IV and the
// padding all have to match for this to come out.
TEST(VerbCipherTest, MatchesTheProviderOnItsKnownAnswer)
{
    std::string input(2000, '\0');
    for (int i = 0; i < 2000; ++i)
        input[i] = static_cast<char>(i % 256);
    md2_ctx md2;
    md2_init(&md2);
    md2_update(&md2, input.size(), reinterpret_cast<const std::uint8_t*>(input.data()));
    std::uint8_t digest[MD2_DIGEST_SIZE];
    md2_digest(&md2, sizeof digest, digest);

    const VerbCipher::Key key = VerbCipher::KeyFromDigest(digest);
    std::string plaintext;
    for (int i = 0; i < 13; ++i)
        plaintext += static_cast<char>(i);

    const std::string cipher = VerbCipher::Encrypt(key, plaintext);
    EXPECT_EQ(Hex(cipher), "c09ae42f0a476711fb1887ce0c7507b1");

    std::string buffer = cipher;
    std::size_t size = buffer.size();
    VerbCipher::Decryptor decryptor(key);
    ASSERT_TRUE(decryptor.DecryptChunk(reinterpret_cast<std::uint8_t*>(buffer.data()), size, true));
    EXPECT_EQ(buffer.substr(0, size), plaintext);
}

TEST(VerbCipherTest, ChainsAcrossChunks)
{
    const VerbCipher::Key key = VerbCipher::PasswordKey();
    const std::string plaintext(100, 'x');
    std::string cipher = VerbCipher::Encrypt(key, plaintext);
    ASSERT_EQ(cipher.size(), 104u);

    VerbCipher::Decryptor decryptor(key);
    auto* bytes = reinterpret_cast<std::uint8_t*>(cipher.data());
    std::size_t first = 48, second = 56;
    ASSERT_TRUE(decryptor.DecryptChunk(bytes, first, false));
    ASSERT_TRUE(decryptor.DecryptChunk(bytes + 48, second, true));
    EXPECT_EQ(first, 48u);
    EXPECT_EQ(second, 52u);
    EXPECT_EQ(cipher.substr(0, 100), plaintext);
}

// Decrypts the first block of an encrypted block whose last byte is given,
// as a final chunk: only a correct PKCS#5 tail is accepted.
TEST(VerbCipherTest, FinalChunkChecksThePadding)
{
    struct Case {
        const char* Label;
        std::string Block;
        bool Accepted;
        std::size_t Size;
    };
    const Case cases[] = {
        {"one byte of padding", std::string("abcdefg\x01", 8), true, 7},
        {"a whole block of padding", std::string(8, '\x08'), true, 0},
        {"three bytes of three", std::string("abcde\x03\x03\x03", 8), true, 5},
        {"zero is no padding", std::string("abcdefg\0", 8), false, 0},
        {"nine is too long", std::string("abcdefg\x09", 8), false, 0},
        {"three bytes, not all three", std::string("abcdefg\x03", 8), false, 0},
    };
    const VerbCipher::Key key = VerbCipher::PasswordKey();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        // Encrypt pads with a whole block here; the first block alone then
        // decrypts to c.Block.
        std::string cipher = VerbCipher::Encrypt(key, c.Block).substr(0, 8);
        std::size_t size = cipher.size();
        VerbCipher::Decryptor decryptor(key);
        EXPECT_EQ(decryptor.DecryptChunk(reinterpret_cast<std::uint8_t*>(cipher.data()), size, true), c.Accepted);
        if (c.Accepted) {
            EXPECT_EQ(size, c.Size);
        }
    }
}

TEST(VerbCipherTest, RejectsChunksThatAreNoWholeBlocks)
{
    std::string data(12, 'a');
    std::size_t size = data.size();
    VerbCipher::Decryptor decryptor(VerbCipher::PasswordKey());
    EXPECT_FALSE(decryptor.DecryptChunk(reinterpret_cast<std::uint8_t*>(data.data()), size, false));
    size = 0;
    EXPECT_FALSE(decryptor.DecryptChunk(reinterpret_cast<std::uint8_t*>(data.data()), size, true));
}

}  // namespace
