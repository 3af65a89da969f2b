#pragma once

#include <optional>
#include <string>
#include <string_view>

// Turns a UTF-8 course text into the bytes of an encrypted data file:
// Windows-1252, CRLF line ends, PKCS#5-padded RC2-CBC.
struct EncodedDataFile {
    std::string Bytes;
    // Set when the text cannot be stored: 1-based line and a description.
    std::optional<std::pair<int, std::string>> Error;
};

EncodedDataFile EncodeDataFile(std::string_view utf8Text);

// Writes bytes to path through a temporary file, so that a failure never
// leaves a half-written file behind. Returns an error text, or empty.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);
