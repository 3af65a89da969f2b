#pragma once

// Test doubles for the quiz engine: a scripted draw source, a view that
// records what the engine asks of it, and a five-verb passé composé text.

#include <array>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "quiz/DrawSource.h"
#include "quiz/QuizEngine.h"
#include "quiz/QuizView.h"

namespace quiztest {

// Hands out a fixed list of raw draws and a fixed clock. Running out of draws
// throws, so an engine that draws more often than expected fails the test
// instead of hanging it.
class ScriptedDraw : public DrawSource {
public:
    explicit ScriptedDraw(std::vector<int> values, std::time_t now = 1'700'000'000);
    std::time_t Now() override { return NowValue; }
    void Seed(unsigned int seed) override { Seeds.push_back(seed); }
    int Next() override;
    bool Exhausted() const { return Pos == Values.size(); }

    std::time_t NowValue;
    std::vector<unsigned int> Seeds;

private:
    std::vector<int> Values;
    std::size_t Pos = 0;
};

// The C library's srand and rand behind a clock that stands still.
class FrozenClockCLibrary : public DrawSource {
public:
    explicit FrozenClockCLibrary(std::time_t now) : NowValue(now) {}
    std::time_t Now() override { return NowValue; }
    void Seed(unsigned int seed) override { CLibraryDrawSource().Seed(seed); }
    int Next() override { return CLibraryDrawSource().Next(); }

private:
    std::time_t NowValue;
};

// Records every call as a line of text. ReadAnswers hands Typed to the engine
// as the dialog's data exchange does; every ShowState checks the invariants.
class RecordingView : public QuizView {
public:
    void ReadAnswers() override;
    void ShowState() override;
    void SetActionText(const std::string& text) override;
    void FocusFirstInput() override;
    void ShowResults(const QuizResult& result) override;
    void CloseToMenu() override;

    // Returns the calls recorded since the last Take.
    std::vector<std::string> TakeCalls();

    QuizEngine* Engine = nullptr;
    std::array<std::string, QuizRowCount> Typed;
    std::string ActionText{CheckActionText};
    std::vector<std::string> Calls;
    std::vector<QuizResult> Results;
    std::string GermanInfinitiveBehindResults;
    std::function<void()> WhileResultsShown;
};

struct FixtureVerb {
    int Number;
    const char* German;
    std::array<const char*, QuizRowCount> Solutions;
};

// Verbs 1 to 5, passé composé: 1 and 2 are "Leçon 1", 3 and 4 "Leçon 2",
// 5 "Leçon 4". Forms of several words, accents and elisions.
const std::vector<FixtureVerb>& FixtureVerbs();
const FixtureVerb& Verb(int number);
// The verb text of FixtureVerbs, records in that order, CRLF line ends.
const std::string& FixtureText();

// The solutions of verb, with the rows set in wrongRows (bit i = row i)
// spoiled by a trailing "x".
std::array<std::string, QuizRowCount> Answers(int verb, unsigned wrongRows = 0);

QuizSelection Selection(int first, int last, std::string tense = "passé composé",
                        std::string from = "Leçon 1", std::string to = "Leçon 2");

// The invariants that hold between any two operations once a quiz has started.
void ExpectInvariants(const QuizEngine& engine);

// Answers every verb with seven wrong rows (so each is finished on its first
// check) until the quiz ends. Returns the order in which verbs were asked.
std::vector<int> RunToEnd(QuizEngine& engine, RecordingView& view);

}  // namespace quiztest
