#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "tests/platform/ModalRun.h"
#include "tests/platform/ProbeDialog.h"

namespace {

// A program's application object that records the help it is asked for.
class RecordingApp : public Application {
public:
    std::vector<int> HelpAsked;

protected:
    void OnHelp(int templateId) override { HelpAsked.push_back(templateId); }
};

class ApplicationTest : public testing::Test {
protected:
    RecordingApp App;  // the instance for the length of a test
};

TEST_F(ApplicationTest, TheInstanceIsTheLatestApplicationObject)
{
    EXPECT_EQ(&Application::Instance(), &App);
}

// Rule 1: a dialog without a parent belongs to the current main window for
// the length of its run.
TEST_F(ApplicationTest, ADialogWithoutParentIsOwnedByTheOpenMainWindowDuringItsRun)
{
    probe::Dialog main;
    probe::Dialog box;
    App.SetMainWindow(&main);
    RunModal(main, [&] {
        RunModal(box, [&] {
            EXPECT_EQ(box.parentWidget(), &main);
            EXPECT_TRUE(box.isModal());
            box.EndDialog(IdCancel);
        });
        EXPECT_EQ(box.parentWidget(), nullptr);
        EXPECT_EQ(App.MainWindow(), &main);
        EXPECT_TRUE(main.IsWindowOpen());
        main.EndDialog(IdCancel);
    });
}

// The quiz is made the current main window before it opens: it has no owner.
TEST_F(ApplicationTest, TheMainWindowItselfOrOneNotYetOpenOwnsNothing)
{
    probe::Dialog menu;
    probe::Dialog quiz;
    App.SetMainWindow(&menu);
    RunModal(menu, [&] {
        App.SetMainWindow(&quiz);
        RunModal(quiz, [&] {
            EXPECT_EQ(quiz.parentWidget(), nullptr);
            App.SetMainWindow(&menu);
            quiz.EndDialog(IdCancel);
        });
        EXPECT_TRUE(menu.IsWindowOpen()) << "the hand-over back keeps the menu running";
        menu.EndDialog(IdCancel);
    });

    probe::Dialog notOpen;
    App.SetMainWindow(&notOpen);
    RunModal(quiz, [&] {
        EXPECT_EQ(quiz.parentWidget(), nullptr);
        quiz.EndDialog(IdCancel);
    });
}

// Rule 3: the run of the current main window ends -> the reference is
// cleared and every modal run ends, innermost first.
TEST_F(ApplicationTest, WhenTheMainWindowsRunEndsEveryRunEnds)
{
    probe::Dialog menu;
    probe::Dialog quiz;
    App.SetMainWindow(&menu);
    std::vector<const char*> ended;
    int quizResult = 0;
    const int menuResult = RunModal(menu, [&] {
        App.SetMainWindow(&quiz);
        // Escape in a quiz that does not hand the main window back first.
        quizResult = RunModal(quiz, [&] { QTest::keyClick(quiz.focusWidget(), Qt::Key_Escape); });
        ended.push_back("quiz");
        EXPECT_EQ(App.MainWindow(), nullptr);
        EXPECT_TRUE(App.QuitPending());
    });
    ended.push_back("menu");
    EXPECT_EQ(quizResult, IdCancel);
    EXPECT_EQ(menuResult, -1);
    EXPECT_EQ(ended, (std::vector<const char*>{"quiz", "menu"}));
    EXPECT_FALSE(App.QuitPending()) << "the request is done once no run is left";
    EXPECT_TRUE(App.ModalRuns().empty());
}

TEST_F(ApplicationTest, AQuitRequestEndsNestedRunsAfterTheCurrentHandler)
{
    probe::Dialog outer;
    probe::Dialog inner;
    probe::Dialog late;
    int innerResult = 0;
    int lateResult = 0;
    const int outerResult = RunModal(outer, [&] {
        innerResult = RunModal(inner, [&] {
            App.PostQuit();
            EXPECT_TRUE(inner.IsWindowOpen()) << "the request waits for the event loop";
            EXPECT_EQ(App.ModalRuns().size(), 2u);
        });
        // A run started while the request is going on ends at once.
        lateResult = late.DoModal();
    });
    EXPECT_EQ(innerResult, -1);
    EXPECT_EQ(lateResult, -1);
    EXPECT_EQ(late.InitCalls, 0);
    EXPECT_EQ(outerResult, -1);

    // Afterwards dialogs run as usual.
    EXPECT_EQ(RunModal(late, [&] { late.EndDialog(IdOk); }), IdOk);
}

TEST_F(ApplicationTest, AQuitRequestWithoutAnyRunDoesNothing)
{
    App.PostQuit();
    EXPECT_FALSE(App.QuitPending());
    probe::Dialog dialog;
    EXPECT_EQ(RunModal(dialog, [&] { dialog.EndDialog(IdOk); }), IdOk);
}

TEST_F(ApplicationTest, TheMainWindowReferenceDoesNotOutliveTheDialog)
{
    {
        probe::Dialog dialog;
        App.SetMainWindow(&dialog);
    }
    EXPECT_EQ(App.MainWindow(), nullptr);
}

TEST_F(ApplicationTest, F1AsksForTheTopicOfTheDialogWithTheFocus)
{
    struct Case {
        Qt::KeyboardModifiers Modifiers;
        bool Asks;
    };
    const Case cases[] = {
        {Qt::NoModifier, true},
        {Qt::KeypadModifier, true},
        {Qt::ShiftModifier, false},
        {Qt::ControlModifier, false},
        {Qt::AltModifier, false},
    };
    for (const Case& c : cases) {
        probe::Dialog dialog;
        App.HelpAsked.clear();
        RunModal(dialog, [&] {
            QTest::keyClick(dialog.Control(probe::Edit), Qt::Key_F1, c.Modifiers);
            EXPECT_TRUE(dialog.IsWindowOpen());
            dialog.EndDialog(IdCancel);
        });
        EXPECT_EQ(App.HelpAsked, c.Asks ? std::vector<int>{probe::TemplateId} : std::vector<int>{})
            << c.Modifiers.toInt();
    }
}

}  // namespace
