#include "tools/lexamo-data/DataFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "verbdata/EncryptedTextReader.h"
#include "verbdata/VerbCipher.h"
#include "verbdata/Windows1252.h"

namespace {

std::string WithCrlf(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

int LineOfOffset(std::string_view text, std::size_t offset)
{
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + offset, '\n'));
}

std::string DescribeCodePoint(std::string_view text, std::size_t offset, char32_t cp)
{
    if (cp == 0xFFFD)
        return "malformed UTF-8";
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(cp));
    // The character itself, as written in the source.
    std::size_t end = offset + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return "character '" + std::string(text.substr(offset, end - offset)) + "' (" + hex +
           ") cannot be written in Windows-1252";
}

}  // namespace

EncodedDataFile EncodeDataFile(std::string_view utf8Text)
{
    EncodedDataFile result;
    if (const std::size_t nul = utf8Text.find('\0'); nul != std::string_view::npos) {
        result.Error = {{LineOfOffset(utf8Text, nul), "NUL character (the reader would cut the text there)"}};
        return result;
    }
    const Windows1252::FromUtf8Result converted = Windows1252::FromUtf8(utf8Text);
    if (converted.Error) {
        result.Error = {{LineOfOffset(utf8Text, converted.Error->Offset),
                         DescribeCodePoint(utf8Text, converted.Error->Offset, converted.Error->CodePoint)}};
        return result;
    }

    // A file of whole 1000-byte chunks would be read without a final call and
    // keep its padding in the text. Line ends are ignored by the format, so
    // add some until the size is right; padding can swallow one CRLF, so one
    // is not always enough.
    std::string plaintext = WithCrlf(converted.Bytes);
    const VerbCipher::Key key = VerbCipher::PasswordKey();
    result.Bytes = VerbCipher::Encrypt(key, plaintext);
    while (result.Bytes.size() % EncryptedChunkSize == 0) {
        plaintext += "\r\n";
        result.Bytes = VerbCipher::Encrypt(key, plaintext);
    }
    return result;
}

std::string WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return std::string("cannot create file: ") + std::strerror(errno);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    std::error_code error;
    if (!written || !closed) {
        std::filesystem::remove(temporary, error);
        return std::string("cannot write file: ") + std::strerror(written ? errno : writeErrno);
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return "cannot replace file: " + error.message();
    }
    return {};
}
