#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "tests/platform/ModalRun.h"
#include "tests/platform/ProbeDialog.h"

namespace {

QString Text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// ---- data exchange --------------------------------------------------------

TEST(DataExchange, WritingSelectsTheFirstEntryThatBeginsWithTheTextIgnoringCase)
{
    struct Case {
        const char* Field;
        int Selected;  // -1: the selection stays as it was
    };
    const Case cases[] = {
        {"Leçon 1", 0},   // "Leçon 1" comes before "leçon 10"
        {"LEÇON 2", 1},   // case does not matter, also beyond ASCII
        {"leçon 10", 2},
        {"Zei", 3},       // a beginning is enough
        {"Leçon 3", -1},  // no entry begins with it
    };
    for (const Case& c : cases) {
        probe::Dialog dialog;
        auto* list = dialog.ControlAs<QComboBox>(probe::List);
        list->setCurrentIndex(1);
        dialog.Choice = c.Field;
        dialog.UpdateData(false);
        EXPECT_EQ(list->currentIndex(), c.Selected == -1 ? 1 : c.Selected) << c.Field;
    }
}

TEST(DataExchange, ReadingGivesTheSelectedEntryOrAnEmptyText)
{
    probe::Dialog dialog;
    auto* list = dialog.ControlAs<QComboBox>(probe::List);
    list->setCurrentIndex(2);
    dialog.UpdateData(true);
    EXPECT_EQ(dialog.Choice, "leçon 10");

    list->clear();
    dialog.UpdateData(true);
    EXPECT_EQ(dialog.Choice, "");
}

TEST(DataExchange, TextsAndNumbersGoBothWays)
{
    probe::Dialog dialog;
    dialog.Text = "  vais m'habiller  ";
    dialog.ValueText = "Ça va";
    dialog.Count = 42;
    dialog.UpdateData(false);
    EXPECT_EQ(dialog.ControlAs<QLineEdit>(probe::Edit)->text(), Text("  vais m'habiller  "));
    EXPECT_EQ(dialog.ControlAs<QLabel>(probe::Value)->text(), Text("Ça va"));
    EXPECT_EQ(dialog.ControlAs<QLabel>(probe::Number)->text(), Text("42"));
    EXPECT_EQ(dialog.ListControl, dialog.Control(probe::List));

    dialog.ControlAs<QLineEdit>(probe::Edit)->setText(Text("êtes allés"));
    dialog.ControlAs<QLabel>(probe::Number)->setText(Text("-3"));
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.Text, "êtes allés");
    EXPECT_EQ(dialog.Count, -3);
}

TEST(DataExchange, ANumberThatIsNoneFailsAndKeepsTheField)
{
    probe::Dialog dialog;
    dialog.ControlAs<QLabel>(probe::Number)->setText(Text("12a"));
    EXPECT_FALSE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.Count, 7);
}

TEST(DataExchange, LabelsShowTextPlainly)
{
    probe::Dialog dialog;
    dialog.ValueText = "<b>gras</b>";
    dialog.UpdateData(false);
    EXPECT_EQ(dialog.ControlAs<QLabel>(probe::Value)->textFormat(), Qt::PlainText);
}

// ---- template state, bold, colours -----------------------------------------

TEST(Dialog, ListsStartWithTheTemplatesEntriesAndNoSelection)
{
    probe::Dialog dialog;
    auto* list = dialog.ControlAs<QComboBox>(probe::List);
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->itemText(0), Text("Leçon 1"));
    EXPECT_EQ(list->itemText(3), Text("Zeit"));
    EXPECT_EQ(list->currentIndex(), -1);
}

TEST(Dialog, BoldIsACopyOfTheControlsOwnFont)
{
    probe::Dialog dialog;
    auto* value = dialog.ControlAs<QLabel>(probe::Value);
    QFont italic = value->font();
    italic.setItalic(true);
    value->setFont(italic);

    dialog.MakeBold(probe::Value);
    EXPECT_TRUE(value->font().bold());
    EXPECT_TRUE(value->font().italic());
    EXPECT_EQ(value->font().family(), dialog.font().family());
    EXPECT_EQ(value->font().pointSize(), dialog.font().pointSize());
    EXPECT_FALSE(dialog.ControlAs<QLabel>(probe::Number)->font().bold());
}

TEST(Dialog, ColoursAreAppliedWheneverStateIsShown)
{
    probe::Dialog dialog;
    auto* value = dialog.ControlAs<QLabel>(probe::Value);
    const QColor standard = value->palette().color(QPalette::WindowText);

    dialog.ValueColour = QColor(255, 0, 0);
    dialog.UpdateData(false);
    EXPECT_EQ(value->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    dialog.ValueColour = QColor(0, 128, 0);
    dialog.UpdateData(false);
    EXPECT_EQ(value->palette().color(QPalette::WindowText), QColor(0, 128, 0));

    dialog.ValueColour.reset();
    dialog.UpdateData(false);
    EXPECT_EQ(value->palette().color(QPalette::WindowText), standard);
}

// Each run starts from the template, as a window created anew would.
TEST(Dialog, EveryRunStartsFromTheTemplate)
{
    probe::Dialog dialog;
    int runs = 0;
    const auto step = [&] {
        ++runs;
        auto* value = dialog.ControlAs<QLabel>(probe::Value);
        EXPECT_FALSE(value->font().bold());
        EXPECT_EQ(dialog.ControlAs<QComboBox>(probe::List)->count(), 4);
        dialog.MakeBold(probe::Value);
        dialog.ControlAs<QComboBox>(probe::List)->addItem(Text("extra"));
        dialog.setWindowTitle(Text("geändert"));
        dialog.EndDialog(IdCancel);
    };
    RunModal(dialog, step);
    EXPECT_EQ(dialog.windowTitle(), Text("geändert"));
    RunModal(dialog, [&] {
        EXPECT_EQ(dialog.windowTitle(), Text("Probe"));
        step();
    });
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(dialog.InitCalls, 2);
    EXPECT_EQ(dialog.DestroyCalls, 2);
}

// ---- commands and the ways a run ends ------------------------------------

TEST(Dialog, TheWaysToEndARun)
{
    struct Case {
        const char* Way;
        std::function<void(probe::Dialog&)> Act;
        int Result;
        int CloseCalls;
    };
    const Case cases[] = {
        {"Escape", [](probe::Dialog& d) { QTest::keyClick(d.focusWidget(), Qt::Key_Escape); }, IdCancel, 0},
        {"close box", [](probe::Dialog& d) { d.close(); }, IdCancel, 1},
        {"Cancel button", [](probe::Dialog& d) { d.ControlAs<QPushButton>(IdCancel)->click(); }, IdCancel, 0},
        {"Enter on the list", [](probe::Dialog& d) { QTest::keyClick(d.ListControl, Qt::Key_Return); }, IdOk, 0},
        {"Enter on the edit field",
         [](probe::Dialog& d) { QTest::keyClick(d.Control(probe::Edit), Qt::Key_Return); }, IdOk, 0},
        {"Enter on the Cancel button",
         [](probe::Dialog& d) {
             d.Control(IdCancel)->setFocus();
             QTest::keyClick(d.Control(IdCancel), Qt::Key_Return);
         },
         IdCancel, 0},
        {"posted close", [](probe::Dialog& d) { d.PostClose(); }, IdCancel, 1},
        {"QDialog::accept", [](probe::Dialog& d) { d.accept(); }, IdOk, 0},
    };
    for (const Case& c : cases) {
        probe::Dialog dialog;
        const int result = RunModal(dialog, [&] { c.Act(dialog); });
        EXPECT_EQ(result, c.Result) << c.Way;
        EXPECT_EQ(dialog.CloseCalls, c.CloseCalls) << c.Way;
        EXPECT_FALSE(dialog.isVisible()) << c.Way;
        EXPECT_FALSE(dialog.IsWindowOpen()) << c.Way;
    }
}

TEST(Dialog, TheDefaultOkReadsTheControlsBack)
{
    probe::Dialog dialog;
    RunModal(dialog, [&] {
        QTest::keyClicks(dialog.Control(probe::Edit), "parle");
        QTest::keyClick(dialog.Control(probe::Edit), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.Text, "parle");
}

TEST(Dialog, AMappedCommandReplacesTheDefaultAndMenuAndButtonShareIt)
{
    probe::Dialog dialog;
    RunModal(dialog, [&] {
        dialog.ControlAs<QPushButton>(probe::Other)->click();
        dialog.SendCommand(probe::Other);
        EXPECT_TRUE(dialog.IsWindowOpen());
        dialog.EndDialog(IdCancel);
    });
    EXPECT_EQ(dialog.Commands, (std::vector<int>{probe::Other, probe::Other}));
}

TEST(Dialog, SelectionChangesReachTheMapOnlyWhenTheUserMakesThem)
{
    probe::Dialog dialog;
    RunModal(dialog, [&] {
        EXPECT_TRUE(dialog.SelChanges.empty()) << "the first data exchange selected an entry";
        dialog.Choice = "Zeit";
        dialog.UpdateData(false);
        EXPECT_TRUE(dialog.SelChanges.empty());
        QTest::keyClick(dialog.ListControl, Qt::Key_Up);
        EXPECT_EQ(dialog.SelChanges.size(), 1u);
        dialog.EndDialog(IdCancel);
    });
    EXPECT_EQ(dialog.ListControl->currentText(), Text("leçon 10"));
}

TEST(Dialog, FocusGoesToTheFirstTabStop)
{
    probe::Dialog dialog;
    RunModal(dialog, [&] {
        EXPECT_EQ(dialog.focusWidget(), dialog.Control(probe::List));
        dialog.EndDialog(IdCancel);
    });
}

// A posted close runs after the handler that posted it, and not at all once
// the run is over.
TEST(Dialog, APostedCloseWaitsForTheCurrentHandler)
{
    probe::Dialog dialog;
    dialog.OnOther = [&] {
        dialog.PostClose();
        EXPECT_EQ(dialog.CloseCalls, 0);
        EXPECT_TRUE(dialog.IsWindowOpen());
    };
    EXPECT_EQ(RunModal(dialog, [&] { dialog.SendCommand(probe::Other); }), IdCancel);
    EXPECT_EQ(dialog.CloseCalls, 1);

    dialog.PostClose();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.CloseCalls, 1);
}

TEST(Dialog, EndingWhileInitialisingNeverShowsTheWindow)
{
    struct Ending : probe::Dialog {
        bool Shown = false;
        bool OnInitDialog() override
        {
            probe::Dialog::OnInitDialog();
            EndDialog(IdCancel);
            return true;
        }
        void showEvent(QShowEvent*) override { Shown = true; }
    } dialog;
    EXPECT_EQ(dialog.DoModal(), IdCancel);
    EXPECT_FALSE(dialog.Shown);
}

// The main menu is hidden while a quiz runs, and its run must still end when
// the quiz tells it to.
TEST(Dialog, AHiddenDialogCanEndItsRun)
{
    probe::Dialog dialog;
    const int result = RunModal(dialog, [&] {
        dialog.HideWindow();
        EXPECT_TRUE(dialog.IsWindowOpen());
        dialog.PostClose();
    });
    EXPECT_EQ(result, IdCancel);
}

TEST(Dialog, RestoreWindowShowsItWhereItWas)
{
    probe::Dialog dialog;
    RunModal(dialog, [&] {
        dialog.move(123, 87);
        const QPoint where = dialog.pos();
        dialog.HideWindow();
        EXPECT_FALSE(dialog.isVisible());
        dialog.RestoreWindow();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.pos(), where);
        dialog.EndDialog(IdCancel);
    });
}

}  // namespace
