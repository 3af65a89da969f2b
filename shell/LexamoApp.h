#pragma once

#include "platform/Application.h"

// The application object: one static instance per program. Its start-up
// shows the main menu modally as the current main window and returns when
// that menu's run has ended, which ends the program.
class LexamoApp : public Application {
public:
    // Always false: there is no message loop of the program's own.
    bool InitInstance() override;

protected:
    // F1: the context topic of the dialog that asked, over the current main window.
    void OnHelp(int templateId) override;
};
