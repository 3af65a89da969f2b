// The whole program around a quiz: from the main menu into the quiz dialog,
// through the quiz, and back to the menu or out of the program. Each test
// runs the real start-up (LexamoApp::InitInstance) on the course the build
// made, and drives the dialogs from inside their modal runs.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>

#include "catalog/LessonCatalog.h"
#include "platform/Application.h"
#include "quiz/EndeAbfrage.h"
#include "quiz/Verbenabfrage.h"
#include "resources/ResourceIds.h"
#include "shell/Hauptmenue.h"
#include "shell/LexamoApp.h"
#include "tests/quizdialog/QuizDialogTesting.h"

using namespace quizdialogtest;

namespace {

using Q = Verbenabfrage;

// Counts the Show events of the main menu and of results dialogs from the
// moment it is made.
class ShowCounter : public QObject {
public:
    ShowCounter() { qApp->installEventFilter(this); }
    ~ShowCounter() override { qApp->removeEventFilter(this); }

    int Menu = 0;
    int Results = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (dynamic_cast<Hauptmenue*>(watched))
                ++Menu;
            if (dynamic_cast<EndeAbfrage*>(watched))
                ++Results;
        }
        return false;
    }
};

std::string Choice(const Hauptmenue& menu, int list)
{
    return menu.ControlAs<QComboBox>(list)->currentText().toStdString();
}

void Pick(Hauptmenue& menu, int list, const char* entry)
{
    auto* combo = menu.ControlAs<QComboBox>(list);
    const int index = combo->findText(QString::fromUtf8(entry));
    ASSERT_GE(index, 0) << entry;
    combo->setCurrentIndex(index);
}

QWidget* Input(const Q& quiz, int row)
{
    return quiz.Control(Q::InputId(row));
}

// What the quiz shows when a verb has just been presented.
void ExpectFreshVerb(const Q& quiz, const std::string& tense, int right, int wrong)
{
    const QuizEngine& engine = *quiz.Engine();
    const VerbRecord record = CourseRecord(tense, engine.CurrentVerb());
    EXPECT_EQ(TextOf(quiz.Control(Q::VerbCountText)), std::to_string(engine.VerbCount()));
    EXPECT_EQ(TextOf(quiz.Control(Q::LessonText)),
              LessonCatalog::LessonOfVerb(engine.CurrentVerb(), tense).value_or("?"));
    EXPECT_EQ(TextOf(quiz.Control(Q::TenseText)), tense);
    EXPECT_EQ(TextOf(quiz.Control(Q::GermanInfinitiveText)), record.GermanInfinitive);
    EXPECT_EQ(TextOf(quiz.Control(Q::RightCountText)), std::to_string(right));
    EXPECT_EQ(TextOf(quiz.Control(Q::WrongCountText)), std::to_string(wrong));
    for (int row = 0; row < QuizRowCount; ++row) {
        EXPECT_EQ(TextOf(quiz.Control(Q::MarkId(row))), "") << row;
        EXPECT_EQ(TextOf(quiz.Control(Q::SolutionId(row))), "") << row;
        EXPECT_EQ(TextOf(Input(quiz, row)), "") << row;
    }
    EXPECT_EQ(TextOf(quiz.Control(Q::ActionButton)), "&Fertig!");
    EXPECT_EQ(MenuText(quiz, Command::Action), "&Fertig!");
    EXPECT_EQ(quiz.focusWidget(), Input(quiz, 0));
}

class QuizFlowTest : public testing::Test {
protected:
    LexamoApp App;  // the program's application object, as main() makes it
    Watchdog Guard;

    // The main menu of the running program; valid from the first step on.
    Hauptmenue& Menu()
    {
        auto* menu = dynamic_cast<Hauptmenue*>(Application::Instance().MainWindow());
        EXPECT_NE(menu, nullptr);
        return *menu;
    }

    // Starts a quiz from the menu with its "&OK" button and calls inQuiz
    // inside the quiz's run; returns once the quiz has ended.
    static void StartQuiz(Hauptmenue& menu, const std::function<void(Q&)>& inQuiz)
    {
        Later([inQuiz] {
            Q* quiz = RunningQuiz();
            ASSERT_NE(quiz, nullptr) << "no quiz dialog is the main window";
            inQuiz(*quiz);
        });
        QTest::mouseClick(menu.Control(Hauptmenue::OkButton), Qt::LeftButton);
    }
};

// "présent" from "Leçon 1" to "Leçon 1", the main menu untouched: one verb
// answered right, typed key by key and checked with Enter; the other one
// revealed after four wrong rows; then the results, and the main menu again.
TEST_F(QuizFlowTest, WholeQuizEndsWithResultsAndTheMenuComesBack)
{
    const std::string tense = "présent";
    ShowCounter shows;
    bool reachedResults = false;
    bool quizEnded = false;

    Later([&] {
        Hauptmenue& menu = Menu();
        StartQuiz(menu, [&](Q& quiz) {
            // The quiz stands alone; the menu is hidden, not disabled.
            EXPECT_TRUE(quiz.isVisible());
            EXPECT_EQ(quiz.parentWidget(), nullptr);
            EXPECT_EQ(quiz.SavedMainWindow(), &menu);
            EXPECT_TRUE(menu.isHidden());
            EXPECT_TRUE(menu.isEnabled());
            EXPECT_FALSE(quiz.BackToMenu());
            EXPECT_EQ(quiz.Selection().FirstVerb, 1);
            EXPECT_EQ(quiz.Selection().LastVerb, 2);
            EXPECT_EQ(quiz.windowTitle().toStdString(),
                      "Lexamo 3.0 - Verbenabfrage - présent von Leçon 1 bis Leçon 1");
            ExpectFreshVerb(quiz, tense, 0, 0);

            // First verb: every row right, typed as a user types, spaces
            // around row 0 included; Enter in the last input checks.
            const VerbRecord first = CourseRecord(tense, quiz.Engine()->CurrentVerb());
            const std::string padded = "  " + first.Solutions[0] + " ";
            TypeInto(Input(quiz, 0), padded);
            for (int row = 1; row < QuizRowCount; ++row)
                TypeInto(Input(quiz, row), first.Solutions[row]);
            QTest::keyClick(Input(quiz, 6), Qt::Key_Return);
            for (int row = 0; row < QuizRowCount; ++row) {
                EXPECT_EQ(TextOf(quiz.Control(Q::MarkId(row))), "ok") << row;
                EXPECT_EQ(TextColour(quiz.Control(Q::MarkId(row))), Green) << row;
                EXPECT_EQ(TextOf(quiz.Control(Q::SolutionId(row))), "") << row;
            }
            EXPECT_EQ(TextOf(Input(quiz, 0)), padded);  // as typed, not as judged
            EXPECT_EQ(TextOf(quiz.Control(Q::RightCountText)), "1");
            EXPECT_EQ(TextOf(quiz.Control(Q::ActionButton)), "&Weiter >");
            EXPECT_EQ(MenuText(quiz, Command::Action), "&Weiter >");
            EXPECT_EQ(quiz.focusWidget(), Input(quiz, 0));

            // On to the second verb.
            QTest::keyClick(Input(quiz, 0), Qt::Key_Return);
            ExpectFreshVerb(quiz, tense, 1, 0);
            const VerbRecord second = CourseRecord(tense, quiz.Engine()->CurrentVerb());
            EXPECT_NE(second.Solutions[0], first.Solutions[0]);

            // Three rows right, four wrong: the solutions are revealed.
            for (int row = 0; row < QuizRowCount; ++row)
                TypeInto(Input(quiz, row), row < 3 ? second.Solutions[row] : second.Solutions[row] + "x");
            QTest::mouseClick(quiz.Control(Q::ActionButton), Qt::LeftButton);
            for (int row = 0; row < QuizRowCount; ++row) {
                const bool right = row < 3;
                EXPECT_EQ(TextOf(quiz.Control(Q::MarkId(row))), right ? "ok" : "!!!") << row;
                EXPECT_EQ(TextColour(quiz.Control(Q::MarkId(row))), right ? Green : Red) << row;
                EXPECT_EQ(TextOf(quiz.Control(Q::SolutionId(row))), second.Solutions[row]) << row;
                EXPECT_EQ(TextColour(quiz.Control(Q::SolutionId(row))), Green) << row;
            }
            EXPECT_EQ(TextOf(quiz.Control(Q::RightCountText)), "1");
            EXPECT_EQ(TextOf(quiz.Control(Q::WrongCountText)), "1");
            EXPECT_EQ(TextColour(quiz.Control(Q::RightCountText)), Green);
            EXPECT_EQ(TextColour(quiz.Control(Q::WrongCountText)), Red);
            EXPECT_EQ(TextOf(quiz.Control(Q::ActionButton)), "&Weiter >");
            EXPECT_EQ(MenuText(quiz, Command::Action), "&Weiter >");
            EXPECT_EQ(quiz.focusWidget(), Input(quiz, 0));

            // The menu's action item ends the quiz: results, then the close
            // towards the main menu, posted.
            Later([&] {  // the results, above the quiz
                auto* results = dynamic_cast<EndeAbfrage*>(Application::Instance().ModalRuns().back());
                ASSERT_NE(results, nullptr);
                reachedResults = true;
                EXPECT_EQ(results->parentWidget(), &quiz);
                EXPECT_EQ(results->Result().TenseLabel, tense);
                EXPECT_EQ(results->Result().FromLesson, "Leçon 1");
                EXPECT_EQ(results->Result().ToLesson, "Leçon 1");
                EXPECT_EQ(results->Result().VerbCount, 2);
                EXPECT_EQ(results->Result().RightCount, 1);
                EXPECT_EQ(results->Result().WrongCount, 1);
                EXPECT_EQ(TextOf(quiz.Control(Q::GermanInfinitiveText)), "");
                QTest::mouseClick(results->Control(IdCancel), Qt::LeftButton);
            });
            quiz.MenuCommand(Command::Action)->trigger();
            EXPECT_TRUE(reachedResults);
            EXPECT_TRUE(quiz.BackToMenu());
            EXPECT_TRUE(quiz.IsWindowOpen());
            quizEnded = true;
        });

        // The quiz has closed: the menu is back with its choices.
        EXPECT_TRUE(quizEnded);
        EXPECT_EQ(Application::Instance().MainWindow(), &menu);
        EXPECT_TRUE(menu.isVisible());
        EXPECT_EQ(Choice(menu, Hauptmenue::TenseList), "présent");
        EXPECT_EQ(Choice(menu, Hauptmenue::FromList), "Leçon 1");
        EXPECT_EQ(Choice(menu, Hauptmenue::ToList), "Leçon 1");
        menu.SendCommand(Hauptmenue::QuitButton);
    });
    EXPECT_FALSE(App.InitInstance());
    EXPECT_EQ(shows.Results, 1);
    EXPECT_EQ(shows.Menu, 2);  // at the start, and once after the quiz
}

// Every way out of a quiz in the middle of a verb: back to the main menu,
// which can start the next quiz at once, or out of the program without the
// main menu showing again. No way out shows results.
TEST(QuizWaysOut, MenuComesBackOrTheProgramEnds)
{
    struct WayOut {
        const char* Name;
        std::function<void(Q&)> Leave;
        bool BackToMenu;
    };
    const auto click = [](int id) { return [id](Q& quiz) { quiz.ControlAs<QPushButton>(id)->click(); }; };
    const auto menuItem = [](int command) { return [command](Q& quiz) { quiz.MenuCommand(command)->trigger(); }; };
    const WayOut ways[] = {
        {"button H&auptmenü", click(Q::MainMenuButton), true},
        {"menu &Hauptmenü", menuItem(Command::BackToMenu), true},
        {"button &Beenden", click(Q::QuitButton), false},
        {"menu &Beenden", menuItem(Command::Quit), false},
        {"close box", [](Q& quiz) { quiz.close(); }, false},
    };

    for (const WayOut& way : ways) {
        SCOPED_TRACE(way.Name);
        LexamoApp app;
        Watchdog guard;
        ShowCounter shows;
        int quizzes = 0;
        int menuShowsBeforeLeaving = -1;

        Later([&] {
            auto* menu = dynamic_cast<Hauptmenue*>(Application::Instance().MainWindow());
            ASSERT_NE(menu, nullptr);
            Pick(*menu, Hauptmenue::TenseList, "imparfait");
            Pick(*menu, Hauptmenue::FromList, "Leçon 2");
            Pick(*menu, Hauptmenue::ToList, "Leçon 4");

            Later([&] {
                Q* quiz = RunningQuiz();
                ASSERT_NE(quiz, nullptr);
                ++quizzes;
                // A check with three wrong rows leaves the verb open.
                const VerbRecord record = CourseRecord("imparfait", quiz->Engine()->CurrentVerb());
                for (int row = 0; row < QuizRowCount; ++row)
                    TypeInto(Input(*quiz, row), row < 4 ? record.Solutions[row] : "falsch");
                quiz->SendCommand(Q::ActionButton);
                ASSERT_FALSE(quiz->Engine()->AwaitingNext());
                menuShowsBeforeLeaving = shows.Menu;
                way.Leave(*quiz);
                EXPECT_TRUE(quiz->IsWindowOpen());  // the close is posted
                EXPECT_EQ(quiz->BackToMenu(), way.BackToMenu);
            });
            menu->SendCommand(Command::StartQuiz);
            if (!way.BackToMenu)
                return;  // the close posted to the menu ends the program

            EXPECT_EQ(Application::Instance().MainWindow(), menu);
            EXPECT_TRUE(menu->isVisible());
            EXPECT_EQ(Choice(*menu, Hauptmenue::TenseList), "imparfait");
            EXPECT_EQ(Choice(*menu, Hauptmenue::FromList), "Leçon 2");
            EXPECT_EQ(Choice(*menu, Hauptmenue::ToList), "Leçon 4");

            // A second quiz over the same choices starts afresh.
            Later([&] {
                Q* quiz = RunningQuiz();
                ASSERT_NE(quiz, nullptr);
                ++quizzes;
                EXPECT_FALSE(quiz->BackToMenu());
                EXPECT_TRUE(menu->isHidden());
                EXPECT_EQ(quiz->Selection().FirstVerb, LessonCatalog::FirstVerbOfLesson("Leçon 2", "imparfait"));
                EXPECT_EQ(quiz->Selection().LastVerb, LessonCatalog::LastVerbOfLesson("Leçon 4", "imparfait"));
                EXPECT_EQ(TextOf(quiz->Control(Q::WrongCountText)), "0");
                EXPECT_EQ(TextOf(Input(*quiz, 0)), "");
                way.Leave(*quiz);
            });
            menu->SendCommand(Command::StartQuiz);
            EXPECT_TRUE(menu->isVisible());
            menu->SendCommand(Hauptmenue::QuitButton);
        });
        EXPECT_FALSE(app.InitInstance());

        EXPECT_EQ(Application::Instance().MainWindow(), nullptr);
        EXPECT_EQ(quizzes, way.BackToMenu ? 2 : 1);
        EXPECT_EQ(shows.Results, 0);
        if (!way.BackToMenu) {
            EXPECT_EQ(shows.Menu, menuShowsBeforeLeaving);  // the menu never came back
        }
    }
}

// Escape neither ends the quiz nor throws it away, wherever the focus is.
TEST_F(QuizFlowTest, EscapeIsIgnored)
{
    Later([&] {
        Hauptmenue& menu = Menu();
        StartQuiz(menu, [&](Q& quiz) {
            TypeInto(Input(quiz, 2), "es");
            QTest::keyClick(Input(quiz, 2), Qt::Key_Escape);
            QTest::keyClick(quiz.Control(Q::ActionButton), Qt::Key_Escape);
            QTest::keyClick(&quiz, Qt::Key_Escape);
            QApplication::processEvents();
            EXPECT_TRUE(quiz.isVisible());
            EXPECT_EQ(RunningQuiz(), &quiz);
            EXPECT_TRUE(menu.isHidden());
            EXPECT_EQ(TextOf(Input(quiz, 2)), "es");
            quiz.SendCommand(Q::MainMenuButton);
        });
        EXPECT_EQ(Application::Instance().MainWindow(), &menu);
        EXPECT_TRUE(menu.isVisible());
        menu.SendCommand(Hauptmenue::QuitButton);
    });
    EXPECT_FALSE(App.InitInstance());
}

}  // namespace
