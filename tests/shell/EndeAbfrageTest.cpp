#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/Application.h"
#include "platform/PictureControl.h"
#include "quiz/EndeAbfrage.h"
#include "resources/ResourceIds.h"
#include "tests/platform/ModalRun.h"
#include "tests/platform/ProbeDialog.h"

namespace {

QuizResult Result(int right, int verbs, const char* from = "Leçon 1", const char* to = "Leçon 2")
{
    return {"présent", from, to, verbs, right, verbs - right};
}

// Runs the results dialog and looks at it from inside its run.
void Inspect(const QuizResult& result, const std::function<void(EndeAbfrage&)>& look)
{
    EndeAbfrage dialog;
    dialog.SetResult(result);
    RunModal(dialog, [&] {
        look(dialog);
        dialog.EndDialog(IdCancel);
    });
}

std::string TextOf(EndeAbfrage& dialog, int id)
{
    return dialog.ControlAs<QLabel>(id)->text().toStdString();
}

int FaceOf(EndeAbfrage& dialog)
{
    return dialog.ControlAs<PictureControl>(EndeAbfrage::Face)->Picture();
}

TEST(EndeAbfrage, RatesRoundHalvesUpAndPickTheFace)
{
    struct Case {
        int Right, Verbs;
        const char* Rate;
        int Face;
    };
    const Case cases[] = {
        {0, 8, "0%", Resource::SadFace},
        {1, 8, "13%", Resource::SadFace},        // 12.5
        {1, 3, "33%", Resource::SadFace},
        {4, 8, "50%", Resource::NeutralFace},
        {99, 200, "50%", Resource::NeutralFace},  // 49.5
        {2, 3, "67%", Resource::NeutralFace},
        {8, 9, "89%", Resource::NeutralFace},     // 88.9
        {179, 200, "90%", Resource::SmilingFace},  // 89.5
        {9, 10, "90%", Resource::SmilingFace},
        {10, 10, "100%", Resource::SmilingFace},
        {0, 0, "0%", Resource::SadFace},           // no verbs: no division
    };
    for (const Case& c : cases) {
        Inspect(Result(c.Right, c.Verbs), [&](EndeAbfrage& d) {
            EXPECT_EQ(TextOf(d, EndeAbfrage::RateText), c.Rate) << c.Right << " of " << c.Verbs;
            EXPECT_EQ(FaceOf(d), c.Face) << c.Right << " of " << c.Verbs;
        });
    }
}

TEST(EndeAbfrage, ShowsTenseLessonsAndCounts)
{
    struct Case {
        const char* From;
        const char* To;
        const char* Lessons;
    };
    const Case cases[] = {
        {"Leçon 7", "Leçon 7", "von Leçon 7 bis Leçon 7"},
        {"Leçon 1", "Leçon 29", "von Leçon 1 bis Leçon 29"},
    };
    for (const Case& c : cases) {
        QuizResult result = Result(5, 9, c.From, c.To);
        result.TenseLabel = "passé composé";
        Inspect(result, [&](EndeAbfrage& d) {
            EXPECT_EQ(TextOf(d, EndeAbfrage::TenseText), "passé composé");
            EXPECT_EQ(TextOf(d, EndeAbfrage::LessonsText), c.Lessons);
            EXPECT_EQ(TextOf(d, EndeAbfrage::VerbCountText), "9");
            EXPECT_EQ(TextOf(d, EndeAbfrage::RightCountText), "5");
            EXPECT_EQ(TextOf(d, EndeAbfrage::WrongCountText), "4");
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Ende der Verbenabfrage"));
            EXPECT_EQ(d.focusWidget(), d.Control(IdCancel));
        });
    }
}

// The six values are bold; the right count is green and the wrong count red,
// also at 0; the rest keeps the dialog's own look.
TEST(EndeAbfrage, BoldValuesAndColouredCounts)
{
    for (const QuizResult& result : {Result(0, 4), Result(4, 4)}) {
        Inspect(result, [&](EndeAbfrage& d) {
            for (int id = EndeAbfrage::TenseText; id <= EndeAbfrage::RateText; ++id)
                EXPECT_TRUE(d.Control(id)->font().bold()) << id;
            for (QWidget* control : d.Controls()) {
                const bool value = control->objectName().startsWith(QStringLiteral("control10"));
                if (!value) {
                    EXPECT_FALSE(control->font().bold()) << control->objectName().toStdString();
                }
            }
            const auto colour = [&](int id) { return d.Control(id)->palette().color(QPalette::WindowText); };
            const QColor standard = d.palette().color(QPalette::WindowText);
            EXPECT_EQ(colour(EndeAbfrage::RightCountText), QColor(0, 128, 0));
            EXPECT_EQ(colour(EndeAbfrage::WrongCountText), QColor(255, 0, 0));
            EXPECT_EQ(colour(EndeAbfrage::VerbCountText), standard);
            EXPECT_EQ(colour(EndeAbfrage::RateText), standard);
            EXPECT_EQ(colour(EndeAbfrage::TenseText), standard);
        });
    }
}

TEST(EndeAbfrage, EveryWayOfClosingEndsItAsCancelOverItsOwner)
{
    struct Case {
        const char* Way;
        std::function<void(EndeAbfrage&)> Act;
    };
    const Case cases[] = {
        {"OK button", [](EndeAbfrage& d) { d.ControlAs<QPushButton>(IdCancel)->click(); }},
        {"Enter", [](EndeAbfrage& d) { QTest::keyClick(d.focusWidget(), Qt::Key_Return); }},
        {"Escape", [](EndeAbfrage& d) { QTest::keyClick(d.focusWidget(), Qt::Key_Escape); }},
        {"close box", [](EndeAbfrage& d) { d.close(); }},
    };
    Application app;
    for (const Case& c : cases) {
        probe::Dialog quiz;
        app.SetMainWindow(&quiz);
        RunModal(quiz, [&] {
            EndeAbfrage results;
            results.SetResult(Result(3, 4));
            EXPECT_EQ(RunModal(results, [&] {
                          EXPECT_EQ(results.parentWidget(), &quiz) << c.Way;
                          c.Act(results);
                      }),
                      IdCancel)
                << c.Way;
            EXPECT_TRUE(quiz.IsWindowOpen()) << c.Way;
            quiz.EndDialog(IdCancel);
        });
    }
}

}  // namespace
