#include "tools/course/CourseText.h"

namespace {

std::string_view Problem(std::string_view value)
{
    if (value.empty())
        return "is empty";
    if (value.front() == '#' || value.back() == '#')
        return "has '#' at an end";
    if (value.front() == ' ' || value.back() == ' ')
        return "has a space at an end";
    if (value.find_first_of("\r\t") != std::string_view::npos)
        return "holds a CR or a tab";
    return {};
}

}  // namespace

CourseText ReadCourseText(std::string_view text)
{
    CourseText result;
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            lines.push_back(text);
            result.Errors.push_back({static_cast<int>(lines.size()), "the last line has no line end"});
            break;
        }
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    std::size_t at = 0;
    while (at < lines.size()) {
        const int line = static_cast<int>(at) + 1;
        const std::string marker = "#" + std::to_string(result.Records.size() + 1) + "#";
        if (lines[at] != marker) {
            result.Errors.push_back({line, "expected the marker " + marker + ", found \"" + std::string(lines[at]) + "\""});
            return result;
        }
        if (lines.size() - at < 9) {
            result.Errors.push_back({line, "record " + marker + " has fewer than eight field lines"});
            return result;
        }
        CourseRecord record;
        record.Line = line;
        for (int field = 0; field < 8; ++field) {
            const std::string_view value = lines[at + 1 + field];
            if (const std::string_view problem = Problem(value); !problem.empty())
                result.Errors.push_back({line + 1 + field, "field " + std::string(problem)});
            (field == 0 ? record.German : record.Solutions[field - 1]) = value;
        }
        result.Records.push_back(std::move(record));
        at += 9;
    }
    return result;
}

std::string WriteCourseText(const std::vector<CourseRecord>& records)
{
    std::string text;
    for (std::size_t i = 0; i < records.size(); ++i) {
        text += "#" + std::to_string(i + 1) + "#\n";
        text += records[i].German + "\n";
        for (const std::string& solution : records[i].Solutions)
            text += solution + "\n";
    }
    return text;
}
