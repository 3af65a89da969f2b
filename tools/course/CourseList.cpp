#include "tools/course/CourseList.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "catalog/LessonCatalog.h"

namespace {

constexpr std::array<CourseFile, 8> Files = {{
    {CourseTense::Present, "present", "présent"},
    {CourseTense::FuturCompose, "futurcompose", "futur composé"},
    {CourseTense::PasseRecent, "passerecent", "passé récent"},
    {CourseTense::PasseCompose, "passecompose", "passé composé"},
    {CourseTense::Imparfait, "imparfait", "imparfait"},
    {CourseTense::Conditionnel, "conditionnel", "conditionnel"},
    {CourseTense::Subjonctif, "subjonctif", "subjonctif"},
    {CourseTense::FuturSimple, "futursimple", "futur simple"},
}};

// Splits text into lines (LF, with an optional CR before it) and hands every
// line that is neither empty nor a comment to onLine with its number.
template <typename OnLine>
void ForEachDataLine(std::string_view text, OnLine onLine)
{
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        onLine(number, line);
    }
}

std::vector<std::string> SplitTabs(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

bool HasOuterSpace(const std::string& field)
{
    return !field.empty() && (field.front() == ' ' || field.back() == ' ');
}

bool ParseLesson(const std::string& field, int& lesson)
{
    if (field.empty() || field.size() > 2 || !std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    lesson = std::stoi(field);
    return LessonCatalog::FirstVerbOfLesson("Leçon " + field, "présent") != 0;
}

bool StartsReflexive(const std::string& french)
{
    return french.starts_with("se ") || french.starts_with("s'");
}

}  // namespace

const std::array<CourseFile, 8>& CourseFiles()
{
    return Files;
}

const CourseFile* FindCourseFile(std::string_view name)
{
    for (const CourseFile& file : Files) {
        if (file.Name == name)
            return &file;
    }
    return nullptr;
}

CourseList ParseCourseList(std::string_view text)
{
    CourseList list;
    int lastLesson = 0;
    ForEachDataLine(text, [&](int number, std::string_view line) {
        const std::vector<std::string> fields = SplitTabs(line);
        auto fail = [&](std::string what) { list.Errors.push_back({number, std::move(what)}); };
        if (fields.size() != 6) {
            fail("expected 6 tab-separated fields, found " + std::to_string(fields.size()));
            return;
        }
        CourseVerb verb;
        verb.Line = number;
        verb.German = fields[1];
        verb.French = fields[2];
        const std::size_t errorsBefore = list.Errors.size();
        if (!ParseLesson(fields[0], verb.Lesson))
            fail("\"" + fields[0] + "\" is no lesson of the catalogue");
        else if (verb.Lesson < lastLesson)
            fail("lesson " + fields[0] + " comes after lesson " + std::to_string(lastLesson));
        for (const std::string* field : {&verb.German, &verb.French}) {
            if (field->empty())
                fail("empty prompt or infinitive");
            else if (HasOuterSpace(*field))
                fail("\"" + *field + "\" has spaces at its ends");
        }
        if (fields[3] == "avoir")
            verb.Aux = Auxiliary::Avoir;
        else if (fields[3] == "être")
            verb.Aux = Auxiliary::Etre;
        else
            fail("auxiliary \"" + fields[3] + "\" is neither avoir nor être");
        if (fields[4] == "yes" || fields[4] == "no")
            verb.Reflexive = fields[4] == "yes";
        else
            fail("reflexive \"" + fields[4] + "\" is neither yes nor no");
        if (fields[5] == "passecompose" || fields[5] == "-")
            verb.PasseComposeOnly = fields[5] == "passecompose";
        else
            fail("\"" + fields[5] + "\" is neither - nor passecompose");
        if (list.Errors.size() != errorsBefore)
            return;
        if (verb.Reflexive != StartsReflexive(verb.French))
            fail(verb.Reflexive ? "a reflexive verb's infinitive starts with \"se \" or \"s'\""
                                : "\"" + verb.French + "\" looks reflexive but is not marked so");
        else if (verb.Reflexive && verb.Aux != Auxiliary::Etre)
            fail("a reflexive verb takes être");
        else if (verb.PasseComposeOnly && (verb.Aux != Auxiliary::Avoir || verb.Reflexive))
            fail("a passé composé extra is the transitive use with avoir");
        if (list.Errors.size() != errorsBefore)
            return;
        lastLesson = verb.Lesson;
        list.Verbs.push_back(std::move(verb));
    });
    return list;
}

std::string BaseInfinitive(const CourseVerb& verb)
{
    if (!verb.Reflexive)
        return verb.French;
    return verb.French.substr(verb.French.starts_with("se ") ? 3 : 2);
}

std::vector<const CourseVerb*> VerbsOfFile(const CourseList& list, CourseTense tense)
{
    std::vector<const CourseVerb*> verbs;
    for (const CourseVerb& verb : list.Verbs) {
        if (!verb.PasseComposeOnly || tense == CourseTense::PasseCompose)
            verbs.push_back(&verb);
    }
    return verbs;
}

CourseExceptions ParseCourseExceptions(std::string_view text)
{
    CourseExceptions exceptions;
    ForEachDataLine(text, [&](int number, std::string_view line) {
        const std::vector<std::string> fields = SplitTabs(line);
        auto fail = [&](std::string what) { exceptions.Errors.push_back({number, std::move(what)}); };
        if (fields.size() != 6) {
            fail("expected 6 tab-separated fields, found " + std::to_string(fields.size()));
            return;
        }
        CourseException entry;
        entry.Line = number;
        entry.File = FindCourseFile(fields[0]);
        entry.French = fields[1];
        const auto row = std::find(RowNames.begin(), RowNames.end(), fields[2]);
        entry.Row = static_cast<int>(row - RowNames.begin());
        entry.Verbiste = fields[3];
        entry.Course = fields[4];
        entry.Reason = fields[5];
        if (entry.File == nullptr)
            fail("\"" + fields[0] + "\" is no course file");
        else if (row == RowNames.end())
            fail("\"" + fields[2] + "\" is no row name");
        else if (entry.Course.empty() || entry.Reason.empty())
            fail("an exception needs the course's form and a reason");
        else if (entry.Course == entry.Verbiste)
            fail("the course's form equals verbiste's");
        else
            exceptions.Entries.push_back(std::move(entry));
    });
    return exceptions;
}

bool ReadTextFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return !in.bad();
}
