#include "QuizEngineTesting.h"

#include <algorithm>
#include <set>
#include <stdexcept>
#include <utility>

#include <gtest/gtest.h>

namespace quiztest {

ScriptedDraw::ScriptedDraw(std::vector<int> values, std::time_t now)
    : NowValue(now), Values(std::move(values))
{
}

int ScriptedDraw::Next()
{
    if (Pos >= Values.size())
        throw std::runtime_error("the scripted draws are used up");
    return Values[Pos++];
}

void RecordingView::ReadAnswers()
{
    Calls.emplace_back("ReadAnswers");
    for (int i = 0; i < QuizRowCount; ++i)
        Engine->SetRowInput(i, Typed[i]);
}

void RecordingView::ShowState()
{
    Calls.emplace_back("ShowState");
    ExpectInvariants(*Engine);
}

void RecordingView::SetActionText(const std::string& text)
{
    Calls.push_back("SetActionText " + text);
    ActionText = text;
}

void RecordingView::FocusFirstInput()
{
    Calls.emplace_back("FocusFirstInput");
}

void RecordingView::ShowResults(const QuizResult& result)
{
    Calls.emplace_back("ShowResults");
    Results.push_back(result);
    GermanInfinitiveBehindResults = Engine->GermanInfinitive();
    if (WhileResultsShown)
        WhileResultsShown();
}

void RecordingView::CloseToMenu()
{
    Calls.emplace_back("CloseToMenu");
}

std::vector<std::string> RecordingView::TakeCalls()
{
    return std::exchange(Calls, {});
}

const std::vector<FixtureVerb>& FixtureVerbs()
{
    static const std::vector<FixtureVerb> verbs = {
        {1, "sein", {"être", "ai été", "as été", "a été", "avons été", "avez été", "ont été"}},
        {2, "gehen", {"aller", "suis allé", "es allé", "est allé", "sommes allés", "êtes allés", "sont allés"}},
        {3, "sich erinnern", {"se souvenir", "me suis souvenu", "t'es souvenu", "s'est souvenu",
                              "nous sommes souvenus", "vous êtes souvenus", "se sont souvenus"}},
        {4, "haben", {"avoir", "ai eu", "as eu", "a eu", "avons eu", "avez eu", "ont eu"}},
        {5, "essen", {"manger", "ai mangé", "as mangé", "a mangé", "avons mangé", "avez mangé", "ont mangé"}},
    };
    return verbs;
}

const FixtureVerb& Verb(int number)
{
    const auto& verbs = FixtureVerbs();
    const auto it = std::find_if(verbs.begin(), verbs.end(),
                                 [number](const FixtureVerb& v) { return v.Number == number; });
    if (it == verbs.end())
        throw std::out_of_range("no fixture verb " + std::to_string(number));
    return *it;
}

const std::string& FixtureText()
{
    static const std::string text = [] {
        std::string result;
        for (const FixtureVerb& verb : FixtureVerbs()) {
            result += "#" + std::to_string(verb.Number) + "#\r\n";
            result += std::string(verb.German) + "\r\n";
            for (const char* solution : verb.Solutions)
                result += std::string(solution) + "\r\n";
        }
        return result;
    }();
    return text;
}

std::array<std::string, QuizRowCount> Answers(int verb, unsigned wrongRows)
{
    std::array<std::string, QuizRowCount> answers;
    for (int i = 0; i < QuizRowCount; ++i) {
        answers[i] = Verb(verb).Solutions[i];
        if (wrongRows & (1u << i))
            answers[i] += "x";
    }
    return answers;
}

QuizSelection Selection(int first, int last, std::string tense, std::string from, std::string to)
{
    return QuizSelection{first, last, std::move(from), std::move(to), std::move(tense)};
}

void ExpectInvariants(const QuizEngine& engine)
{
    const QuizSelection& selection = engine.Selection();
    const int asked = engine.AskedCount();
    EXPECT_GE(asked, 1);
    EXPECT_LE(asked, engine.VerbCount());
    ASSERT_EQ(engine.AskedVerbs().size(), static_cast<std::size_t>(engine.VerbCount()));

    std::set<int> seen;
    for (int i = 0; i < engine.VerbCount(); ++i) {
        const int verb = engine.AskedVerbs()[i];
        if (i < asked) {
            EXPECT_GE(verb, selection.FirstVerb) << "slot " << i;
            EXPECT_LE(verb, selection.LastVerb) << "slot " << i;
            EXPECT_TRUE(seen.insert(verb).second) << "verb " << verb << " asked twice";
        } else {
            EXPECT_EQ(verb, 0) << "unused slot " << i;
        }
    }
    if (asked >= 1) {
        EXPECT_EQ(engine.AskedVerbs()[asked - 1], engine.CurrentVerb());
    }

    const int done = engine.RightCount() + engine.WrongCount();
    if (engine.AwaitingNext()) {
        EXPECT_EQ(done, asked);
    } else {
        EXPECT_EQ(done, asked - 1);
        EXPECT_LE(engine.WrongRows(), 3);
    }
}

std::vector<int> RunToEnd(QuizEngine& engine, RecordingView& view)
{
    view.Typed.fill("x");
    for (int step = 0; step <= engine.VerbCount() && !engine.HasEnded(); ++step) {
        engine.CheckAnswers();
        engine.NextVerb();
    }
    EXPECT_TRUE(engine.HasEnded());
    const auto& asked = engine.AskedVerbs();
    return {asked.begin(), asked.begin() + engine.AskedCount()};
}

}  // namespace quiztest
