#include "shell/ShowFatalError.h"

#include <cstdlib>

#include "platform/MessageBox.h"

namespace {

void ShowErrorBox(QWidget* owner, const std::string& caption, const std::string& text)
{
    ShowMessageBox(owner, caption, text, MessageIcon::Error);
}

FatalErrorBox CurrentBox = &ShowErrorBox;

}  // namespace

std::string FatalErrorMessage(FatalErrorKind kind, const std::string& text)
{
    switch (kind) {
    case FatalErrorKind::UnexpectedError:
        return "Ein unerwarteter Fehler ist aufgetreten!";
    case FatalErrorKind::FileNotLoadable:
        return "Die Datei \"" + text + "\" konnte nicht geladen werden!";
    }
    return {};
}

void ShowFatalError(QWidget* reporter, FatalErrorKind kind, const std::string& text)
{
    const std::string message = FatalErrorMessage(kind, text);
    if (!message.empty())
        CurrentBox(reporter, std::string(FatalErrorCaption), message);
    std::exit(0);
}

void ShowFatalError(QWidget* reporter, const LoadFailure& failure)
{
    ShowFatalError(reporter, failure.Kind, failure.Path);
}

FatalErrorBox SetFatalErrorBox(FatalErrorBox box)
{
    const FatalErrorBox previous = CurrentBox;
    CurrentBox = box ? box : &ShowErrorBox;
    return previous;
}
