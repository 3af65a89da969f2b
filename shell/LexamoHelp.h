#pragma once

class QWidget;

// The program's help: a Qt Help collection (lexamo.qhc beside the executable)
// shown in Qt Assistant, which the program starts and ends.
namespace LexamoHelp {

// The contents view of the help. requester is the dialog that asks; a viewer
// that cannot be started gives the "Failed to launch help." box over it.
void ShowHelp(QWidget* requester);

// The context topic of a dialog template: 0x20000 + templateId.
void ShowContextHelp(QWidget* requester, int templateId);

// Ends the viewer this program started, if it still runs.
void CloseHelp();

}  // namespace LexamoHelp
