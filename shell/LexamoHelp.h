#pragma once

class QString;
class QWidget;

// The program's help: a Qt Help collection (lexamo.qhc beside the executable)
// shown in Qt Assistant, which the program starts and ends.
//
// Context topics are Qt Help identifiers in the collection, one for each
// dialog template that has a topic: "0x20000 + template id" written in hex,
//   0x20066  main menu (template 102)
//   0x20067  quiz (template 103)
//   0x20068  results (template 104)
//   0x20078  about box (template 120)
namespace LexamoHelp {

// The contents view of the help. requester is the dialog that asks; a viewer
// that cannot be started gives the "Failed to launch help." box over it.
void ShowHelp(QWidget* requester);

// The context topic of a dialog template: 0x20000 + templateId. A template
// without a topic of its own lands on the contents page.
void ShowContextHelp(QWidget* requester, int templateId);

// Ends the viewer this program started, if it still runs.
void CloseHelp();

// The identifier of a template's context topic, e.g. "0x20066" for 102.
QString ContextIdentifier(int templateId);

// The program started as the viewer. Empty (the default) means Qt Assistant
// from Qt's binaries folder; tests put a stand-in here.
void SetViewerProgram(const QString& program);

}  // namespace LexamoHelp
