#include "verbdata/EncryptedTextReader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>

#include "verbdata/VerbCipher.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

LoadResult Failed(FatalErrorKind kind, std::string path = {})
{
    return LoadResult{{}, LoadFailure{kind, std::move(path)}};
}

// A folder can be opened for reading on some systems, but it is no data file.
FileHandle OpenDataFile(const std::string& path)
{
    if (path.empty())
        return nullptr;
    const std::string native = NativeDataPath(path);
    std::error_code error;
    if (std::filesystem::is_directory(native, error))
        return nullptr;
    return FileHandle(std::fopen(native.c_str(), "rb"));
}

}  // namespace

std::string NativeDataPath(const std::string& path)
{
    std::string native = path;
    if constexpr (std::filesystem::path::preferred_separator == '/')
        std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

LoadResult LoadEncryptedText(const std::string& path, ChunkObserver* observer)
{
    try {
        // The key comes first: a cipher that cannot be set up is reported
        // even when the file is missing as well.
        VerbCipher::Decryptor decryptor(VerbCipher::PasswordKey());

        FileHandle file = OpenDataFile(path);
        if (!file)
            return Failed(FatalErrorKind::FileNotLoadable, path);

        // Room for one chunk plus a block and a terminator, as the format
        // has always allowed; reads never fill more than a chunk.
        std::array<std::uint8_t, EncryptedChunkSize + VerbCipher::BlockSize + 1> buffer{};

        std::string text;
        std::error_code error;
        const auto size = std::filesystem::file_size(NativeDataPath(path), error);
        if (!error)
            text.reserve(size);

        bool final = false;
        std::size_t n = std::fread(buffer.data(), 1, EncryptedChunkSize, file.get());
        while (n != 0) {
            // A chunk is the last one exactly when it is short; a file of
            // whole chunks is read without a final call.
            if (n < EncryptedChunkSize)
                final = true;
            if (observer)
                observer->OnDecrypt(n, final);
            if (!decryptor.DecryptChunk(buffer.data(), n, final))
                return Failed(FatalErrorKind::UnexpectedError);

            const auto* bytes = reinterpret_cast<const char*>(buffer.data());
            const void* nul = std::memchr(bytes, '\0', n);
            text.append(bytes, nul ? static_cast<const char*>(nul) - bytes : n);

            n = std::fread(buffer.data(), 1, EncryptedChunkSize, file.get());
        }
        if (std::ferror(file.get()))
            return Failed(FatalErrorKind::UnexpectedError);
        return LoadResult{std::move(text), std::nullopt};
    } catch (const std::bad_alloc&) {
        return Failed(FatalErrorKind::UnexpectedError);
    } catch (const std::exception&) {
        return Failed(FatalErrorKind::UnexpectedError);
    }
}
