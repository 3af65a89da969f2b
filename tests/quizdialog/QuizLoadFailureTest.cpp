// A quiz whose data file cannot serve it ends the program while the quiz
// initialises: the error box is owned by the quiz, which has not been shown,
// the main menu is still on the screen behind it, and the exit status is 0.
// Each case runs the whole program in a folder of its own whose Verben
// folder holds the fixture.

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <unistd.h>

#include "platform/Application.h"
#include "quiz/Verbenabfrage.h"
#include "resources/ResourceIds.h"
#include "shell/Hauptmenue.h"
#include "shell/LexamoApp.h"
#include "shell/ShowFatalError.h"
#include "tests/quizdialog/QuizDialogTesting.h"
#include "tools/lexamo-data/DataFileWriter.h"

using namespace quizdialogtest;
namespace fs = std::filesystem;

namespace {

Dialog* MenuBehind = nullptr;
fs::path FolderMade;

void RemoveFolderMade()
{
    std::error_code ignored;
    fs::remove_all(FolderMade, ignored);
}

// Stands in for the message box and prints what it would show.
void RecordBox(QWidget* owner, const std::string& caption, const std::string& text)
{
    const auto* quiz = dynamic_cast<const Verbenabfrage*>(owner);
    // The box is centred over its owner's place, which should be in front
    // of the main menu rather than in a corner of the screen.
    const bool overMenu = owner && MenuBehind && MenuBehind->geometry().contains(owner->geometry().center());
    std::fprintf(stderr, "box: owner=%s owner-shown=%s over-menu=%s menu-shown=%s caption=[%s] text=[%s]\n",
                 quiz ? "quiz" : "other", owner && owner->isVisible() ? "yes" : "no", overMenu ? "yes" : "no",
                 MenuBehind && MenuBehind->isVisible() ? "yes" : "no", caption.c_str(), text.c_str());
}

constexpr const char* Verb1 = "#1#\nsein (Probe)\nêtre\nsuis\nes\nest\nsommes\nêtes\nsont\n";
constexpr const char* Verb2 = "#2#\nhaben (Probe)\navoir\nai\nas\na\navons\navez\nont\n";

std::string Encrypted(const std::string& text)
{
    const EncodedDataFile file = EncodeDataFile(text);
    EXPECT_FALSE(file.Error);
    return file.Bytes;
}

// A fresh folder for one run of the program; the data file is written into
// its Verben folder unless it is nullopt.
fs::path ProgramFolder(const std::optional<std::string>& presentDat)
{
    std::string pattern = (fs::temp_directory_path() / "lexamo-quizload-XXXXXX").string();
    const fs::path folder = mkdtemp(pattern.data());
    // Removed also when the program ends the process.
    if (FolderMade.empty())
        std::atexit(&RemoveFolderMade);
    else
        RemoveFolderMade();
    FolderMade = folder;
    fs::create_directory(folder / "Verben");
    if (presentDat)
        std::ofstream(folder / "Verben" / "present.dat", std::ios::binary) << *presentDat;
    return folder;
}

// Runs the program in folder and starts a quiz of "présent" from "Leçon 1"
// to "Leçon 1" (verbs 1 and 2). calls inQuiz if the quiz comes up.
void RunQuizIn(const fs::path& folder, const std::function<void(Verbenabfrage&)>& inQuiz)
{
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    {
        LexamoApp app;
        Watchdog guard;
        Later([&] {
            auto* menu = dynamic_cast<Hauptmenue*>(Application::Instance().MainWindow());
            ASSERT_NE(menu, nullptr);
            MenuBehind = menu;
            Later([&] {
                if (Verbenabfrage* quiz = RunningQuiz())
                    inQuiz(*quiz);
            });
            menu->SendCommand(Hauptmenue::OkButton);
            menu->SendCommand(Hauptmenue::QuitButton);
        });
        app.InitInstance();
    }
    fs::current_path(before);
    MenuBehind = nullptr;
}

TEST(QuizLoadFailureDeathTest, ShowsTheErrorOverTheMenuAndEndsWithStatusZero)
{
    const std::string notLoadable =
        R"(text=\[Die Datei "\.\\Verben\\present\.dat" konnte nicht geladen werden!\])";
    struct Case {
        const char* Name;
        std::optional<std::string> PresentDat;
        std::string Message;
    };
    const Case cases[] = {
        {"no data file", std::nullopt, notLoadable},
        {"verb 2 missing", Encrypted(Verb1), notLoadable},
        {"verb 2 without its ils line", Encrypted(std::string(Verb1) + "#2#\nhaben\navoir\nai\nas\na\navons\navez\n"),
         notLoadable},
        {"not a data file", std::string("no cipher text"), R"(text=\[Ein unerwarteter Fehler ist aufgetreten!\])"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EXIT(
            {
                SetFatalErrorBox(&RecordBox);
                RunQuizIn(ProgramFolder(c.PresentDat), [](Verbenabfrage&) {});
                std::fprintf(stderr, "the quiz came up\n");
                std::exit(3);
            },
            testing::ExitedWithCode(0),
            "box: owner=quiz owner-shown=no over-menu=yes menu-shown=yes caption=\\[Lexamo 3\\.0\\] " + c.Message);
    }
}

// The same folder set-up with both verbs complete: the quiz comes up on the
// fixture's own words, so the failures above come from the records.
TEST(QuizLoadFailure, CompleteFixtureLoads)
{
    std::string german;
    RunQuizIn(ProgramFolder(Encrypted(std::string(Verb1) + Verb2)), [&](Verbenabfrage& quiz) {
        german = TextOf(quiz.Control(Verbenabfrage::GermanInfinitiveText));
        quiz.SendCommand(Verbenabfrage::MainMenuButton);
    });
    EXPECT_TRUE(german == "sein (Probe)" || german == "haben (Probe)") << german;
}

}  // namespace
