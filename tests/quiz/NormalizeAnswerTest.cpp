#include <string>

#include <gtest/gtest.h>

#include "QuizEngineTesting.h"
#include "quiz/QuizEngine.h"

using namespace quiztest;

namespace {

const std::string NoBreakSpace = "\xC2\xA0";  // U+00A0 in UTF-8

TEST(NormalizeAnswerTest, DropsWhiteSpaceAroundAndCollapsesSpacesInside)
{
    struct Case { std::string text; std::string normalized; };
    const Case cases[] = {
        {"", ""},
        {"   ", ""},
        {"\t\n\v\f\r ", ""},
        {"suis allé", "suis allé"},
        {"  suis   allé  ", "suis allé"},
        {"\t\r\nsuis allé\r\n\t", "suis allé"},
        {"a  b   c    d", "a b c d"},
        {"suis\tallé", "suis\tallé"},               // only the space collapses
        {"suis \t allé", "suis \t allé"},           // a tab between spaces keeps one on each side
        {"suis  \t  allé", "suis \t allé"},
        {"suis\n\nallé", "suis\n\nallé"},
        {"suis" + NoBreakSpace + NoBreakSpace + "allé", "suis" + NoBreakSpace + NoBreakSpace + "allé"},
        {NoBreakSpace + "suis" + NoBreakSpace, NoBreakSpace + "suis" + NoBreakSpace},
        {" \xE9t\xE9 ", "\xE9t\xE9"},               // bytes >= 128 are kept as they are
        {"Êtes  Allés", "Êtes Allés"},              // no change of case or accents
    };
    for (const Case& c : cases)
        EXPECT_EQ(QuizEngine::NormalizeAnswer(c.text), c.normalized) << "'" << c.text << "'";
}

TEST(NormalizeAnswerTest, LongRunsOfSpaces)
{
    const std::string spaces(1 << 20, ' ');
    EXPECT_EQ(QuizEngine::NormalizeAnswer(spaces), "");
    EXPECT_EQ(QuizEngine::NormalizeAnswer("ai" + spaces + "eu"), "ai eu");
    EXPECT_EQ(QuizEngine::NormalizeAnswer(spaces + "ai eu" + spaces), "ai eu");
}

// One row typed as given, the other six right, one check of verb 3.
TEST(NormalizeAnswerTest, AnswersAreJudgedNormalizedAndKeptAsTyped)
{
    struct Case { int row; std::string typed; bool right; };
    const Case cases[] = {
        {1, "  me  suis   souvenu  ", true},
        {0, "\tse souvenir\r\n", true},
        {2, "\nt'es souvenu\v\f", true},
        {1, "me\tsuis souvenu", false},
        {1, "me suis \tsouvenu", false},
        {0, "     ", false},
        {0, "", false},
        {0, "Se souvenir", false},
        {5, "vous etes souvenus", false},
        {5, "VOUS ÊTES SOUVENUS", false},
        {4, "nous sommes souvenus" + NoBreakSpace, false},
        {4, NoBreakSpace + "nous sommes souvenus", false},
        {2, "t\xE2\x80\x99" "es souvenu", false},  // typographic apostrophe
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << " '" << c.typed << "'");
        ScriptedDraw draw({0});
        RecordingView view;
        QuizEngine engine(Selection(3, 3), FixtureText(), view, draw);
        view.Engine = &engine;
        engine.StartQuiz();
        view.Typed = Answers(3);
        view.Typed[c.row] = c.typed;

        engine.CheckAnswers();

        EXPECT_EQ(engine.RowMark(c.row), c.right ? RightMark : WrongMark);
        EXPECT_EQ(engine.RightCount(), c.right ? 1 : 0);
        EXPECT_EQ(engine.WrongRows(), c.right ? 0 : 1);
        EXPECT_EQ(engine.RowInput(c.row), c.typed) << "the input keeps what was typed";
    }
}

}  // namespace
