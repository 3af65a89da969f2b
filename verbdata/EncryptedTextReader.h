#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "verbdata/FatalErrorKind.h"

// Reads a whole data file and returns its decrypted text: the Windows-1252
// bytes exactly as the file holds them, cut at the first NUL of each chunk.
// It never shows anything and never ends the program; a failure goes back to
// the caller, who decides how to report it.

constexpr std::size_t EncryptedChunkSize = 1000;

struct LoadResult {
    std::string Text;                    // valid when Failure is empty
    std::optional<LoadFailure> Failure;
};

// A seam for tests: sees every decryption call the reader makes.
class ChunkObserver {
public:
    virtual ~ChunkObserver() = default;
    virtual void OnDecrypt(std::size_t chunkSize, bool final) = 0;
};

// path is the path as the catalogue holds it (".\Verben\present.dat"); the
// reader maps the separators when it opens the file, and reports path itself.
LoadResult LoadEncryptedText(const std::string& path, ChunkObserver* observer = nullptr);

// The catalogue's path as a path of this platform (backslashes to slashes).
std::string NativeDataPath(const std::string& path);
