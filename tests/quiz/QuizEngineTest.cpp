#include <climits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "QuizEngineTesting.h"
#include "quiz/QuizEngine.h"

using namespace quiztest;

namespace {

using Calls = std::vector<std::string>;

const std::string Check{CheckActionText};
const std::string Next{NextActionText};

// An engine over the fixture text with a recording view and scripted draws.
struct Quiz {
    Quiz(QuizSelection selection, std::vector<int> draws, std::string_view text = FixtureText())
        : Draw(std::move(draws)), Engine(std::move(selection), text, View, Draw)
    {
        View.Engine = &Engine;
    }

    // One check with the answers of the current verb, wrongRows spoiled.
    void CheckWith(unsigned wrongRows)
    {
        View.Typed = Answers(Engine.CurrentVerb(), wrongRows);
        Engine.CheckAnswers();
        ExpectInvariants(Engine);
    }

    ScriptedDraw Draw;
    RecordingView View;
    QuizEngine Engine;
};

TEST(QuizEngineTest, RejectsRangesTheDrawCannotServe)
{
    struct Case { int first; int last; };
    const Case bad[] = {{5, 4}, {1, 0}, {0, 3}, {-3, -1}, {INT_MIN, INT_MAX}};
    RecordingView view;
    ScriptedDraw draw({});
    for (const Case& c : bad) {
        EXPECT_THROW(QuizEngine(Selection(c.first, c.last), FixtureText(), view, draw),
                     std::invalid_argument)
            << c.first << ".." << c.last;
    }
    EXPECT_NO_THROW(QuizEngine(Selection(INT_MAX, INT_MAX), FixtureText(), view, draw));
}

TEST(QuizEngineTest, StartPresentsTheFirstVerbAndShowsNothing)
{
    Quiz quiz(Selection(1, 4), {2}, FixtureText());
    quiz.Draw.NowValue = 1'234'567;
    QuizEngine& engine = quiz.Engine;

    EXPECT_EQ(engine.VerbCount(), 4);
    EXPECT_EQ(engine.AskedCount(), 0);
    EXPECT_FALSE(engine.AwaitingNext());
    for (int i = 0; i < QuizRowCount; ++i)
        EXPECT_EQ(engine.RowColour(i), UnjudgedColour);

    engine.StartQuiz();

    EXPECT_EQ(quiz.Draw.Seeds, std::vector<unsigned>{1'234'567});
    EXPECT_TRUE(quiz.Draw.Exhausted());
    EXPECT_EQ(engine.CurrentVerb(), 3);
    EXPECT_EQ(engine.AskedVerbs(), (std::vector<int>{3, 0, 0, 0}));
    EXPECT_EQ(engine.AskedCount(), 1);
    EXPECT_EQ(engine.GermanInfinitive(), "sich erinnern");
    EXPECT_EQ(engine.CurrentLesson(), "Leçon 2");
    EXPECT_FALSE(engine.AwaitingNext());
    EXPECT_TRUE(quiz.View.Calls.empty()) << "the dialog shows the state itself after StartQuiz";
    ExpectInvariants(engine);
}

TEST(QuizEngineTest, DrawMapsRawValuesOntoTheRange)
{
    struct Case { int first; int last; int raw; int verb; };
    const Case cases[] = {
        {1, 4, 0, 1},
        {1, 4, 3, 4},
        {1, 4, 4, 1},
        {1, 4, INT_MAX, 4},   // RAND_MAX of glibc
        {90, 96, 10, 93},
        {7, 7, 12345, 7},
        {1, 4, -1, 4},        // a source that breaks its promise stays in range
    };
    for (const Case& c : cases) {
        Quiz quiz(Selection(c.first, c.last), {c.raw});
        quiz.Engine.StartQuiz();
        EXPECT_EQ(quiz.Engine.CurrentVerb(), c.verb) << c.first << ".." << c.last << " raw " << c.raw;
    }
}

// Wrong rows add up over all checks of a verb; more than three reveal it.
TEST(QuizEngineTest, WrongRowThresholdsOverSeveralChecks)
{
    struct Case {
        const char* name;
        std::vector<unsigned> checks;  // wrong rows of each check, bit i = row i
        int wrongRows;
        bool right;
        bool revealed;
    };
    const Case cases[] = {
        {"all right at once", {0}, 0, true, false},
        {"three wrong stay open", {0b0000111}, 3, false, false},
        {"three wrong, then all right", {0b0000111, 0}, 3, true, false},
        {"one wrong per check, right on the fourth", {0b1, 0b10, 0b100, 0}, 3, true, false},
        {"three wrong, then one more", {0b0000111, 0b1000000}, 4, false, true},
        {"two left uncorrected twice", {0b0011000, 0b0011000}, 4, false, true},
        {"one wrong per check, fourth wrong", {0b1, 0b1, 0b1, 0b100000}, 4, false, true},
        {"four wrong at once", {0b1111000}, 4, false, true},
        {"all seven wrong", {0b1111111}, 7, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Quiz quiz(Selection(1, 4), {2});
        quiz.Engine.StartQuiz();
        for (std::size_t k = 0; k + 1 < c.checks.size(); ++k) {
            quiz.CheckWith(c.checks[k]);
            ASSERT_FALSE(quiz.Engine.AwaitingNext()) << "finished after check " << k + 1;
        }
        quiz.View.TakeCalls();
        quiz.CheckWith(c.checks.back());

        const QuizEngine& engine = quiz.Engine;
        const bool finished = c.right || c.revealed;
        EXPECT_EQ(engine.WrongRows(), c.wrongRows);
        EXPECT_EQ(engine.AwaitingNext(), finished);
        EXPECT_EQ(engine.RightCount(), c.right ? 1 : 0);
        EXPECT_EQ(engine.WrongCount(), c.revealed ? 1 : 0);
        EXPECT_EQ(quiz.View.ActionText, finished ? Next : Check);

        Calls expected{"ReadAnswers"};
        if (finished)
            expected.push_back("SetActionText " + Next);
        expected.insert(expected.end(), {"FocusFirstInput", "ShowState"});
        EXPECT_EQ(quiz.View.Calls, expected);

        // Marks are those of the last check; a reveal shows all seven
        // solutions, those of the rows marked right included.
        const FixtureVerb& verb = Verb(3);
        for (int i = 0; i < QuizRowCount; ++i) {
            const bool wrong = c.checks.back() & (1u << i);
            EXPECT_EQ(engine.RowMark(i), wrong ? WrongMark : RightMark) << "row " << i;
            EXPECT_EQ(engine.RowColour(i), wrong ? WrongColour : RightColour) << "row " << i;
            EXPECT_EQ(engine.RowSolution(i), c.revealed ? verb.Solutions[i] : "") << "row " << i;
        }
    }
}

TEST(QuizEngineTest, NextVerbClearsTheRowsAndPresentsANewVerb)
{
    Quiz quiz(Selection(1, 4), {0, 0, 2});  // verb 1; then 1 again, skipped; then 3
    QuizEngine& engine = quiz.Engine;
    engine.StartQuiz();
    quiz.CheckWith(0b0001111);
    ASSERT_EQ(engine.WrongCount(), 1);
    quiz.View.TakeCalls();

    engine.NextVerb();

    EXPECT_EQ(quiz.View.Calls, (Calls{"ShowState", "ShowState", "SetActionText " + Check, "FocusFirstInput"}));
    EXPECT_TRUE(quiz.Draw.Exhausted());
    EXPECT_FALSE(engine.AwaitingNext());
    EXPECT_EQ(engine.WrongRows(), 0);
    EXPECT_EQ(engine.CurrentVerb(), 3);
    EXPECT_EQ(engine.AskedVerbs(), (std::vector<int>{1, 3, 0, 0}));
    EXPECT_EQ(engine.GermanInfinitive(), "sich erinnern");
    for (int i = 0; i < QuizRowCount; ++i) {
        EXPECT_EQ(engine.RowMark(i), "") << "row " << i;
        EXPECT_EQ(engine.RowSolution(i), "") << "row " << i;
        EXPECT_EQ(engine.RowInput(i), "") << "row " << i;
        // Colours stay as judged; with the marks empty they paint nothing.
        EXPECT_EQ(engine.RowColour(i), i < 4 ? WrongColour : RightColour) << "row " << i;
    }
}

TEST(QuizEngineTest, DrawLoopRunsUntilItHitsTheLastUnusedNumber)
{
    // Raw draws map onto 1..4 as value + 1.
    Quiz quiz(Selection(1, 4), {0, 0, 1, 1, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 2, 1, 3});
    QuizEngine& engine = quiz.Engine;
    engine.StartQuiz();
    for (int k = 0; k < 4; ++k) {
        quiz.CheckWith(0);
        engine.NextVerb();
        ExpectInvariants(engine);
    }
    EXPECT_TRUE(engine.HasEnded());
    EXPECT_EQ(engine.AskedVerbs(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(quiz.Draw.Exhausted());
    EXPECT_EQ(quiz.Draw.Seeds.size(), 1u) << "seeded once per quiz";
}

TEST(QuizEngineTest, WholeQuizEndsWithItsResultAndCloses)
{
    Quiz quiz(Selection(1, 4, "passé composé", "Leçon 1", "Leçon 2"), {3, 0, 2, 1});
    QuizEngine& engine = quiz.Engine;
    engine.StartQuiz();
    ExpectInvariants(engine);

    // Verb order 4, 1, 3, 2.
    const std::vector<std::vector<unsigned>> checksPerVerb = {
        {0},                    // right at once
        {0b1111111},            // revealed at once
        {0b0000111, 0},         // right after a wrong check
        {0b0000011, 0b0000011}, // revealed on the second check
    };
    for (std::size_t v = 0; v < checksPerVerb.size(); ++v) {
        for (unsigned wrong : checksPerVerb[v])
            quiz.CheckWith(wrong);
        ASSERT_TRUE(engine.AwaitingNext()) << "verb " << v + 1;
        quiz.View.TakeCalls();
        engine.NextVerb();
        ExpectInvariants(engine);
    }

    EXPECT_EQ(engine.AskedVerbs(), (std::vector<int>{4, 1, 3, 2}));
    EXPECT_EQ(quiz.View.Calls, (Calls{"ShowState", "ShowState", "ShowResults", "CloseToMenu"}));
    ASSERT_EQ(quiz.View.Results.size(), 1u);
    const QuizResult& result = quiz.View.Results.front();
    EXPECT_EQ(result.TenseLabel, "passé composé");
    EXPECT_EQ(result.FromLesson, "Leçon 1");
    EXPECT_EQ(result.ToLesson, "Leçon 2");
    EXPECT_EQ(result.VerbCount, 4);
    EXPECT_EQ(result.RightCount, 2);
    EXPECT_EQ(result.WrongCount, 2);
    EXPECT_EQ(quiz.View.GermanInfinitiveBehindResults, "");
    EXPECT_TRUE(engine.HasEnded());
    EXPECT_TRUE(engine.AwaitingNext());
    EXPECT_EQ(quiz.View.ActionText, Next) << "the action text stays as it is at the end";
}

TEST(QuizEngineTest, SingleVerbRange)
{
    Quiz quiz(Selection(2, 2, "passé composé", "Leçon 1", "Leçon 1"), {987'654});
    QuizEngine& engine = quiz.Engine;
    engine.StartQuiz();
    EXPECT_EQ(engine.CurrentVerb(), 2);
    EXPECT_EQ(engine.GermanInfinitive(), "gehen");
    EXPECT_EQ(engine.CurrentLesson(), "Leçon 1");

    quiz.CheckWith(0);
    engine.NextVerb();  // draws nothing more: the script would throw

    ASSERT_EQ(quiz.View.Results.size(), 1u);
    EXPECT_EQ(quiz.View.Results.front().VerbCount, 1);
    EXPECT_EQ(quiz.View.Results.front().RightCount, 1);
    EXPECT_EQ(quiz.View.Results.front().WrongCount, 0);
    EXPECT_EQ(quiz.View.Calls.back(), "CloseToMenu");
}

// The dialog calls each operation only in its state; anything else (a second
// Enter queued behind the close, a second start) must not count or show twice.
TEST(QuizEngineTest, OperationsOutsideTheirStateDoNothing)
{
    Quiz quiz(Selection(1, 2), {0, 1});
    QuizEngine& engine = quiz.Engine;

    engine.CheckAnswers();
    engine.NextVerb();
    EXPECT_TRUE(quiz.View.Calls.empty()) << "before the start";
    EXPECT_EQ(engine.AskedCount(), 0);

    engine.StartQuiz();
    engine.StartQuiz();
    EXPECT_EQ(quiz.Draw.Seeds.size(), 1u) << "a second start is ignored";

    engine.NextVerb();
    EXPECT_TRUE(quiz.View.Calls.empty()) << "next while answering";
    EXPECT_EQ(engine.AskedCount(), 1);

    quiz.CheckWith(0);
    quiz.View.TakeCalls();
    engine.CheckAnswers();
    EXPECT_TRUE(quiz.View.Calls.empty()) << "check while finished";
    EXPECT_EQ(engine.RightCount(), 1);

    engine.NextVerb();
    quiz.CheckWith(0);
    quiz.View.WhileResultsShown = [&] { engine.NextVerb(); engine.CheckAnswers(); };
    engine.NextVerb();
    EXPECT_TRUE(engine.HasEnded());
    engine.NextVerb();
    engine.CheckAnswers();
    EXPECT_EQ(quiz.View.Results.size(), 1u) << "the results are shown once";
    EXPECT_EQ(quiz.View.Calls.back(), "CloseToMenu");
    EXPECT_EQ(engine.RightCount(), 2);
}

TEST(QuizEngineTest, SetRowInputIgnoresRowsOutsideTheSeven)
{
    Quiz quiz(Selection(1, 1), {0});
    quiz.Engine.SetRowInput(-1, "x");
    quiz.Engine.SetRowInput(QuizRowCount, "x");
    quiz.Engine.SetRowInput(6, "ont été");
    EXPECT_EQ(quiz.Engine.RowInput(6), "ont été");
    EXPECT_THROW(quiz.Engine.RowInput(QuizRowCount), std::out_of_range);
}

// The lesson comes from the catalogue in the selection's tense; past the end
// of the numbering there is none, and the lesson shown before stays.
TEST(QuizEngineTest, LessonOfEachPresentedVerb)
{
    struct Case {
        const char* tense;
        int first;
        int last;
        std::vector<int> draws;            // raw values: offset into the range
        std::vector<const char*> lessons;  // after each presentation
    };
    const Case cases[] = {
        {"présent", 2, 2, {0}, {"Leçon 1"}},
        {"présent", 4, 5, {0, 1}, {"Leçon 2", "Leçon 4"}},  // there is no lesson 3
        {"présent", 89, 89, {0}, {"Leçon 12"}},
        {"passé composé", 89, 89, {0}, {"Leçon 11"}},
        {"présent", 366, 367, {0, 1}, {"Leçon 29", "Leçon 29"}},
        {"présent", 367, 367, {0}, {""}},
        {"passé composé", 367, 369, {1, 0, 2}, {"Leçon 29", "Leçon 29", "Leçon 29"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.tense << " " << c.first << ".." << c.last);
        Quiz quiz(Selection(c.first, c.last, c.tense), c.draws, "");
        quiz.View.Typed.fill("x");
        quiz.Engine.StartQuiz();
        for (std::size_t k = 0; k < c.lessons.size(); ++k) {
            EXPECT_EQ(quiz.Engine.CurrentLesson(), c.lessons[k]) << "verb " << quiz.Engine.CurrentVerb();
            quiz.Engine.CheckAnswers();
            quiz.Engine.NextVerb();
        }
        EXPECT_TRUE(quiz.Engine.HasEnded());
    }
}

TEST(QuizEngineTest, QuizzesSeededInTheSameSecondAskInTheSameOrder)
{
    auto order = [](DrawSource& draw) {
        RecordingView view;
        QuizEngine engine(Selection(1, 60), "", view, draw);
        view.Engine = &engine;
        engine.StartQuiz();
        return RunToEnd(engine, view);
    };

    FrozenClockCLibrary first(1'700'000'000);
    FrozenClockCLibrary second(1'700'000'000);
    const std::vector<int> a = order(first);
    EXPECT_EQ(a.size(), 60u);
    EXPECT_EQ(a, order(second));

    // The same with the program's own source and the real clock; retried when
    // the second happens to change between the two quizzes.
    bool compared = false;
    for (int attempt = 0; attempt < 5 && !compared; ++attempt) {
        const std::time_t before = std::time(nullptr);
        const std::vector<int> x = order(CLibraryDrawSource());
        const std::vector<int> y = order(CLibraryDrawSource());
        if (std::time(nullptr) != before)
            continue;
        EXPECT_EQ(x, y);
        compared = true;
    }
    EXPECT_TRUE(compared);
}

}  // namespace
