// lexamo-course: makes the course's source texts from the course list with
// verbiste, and compares kept texts with what verbiste gives.
//
//   lexamo-course generate DATA_DIR   write DATA_DIR/<tense>.txt from verbs.tsv and exceptions.tsv
//   lexamo-course compare DATA_DIR    list every field where a text differs; exit 1 if any

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/course/CourseBuild.h"

namespace {

int Usage()
{
    std::cerr << "usage: lexamo-course generate DATA_DIR\n"
                 "       lexamo-course compare DATA_DIR\n";
    return 2;
}

bool Report(const std::string& file, const std::vector<CourseError>& errors)
{
    for (const CourseError& error : errors)
        std::cerr << file << ":" << error.Line << ": " << error.What << "\n";
    return errors.empty();
}

bool WriteAtomically(const std::filesystem::path& path, const std::string& text)
{
    std::filesystem::path temporary = path;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!(out << text) || !out.flush())
            return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    return !error;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Usage();
    const std::string command = argv[1];
    if (command != "generate" && command != "compare")
        return Usage();
    const std::filesystem::path dataDir = argv[2];

    std::string listText;
    std::string exceptionText;
    if (!ReadTextFile((dataDir / "verbs.tsv").string(), listText) ||
        !ReadTextFile((dataDir / "exceptions.tsv").string(), exceptionText)) {
        std::cerr << dataDir.string() << ": cannot read verbs.tsv or exceptions.tsv\n";
        return 1;
    }
    const CourseList list = ParseCourseList(listText);
    const CourseExceptions exceptions = ParseCourseExceptions(exceptionText);
    if (!Report("verbs.tsv", list.Errors) | !Report("exceptions.tsv", exceptions.Errors))
        return 1;

    const CourseConjugator conjugator;
    int problems = 0;
    for (const CourseFile& file : CourseFiles()) {
        const ExpectedFile expected = BuildExpectedFile(list, exceptions, conjugator, file);
        for (const std::string& problem : expected.Problems)
            std::cerr << problem << "\n";
        problems += static_cast<int>(expected.Problems.size());
        const std::filesystem::path path = dataDir / (std::string(file.Name) + ".txt");
        if (command == "generate") {
            if (!expected.Problems.empty())
                continue;
            if (!WriteAtomically(path, WriteCourseText(expected.Records))) {
                std::cerr << path.string() << ": cannot write\n";
                ++problems;
            }
            continue;
        }
        std::string kept;
        if (!ReadTextFile(path.string(), kept)) {
            std::cerr << path.string() << ": cannot read\n";
            ++problems;
            continue;
        }
        const CourseText text = ReadCourseText(kept);
        problems += static_cast<int>(text.Errors.size());
        Report(path.filename().string(), text.Errors);
        for (const std::string& mismatch : CompareWithExpected(file, text.Records, expected.Records)) {
            std::cout << mismatch << "\n";
            ++problems;
        }
    }
    if (problems > 0)
        std::cerr << problems << " problem(s)\n";
    return problems > 0 ? 1 : 0;
}
