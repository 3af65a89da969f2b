#pragma once

// Helpers for driving the quiz dialog and the whole program from inside
// their modal runs, and for reading what the controls show.

#include <QColor>
#include <QString>
#include <functional>
#include <string>

#include "verbdata/VerbRecord.h"

class Dialog;
class QTimer;
class QWidget;
class Verbenabfrage;

namespace quizdialogtest {

// Runs step once control is back in the event loop of whatever modal run is
// innermost then. A step that opens a modal dialog schedules the steps for
// that dialog with Later before it opens it.
void Later(const std::function<void()>& step);

// Guards a test that runs modal dialogs: if they are still running after
// the time given, the test fails and every modal run is asked to end, so a
// missing close shows as a failure instead of a hang.
class Watchdog {
public:
    explicit Watchdog(int milliseconds = 15000);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    QTimer* Timer_;
};

// Runs dialog modally with step called inside its run; returns DoModal's code.
int RunModal(Dialog& dialog, const std::function<void()>& step);

// The quiz that is the current main window, or nullptr.
Verbenabfrage* RunningQuiz();

// The record of a verb in the course file that the build made for a tense,
// read the way the quiz reads it.
VerbRecord CourseRecord(const std::string& tense, int verb);

// Types text (UTF-8) into a control key by key, as a user would; characters
// beyond Latin-1 arrive as key events with that text, too.
void TypeInto(QWidget* control, const std::string& text);

// What a label, edit field or button shows, as UTF-8.
std::string TextOf(const QWidget* control);
// The colour a label draws its text in.
QColor TextColour(const QWidget* control);
bool IsBold(const QWidget* control);

// The text of a menu item of the dialog, addressed by its command.
std::string MenuText(const Dialog& dialog, int command);

inline const QColor Green(0, 128, 0);
inline const QColor Red(255, 0, 0);
inline const QColor Black(0, 0, 0);

}  // namespace quizdialogtest
