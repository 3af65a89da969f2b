#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "catalog/LessonCatalog.h"
#include "platform/Application.h"
#include "resources/ResourceIds.h"
#include "shell/Hauptmenue.h"
#include "shell/LexamoApp.h"
#include "shell/LexamoHelp.h"
#include "shell/RunQuiz.h"
#include "tests/platform/ModalRun.h"

namespace {

std::vector<std::string> Entries(const QComboBox* list)
{
    std::vector<std::string> entries;
    for (int i = 0; i < list->count(); ++i)
        entries.push_back(list->itemText(i).toStdString());
    return entries;
}

std::string Selected(const QComboBox* list)
{
    return list->currentText().toStdString();
}

// Sends the quiz that "&OK" starts straight back to the main menu once it is
// up, and counts it.
void BackFromTheQuizWhenItOpens(QObject* context, int& quizzes)
{
    Later(context, [&quizzes] {
        auto* quiz = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(quiz, nullptr);
        ASSERT_EQ(quiz->TemplateId(), Resource::QuizTemplate);
        ++quizzes;
        quiz->SendCommand(Command::BackToMenu);
    });
}

class HauptmenueTest : public testing::Test {
protected:
    QComboBox* List(int id) { return Menu.ControlAs<QComboBox>(id); }
    // A pick in a list as the user makes it: the selection moves to the entry.
    void Pick(int id, const std::string& entry)
    {
        QComboBox* list = List(id);
        const int index = list->findText(QString::fromStdString(entry));
        ASSERT_GE(index, 0) << entry;
        list->setCurrentIndex(index);
    }

    Application App;
    Hauptmenue Menu;
};

TEST_F(HauptmenueTest, OpensWithTheCourseInItsListsAndTheTenseListFocused)
{
    App.SetMainWindow(&Menu);
    RunModal(Menu, [&] {
        EXPECT_EQ(Entries(List(Hauptmenue::TenseList)), LessonCatalog::TenseLabels());
        EXPECT_EQ(Entries(List(Hauptmenue::FromList)), LessonCatalog::LessonLabels());
        EXPECT_EQ(Entries(List(Hauptmenue::ToList)), LessonCatalog::LessonLabels());
        EXPECT_EQ(Selected(List(Hauptmenue::TenseList)), "présent");
        EXPECT_EQ(Selected(List(Hauptmenue::FromList)), "Leçon 1");
        EXPECT_EQ(Selected(List(Hauptmenue::ToList)), "Leçon 1");
        EXPECT_EQ(Menu.focusWidget(), List(Hauptmenue::TenseList));
        EXPECT_EQ(Menu.windowTitle(), QString::fromUtf8("Lexamo 3.0 - Hauptmenü"));
        EXPECT_FALSE(Menu.windowIcon().isNull());
        Menu.EndDialog(IdCancel);
    });
}

TEST_F(HauptmenueTest, TheMenuBarCarriesEveryCommandWithItsMnemonic)
{
    const std::pair<int, const char*> items[] = {
        {Command::StartQuiz, "&OK"},
        {Command::Quit, "&Beenden"},
        {Command::Help, "&Lexamo Hilfe"},
        {Command::Website, "&Vandrel Website"},
        {Command::About, "&Info über Lexamo..."},
    };
    for (const auto& [command, text] : items) {
        QAction* action = Menu.MenuCommand(command);
        ASSERT_NE(action, nullptr) << command;
        EXPECT_EQ(action->text(), QString::fromUtf8(text));
        EXPECT_TRUE(action->isEnabled());
    }
    ASSERT_NE(Menu.MenuBar(), nullptr);
    const QList<QAction*> popups = Menu.MenuBar()->actions();
    ASSERT_EQ(popups.size(), 2);
    EXPECT_EQ(popups[0]->text(), QStringLiteral("&Lexamo"));
    EXPECT_EQ(popups[1]->text(), QStringLiteral("&Hilfe"));
}

// Every pick under "von" rebuilds "bis" from that lesson on and selects it,
// whatever "bis" held before.
TEST_F(HauptmenueTest, AVonPickRebuildsTheBisList)
{
    struct Case {
        const char* Von;
        const char* BisBefore;  // picked under "bis" before the "von" pick
        std::size_t Count;
        const char* Last;
    };
    const Case cases[] = {
        {"Leçon 9", "Leçon 20", 21, "Leçon 29"},
        {"Leçon 29", "Leçon 29", 1, "Leçon 29"},
        {"Leçon 4", "Leçon 29", 26, "Leçon 29"},
        {"Leçon 1", "Leçon 29", 28, "Leçon 29"},  // back to the start: all lessons again
        {"Leçon 2", "Leçon 2", 27, "Leçon 29"},
    };
    RunModal(Menu, [&] {
        for (const Case& c : cases) {
            Pick(Hauptmenue::ToList, c.BisBefore);
            Pick(Hauptmenue::FromList, c.Von);
            const std::vector<std::string> bis = Entries(List(Hauptmenue::ToList));
            ASSERT_EQ(bis.size(), c.Count) << c.Von;
            EXPECT_EQ(bis.front(), c.Von);
            EXPECT_EQ(bis.back(), c.Last);
            EXPECT_EQ(Selected(List(Hauptmenue::ToList)), c.Von);
        }
        Menu.EndDialog(IdCancel);
    });
}

TEST_F(HauptmenueTest, TheKeyboardInTheVonListRebuildsBisToo)
{
    RunModal(Menu, [&] {
        QTest::keyClick(List(Hauptmenue::FromList), Qt::Key_Down);
        QTest::keyClick(List(Hauptmenue::FromList), Qt::Key_Down);
        EXPECT_EQ(Selected(List(Hauptmenue::FromList)), "Leçon 4");
        EXPECT_EQ(List(Hauptmenue::ToList)->count(), 26);
        EXPECT_EQ(Selected(List(Hauptmenue::ToList)), "Leçon 4");
        Menu.EndDialog(IdCancel);
    });
}

TEST_F(HauptmenueTest, TheTenseAndBisChoicesLeaveTheLessonListsAlone)
{
    RunModal(Menu, [&] {
        Pick(Hauptmenue::FromList, "Leçon 9");
        Pick(Hauptmenue::ToList, "Leçon 12");
        QTest::keyClick(List(Hauptmenue::TenseList), Qt::Key_Down);
        Pick(Hauptmenue::TenseList, "subjonctif");
        EXPECT_EQ(Selected(List(Hauptmenue::FromList)), "Leçon 9");
        EXPECT_EQ(List(Hauptmenue::FromList)->count(), 28);
        EXPECT_EQ(List(Hauptmenue::ToList)->count(), 21);
        EXPECT_EQ(Selected(List(Hauptmenue::ToList)), "Leçon 12");
        Menu.EndDialog(IdCancel);
    });
}

// Enter presses "&OK" (the start of a quiz) unless the focus is on "&Beenden".
TEST_F(HauptmenueTest, EnterPressesOkUnlessBeendenHasTheFocus)
{
    struct Case {
        int Focus;
        bool PressesOk;
        bool EndsTheRun;
    };
    const Case cases[] = {
        {Hauptmenue::TenseList, true, false},
        {Hauptmenue::FromList, true, false},
        {Hauptmenue::ToList, true, false},
        {Hauptmenue::OkButton, true, false},
        {Hauptmenue::QuitButton, false, true},
    };
    for (const Case& c : cases) {
        Hauptmenue menu;
        QSignalSpy ok(menu.ControlAs<QPushButton>(Hauptmenue::OkButton), &QPushButton::clicked);
        App.SetMainWindow(&menu);
        int quizzes = 0;
        const int result = RunModal(menu, [&] {
            if (c.PressesOk)
                BackFromTheQuizWhenItOpens(&menu, quizzes);
            menu.Control(c.Focus)->setFocus();
            QTest::keyClick(menu.Control(c.Focus), Qt::Key_Return);
            if (!c.EndsTheRun)
                menu.EndDialog(IdCancel);
        });
        EXPECT_EQ(ok.count(), c.PressesOk ? 1 : 0) << c.Focus;
        EXPECT_EQ(quizzes, c.PressesOk ? 1 : 0) << c.Focus;
        EXPECT_EQ(result, c.EndsTheRun ? -1 : IdCancel) << c.Focus;  // -1: the quit request
    }
}

// "&OK" reads the three choices back before the quiz gets them.
TEST_F(HauptmenueTest, OkReadsTheChoices)
{
    App.SetMainWindow(&Menu);
    int quizzes = 0;
    RunModal(Menu, [&] {
        BackFromTheQuizWhenItOpens(&Menu, quizzes);
        Pick(Hauptmenue::TenseList, "passé composé");
        Pick(Hauptmenue::FromList, "Leçon 11");
        Pick(Hauptmenue::ToList, "Leçon 25");
        Menu.ControlAs<QPushButton>(Hauptmenue::OkButton)->click();
        Menu.EndDialog(IdCancel);
    });
    EXPECT_EQ(quizzes, 1);
    EXPECT_EQ(Menu.TenseLabel(), "passé composé");
    EXPECT_EQ(Menu.FromLesson(), "Leçon 11");
    EXPECT_EQ(Menu.ToLesson(), "Leçon 25");
}

TEST(MakeQuizSelection, TakesTheRangeFromTheTensesNumbering)
{
    struct Case {
        const char* Tense;
        const char* From;
        const char* To;
        int First, Last;
    };
    const Case cases[] = {
        {"présent", "Leçon 1", "Leçon 1", 1, 2},
        {"présent", "Leçon 1", "Leçon 2", 1, 4},
        {"imparfait", "Leçon 12", "Leçon 29", 89, 366},
        {"passé composé", "Leçon 12", "Leçon 29", 90, 368},
        {"passé composé", "Leçon 11", "Leçon 11", 79, 89},
    };
    for (const Case& c : cases) {
        const QuizSelection s = MakeQuizSelection(c.Tense, c.From, c.To);
        EXPECT_EQ(s.FirstVerb, c.First) << c.Tense << " " << c.From;
        EXPECT_EQ(s.LastVerb, c.Last) << c.Tense << " " << c.To;
        EXPECT_EQ(s.TenseLabel, c.Tense);
        EXPECT_EQ(s.FromLesson, c.From);
        EXPECT_EQ(s.ToLesson, c.To);
    }
}

// Every way out of the main menu ends its run; as the current main window,
// it takes the program with it.
TEST_F(HauptmenueTest, EveryWayOutEndsTheProgram)
{
    struct Case {
        const char* Way;
        std::function<void(Hauptmenue&)> Act;
    };
    const Case cases[] = {
        {"Escape", [](Hauptmenue& m) { QTest::keyClick(m.focusWidget(), Qt::Key_Escape); }},
        {"close box", [](Hauptmenue& m) { m.close(); }},
        {"button Beenden", [](Hauptmenue& m) { m.ControlAs<QPushButton>(Hauptmenue::QuitButton)->click(); }},
        {"menu Beenden", [](Hauptmenue& m) { m.MenuCommand(Command::Quit)->trigger(); }},
        {"close posted by a quiz", [](Hauptmenue& m) {
             m.HideWindow();
             m.PostClose();
         }},
    };
    for (const Case& c : cases) {
        Hauptmenue menu;
        App.SetMainWindow(&menu);
        RunModal(menu, [&] { c.Act(menu); });
        EXPECT_FALSE(menu.IsWindowOpen()) << c.Way;
        EXPECT_EQ(App.MainWindow(), nullptr) << c.Way;
        EXPECT_TRUE(App.ModalRuns().empty()) << c.Way;
    }
}

TEST_F(HauptmenueTest, TheAboutBoxOpensOverTheMenuAndReturnsToItUnchanged)
{
    App.SetMainWindow(&Menu);
    RunModal(Menu, [&] {
        Pick(Hauptmenue::FromList, "Leçon 7");
        bool sawBox = false;
        Later(&Menu, [&] {
            auto* box = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            sawBox = true;
            EXPECT_EQ(box->TemplateId(), Resource::AboutTemplate);
            EXPECT_EQ(box->parentWidget(), &Menu);
            box->ControlAs<QPushButton>(IdCancel)->click();
        });
        Menu.MenuCommand(Command::About)->trigger();
        EXPECT_TRUE(sawBox);
        EXPECT_TRUE(Menu.IsWindowOpen());
        EXPECT_EQ(App.MainWindow(), &Menu);
        EXPECT_EQ(Selected(List(Hauptmenue::FromList)), "Leçon 7");
        EXPECT_EQ(List(Hauptmenue::ToList)->count(), 23);
        Menu.EndDialog(IdCancel);
    });
}

TEST_F(HauptmenueTest, HelpThatCannotStartSaysSoOverTheMenu)
{
    LexamoHelp::SetViewerProgram(QStringLiteral("/nonexistent/assistant"));
    RunModal(Menu, [&] {
        QString message;
        Later(&Menu, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            message = box->text();
            box->accept();
        });
        Menu.MenuCommand(Command::Help)->trigger();
        EXPECT_EQ(message, QStringLiteral("Failed to launch help."));
        EXPECT_TRUE(Menu.IsWindowOpen());
        Menu.EndDialog(IdCancel);
    });
    LexamoHelp::SetViewerProgram({});
}

// The start-up: the main menu as the current main window, until it ends.
TEST(LexamoApp, StartsIntoTheMainMenuAndEndsWithIt)
{
    LexamoApp app;
    QObject context;
    QTimer::singleShot(5000, &context, [&] {
        ADD_FAILURE() << "the main menu did not end";
        app.PostQuit();
    });
    bool sawMenu = false;
    Later(&context, [&] {
        auto* menu = dynamic_cast<Hauptmenue*>(app.MainWindow());
        ASSERT_NE(menu, nullptr);
        sawMenu = true;
        EXPECT_TRUE(menu->isVisible());
        EXPECT_EQ(menu->parentWidget(), nullptr);
        QTest::keyClick(menu->focusWidget(), Qt::Key_Escape);
    });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_TRUE(sawMenu);
    EXPECT_EQ(app.MainWindow(), nullptr);
}

}  // namespace
