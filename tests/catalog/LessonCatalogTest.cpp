#include "catalog/LessonCatalog.h"

#include <gtest/gtest.h>

using namespace LessonCatalog;

namespace {

constexpr const char* PC = "passé composé";

struct RangeCase {
    const char* Label;
    const char* Tense;
    int First;
    int Last;
};

TEST(LessonCatalogTest, VerbRangesOfLessons)
{
    const RangeCase cases[] = {
        {"Leçon 1", "présent", 1, 2},
        {"Leçon 1", PC, 1, 2},
        {"Leçon 2", "subjonctif", 3, 4},
        {"Leçon 4", "présent", 5, 9},
        {"Leçon 10", PC, 71, 78},
        {"Leçon 11", "imparfait", 79, 88},
        {"Leçon 11", PC, 79, 89},
        {"Leçon 12", "présent", 89, 95},
        {"Leçon 12", PC, 90, 96},
        {"Leçon 25", "futur simple", 257, 283},
        {"Leçon 25", PC, 258, 285},
        {"Leçon 26", PC, 286, 300},
        {"Leçon 29", "conditionnel", 341, 366},
        {"Leçon 29", PC, 343, 368},
        // Unknown labels, lesson 3 among them.
        {"Leçon 3", "présent", 0, 0},
        {"Leçon 30", PC, 0, 0},
        {"Lecon 1", "présent", 0, 0},
        {"leçon 1", "présent", 0, 0},
        {"", "présent", 0, 0},
        // Only the exact label selects the passé composé numbering.
        {"Leçon 29", "passe compose", 341, 366},
        {"Leçon 29", "Passé composé", 341, 366},
        {"Leçon 29", "", 341, 366},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(std::string(c.Label) + " / " + c.Tense);
        EXPECT_EQ(FirstVerbOfLesson(c.Label, c.Tense), c.First);
        EXPECT_EQ(LastVerbOfLesson(c.Label, c.Tense), c.Last);
    }
}

TEST(LessonCatalogTest, NumberingsAreContiguousAndEndAtTheCourseSize)
{
    for (const char* tense : {"présent", PC}) {
        SCOPED_TRACE(tense);
        int expectedFirst = 1;
        for (const LessonLabel& label : LessonLabels()) {
            EXPECT_EQ(FirstVerbOfLesson(label, tense), expectedFirst) << label;
            EXPECT_GE(LastVerbOfLesson(label, tense), FirstVerbOfLesson(label, tense)) << label;
            expectedFirst = LastVerbOfLesson(label, tense) + 1;
        }
        EXPECT_EQ(expectedFirst - 1, VerbCountOfTense(tense));
    }
    EXPECT_EQ(VerbCountOfTense("présent"), 366);
    EXPECT_EQ(VerbCountOfTense(PC), 368);
}

TEST(LessonCatalogTest, LessonsFrom)
{
    ASSERT_EQ(LessonLabels().size(), 28u);
    EXPECT_EQ(LessonLabels().front(), "Leçon 1");
    EXPECT_EQ(LessonLabels()[2], "Leçon 4");
    EXPECT_EQ(LessonLabels().back(), "Leçon 29");

    EXPECT_EQ(LessonsFrom("Leçon 1"), LessonLabels());
    const std::vector<LessonLabel> from2 = LessonsFrom("Leçon 2");
    ASSERT_EQ(from2.size(), 27u);
    EXPECT_EQ(from2[0], "Leçon 2");
    EXPECT_EQ(from2[1], "Leçon 4");
    EXPECT_EQ(from2.back(), "Leçon 29");
    const std::vector<LessonLabel> from5 = LessonsFrom("Leçon 5");
    ASSERT_EQ(from5.size(), 25u);
    EXPECT_EQ(from5.front(), "Leçon 5");
    EXPECT_EQ(LessonsFrom("Leçon 9").size(), 21u);
    EXPECT_EQ(LessonsFrom("Leçon 29"), std::vector<LessonLabel>{"Leçon 29"});
    EXPECT_TRUE(LessonsFrom("Leçon 3").empty());
    EXPECT_TRUE(LessonsFrom("").empty());
}

TEST(LessonCatalogTest, LessonOfVerb)
{
    struct Case {
        int Verb;
        const char* Tense;
        std::optional<LessonLabel> Lesson;
    };
    const Case cases[] = {
        {89, "présent", "Leçon 12"},
        {89, PC, "Leçon 11"},
        {78, "présent", "Leçon 10"},
        {78, PC, "Leçon 10"},
        {79, "imparfait", "Leçon 11"},
        {79, PC, "Leçon 11"},
        {2, "présent", "Leçon 1"},
        {4, "présent", "Leçon 2"},
        {5, "présent", "Leçon 4"},   // there is no lesson 3
        {0, "présent", "Leçon 1"},
        {-5, PC, "Leçon 1"},
        {366, "présent", "Leçon 29"},
        {367, "présent", std::nullopt},
        {367, PC, "Leçon 29"},
        {368, PC, "Leçon 29"},
        {369, PC, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Verb) + " / " + c.Tense);
        EXPECT_EQ(LessonOfVerb(c.Verb, c.Tense), c.Lesson);
    }
}

TEST(LessonCatalogTest, DataFilesOfTenses)
{
    const std::pair<const char*, const char*> cases[] = {
        {"présent", ".\\Verben\\present.dat"},
        {"futur composé", ".\\Verben\\futurcompose.dat"},
        {"passé récent", ".\\Verben\\passerecent.dat"},
        {"passé composé", ".\\Verben\\passecompose.dat"},
        {"imparfait", ".\\Verben\\imparfait.dat"},
        {"conditionnel", ".\\Verben\\conditionnel.dat"},
        {"subjonctif", ".\\Verben\\subjonctif.dat"},
        {"futur simple", ".\\Verben\\futursimple.dat"},
        {"Futur simple", ""},
        {"present", ""},
        {"", ""},
    };
    for (const auto& [tense, path] : cases)
        EXPECT_EQ(DataFileOfTense(tense), path) << tense;

    const std::vector<std::string> expected = {"présent", "futur composé", "passé récent", "passé composé",
                                               "imparfait", "conditionnel", "subjonctif", "futur simple"};
    EXPECT_EQ(TenseLabels(), expected);
}

}  // namespace
