#include "tools/lexamo-data/CourseCheck.h"

#include <algorithm>
#include <map>

#include "catalog/LessonCatalog.h"
#include "verbdata/EncryptedTextReader.h"
#include "verbdata/VerbRecord.h"
#include "verbdata/Windows1252.h"

namespace {

constexpr const char* FieldNames[] = {
    "German infinitive", "French infinitive", "je form", "tu form",
    "il form", "nous form", "vous form", "ils form",
};

// 1-based line of offset, counting every CR LF, lone CR or lone LF as one end.
int LineOfOffset(std::string_view text, std::size_t offset)
{
    int line = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
            ++line;
    }
    return line;
}

std::string FileNameOf(const std::string& dataFile)
{
    return dataFile.substr(dataFile.find_last_of('\\') + 1);
}

}  // namespace

std::vector<CourseProblem> CheckVerbText(const std::string& file, std::string_view text, int verbCount)
{
    std::vector<CourseProblem> problems;
    std::map<std::string, int> promptOwner;
    for (int verb = 1; verb <= verbCount; ++verb) {
        const std::string marker = "#" + std::to_string(verb) + "#";
        const std::size_t at = text.find(marker);
        if (at == std::string_view::npos) {
            problems.push_back({file, 0, verb, "marker " + marker + " missing"});
            continue;
        }
        const int line = LineOfOffset(text, at);
        if (const std::size_t again = text.find(marker, at + 1); again != std::string_view::npos) {
            problems.push_back({file, LineOfOffset(text, again), verb,
                                "marker " + marker + " occurs again; only the first record is used"});
        }
        if (!HasCompleteRecord(text, verb)) {
            problems.push_back({file, line, verb, "record has fewer than eight field lines"});
            continue;
        }
        const VerbRecord record = FindVerbRecord(text, verb);
        for (int field = 0; field < 8; ++field) {
            const std::string& value = field == 0 ? record.GermanInfinitive : record.Solutions[field - 1];
            if (value.empty())
                problems.push_back({file, line, verb, std::string(FieldNames[field]) + " is empty"});
        }
        if (record.GermanInfinitive.empty())
            continue;
        const auto [owner, inserted] = promptOwner.emplace(record.GermanInfinitive, verb);
        if (!inserted) {
            problems.push_back({file, line, verb,
                                "German prompt \"" + record.GermanInfinitive + "\" is also the prompt of verb " +
                                    std::to_string(owner->second)});
        }
    }
    return problems;
}

CourseCheckSummary CheckCourseFolder(const std::string& folder)
{
    CourseCheckSummary summary;
    for (const std::string& tense : LessonCatalog::TenseLabels()) {
        const std::string path = folder + "/" + FileNameOf(LessonCatalog::DataFileOfTense(tense));
        const LoadResult loaded = LoadEncryptedText(path);
        if (loaded.Failure) {
            summary.Problems.push_back(
                {path, 0, 0,
                 loaded.Failure->Kind == FatalErrorKind::FileNotLoadable ? "cannot be opened"
                                                                         : "cannot be decrypted"});
            continue;
        }
        ++summary.FilesChecked;
        const int verbCount = LessonCatalog::VerbCountOfTense(tense);
        summary.RecordsChecked += verbCount;
        std::vector<CourseProblem> problems = CheckVerbText(path, Windows1252::ToUtf8(loaded.Text), verbCount);
        summary.Problems.insert(summary.Problems.end(), problems.begin(), problems.end());
    }
    return summary;
}

std::string FormatProblem(const CourseProblem& problem)
{
    std::string text = problem.File;
    if (problem.Line > 0)
        text += ":" + std::to_string(problem.Line);
    text += ": ";
    if (problem.Verb > 0)
        text += "verb " + std::to_string(problem.Verb) + ": ";
    return text + problem.What;
}
