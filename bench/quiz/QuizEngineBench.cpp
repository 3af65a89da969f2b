// Budgets: a whole passé composé quiz (368 verbs, each checked once wrong and
// once right) within 20 ms; NormalizeAnswer of 1 MB within 5 ms.

#include <array>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "quiz/QuizEngine.h"
#include "quiz/QuizView.h"

namespace {

constexpr int PasseComposeVerbs = 368;

const std::array<const char*, QuizRowCount> Persons = {"", "me suis", "t'es", "s'est", "nous sommes",
                                                      "vous êtes", "se sont"};

// The seven solutions of a made-up reflexive verb in the passé composé: forms
// as long as the longest of the course, so the lookups scan a text at least
// as large as the real one.
std::array<std::string, QuizRowCount> SolutionsOf(int verb)
{
    const std::string stem = "souvenu" + std::to_string(verb);
    std::array<std::string, QuizRowCount> solutions;
    solutions[0] = "se souvenir" + std::to_string(verb);
    for (int i = 1; i < QuizRowCount; ++i)
        solutions[i] = std::string(Persons[i]) + " " + stem + (i >= 4 ? "s" : "");
    return solutions;
}

// The decrypted text as the quiz gets it: UTF-8, CRLF line ends.
std::string PasseComposeText()
{
    std::string text;
    for (int verb = 1; verb <= PasseComposeVerbs; ++verb) {
        const std::string number = std::to_string(verb);
        text.append("#").append(number).append("#\r\n");
        text.append("sich an etwas erinnern ").append(number).append("\r\n");
        for (const std::string& solution : SolutionsOf(verb))
            text += solution + "\r\n";
    }
    return text;
}

// Answers each verb once with its infinitive wrong, then right.
class ScriptedLearner : public QuizView {
public:
    explicit ScriptedLearner(const std::vector<std::array<std::string, QuizRowCount>>& solutions)
        : Solutions(solutions)
    {
    }

    void ReadAnswers() override
    {
        const auto& solutions = Solutions[static_cast<std::size_t>(Engine->CurrentVerb())];
        for (int i = 0; i < QuizRowCount; ++i)
            Engine->SetRowInput(i, solutions[i]);
        if (WrongNext)
            Engine->SetRowInput(0, "  " + solutions[0] + "x ");
        WrongNext = !WrongNext;
    }
    void ShowState() override {}
    void SetActionText(const std::string&) override {}
    void FocusFirstInput() override {}
    void ShowResults(const QuizResult& result) override { Result = result; }
    void CloseToMenu() override {}

    QuizEngine* Engine = nullptr;
    QuizResult Result;

private:
    const std::vector<std::array<std::string, QuizRowCount>>& Solutions;
    bool WrongNext = true;
};

void BM_WholePasseComposeQuiz(benchmark::State& state)
{
    const std::string text = PasseComposeText();
    std::vector<std::array<std::string, QuizRowCount>> solutions(PasseComposeVerbs + 1);
    for (int verb = 1; verb <= PasseComposeVerbs; ++verb)
        solutions[static_cast<std::size_t>(verb)] = SolutionsOf(verb);
    const QuizSelection selection{1, PasseComposeVerbs, "Leçon 1", "Leçon 29", "passé composé"};

    for (auto _ : state) {
        ScriptedLearner learner(solutions);
        QuizEngine engine(selection, text, learner);
        learner.Engine = &engine;
        engine.StartQuiz();
        while (!engine.HasEnded()) {
            engine.CheckAnswers();
            engine.CheckAnswers();
            engine.NextVerb();
        }
        if (learner.Result.RightCount != PasseComposeVerbs) {
            state.SkipWithError("the scripted quiz did not count every verb right");
            break;
        }
        benchmark::DoNotOptimize(learner.Result);
    }
    state.counters["text_bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_WholePasseComposeQuiz)->Unit(benchmark::kMillisecond);

void BM_NormalizeAnswerMegabyte(benchmark::State& state, std::string text)
{
    for (auto _ : state) {
        std::string normalized = QuizEngine::NormalizeAnswer(text);
        benchmark::DoNotOptimize(normalized);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

const std::string Megabyte(1 << 20, ' ');
BENCHMARK_CAPTURE(BM_NormalizeAnswerMegabyte, spaces_only, Megabyte)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NormalizeAnswerMegabyte, spaces_inside, "ai" + Megabyte + "eu")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NormalizeAnswerMegabyte, pairs_of_spaces, [] {
    std::string text;
    while (text.size() < (1u << 20))
        text += "a  ";
    return text;
}())->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
