#pragma once

#include <QPointer>
#include <vector>

#include "platform/Dialog.h"

// The application object: one per program, holding the current main window,
// the dialog that stands for the program at the moment (the main menu, or the
// quiz while one runs). It is a plain object, so that it can be a static
// constructed before Qt starts. The rules it keeps:
//   1. a dialog made without a parent is owned by the current main window
//      while its modal run lasts, unless that main window is not open yet
//      (Dialog::DoModal);
//   2. the window a command acts for is the current main window;
//   3. when the current main window's modal run ends while it is still the
//      current main window, the reference is cleared and every running modal
//      run is asked to end, so the program ends;
//   4. whoever closes towards the rest of the program asks MainWindow() then.
class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The application object constructed last and still alive, or a default
    // one when the program has none of its own (tests of single dialogs).
    static Application& Instance();

    // The start-up, called once QApplication exists. The base does the
    // framework's own part and returns true; a program's start-up returns
    // false once its main window has closed, and the program ends.
    virtual bool InitInstance();

    Dialog* MainWindow() const { return MainWindow_; }
    void SetMainWindow(Dialog* dialog) { MainWindow_ = dialog; }

    // The quit request: every modal run that is going on when the request is
    // handled (after the current handler has returned) ends, innermost first,
    // and a run started before then ends at once. Nothing happens when no
    // modal run is going on.
    void PostQuit();
    bool QuitPending() const { return QuitPending_; }

    // The dialogs whose modal runs are going on, the innermost last.
    const std::vector<Dialog*>& ModalRuns() const { return ModalRuns_; }

    // F1 in any dialog: finds the dialog that holds the mouse grab or, failing
    // that, the focus, and asks OnHelp for its template's topic. receiver is
    // the dialog the key came to, which has the focus when the window system
    // does not say where it is.
    void HelpKeyPressed(Dialog* receiver);

protected:
    // The context help of a dialog template; the default shows nothing.
    virtual void OnHelp(int templateId);

private:
    friend class Dialog;
    void RunStarted(Dialog* dialog);
    void RunEnded(Dialog* dialog);
    void EndAllRuns();

    QPointer<Dialog> MainWindow_;
    std::vector<Dialog*> ModalRuns_;
    bool QuitPending_ = false;
};
