// The quiz dialog run on its own over the course the build made: what it
// shows at the start, how Enter and the action follow the engine, and the
// about box it owns.

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <string>

#include "catalog/LessonCatalog.h"
#include "platform/Application.h"
#include "quiz/Verbenabfrage.h"
#include "resources/ResourceIds.h"
#include "shell/LexamoInfo.h"
#include "shell/RunQuiz.h"
#include "tests/quizdialog/QuizDialogTesting.h"
#include "verbdata/EncryptedTextReader.h"
#include "verbdata/VerbRecord.h"
#include "verbdata/Windows1252.h"

using namespace quizdialogtest;

namespace {

using Q = Verbenabfrage;

QuizSelection Selection(const std::string& tense, const std::string& from, const std::string& to)
{
    return MakeQuizSelection(tense, from, to);
}

// A quiz that is the current main window, with no main menu behind it.
class QuizDialogTest : public testing::Test {
protected:
    Q Quiz;
    Watchdog Guard;

    void Run(const QuizSelection& selection, const std::function<void()>& step)
    {
        Quiz.SetSelection(selection);
        Application::Instance().SetMainWindow(&Quiz);
        RunModal(Quiz, [&] {
            step();
            Quiz.SendCommand(Q::MainMenuButton);
        });
        EXPECT_TRUE(Quiz.BackToMenu());
    }
};

TEST_F(QuizDialogTest, TitleNamesTenseAndLessons)
{
    struct Case {
        const char* Tense;
        const char* From;
        const char* To;
        const char* Title;
    };
    const Case cases[] = {
        {"présent", "Leçon 1", "Leçon 5", "Lexamo 3.0 - Verbenabfrage - présent von Leçon 1 bis Leçon 5"},
        {"passé composé", "Leçon 11", "Leçon 25",
         "Lexamo 3.0 - Verbenabfrage - passé composé von Leçon 11 bis Leçon 25"},
    };
    for (const Case& c : cases) {
        Run(Selection(c.Tense, c.From, c.To), [&] {
            EXPECT_EQ(Quiz.windowTitle().toStdString(), c.Title);
            EXPECT_EQ(TextOf(Quiz.Control(Q::TenseText)), c.Tense);
            EXPECT_EQ(TextOf(Quiz.Control(Q::VerbCountText)),
                      std::to_string(LessonCatalog::LastVerbOfLesson(c.To, c.Tense) -
                                     LessonCatalog::FirstVerbOfLesson(c.From, c.Tense) + 1));
        });
    }
}

// The counts, the lesson, the marks and the solutions are bold; the tense,
// the German infinitive, the fixed labels, inputs and buttons are not. The
// right count is green and the wrong count red from the start, every
// solution green, and a mark black until its row is judged.
TEST_F(QuizDialogTest, BoldAndColoursWhenShown)
{
    Run(Selection("présent", "Leçon 1", "Leçon 2"), [&] {
        for (QWidget* control : Quiz.Controls()) {
            const int id = control->objectName().mid(7).toInt();  // "control<id>"
            const bool mark = id >= Q::MarkId(0) && id <= Q::MarkId(6) && (id - Q::MarkId(0)) % 2 == 0;
            const bool solution = id >= Q::SolutionId(0) && id <= Q::SolutionId(6) && (id - Q::SolutionId(0)) % 2 == 0;
            const bool bold = mark || solution || (id >= Q::VerbCountText && id <= Q::WrongCountText);
            EXPECT_EQ(IsBold(control), bold) << "control " << id;

            if (!qobject_cast<QLabel*>(control))
                continue;
            const QColor standard = QLabel().palette().color(QPalette::WindowText);
            QColor colour = standard;
            if (id == Q::RightCountText || solution)
                colour = Green;
            else if (id == Q::WrongCountText)
                colour = Red;
            else if (mark)
                colour = Black;
            EXPECT_EQ(TextColour(control), colour) << "control " << id;
        }
        EXPECT_EQ(TextOf(Quiz.Control(Q::RightCountText)), "0");
        EXPECT_EQ(TextOf(Quiz.Control(Q::WrongCountText)), "0");
    });
}

// Nothing the course can put into a label is cut off: every German
// infinitive, every solution (bold), every lesson label (bold), the longest
// verb count and every tense, measured in the fonts the controls have.
TEST_F(QuizDialogTest, EveryCourseTextFitsItsLabel)
{
    Run(Selection("présent", "Leçon 1", "Leçon 1"), [&] {
        const auto fits = [&](int id, const std::string& text) {
            const QWidget* label = Quiz.Control(id);
            return QFontMetrics(label->font()).horizontalAdvance(QString::fromStdString(text)) <= label->width();
        };
        for (const LessonCatalog::LessonLabel& lesson : LessonCatalog::LessonsFrom("Leçon 1"))
            EXPECT_TRUE(fits(Q::LessonText, lesson)) << lesson;
        EXPECT_TRUE(fits(Q::VerbCountText, "368"));
        EXPECT_TRUE(fits(Q::RightCountText, "368"));
        EXPECT_TRUE(fits(Q::WrongCountText, "368"));

        for (const char* tense : {"présent", "futur composé", "passé récent", "passé composé", "imparfait",
                                  "conditionnel", "subjonctif", "futur simple"}) {
            EXPECT_TRUE(fits(Q::TenseText, tense)) << tense;
            const LoadResult loaded = LoadEncryptedText(LessonCatalog::DataFileOfTense(tense));
            ASSERT_FALSE(loaded.Failure) << tense;
            const std::string text = Windows1252::ToUtf8(loaded.Text);
            const int last = LessonCatalog::LastVerbOfLesson("Leçon 29", tense);
            for (int verb = 1; verb <= last; ++verb) {
                const VerbRecord record = FindVerbRecord(text, verb);
                EXPECT_TRUE(fits(Q::GermanInfinitiveText, record.GermanInfinitive)) << record.GermanInfinitive;
                for (int row = 0; row < QuizRowCount; ++row)
                    EXPECT_TRUE(fits(Q::SolutionId(row), record.Solutions[row])) << record.Solutions[row];
            }
        }
    });
}

// Enter in any of the seven inputs (Return or the keypad's Enter) is the
// action: it checks while the verb is open and moves on once it is
// finished; button and menu item read alike after each step, and the focus
// is back in the row-0 input.
TEST_F(QuizDialogTest, EnterInAnyInputIsTheAction)
{
    Run(Selection("présent", "Leçon 1", "Leçon 29"), [&] {
        for (int row = 0; row < QuizRowCount; ++row) {
            SCOPED_TRACE(row);
            const bool wasAwaitingNext = Quiz.Engine()->AwaitingNext();
            QWidget* input = Quiz.Control(Q::InputId(row));
            input->setFocus();
            QTest::keyClick(input, row % 2 == 0 ? Qt::Key_Return : Qt::Key_Enter);

            // Empty inputs are seven wrong rows: every check reveals.
            EXPECT_NE(Quiz.Engine()->AwaitingNext(), wasAwaitingNext);
            const std::string expected = Quiz.Engine()->AwaitingNext() ? "&Weiter >" : "&Fertig!";
            EXPECT_EQ(TextOf(Quiz.Control(Q::ActionButton)), expected);
            EXPECT_EQ(MenuText(Quiz, Command::Action), expected);
            EXPECT_EQ(Quiz.focusWidget(), Quiz.Control(Q::InputId(0)));
        }
        EXPECT_EQ(TextOf(Quiz.Control(Q::WrongCountText)), "4");
    });
}

// The about box from the quiz's menu is owned by the quiz, and the quiz goes
// on when it is closed.
TEST_F(QuizDialogTest, AboutBoxIsOwnedByTheQuiz)
{
    Run(Selection("présent", "Leçon 1", "Leçon 1"), [&] {
        bool shown = false;
        Later([&] {
            auto* about = dynamic_cast<LexamoInfo*>(Application::Instance().ModalRuns().back());
            ASSERT_NE(about, nullptr);
            shown = true;
            EXPECT_EQ(about->parentWidget(), &Quiz);
            about->SendCommand(IdCancel);
        });
        Quiz.MenuCommand(Command::About)->trigger();
        EXPECT_TRUE(shown);
        EXPECT_TRUE(Quiz.IsWindowOpen());
        EXPECT_EQ(RunningQuiz(), &Quiz);
    });
}

}  // namespace
