#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/course/CourseBuild.h"

namespace {

std::string DataFile(const std::string& name)
{
    std::string text;
    EXPECT_TRUE(ReadTextFile(std::string(LEXAMO_SOURCE_DIR) + "/data/" + name, text)) << name;
    return text;
}

// Loading verbiste's tables once for the whole program keeps the suite fast.
const CourseConjugator& Verbiste()
{
    static const CourseConjugator conjugator;
    return conjugator;
}

CourseVerb Verb(const std::string& french, Auxiliary aux = Auxiliary::Avoir, bool passeComposeOnly = false)
{
    CourseVerb verb;
    verb.Lesson = 5;
    verb.German = "Stichwort " + french;
    verb.French = french;
    verb.Aux = aux;
    verb.Reflexive = french.starts_with("se ") || french.starts_with("s'");
    verb.PasseComposeOnly = passeComposeOnly;
    return verb;
}

TEST(Elision, MeTeSeAndDeDropTheirVowelBeforeAVowelOrAMuteH)
{
    struct Case {
        const char* little;
        const char* word;
        bool aspirateH;
        const char* expected;
    };
    const Case cases[] = {
        {"se", "lever", false, "se lever"},
        {"se", "habiller", false, "s'habiller"},
        {"se", "heurter", true, "se heurter"},
        {"me", "écoute", false, "m'écoute"},
        {"te", "es", false, "t'es"},
        {"se", "est", false, "s'est"},
        {"me", "suis", false, "me suis"},
        {"de", "arriver", false, "d'arriver"},
        {"de", "haïr", true, "de haïr"},
        {"de", "hésiter", false, "d'hésiter"},
        {"de", "me habiller", false, "de me habiller"},
        {"nous", "habillons", false, "nous habillons"},
        {"de", "yodler", false, "de yodler"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Attach(c.little, c.word, c.aspirateH), c.expected) << c.little << " + " << c.word;
}

TEST(Conventions, EachTenseBuildsItsFormsAsTheCourseWritesThem)
{
    struct Case {
        const char* french;
        Auxiliary aux;
        CourseTense tense;
        std::array<const char*, 7> rows;
    };
    using enum CourseTense;
    const Auxiliary avoir = Auxiliary::Avoir;
    const Auxiliary etre = Auxiliary::Etre;
    const Case cases[] = {
        {"parler", avoir, Present, {"parler", "parle", "parles", "parle", "parlons", "parlez", "parlent"}},
        {"parler", avoir, Imparfait, {"parler", "parlais", "parlais", "parlait", "parlions", "parliez", "parlaient"}},
        {"parler", avoir, FuturSimple, {"parler", "parlerai", "parleras", "parlera", "parlerons", "parlerez", "parleront"}},
        {"parler", avoir, Conditionnel, {"parler", "parlerais", "parlerais", "parlerait", "parlerions", "parleriez", "parleraient"}},
        {"parler", avoir, Subjonctif, {"parler", "parle", "parles", "parle", "parlions", "parliez", "parlent"}},
        {"parler", avoir, FuturCompose, {"parler", "vais parler", "vas parler", "va parler", "allons parler", "allez parler", "vont parler"}},
        {"parler", avoir, PasseRecent, {"parler", "viens de parler", "viens de parler", "vient de parler", "venons de parler", "venez de parler", "viennent de parler"}},
        {"parler", avoir, PasseCompose, {"parler", "ai parlé", "as parlé", "a parlé", "avons parlé", "avez parlé", "ont parlé"}},
        {"aller", etre, PasseCompose, {"aller", "suis allé", "es allé", "est allé", "sommes allés", "êtes allés", "sont allés"}},
        {"arriver", etre, PasseRecent, {"arriver", "viens d'arriver", "viens d'arriver", "vient d'arriver", "venons d'arriver", "venez d'arriver", "viennent d'arriver"}},
        {"haïr", avoir, PasseRecent, {"haïr", "viens de haïr", "viens de haïr", "vient de haïr", "venons de haïr", "venez de haïr", "viennent de haïr"}},
        {"se lever", etre, Present, {"se lever", "me lève", "te lèves", "se lève", "nous levons", "vous levez", "se lèvent"}},
        {"se lever", etre, FuturCompose, {"se lever", "vais me lever", "vas te lever", "va se lever", "allons nous lever", "allez vous lever", "vont se lever"}},
        {"se lever", etre, PasseRecent, {"se lever", "viens de me lever", "viens de te lever", "vient de se lever", "venons de nous lever", "venez de vous lever", "viennent de se lever"}},
        {"se lever", etre, PasseCompose, {"se lever", "me suis levé", "t'es levé", "s'est levé", "nous sommes levés", "vous êtes levés", "se sont levés"}},
        {"s'habiller", etre, Imparfait, {"s'habiller", "m'habillais", "t'habillais", "s'habillait", "nous habillions", "vous habilliez", "s'habillaient"}},
        {"s'habiller", etre, FuturCompose, {"s'habiller", "vais m'habiller", "vas t'habiller", "va s'habiller", "allons nous habiller", "allez vous habiller", "vont s'habiller"}},
        {"s'habiller", etre, PasseRecent, {"s'habiller", "viens de m'habiller", "viens de t'habiller", "vient de s'habiller", "venons de nous habiller", "venez de vous habiller", "viennent de s'habiller"}},
        {"se heurter", etre, Present, {"se heurter", "me heurte", "te heurtes", "se heurte", "nous heurtons", "vous heurtez", "se heurtent"}},
        {"se heurter", etre, PasseCompose, {"se heurter", "me suis heurté", "t'es heurté", "s'est heurté", "nous sommes heurtés", "vous êtes heurtés", "se sont heurtés"}},
        {"s'asseoir", etre, PasseCompose, {"s'asseoir", "me suis assis", "t'es assis", "s'est assis", "nous sommes assis", "vous êtes assis", "se sont assis"}},
        {"payer", avoir, Present, {"payer", "paie", "paies", "paie", "payons", "payez", "paient"}},
        {"pouvoir", avoir, Present, {"pouvoir", "peux", "peux", "peut", "pouvons", "pouvez", "peuvent"}},
        {"être", avoir, PasseCompose, {"être", "ai été", "as été", "a été", "avons été", "avez été", "ont été"}},
    };
    for (const Case& c : cases) {
        const CourseConjugator::Result result = Verbiste().Record(Verb(c.french, c.aux), c.tense);
        SCOPED_TRACE(std::string(c.french) + " in " + std::string(CourseFiles()[static_cast<int>(c.tense)].Name));
        ASSERT_EQ(result.Error, "");
        for (std::size_t row = 0; row < 7; ++row)
            EXPECT_EQ(result.Solutions[row], c.rows[row]) << RowNames[row];
    }
}

TEST(Conventions, AVerbVerbisteDoesNotKnowIsAnErrorNotAnEmptyRecord)
{
    const CourseConjugator::Result result = Verbiste().Record(Verb("schprechen"), CourseTense::Present);
    EXPECT_NE(result.Error.find("schprechen"), std::string::npos);
}

// A two-verb course, a kept text with two slips, and an exception list with
// one entry that holds, one that verbiste no longer backs and one for a verb
// the course does not have.
class SmallCourse : public testing::Test {
protected:
    SmallCourse()
    {
        List = ParseCourseList("4\twissen\tsavoir\tavoir\tno\t-\n"
                               "27\tvorhersagen\tprédire\tavoir\tno\t-\n");
        Exceptions = ParseCourseExceptions("present\tprédire\tvous\tprédites\tprédisez\tonly dire makes -dites\n");
    }

    const CourseFile& Present = CourseFiles()[0];
    CourseList List;
    CourseExceptions Exceptions;
};

TEST_F(SmallCourse, TheExpectedFileAppliesTheExceptions)
{
    const ExpectedFile expected = BuildExpectedFile(List, Exceptions, Verbiste(), Present);
    EXPECT_TRUE(expected.Problems.empty()) << testing::PrintToString(expected.Problems);
    ASSERT_EQ(expected.Records.size(), 2u);
    EXPECT_EQ(expected.Records[1].German, "vorhersagen");
    EXPECT_EQ(expected.Records[1].Solutions[5], "prédisez");
    EXPECT_EQ(expected.Records[0].Solutions[1], "sais");
}

TEST_F(SmallCourse, EveryDifferenceIsReportedWithItsLine)
{
    const ExpectedFile expected = BuildExpectedFile(List, Exceptions, Verbiste(), Present);
    std::string kept = WriteCourseText(expected.Records);
    auto replace = [&kept](const std::string& from, const std::string& to) {
        kept.replace(kept.find(from), from.size(), to);
    };
    replace("sait", "sai");
    replace("prédisent", "prédisont");
    const CourseText text = ReadCourseText(kept);
    ASSERT_TRUE(text.Errors.empty());

    const std::vector<std::string> mismatches = CompareWithExpected(Present, text.Records, expected.Records);
    ASSERT_EQ(mismatches.size(), 2u);
    EXPECT_EQ(mismatches[0], "present.txt:1: verb 1 (savoir), il: the text has \"sai\", expected \"sait\"");
    EXPECT_EQ(mismatches[1], "present.txt:10: verb 2 (prédire), ils: the text has \"prédisont\", expected \"prédisent\"");
}

TEST_F(SmallCourse, ExceptionsThatNoLongerApplyAreProblems)
{
    const CourseExceptions stale = ParseCourseExceptions(
        "present\tsavoir\tje\tsait\tsais\tverbiste got it wrong once\n"
        "present\tdire\tvous\tdisez\tdites\tnot in this course\n");
    ASSERT_TRUE(stale.Errors.empty());
    const ExpectedFile expected = BuildExpectedFile(List, stale, Verbiste(), Present);
    ASSERT_EQ(expected.Problems.size(), 2u);
    EXPECT_NE(expected.Problems[0].find("exceptions.tsv:1: verbiste now gives \"sais\""), std::string::npos);
    EXPECT_NE(expected.Problems[1].find("exceptions.tsv:2: no verb \"dire\""), std::string::npos);
}

TEST_F(SmallCourse, AnInfinitiveWrittenAgainstTheElisionRuleIsAProblem)
{
    const CourseList list = ParseCourseList("24\tsich stoßen\ts'heurter\têtre\tyes\t-\n");
    ASSERT_TRUE(list.Errors.empty());
    const ExpectedFile expected = BuildExpectedFile(list, {}, Verbiste(), Present);
    ASSERT_EQ(expected.Problems.size(), 1u);
    EXPECT_NE(expected.Problems[0].find("is written \"se heurter\""), std::string::npos);
}

// Every form of every record of the eight files, against verbiste under the
// conventions, apart from the exception list. All differences at once.
TEST(Course, EveryFormIsWhatVerbisteGives)
{
    const CourseList list = ParseCourseList(DataFile("verbs.tsv"));
    const CourseExceptions exceptions = ParseCourseExceptions(DataFile("exceptions.tsv"));
    ASSERT_TRUE(list.Errors.empty());
    ASSERT_TRUE(exceptions.Errors.empty());

    std::vector<std::string> problems;
    for (const CourseFile& file : CourseFiles()) {
        const ExpectedFile expected = BuildExpectedFile(list, exceptions, Verbiste(), file);
        problems.insert(problems.end(), expected.Problems.begin(), expected.Problems.end());
        const CourseText text = ReadCourseText(DataFile(std::string(file.Name) + ".txt"));
        for (const CourseError& error : text.Errors)
            problems.push_back(std::string(file.Name) + ".txt:" + std::to_string(error.Line) + ": " + error.What);
        const std::vector<std::string> mismatches = CompareWithExpected(file, text.Records, expected.Records);
        problems.insert(problems.end(), mismatches.begin(), mismatches.end());
    }
    std::string report;
    for (const std::string& problem : problems)
        report += problem + "\n";
    EXPECT_TRUE(problems.empty()) << problems.size() << " difference(s):\n" << report;
}

}  // namespace
