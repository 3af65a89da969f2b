// The program in a real X server: Xvfb, the built lexamo started from the
// build folder, xdotool for the keyboard and lexamo_e2e_grab for
// screenshots. One quiz of "présent" from "Leçon 1" to "Leçon 1" is played
// from the keyboard, accents included, and the marks are read from the
// screen by their colours. Without Xvfb or xdotool the test is skipped and
// says why.

#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QThread>
#include <array>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "catalog/LessonCatalog.h"
#include "verbdata/EncryptedTextReader.h"
#include "verbdata/VerbRecord.h"
#include "verbdata/Windows1252.h"

namespace {

constexpr int StepTimeoutMs = 10000;

bool WaitUntil(const std::function<bool()>& done, int timeoutMs = StepTimeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

// A private X server on a display number of its own choosing.
class XServer {
public:
    bool Start()
    {
        Server_.setProgram(QStringLiteral("Xvfb"));
        Server_.setArguments({"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        Server_.start();
        if (!Server_.waitForStarted(StepTimeoutMs))
            return false;
        // Xvfb writes its display number once it accepts clients.
        QByteArray out;
        const bool ready = WaitUntil([&] {
            Server_.waitForReadyRead(100);
            out += Server_.readAllStandardOutput();
            return out.contains('\n') || Server_.state() != QProcess::Running;
        });
        if (!ready || !out.contains('\n'))
            return false;
        Display_ = ":" + QString::fromLatin1(out.trimmed());
        return true;
    }

    ~XServer()
    {
        if (Server_.state() != QProcess::NotRunning) {
            Server_.terminate();
            if (!Server_.waitForFinished(3000))
                Server_.kill();
            Server_.waitForFinished(3000);
        }
    }

    QProcessEnvironment Environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", Display_);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("WAYLAND_DISPLAY");
        return env;
    }

private:
    QProcess Server_;
    QString Display_;
};

class EndToEndTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"Xvfb", "xdotool"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                GTEST_SKIP() << tool << " not found: the end-to-end test in a real X server needs Xvfb and xdotool "
                             << "(Debian packages xvfb, xdotool; scripts/deps installs them)";
        }
        ASSERT_TRUE(Server.Start()) << "Xvfb did not start";
    }

    void TearDown() override
    {
        if (Program.state() != QProcess::NotRunning) {
            Program.kill();
            Program.waitForFinished(3000);
        }
    }

    // Runs a tool on the X server and returns what it printed.
    QString Tool(const QString& program, const QStringList& args, QByteArray* binaryOut = nullptr)
    {
        QProcess process;
        process.setProcessEnvironment(Server.Environment());
        process.start(program, args);
        if (!process.waitForFinished(StepTimeoutMs)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << program.toStdString() << " " << args.join(' ').toStdString() << " did not finish";
            return {};
        }
        const QByteArray out = process.readAllStandardOutput();
        if (binaryOut)
            *binaryOut = out;
        return QString::fromUtf8(out).trimmed();
    }

    void Keys(const QStringList& keys)
    {
        Tool("xdotool", QStringList{"key", "--delay", "40"} + keys);
    }

    void Type(const std::string& text)
    {
        Tool("xdotool", {"type", "--delay", "40", QString::fromStdString(text)});
    }

    // The ids of the visible windows whose title matches pattern.
    QStringList Windows(const QString& pattern)
    {
        return Tool("xdotool", {"search", "--onlyvisible", "--name", pattern}).split('\n', Qt::SkipEmptyParts);
    }

    QString WaitForWindow(const QString& pattern)
    {
        QString id;
        WaitUntil([&] {
            const QStringList found = Windows(pattern);
            id = found.isEmpty() ? QString() : found.first();
            return !id.isEmpty();
        });
        return id;
    }

    // Keys go to the window that has the input focus; the program gives it
    // to a window when that window opens.
    bool WaitForFocus(const QString& window)
    {
        return WaitUntil([&] { return Tool("xdotool", {"getwindowfocus"}) == window; });
    }

    // A window, or the whole screen for "root".
    QImage Screenshot(const QString& window)
    {
        const QString id = window == "root" ? QStringLiteral("0") : window;
        QByteArray png;
        Tool(QStringLiteral(LEXAMO_GRAB), {id}, &png);
        return QImage::fromData(png, "PNG");
    }

    void Keep(const QImage& image, const char* name)
    {
        image.save(QDir(QStringLiteral(LEXAMO_BUILD_DIR "/tests")).filePath(QString::fromLatin1(name)));
    }

    XServer Server;
    QProcess Program;
};

// The marks of the seven rows, read from a screenshot of the quiz window:
// 'g' green ("ok"), 'r' red ("!!!"). Marks stand in two columns, right of
// the inputs (rows 1 to 3 on the left, 0 and 4 to 6 on the right); a
// column's coloured lines are grouped into one mark per text line. Empty
// when the marks are not all there.
std::string MarksOn(const QImage& quiz)
{
    if (quiz.isNull())
        return {};
    const double perUnit = quiz.width() / 409.0;  // the template is 409 dialog units wide
    const auto column = [&](int fromUnit, int toUnit) {
        std::vector<char> marks;
        int green = 0, red = 0;
        int emptyLines = 0;  // since the last coloured line
        const auto close = [&] {
            if (green + red > 0)
                marks.push_back(green >= red ? 'g' : 'r');
            green = red = 0;
        };
        // Below the tense box; the counts at the top are coloured too.
        for (int y = quiz.height() * 3 / 10; y < quiz.height(); ++y) {
            int lineGreen = 0, lineRed = 0;
            for (int x = static_cast<int>(fromUnit * perUnit); x < static_cast<int>(toUnit * perUnit); ++x) {
                const QColor c = quiz.pixelColor(x, y);
                if (c.green() > 90 && c.red() < 60 && c.blue() < 60)
                    ++lineGreen;
                else if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                    ++lineRed;
            }
            if (lineGreen + lineRed == 0) {
                // The dots of "!!!" stand a line apart from their strokes.
                if (++emptyLines == 4)
                    close();
                continue;
            }
            emptyLines = 0;
            green += lineGreen;
            red += lineRed;
        }
        close();
        return marks;
    };
    const std::vector<char> left = column(174, 192);
    const std::vector<char> right = column(366, 382);
    if (left.size() != 3 || right.size() != 4)
        return {};
    return {right[0], left[0], left[1], left[2], right[1], right[2], right[3]};
}

VerbRecord PresentRecord(int verb)
{
    const LoadResult loaded = LoadEncryptedText(LessonCatalog::DataFileOfTense("présent"));
    EXPECT_FALSE(loaded.Failure) << "run the test from the build folder, where Verben is";
    return FindVerbRecord(Windows1252::ToUtf8(loaded.Text), verb);
}

TEST_F(EndToEndTest, QuizFromTheKeyboardThenResultsMenuAndQuit)
{
    // The quiz of "Leçon 1" asks verbs 1 and 2 in an order of its own. The
    // first verb gets verb 1's answers with verb 2's je form: verb 1 then
    // shows one red mark in row 1 and stays open, verb 2 shows the other
    // six rows red and reveals. The marks tell which verb came first.
    const VerbRecord verb1 = PresentRecord(1);
    const VerbRecord verb2 = PresentRecord(2);
    for (int row = 0; row < QuizRowCount; ++row)
        ASSERT_NE(verb1.Solutions[row], verb2.Solutions[row]) << "the plan needs verbs 1 and 2 to differ in row " << row;
    std::array<std::string, QuizRowCount> firstTry = verb1.Solutions;
    firstTry[1] = verb2.Solutions[1];

    const auto typeRows = [&](const std::array<std::string, QuizRowCount>& answers) {
        for (int row = 0; row < QuizRowCount; ++row) {
            if (row > 0)
                Keys({"Tab"});
            Type(answers[row]);
        }
    };
    std::string marks;
    const auto waitForMarks = [&](const QString& quiz, const std::string& expected) {
        WaitUntil([&] {
            marks = MarksOn(Screenshot(quiz));
            return marks == expected;
        });
        return marks;
    };

    Program.setProcessEnvironment(Server.Environment());
    Program.setWorkingDirectory(QStringLiteral(LEXAMO_BUILD_DIR));
    Program.start(QStringLiteral(LEXAMO_PROGRAM), {});
    ASSERT_TRUE(Program.waitForStarted(StepTimeoutMs));

    const QString menu = WaitForWindow("^Lexamo 3.0 - Hauptmen");
    ASSERT_FALSE(menu.isEmpty()) << "the main menu did not open";
    ASSERT_TRUE(WaitForFocus(menu));
    Keys({"Return"});  // "&OK" is the default button

    const QString quiz = WaitForWindow("^Lexamo 3.0 - Verbenabfrage - ");
    ASSERT_FALSE(quiz.isEmpty()) << "the quiz did not open";
    EXPECT_TRUE(Windows("Hauptmen").isEmpty()) << "the main menu is still on the screen";
    ASSERT_TRUE(WaitForFocus(quiz));
    EXPECT_EQ(MarksOn(Screenshot(quiz)), "") << "marks before any check";
    Keep(Screenshot("root"), "e2e-quiz-start.png");

    typeRows(firstTry);
    Keys({"Return"});
    WaitUntil([&] {
        marks = MarksOn(Screenshot(quiz));
        return !marks.empty();
    });
    Keep(Screenshot("root"), "e2e-quiz-checked.png");
    const bool verb1First = marks == "grggggg";
    ASSERT_TRUE(verb1First || marks == "rgrrrrr") << "marks " << marks;
    std::printf("first verb asked: %d, marks after the first check: %s\n", verb1First ? 1 : 2, marks.c_str());

    const VerbRecord& second = verb1First ? verb2 : verb1;
    if (verb1First) {
        // Correct the je form in place and check again: all right.
        Keys({"Tab", "ctrl+a"});
        Type(verb1.Solutions[1]);
        Keys({"Return"});
        EXPECT_EQ(waitForMarks(quiz, "ggggggg"), "ggggggg");
    }
    Keys({"Return"});  // "&Weiter >"
    EXPECT_TRUE(WaitUntil([&] { return MarksOn(Screenshot(quiz)).empty(); })) << "the next verb kept its marks";

    typeRows(second.Solutions);
    Keys({"Return"});
    EXPECT_EQ(waitForMarks(quiz, "ggggggg"), "ggggggg");
    Keys({"Return"});  // "&Weiter >" after the last verb: the results

    const QString results = WaitForWindow("^Ende der Verbenabfrage$");
    ASSERT_FALSE(results.isEmpty()) << "the results did not open";
    EXPECT_FALSE(Windows("^Lexamo 3.0 - Verbenabfrage - ").isEmpty()) << "the quiz is not behind the results";
    Keep(Screenshot("root"), "e2e-results.png");
    ASSERT_TRUE(WaitForFocus(results));
    Keys({"Return"});  // "&OK"

    EXPECT_TRUE(WaitUntil([&] { return Windows("^Lexamo 3.0 - Verbenabfrage - ").isEmpty(); }))
        << "the quiz did not close";
    const QString menuAgain = WaitForWindow("^Lexamo 3.0 - Hauptmen");
    ASSERT_FALSE(menuAgain.isEmpty()) << "the main menu did not come back";
    Keep(Screenshot("root"), "e2e-menu-again.png");
    ASSERT_TRUE(WaitForFocus(menuAgain));
    Keys({"alt+b"});  // "&Beenden"

    ASSERT_TRUE(Program.waitForFinished(StepTimeoutMs)) << "the program did not end";
    EXPECT_EQ(Program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(Program.exitCode(), 0);
}

}  // namespace
