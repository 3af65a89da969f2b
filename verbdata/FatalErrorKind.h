#pragma once

#include <string>

// The two kinds of fatal error the program knows. The numbers are part of the
// program's contract with its message texts and must not change.
enum class FatalErrorKind : int {
    UnexpectedError = 0,
    FileNotLoadable = 1,
};

// What went wrong while a data file was read: the core reports it, the shell
// shows it and ends the program.
struct LoadFailure {
    FatalErrorKind Kind = FatalErrorKind::UnexpectedError;
    std::string Path;  // the path as the caller passed it; empty for UnexpectedError
};
