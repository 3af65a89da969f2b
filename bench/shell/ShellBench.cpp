// The shell's costs the user waits for: from starting the process to the main
// menu on the screen, and opening the dialogs (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>

#include "quiz/EndeAbfrage.h"
#include "shell/Hauptmenue.h"
#include "shell/LexamoApp.h"

extern char** environ;

namespace {

constexpr char StartupChildFlag[] = "--start-to-main-menu";

// Ends a dialog's run once it has painted itself for the first time, that is
// once it is on the screen.
class EndOnFirstPaint : public QObject {
public:
    explicit EndOnFirstPaint(Dialog& dialog) : Dialog_(dialog) { dialog.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &Dialog_ && event->type() == QEvent::Paint)
            Dialog_.EndDialog(IdCancel);
        return false;
    }

private:
    Dialog& Dialog_;
};

// The child process: the program's own start-up, ended the moment the main
// menu has painted itself.
int RunStartupChild(int argc, char** argv)
{
    QApplication application(argc, argv);
    class ExitOnMenuPaint : public QObject {
    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && dynamic_cast<Hauptmenue*>(watched))
                std::_Exit(0);
            return false;
        }
    } watcher;
    application.installEventFilter(&watcher);
    LexamoApp app;
    app.InitInstance();
    return 3;  // the menu never painted
}

void BM_StartToMainMenu(benchmark::State& state)
{
    char self[] = "/proc/self/exe";
    char flag[sizeof StartupChildFlag];
    std::memcpy(flag, StartupChildFlag, sizeof StartupChildFlag);
    char* args[] = {self, flag, nullptr};
    for (auto _ : state) {
        pid_t child = 0;
        if (posix_spawn(&child, self, nullptr, nullptr, args, environ) != 0) {
            state.SkipWithError("cannot start the program");
            return;
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the main menu was not shown");
            return;
        }
    }
}
BENCHMARK(BM_StartToMainMenu)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenMainMenu(benchmark::State& state)
{
    for (auto _ : state) {
        Hauptmenue menu;
        EndOnFirstPaint end(menu);
        menu.DoModal();
    }
}
BENCHMARK(BM_OpenMainMenu)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenResultsDialog(benchmark::State& state)
{
    const QuizResult result{"passé composé", "Leçon 1", "Leçon 29", 368, 331, 37};
    for (auto _ : state) {
        EndeAbfrage dialog;
        dialog.SetResult(result);
        EndOnFirstPaint end(dialog);
        dialog.DoModal();
    }
}
BENCHMARK(BM_OpenResultsDialog)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (argc > 1 && std::strcmp(argv[1], StartupChildFlag) == 0)
        return RunStartupChild(argc, argv);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
