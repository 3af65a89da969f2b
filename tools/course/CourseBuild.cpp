#include "tools/course/CourseBuild.h"

#include <algorithm>

namespace {

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

}  // namespace

ExpectedFile BuildExpectedFile(const CourseList& list, const CourseExceptions& exceptions,
                               const CourseConjugator& conjugator, const CourseFile& file)
{
    ExpectedFile expected;
    std::vector<bool> used(exceptions.Entries.size(), false);
    for (const CourseVerb* verb : VerbsOfFile(list, file.Tense)) {
        const CourseConjugator::Result conjugated = conjugator.Record(*verb, file.Tense);
        if (!conjugated.Error.empty()) {
            expected.Problems.push_back("verbs.tsv:" + std::to_string(verb->Line) + ": " + conjugated.Error);
            continue;
        }
        if (conjugated.Solutions[0] != verb->French) {
            expected.Problems.push_back("verbs.tsv:" + std::to_string(verb->Line) + ": " + Quoted(verb->French) +
                                        " is written " + Quoted(conjugated.Solutions[0]));
        }
        CourseRecord record;
        record.German = verb->German;
        record.Solutions = conjugated.Solutions;
        for (std::size_t i = 0; i < exceptions.Entries.size(); ++i) {
            const CourseException& entry = exceptions.Entries[i];
            if (entry.File != &file || entry.French != verb->French)
                continue;
            used[i] = true;
            std::string& form = record.Solutions[entry.Row];
            if (form != entry.Verbiste) {
                expected.Problems.push_back("exceptions.tsv:" + std::to_string(entry.Line) + ": verbiste now gives " +
                                            Quoted(form) + ", not " + Quoted(entry.Verbiste));
            }
            form = entry.Course;
        }
        expected.Records.push_back(std::move(record));
    }
    for (std::size_t i = 0; i < exceptions.Entries.size(); ++i) {
        if (exceptions.Entries[i].File == &file && !used[i]) {
            expected.Problems.push_back("exceptions.tsv:" + std::to_string(exceptions.Entries[i].Line) +
                                        ": no verb " + Quoted(exceptions.Entries[i].French) + " in " +
                                        std::string(file.Name));
        }
    }
    return expected;
}

std::vector<std::string> CompareWithExpected(const CourseFile& file, const std::vector<CourseRecord>& kept,
                                             const std::vector<CourseRecord>& expected)
{
    std::vector<std::string> mismatches;
    const std::string name = std::string(file.Name) + ".txt";
    if (kept.size() != expected.size()) {
        mismatches.push_back(name + ": " + std::to_string(kept.size()) + " records, expected " +
                             std::to_string(expected.size()));
    }
    const std::size_t common = std::min(kept.size(), expected.size());
    for (std::size_t i = 0; i < common; ++i) {
        const CourseRecord& have = kept[i];
        const CourseRecord& want = expected[i];
        const std::string where = name + ":" + std::to_string(have.Line) + ": verb " + std::to_string(i + 1) + " (" +
                                  want.Solutions[0] + "), ";
        if (have.German != want.German)
            mismatches.push_back(where + "German: the text has " + Quoted(have.German) + ", expected " + Quoted(want.German));
        for (std::size_t row = 0; row < want.Solutions.size(); ++row) {
            if (have.Solutions[row] != want.Solutions[row]) {
                mismatches.push_back(where + std::string(RowNames[row]) + ": the text has " + Quoted(have.Solutions[row]) +
                                     ", expected " + Quoted(want.Solutions[row]));
            }
        }
    }
    return mismatches;
}
