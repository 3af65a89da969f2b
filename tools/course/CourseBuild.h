#pragma once

#include <string>
#include <vector>

#include "tools/course/CourseConjugator.h"
#include "tools/course/CourseList.h"
#include "tools/course/CourseText.h"

// One tense file as the course list, verbiste and the exception list make it.
struct ExpectedFile {
    std::vector<CourseRecord> Records;
    std::vector<std::string> Problems;  // verbs verbiste cannot conjugate, exceptions that no longer apply
};

ExpectedFile BuildExpectedFile(const CourseList& list, const CourseExceptions& exceptions,
                               const CourseConjugator& conjugator, const CourseFile& file);

// Every difference between a kept source text and the expected records, one
// message per field, naming the file's line: "present.txt:130: verb 15
// (trouver), je: the text has "trouves", expected "trouve"".
std::vector<std::string> CompareWithExpected(const CourseFile& file, const std::vector<CourseRecord>& kept,
                                             const std::vector<CourseRecord>& expected);
