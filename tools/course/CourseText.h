#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "tools/course/CourseList.h"

// A source text in data/ as the course keeps it: records #1#, #2#, … in order,
// nine LF-terminated lines each (marker, German prompt, French infinitive, the
// six forms), nothing else. The program's reader is more forgiving (any order,
// '#' at the ends of a field, empty lines); the source texts are not, so that a
// stray edit shows up in review instead of being silently absorbed.
struct CourseRecord {
    int Line = 0;  // line of the marker
    std::string German;
    std::array<std::string, 7> Solutions;  // infinitive, je, tu, il, nous, vous, ils
};

struct CourseText {
    std::vector<CourseRecord> Records;
    std::vector<CourseError> Errors;
};

CourseText ReadCourseText(std::string_view text);
std::string WriteCourseText(const std::vector<CourseRecord>& records);
