#include "verbdata/VerbCipher.h"

#include <cstring>

#include <nettle/cbc.h>
#include <nettle/md5.h>

namespace VerbCipher {
namespace {

// The provider derives a 40-bit key: 5 digest bytes, padded with an 11-byte
// zero salt to a 16-byte key whose effective length is 40 bits.
constexpr std::size_t KeyBytesFromDigest = 5;
constexpr unsigned EffectiveKeyBits = 40;

// Nettle's RC2 functions take a non-const context; the CBC helpers want the
// generic block-function signature.
void DecryptBlocks(const void* context, std::size_t length, std::uint8_t* dst, const std::uint8_t* src)
{
    arctwo_decrypt(static_cast<arctwo_ctx*>(const_cast<void*>(context)), length, dst, src);
}

void EncryptBlocks(const void* context, std::size_t length, std::uint8_t* dst, const std::uint8_t* src)
{
    arctwo_encrypt(static_cast<arctwo_ctx*>(const_cast<void*>(context)), length, dst, src);
}

void InitContext(arctwo_ctx& context, const Key& key)
{
    arctwo_set_key_ekb(&context, sizeof key.Bytes, key.Bytes, EffectiveKeyBits);
}

}  // namespace

Key KeyFromDigest(const std::uint8_t* digest)
{
    Key key{};
    std::memcpy(key.Bytes, digest, KeyBytesFromDigest);
    return key;
}

Key PasswordKey()
{
    md5_ctx md5;
    md5_init(&md5);
    md5_update(&md5, Password.size(), reinterpret_cast<const std::uint8_t*>(Password.data()));
    std::uint8_t digest[MD5_DIGEST_SIZE];
    md5_digest(&md5, sizeof digest, digest);
    return KeyFromDigest(digest);
}

Decryptor::Decryptor(const Key& key)
{
    InitContext(Context, key);
}

bool Decryptor::DecryptChunk(std::uint8_t* data, std::size_t& size, bool final)
{
    if (size % BlockSize != 0)
        return false;
    cbc_decrypt(&Context, DecryptBlocks, BlockSize, Chain, size,
                data, data);
    if (!final)
        return true;

    if (size == 0)
        return false;
    const std::uint8_t pad = data[size - 1];
    if (pad < 1 || pad > BlockSize || pad > size)
        return false;
    for (std::size_t i = size - pad; i < size; ++i) {
        if (data[i] != pad)
            return false;
    }
    size -= pad;
    return true;
}

std::string Encrypt(const Key& key, std::string_view plaintext)
{
    arctwo_ctx context;
    InitContext(context, key);

    const std::size_t pad = BlockSize - plaintext.size() % BlockSize;
    std::string buffer(plaintext);
    buffer.append(pad, static_cast<char>(pad));

    std::uint8_t iv[BlockSize] = {};
    auto* bytes = reinterpret_cast<std::uint8_t*>(buffer.data());
    cbc_encrypt(&context, EncryptBlocks, BlockSize, iv, buffer.size(),
                bytes, bytes);
    return buffer;
}

}  // namespace VerbCipher
