#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <nettle/arctwo.h>

// The cipher of the data files: RC2-CBC with a 40-bit key derived from the MD5
// digest of a built-in password, zero IV, one chaining state per file.
// See DESIGN.md, "Data files: the cipher, measured".
namespace VerbCipher {

constexpr std::size_t BlockSize = 8;

// The password the course files are encrypted with: exactly these 20 bytes.
constexpr std::string_view Password = "k8#tw-5q!m2zr:7pd$vn";

// 16-byte RC2 key: the first 5 bytes of digest followed by 11 zero bytes.
struct Key {
    std::uint8_t Bytes[16];
};
Key KeyFromDigest(const std::uint8_t* digest);
Key PasswordKey();

// A decryption stream over the chunks of one file.
class Decryptor {
public:
    explicit Decryptor(const Key& key);

    // Decrypts size bytes in place. With final set, the PKCS#5 padding is
    // checked and removed and size shrinks accordingly. Returns false for a
    // size that is not a multiple of 8 or for bad padding.
    bool DecryptChunk(std::uint8_t* data, std::size_t& size, bool final);

private:
    arctwo_ctx Context;
    std::uint8_t Chain[BlockSize] = {};
};

// Encrypts a whole plaintext with PKCS#5 padding as one CBC stream.
std::string Encrypt(const Key& key, std::string_view plaintext);

}  // namespace VerbCipher
