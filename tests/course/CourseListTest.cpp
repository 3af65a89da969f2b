#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalog/LessonCatalog.h"
#include "tools/course/CourseList.h"
#include "tools/course/CourseText.h"

namespace {

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

std::string DataFile(const std::string& name)
{
    std::string text;
    EXPECT_TRUE(ReadTextFile(std::string(LEXAMO_SOURCE_DIR) + "/data/" + name, text)) << name;
    return text;
}

// --- the list format ---------------------------------------------------------

TEST(CourseListFormat, ReadsTheFieldsAndNumbersTheFilesWithAndWithoutExtras)
{
    const CourseList list = ParseCourseList(
        "# lesson\tgerman\tfrench\tauxiliary\treflexive\tonly\n"
        "1\tsein\têtre\tavoir\tno\t-\n"
        "\n"
        "11\thinaufgehen\tmonter\têtre\tno\t-\n"
        "11\thinauftragen\tmonter\tavoir\tno\tpassecompose\n"
        "12\tsich anziehen\ts'habiller\têtre\tyes\t-\r\n");
    ASSERT_TRUE(list.Errors.empty()) << list.Errors.front().What;
    ASSERT_EQ(list.Verbs.size(), 4u);
    const CourseVerb& dress = list.Verbs[3];
    EXPECT_EQ(dress.Line, 6);
    EXPECT_EQ(dress.Lesson, 12);
    EXPECT_EQ(dress.German, "sich anziehen");
    EXPECT_EQ(dress.French, "s'habiller");
    EXPECT_EQ(BaseInfinitive(dress), "habiller");
    EXPECT_EQ(dress.Aux, Auxiliary::Etre);
    EXPECT_TRUE(dress.Reflexive);
    EXPECT_TRUE(list.Verbs[2].PasseComposeOnly);

    const std::vector<const CourseVerb*> present = VerbsOfFile(list, CourseTense::Present);
    const std::vector<const CourseVerb*> passeCompose = VerbsOfFile(list, CourseTense::PasseCompose);
    ASSERT_EQ(present.size(), 3u);
    ASSERT_EQ(passeCompose.size(), 4u);
    EXPECT_EQ(present[2], &dress);
    EXPECT_EQ(passeCompose[2]->German, "hinauftragen");
}

TEST(CourseListFormat, ReportsEveryMalformedLineWithItsNumber)
{
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"1\tsein\têtre\tavoir\tno", "expected 6"},
        {"3\tsein\têtre\tavoir\tno\t-", "no lesson"},
        {"x\tsein\têtre\tavoir\tno\t-", "no lesson"},
        {"5\t\têtre\tavoir\tno\t-", "empty"},
        {"5\tsein \têtre\tavoir\tno\t-", "spaces at its ends"},
        {"5\tsein\têtre\tsein\tno\t-", "neither avoir nor être"},
        {"5\tsein\têtre\tavoir\tja\t-", "neither yes nor no"},
        {"5\tsein\têtre\tavoir\tno\tpc", "neither - nor passecompose"},
        {"5\tsich waschen\tse laver\têtre\tno\t-", "looks reflexive"},
        {"5\twaschen\tlaver\têtre\tyes\t-", "starts with"},
        {"5\tsich waschen\tse laver\tavoir\tyes\t-", "takes être"},
        {"5\thinaufgehen\tmonter\têtre\tno\tpassecompose", "transitive use with avoir"},
    };
    // Each bad line sits between good ones; all of them are reported at once.
    std::vector<std::string> lines = {"4\tkommen\tvenir\têtre\tno\t-"};
    for (const Case& c : cases) {
        lines.push_back(c.line);
        lines.push_back("5\tsprechen\tparler\tavoir\tno\t-");
    }
    const CourseList list = ParseCourseList(Joined(lines));
    ASSERT_EQ(list.Errors.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].line);
        EXPECT_EQ(list.Errors[i].Line, static_cast<int>(2 + 2 * i));
        EXPECT_NE(list.Errors[i].What.find(cases[i].message), std::string::npos) << list.Errors[i].What;
    }
    EXPECT_EQ(list.Verbs.size(), 1 + std::size(cases));
}

TEST(CourseListFormat, LessonsMayNotGoBackwards)
{
    const CourseList list = ParseCourseList("5\tsprechen\tparler\tavoir\tno\t-\n4\tkommen\tvenir\têtre\tno\t-\n");
    ASSERT_EQ(list.Errors.size(), 1u);
    EXPECT_EQ(list.Errors[0].Line, 2);
    EXPECT_NE(list.Errors[0].What.find("comes after lesson 5"), std::string::npos);
}

TEST(CourseExceptionFormat, ReportsUnknownFilesRowsAndEmptyEntries)
{
    const CourseExceptions exceptions = ParseCourseExceptions(
        "present\tprédire\tvous\tprédites\tprédisez\twrong in verbiste\n"
        "presant\tprédire\tvous\tprédites\tprédisez\tr\n"
        "present\tprédire\tvos\tprédites\tprédisez\tr\n"
        "present\tprédire\tvous\tprédites\tprédisez\t\n"
        "present\tprédire\tvous\tprédisez\tprédisez\tr\n"
        "present\tprédire\tvous\n");
    ASSERT_EQ(exceptions.Entries.size(), 1u);
    EXPECT_EQ(exceptions.Entries[0].File->Tense, CourseTense::Present);
    EXPECT_EQ(exceptions.Entries[0].Row, 5);
    std::vector<int> lines;
    for (const CourseError& error : exceptions.Errors)
        lines.push_back(error.Line);
    EXPECT_EQ(lines, (std::vector<int>{2, 3, 4, 5, 6}));
}

// --- the source text format --------------------------------------------------

CourseRecord Record(const std::string& german, const std::string& french)
{
    return {0, german, {french, "a", "b", "c", "d", "e", "f"}};
}

TEST(CourseTextFormat, WhatIsWrittenReadsBackTheSame)
{
    const std::vector<CourseRecord> records = {Record("sein", "être"), Record("sich anziehen", "s'habiller")};
    const std::string text = WriteCourseText(records);
    EXPECT_TRUE(text.starts_with("#1#\nsein\nêtre\na\n"));
    const CourseText read = ReadCourseText(text);
    ASSERT_TRUE(read.Errors.empty()) << read.Errors.front().What;
    ASSERT_EQ(read.Records.size(), 2u);
    EXPECT_EQ(read.Records[1].Line, 10);
    EXPECT_EQ(read.Records[1].German, "sich anziehen");
    EXPECT_EQ(read.Records[1].Solutions, records[1].Solutions);
}

TEST(CourseTextFormat, RejectsWhatTheProgramWouldReadDifferentlyOrNotAtAll)
{
    struct Case {
        const char* name;
        std::string text;
        int line;
    };
    const std::string good = WriteCourseText({Record("sein", "être")});
    const Case cases[] = {
        {"a number out of order", "#2#\nsein\nêtre\na\nb\nc\nd\ne\nf\n", 1},
        {"a marker with text after it", "#1# x\nsein\nêtre\na\nb\nc\nd\ne\nf\n", 1},
        {"an empty line between records", good + "\n#2#\nsein\nêtre\na\nb\nc\nd\ne\nf\n", 10},
        {"a short last record", good + "#2#\nsein\n", 10},
        {"a field in '#'", "#1#\n#sein#\nêtre\na\nb\nc\nd\ne\nf\n", 2},
        {"an empty field", "#1#\nsein\nêtre\na\n\nc\nd\ne\nf\n", 5},
        {"a space at a field's end", "#1#\nsein\nêtre\na\nb\nc \nd\ne\nf\n", 6},
        {"a CR line end", "#1#\nsein\r\nêtre\na\nb\nc\nd\ne\nf\n", 2},
        {"no line end at the end", good.substr(0, good.size() - 1), 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CourseText read = ReadCourseText(c.text);
        ASSERT_FALSE(read.Errors.empty());
        EXPECT_EQ(read.Errors.front().Line, c.line) << read.Errors.front().What;
    }
}

// --- the course itself -------------------------------------------------------

class Course : public testing::Test {
protected:
    void SetUp() override
    {
        List = ParseCourseList(DataFile("verbs.tsv"));
        for (const CourseError& error : List.Errors)
            ADD_FAILURE() << "verbs.tsv:" << error.Line << ": " << error.What;
        for (const CourseFile& file : CourseFiles()) {
            CourseText text = ReadCourseText(DataFile(std::string(file.Name) + ".txt"));
            for (const CourseError& error : text.Errors)
                ADD_FAILURE() << file.Name << ".txt:" << error.Line << ": " << error.What;
            Texts.push_back(std::move(text));
        }
    }

    CourseList List;
    std::vector<CourseText> Texts;  // in the order of CourseFiles()
};

TEST_F(Course, TheListFillsEveryLessonOfTheCatalogueInBothNumberings)
{
    std::vector<std::string> problems;
    for (const CourseFile& file : CourseFiles()) {
        const std::string label(file.Label);
        const std::vector<const CourseVerb*> verbs = VerbsOfFile(List, file.Tense);
        if (static_cast<int>(verbs.size()) != LessonCatalog::VerbCountOfTense(label))
            problems.push_back(label + ": " + std::to_string(verbs.size()) + " verbs");
        for (std::size_t i = 0; i < verbs.size(); ++i) {
            const auto lesson = LessonCatalog::LessonOfVerb(static_cast<int>(i + 1), label);
            const std::string listed = "Leçon " + std::to_string(verbs[i]->Lesson);
            if (lesson != listed) {
                problems.push_back(label + ": verb " + std::to_string(i + 1) + " (" + verbs[i]->French + ") is in " +
                                   listed + ", the catalogue says " + lesson.value_or("nothing"));
            }
        }
    }
    EXPECT_TRUE(problems.empty()) << testing::PrintToString(problems);
}

TEST_F(Course, ThePasseComposeExtrasAreTheTransitiveUseOfAnEtreVerbOfTheirLesson)
{
    std::vector<int> extraLessons;
    for (const CourseVerb& extra : List.Verbs) {
        if (!extra.PasseComposeOnly)
            continue;
        extraLessons.push_back(extra.Lesson);
        const bool hasEtreUse = std::any_of(List.Verbs.begin(), List.Verbs.end(), [&](const CourseVerb& verb) {
            return !verb.PasseComposeOnly && verb.French == extra.French && verb.Lesson == extra.Lesson &&
                   verb.Aux == Auxiliary::Etre;
        });
        EXPECT_TRUE(hasEtreUse) << extra.French << " in lesson " << extra.Lesson;
    }
    EXPECT_EQ(extraLessons, (std::vector<int>{11, 25}));
}

TEST_F(Course, EveryFileHoldsTheListsPromptAndInfinitiveForEachNumber)
{
    std::vector<std::string> problems;
    for (std::size_t f = 0; f < CourseFiles().size(); ++f) {
        const CourseFile& file = CourseFiles()[f];
        const std::vector<const CourseVerb*> verbs = VerbsOfFile(List, file.Tense);
        const std::vector<CourseRecord>& records = Texts[f].Records;
        if (records.size() != verbs.size()) {
            problems.push_back(std::string(file.Name) + ".txt: " + std::to_string(records.size()) + " records, the list has " +
                               std::to_string(verbs.size()));
        }
        for (std::size_t i = 0; i < std::min(records.size(), verbs.size()); ++i) {
            const std::string where = std::string(file.Name) + ".txt:" + std::to_string(records[i].Line) + ": ";
            if (records[i].German != verbs[i]->German)
                problems.push_back(where + "prompt \"" + records[i].German + "\", the list has \"" + verbs[i]->German + "\"");
            if (records[i].Solutions[0] != verbs[i]->French)
                problems.push_back(where + "infinitive \"" + records[i].Solutions[0] + "\", the list has \"" + verbs[i]->French + "\"");
        }
    }
    EXPECT_TRUE(problems.empty()) << testing::PrintToString(problems);
}

TEST_F(Course, PromptsAreUniqueInEachFileAndInfinitivesApartFromTheExtras)
{
    std::vector<std::string> problems;
    for (std::size_t f = 0; f < CourseFiles().size(); ++f) {
        std::map<std::string, std::size_t> prompts;
        for (std::size_t i = 0; i < Texts[f].Records.size(); ++i) {
            const auto [at, inserted] = prompts.emplace(Texts[f].Records[i].German, i + 1);
            if (!inserted) {
                problems.push_back(std::string(CourseFiles()[f].Name) + ".txt: \"" + at->first + "\" is the prompt of verbs " +
                                   std::to_string(at->second) + " and " + std::to_string(i + 1));
            }
        }
    }
    std::set<std::string> infinitives;
    for (const CourseVerb& verb : List.Verbs) {
        if (!verb.PasseComposeOnly && !infinitives.insert(verb.French).second)
            problems.push_back("verbs.tsv:" + std::to_string(verb.Line) + ": " + verb.French + " is in the course twice");
    }
    EXPECT_EQ(infinitives.size(), 366u);
    EXPECT_TRUE(problems.empty()) << testing::PrintToString(problems);
}

TEST_F(Course, TheExceptionListIsWellFormed)
{
    const CourseExceptions exceptions = ParseCourseExceptions(DataFile("exceptions.tsv"));
    for (const CourseError& error : exceptions.Errors)
        ADD_FAILURE() << "exceptions.tsv:" << error.Line << ": " << error.What;
    for (const CourseException& entry : exceptions.Entries) {
        const bool inCourse = std::any_of(List.Verbs.begin(), List.Verbs.end(),
                                          [&](const CourseVerb& verb) { return verb.French == entry.French; });
        EXPECT_TRUE(inCourse) << "exceptions.tsv:" << entry.Line << ": " << entry.French << " is not in the course";
    }
}

}  // namespace
