#pragma once

#include <string>
#include <string_view>

#include "verbdata/FatalErrorKind.h"

class QWidget;

inline constexpr std::string_view FatalErrorCaption = "Lexamo 3.0";

// The message of a fatal error; text is the file path for FileNotLoadable.
// Empty for a kind the program does not know.
std::string FatalErrorMessage(FatalErrorKind kind, const std::string& text);

// Shows the message in an error box owned by reporter, captioned "Lexamo 3.0"
// (no box for an unknown kind), then ends the process with exit(0): exit
// handlers and static objects run, windows are not closed first, so no
// dialog's close or destroy handling runs.
[[noreturn]] void ShowFatalError(QWidget* reporter, FatalErrorKind kind, const std::string& text);
[[noreturn]] void ShowFatalError(QWidget* reporter, const LoadFailure& failure);

// What shows the box. Tests put a recorder here; nullptr brings back the
// message box. Returns the one it replaces.
using FatalErrorBox = void (*)(QWidget* owner, const std::string& caption, const std::string& text);
FatalErrorBox SetFatalErrorBox(FatalErrorBox box);
