#include "shell/LexamoHelp.h"
#include "tests/help/HelpTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHelpEngineCore>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <functional>
#include <sys/types.h>

namespace {

QStringList ReadLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool ProcessExists(qint64 pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

// A dialog with some state of its own, to see that a failed help request
// leaves it as it was.
class Requester {
public:
    Requester()
    {
        auto* layout = new QVBoxLayout(&dialog);
        edit = new QLineEdit(QStringLiteral("  parlons"), &dialog);
        layout->addWidget(edit);
        dialog.setWindowTitle(QStringLiteral("Lexamo 3.0 - Hauptmenü"));
        dialog.show();
    }
    QDialog dialog;
    QLineEdit* edit = nullptr;
};

class HelpViewer : public testing::Test {
protected:
    void TearDown() override
    {
        LexamoHelp::CloseHelp();
        LexamoHelp::SetViewerProgram(QString());
    }

    QTemporaryDir dir;
};

// What the "Failed to launch help." box showed, read while it is open.
struct SeenBox {
    bool shown = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    QString text;
    QWidget* parent = nullptr;
    qsizetype buttonCount = 0;
    bool okButton = false;
};

// Runs request() and answers the message box it is expected to open.
SeenBox RunExpectingBox(const std::function<void()>& request)
{
    SeenBox seen;
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        answer.stop();
        seen.shown = true;
        seen.icon = box->icon();
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.parent = box->parentWidget();
        seen.buttonCount = box->buttons().size();
        seen.okButton = box->button(QMessageBox::Ok) != nullptr;
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    });
    answer.start();
    request();
    return seen;
}

TEST_F(HelpViewer, AViewerThatCannotStartGivesTheFailureBoxAndLeavesTheDialogAsItWas)
{
    ASSERT_TRUE(dir.isValid());
    const QString notExecutable = dir.filePath(QStringLiteral("viewer.txt"));
    {
        QFile file(notExecutable);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
    }
    struct Case {
        const char* label;
        QString viewer;
    };
    const Case viewers[] = {
        {"no such program", dir.filePath(QStringLiteral("no-such-viewer"))},
        {"a folder", dir.path()},
        {"a file without execute permission", notExecutable},
    };
    struct Request {
        const char* label;
        std::function<void(QWidget*)> run;
    };
    const Request requests[] = {
        {"ShowHelp", [](QWidget* w) { LexamoHelp::ShowHelp(w); }},
        {"ShowContextHelp", [](QWidget* w) { LexamoHelp::ShowContextHelp(w, 103); }},
    };

    for (const Case& viewer : viewers) {
        for (const Request& request : requests) {
            SCOPED_TRACE(std::string(viewer.label) + ", " + request.label);
            LexamoHelp::SetViewerProgram(viewer.viewer);
            Requester requester;
            const QRect geometry = requester.dialog.geometry();

            const SeenBox box = RunExpectingBox([&] { request.run(&requester.dialog); });

            ASSERT_TRUE(box.shown);
            EXPECT_EQ(box.icon, QMessageBox::Warning);
            EXPECT_EQ(box.text, QStringLiteral("Failed to launch help."));
            EXPECT_EQ(box.caption, QStringLiteral("lexamo_test_help"));  // this executable's base name
            EXPECT_EQ(box.parent, &requester.dialog);
            EXPECT_EQ(box.buttonCount, 1);
            EXPECT_TRUE(box.okButton);

            EXPECT_TRUE(requester.dialog.isVisible());
            EXPECT_TRUE(requester.dialog.isEnabled());
            EXPECT_EQ(requester.dialog.geometry(), geometry);
            EXPECT_EQ(requester.dialog.windowTitle(), QStringLiteral("Lexamo 3.0 - Hauptmenü"));
            EXPECT_EQ(requester.edit->text(), QStringLiteral("  parlons"));
            EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor stayed";
        }
    }
}

// A stand-in for Assistant: notes each start, its arguments and every
// remote-control line it receives, and otherwise waits for input.
class StandInViewer : public HelpViewer {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const QString script = dir.filePath(QStringLiteral("viewer.sh"));
        QFile file(script);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
        file.write(QStringLiteral("#!/bin/sh\n"
                                  "cd '%1' || exit 1\n"
                                  "echo $$ >> starts\n"
                                  "printf '%s\\n' \"$@\" > arguments\n"
                                  "while IFS= read -r line; do printf '%s\\n' \"$line\" >> commands; done\n")
                       .arg(dir.path())
                       .toUtf8());
        file.close();
        ASSERT_TRUE(file.setPermissions(file.permissions() | QFile::ExeOwner));
        LexamoHelp::SetViewerProgram(script);
    }

    QStringList Starts() const { return ReadLines(dir.filePath(QStringLiteral("starts"))); }
    // One line per request as the viewer received it, and the commands in them.
    QStringList Requests() const { return ReadLines(dir.filePath(QStringLiteral("commands"))); }
    QStringList Commands() const { return Requests().join(QLatin1Char(';')).split(QLatin1Char(';')); }
    qint64 ViewerPid() const { return Starts().value(Starts().size() - 1).toLongLong(); }

    bool WaitForCommand(const QString& command)
    {
        return WaitFor([&] { return Commands().contains(command); });
    }

    Requester requester;
};

TEST_F(StandInViewer, ShowHelpOpensTheContentsOfTheCollectionBesideTheExecutable)
{
    LexamoHelp::ShowHelp(&requester.dialog);
    ASSERT_TRUE(WaitForCommand(QStringLiteral("syncContents")));

    EXPECT_EQ(ReadLines(dir.filePath(QStringLiteral("arguments"))),
              (QStringList{QStringLiteral("-collectionFile"),
                           QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("lexamo_test_help.qhc")),
                           QStringLiteral("-enableRemoteControl")}));
    // Assistant acts on one input line each time input arrives: a request
    // spread over several lines would show only in part until the next one.
    EXPECT_EQ(Requests().size(), 1);
    const QStringList commands = Commands();
    EXPECT_TRUE(commands.contains(QStringLiteral("show contents")));

    // The page it asks for is the front page of the collection the build made.
    const QStringList sources = commands.filter(QRegularExpression(QStringLiteral("^setSource ")));
    ASSERT_EQ(sources.size(), 1);
    const QUrl page(sources.front().mid(QStringLiteral("setSource ").size()));
    const auto engine = OpenBuiltCollection();
    ASSERT_TRUE(engine);
    EXPECT_EQ(page.fileName(), QStringLiteral("index.html"));
    EXPECT_FALSE(engine->fileData(page).isEmpty()) << page.toString().toStdString();
}

TEST_F(StandInViewer, ContextHelpAsksTheRunningViewerForEachTemplatesIdentifier)
{
    struct Case {
        int templateId;
        const char* identifier;
    };
    const Case cases[] = {{102, "0x20066"}, {103, "0x20067"}, {104, "0x20068"}, {120, "0x20078"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.templateId);
        LexamoHelp::ShowContextHelp(&requester.dialog, c.templateId);
        EXPECT_TRUE(WaitForCommand(QStringLiteral("activateIdentifier ") + QString::fromLatin1(c.identifier)));
    }
    LexamoHelp::ShowHelp(&requester.dialog);
    EXPECT_TRUE(WaitForCommand(QStringLiteral("show contents")));
    EXPECT_EQ(Starts().size(), 1) << "each request started a viewer of its own";
    EXPECT_EQ(Requests().size(), 5);
}

TEST_F(StandInViewer, CloseHelpEndsTheViewerItStarted)
{
    LexamoHelp::CloseHelp();  // nothing started yet: nothing to do

    LexamoHelp::ShowHelp(&requester.dialog);
    ASSERT_TRUE(WaitFor([&] { return !Starts().isEmpty(); }));
    const qint64 pid = ViewerPid();
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(ProcessExists(pid));

    LexamoHelp::CloseHelp();
    EXPECT_FALSE(ProcessExists(pid));
    LexamoHelp::CloseHelp();  // a second close finds nothing to end

    // Help asked for again after the close starts a new viewer.
    LexamoHelp::ShowContextHelp(&requester.dialog, 104);
    EXPECT_TRUE(WaitForCommand(QStringLiteral("activateIdentifier 0x20068")));
    EXPECT_EQ(Starts().size(), 2);
}

TEST_F(StandInViewer, AViewerTheUserClosedIsStartedAgain)
{
    LexamoHelp::ShowHelp(&requester.dialog);
    ASSERT_TRUE(WaitFor([&] { return !Starts().isEmpty(); }));
    const qint64 pid = ViewerPid();
    ASSERT_EQ(::kill(static_cast<pid_t>(pid), SIGTERM), 0);
    // The program notices the end in its event loop, as it would between two
    // clicks of the user.
    ASSERT_TRUE(WaitFor([&] { return !ProcessExists(pid); }));

    LexamoHelp::ShowContextHelp(&requester.dialog, 103);
    EXPECT_TRUE(WaitForCommand(QStringLiteral("activateIdentifier 0x20067")));
    EXPECT_EQ(Starts().size(), 2);
}

}  // namespace
