// The quiz dialog on the course the build made, offscreen:
//  - from "&OK" in the main menu to the quiz dialog shown and painted: the
//    data file read and decrypted, every verb of the range checked for a
//    complete record, the engine started, the state shown; once for the
//    first lesson and once for the whole course (the longest record check);
//  - one check of the answers through the dialog: the inputs read back, the
//    engine's judgement, the state shown again and painted.
// Both stand for waits a user feels; 100 ms is where a wait starts to show.

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "catalog/LessonCatalog.h"
#include "platform/Application.h"
#include "quiz/Verbenabfrage.h"
#include "shell/Hauptmenue.h"
#include "verbdata/EncryptedTextReader.h"
#include "verbdata/VerbRecord.h"
#include "verbdata/Windows1252.h"

namespace {

using Clock = std::chrono::steady_clock;
using Q = Verbenabfrage;

void Later(const std::function<void()>& step)
{
    QTimer::singleShot(0, QCoreApplication::instance(), step);
}

// Runs body inside the main menu's modal run, the menu being the current
// main window, with the "bis" list on toLesson.
void InMainMenu(const char* toLesson, const std::function<void(Hauptmenue&)>& body)
{
    Hauptmenue menu;
    Application::Instance().SetMainWindow(&menu);
    Later([&] {
        auto* to = menu.ControlAs<QComboBox>(Hauptmenue::ToList);
        to->setCurrentIndex(to->findText(QString::fromUtf8(toLesson)));
        body(menu);
        menu.EndDialog(IdCancel);
    });
    menu.DoModal();
}

const char* ToLessonOf(const benchmark::State& state)
{
    return state.range(0) == 0 ? "Leçon 1" : "Leçon 29";
}

void OkToQuizShown(benchmark::State& state)
{
    InMainMenu(ToLessonOf(state), [&](Hauptmenue& menu) {
        for (auto _ : state) {
            const Clock::time_point start = Clock::now();
            Clock::duration elapsed{};
            Later([&] {  // the first thing the quiz's run does once the window is up
                Q* quiz = dynamic_cast<Q*>(Application::Instance().MainWindow());
                if (!quiz || !quiz->isVisible()) {
                    state.SkipWithError("the quiz did not come up");
                } else {
                    quiz->repaint();
                    elapsed = Clock::now() - start;
                    quiz->SendCommand(Q::MainMenuButton);
                }
            });
            menu.SendCommand(Hauptmenue::OkButton);
            state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
        }
    });
}
BENCHMARK(OkToQuizShown)->Arg(0)->Arg(1)->ArgName("whole_course")->UseManualTime()->Unit(benchmark::kMillisecond);

// Each iteration types the current verb's answers (not timed) and checks
// them; the move to the next verb is not timed either. A quiz that runs out
// of verbs is left and a new one started.
void CheckThroughTheDialog(benchmark::State& state)
{
    const LoadResult loaded = LoadEncryptedText(LessonCatalog::DataFileOfTense("présent"));
    if (loaded.Failure) {
        state.SkipWithError("no course data: run from the build folder");
        return;
    }
    const std::string text = Windows1252::ToUtf8(loaded.Text);

    InMainMenu("Leçon 29", [&](Hauptmenue& menu) {
        bool running = state.KeepRunning();
        while (running) {
            Later([&] {
                Q* quiz = dynamic_cast<Q*>(Application::Instance().MainWindow());
                if (!quiz) {
                    state.SkipWithError("the quiz did not come up");
                    running = false;
                    return;
                }
                while (running) {
                    const VerbRecord record = FindVerbRecord(text, quiz->Engine()->CurrentVerb());
                    for (int row = 0; row < QuizRowCount; ++row)
                        quiz->ControlAs<QLineEdit>(Q::InputId(row))
                            ->setText(QString::fromStdString(record.Solutions[row]));
                    QCoreApplication::processEvents();

                    const Clock::time_point start = Clock::now();
                    quiz->SendCommand(Q::ActionButton);
                    QCoreApplication::processEvents();  // the repaint it asked for
                    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());

                    running = state.KeepRunning();
                    if (quiz->Engine()->AskedCount() == quiz->Engine()->VerbCount())
                        break;  // the next action would end the quiz: start a new one
                    quiz->SendCommand(Q::ActionButton);
                }
                quiz->SendCommand(Q::MainMenuButton);
            });
            menu.SendCommand(Hauptmenue::OkButton);
        }
    });
}
BENCHMARK(CheckThroughTheDialog)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program finds its Verben folder in the current directory.
    std::filesystem::current_path(LEXAMO_BUILD_DIR);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
