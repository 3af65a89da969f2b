#pragma once

#include <string>
#include <string_view>
#include <vector>

// Checks a course: every verb number of a tense's numbering has its marker
// and eight non-empty field lines, and no two records share a German prompt.
struct CourseProblem {
    std::string File;  // as given to the check, e.g. "build/Verben/present.dat"
    int Line = 0;      // 1-based line of the decrypted text, 0 when none applies
    int Verb = 0;      // verb number, 0 when the problem concerns the whole file
    std::string What;
};

// text is the UTF-8 verb text of one file.
std::vector<CourseProblem> CheckVerbText(const std::string& file, std::string_view text, int verbCount);

// Decrypts and checks the eight tense files in folder.
struct CourseCheckSummary {
    int FilesChecked = 0;
    int RecordsChecked = 0;
    std::vector<CourseProblem> Problems;
};
CourseCheckSummary CheckCourseFolder(const std::string& folder);

std::string FormatProblem(const CourseProblem& problem);
