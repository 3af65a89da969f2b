#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "shell/ShowFatalError.h"
#include "tests/platform/ProbeDialog.h"

namespace {

int BoxesShown = 0;
int DialogsDestroyed = 0;

// Stands in for the message box; what it prints is what the box would show.
void RecordBox(QWidget* owner, const std::string& caption, const std::string& text)
{
    ++BoxesShown;
    std::fprintf(stderr, "box: owner=%s caption=[%s] text=[%s]\n", owner ? "yes" : "no", caption.c_str(),
                 text.c_str());
}

// Runs at exit, after ShowFatalError: exit handlers still run.
void ReportAtExit()
{
    std::fprintf(stderr, "at exit: boxes=%d destroyed=%d\n", BoxesShown, DialogsDestroyed);
}

TEST(FatalErrorMessage, NamesTheFileInQuotes)
{
    EXPECT_EQ(FatalErrorMessage(FatalErrorKind::UnexpectedError, ""), "Ein unerwarteter Fehler ist aufgetreten!");
    EXPECT_EQ(FatalErrorMessage(FatalErrorKind::FileNotLoadable, ".\\Verben\\present.dat"),
              "Die Datei \".\\Verben\\present.dat\" konnte nicht geladen werden!");
    EXPECT_EQ(FatalErrorMessage(static_cast<FatalErrorKind>(2), "x"), "");
}

TEST(ShowFatalErrorDeathTest, ShowsTheMessageThenEndsWithStatusZero)
{
    struct Case {
        FatalErrorKind Kind;
        const char* Text;
        const char* Expected;  // a regular expression over what the child printed
    };
    const Case cases[] = {
        {FatalErrorKind::UnexpectedError, "",
         R"(caption=\[Lexamo 3\.0\] text=\[Ein unerwarteter Fehler ist aufgetreten!\]
at exit: boxes=1)"},
        {FatalErrorKind::FileNotLoadable, ".\\Verben\\present.dat",
         R"(caption=\[Lexamo 3\.0\] text=\[Die Datei "\.\\Verben\\present\.dat" konnte nicht geladen werden!\])"},
        {static_cast<FatalErrorKind>(7), "", "at exit: boxes=0"},
    };
    for (const Case& c : cases) {
        EXPECT_EXIT(
            {
                SetFatalErrorBox(&RecordBox);
                std::atexit(&ReportAtExit);
                ShowFatalError(nullptr, c.Kind, c.Text);
            },
            testing::ExitedWithCode(0), c.Expected)
            << static_cast<int>(c.Kind);
    }
}

// The real box, from inside a running dialog: owned by the reporting window,
// captioned "Lexamo 3.0" with the error icon; after OK the process ends at
// once, without any dialog's close or destroy handling.
TEST(ShowFatalErrorDeathTest, TheRealBoxIsOwnedByTheReporterAndNothingClosesAfterIt)
{
    struct Reporter : probe::Dialog {
        void OnDestroy() override { ++DialogsDestroyed; }
        bool OnInitDialog() override
        {
            probe::Dialog::OnInitDialog();
            QTimer::singleShot(0, this, [this] {
                QTimer::singleShot(0, [this] {
                    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    if (!box)
                        return;
                    std::fprintf(stderr, "real box: owner=%s caption=[%s] icon=%s text=[%s]\n",
                                 box->parentWidget() == this ? "reporter" : "other",
                                 box->windowTitle().toUtf8().constData(),
                                 box->icon() == QMessageBox::Critical ? "error" : "other",
                                 box->text().toUtf8().constData());
                    box->button(QMessageBox::Ok)->click();
                });
                ShowFatalError(this, FatalErrorKind::FileNotLoadable, ".\\Verben\\imparfait.dat");
            });
            return true;
        }
    };
    EXPECT_EXIT(
        {
            std::atexit(&ReportAtExit);
            Application app;
            Reporter dialog;
            app.SetMainWindow(&dialog);
            dialog.DoModal();
            std::fprintf(stderr, "returned\n");
        },
        testing::ExitedWithCode(0),
        R"(real box: owner=reporter caption=\[Lexamo 3\.0\] icon=error text=\[Die Datei "\.\\Verben\\imparfait\.dat" konnte nicht geladen werden!\]
at exit: boxes=0 destroyed=0)");
}

}  // namespace
