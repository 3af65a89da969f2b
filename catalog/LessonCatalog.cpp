#include "catalog/LessonCatalog.h"

#include <algorithm>
#include <array>

namespace LessonCatalog {
namespace {

struct LessonRow {
    std::string_view Label;
    int First;
    int Last;
    int FirstPasseCompose;
    int LastPasseCompose;
};

// The passé composé file has one verb more in lesson 11 and one in lesson 25.
constexpr std::array<LessonRow, 28> Lessons{{
    {"Leçon 1", 1, 2, 1, 2},
    {"Leçon 2", 3, 4, 3, 4},
    {"Leçon 4", 5, 9, 5, 9},
    {"Leçon 5", 10, 38, 10, 38},
    {"Leçon 6", 39, 41, 39, 41},
    {"Leçon 7", 42, 50, 42, 50},
    {"Leçon 8", 51, 61, 51, 61},
    {"Leçon 9", 62, 70, 62, 70},
    {"Leçon 10", 71, 78, 71, 78},
    {"Leçon 11", 79, 88, 79, 89},
    {"Leçon 12", 89, 95, 90, 96},
    {"Leçon 13", 96, 107, 97, 108},
    {"Leçon 14", 108, 115, 109, 116},
    {"Leçon 15", 116, 157, 117, 158},
    {"Leçon 16", 158, 159, 159, 160},
    {"Leçon 17", 160, 165, 161, 166},
    {"Leçon 18", 166, 177, 167, 178},
    {"Leçon 19", 178, 192, 179, 193},
    {"Leçon 20", 193, 197, 194, 198},
    {"Leçon 21", 198, 213, 199, 214},
    {"Leçon 22", 214, 226, 215, 227},
    {"Leçon 23", 227, 246, 228, 247},
    {"Leçon 24", 247, 256, 248, 257},
    {"Leçon 25", 257, 283, 258, 285},
    {"Leçon 26", 284, 298, 286, 300},
    {"Leçon 27", 299, 329, 301, 331},
    {"Leçon 28", 330, 340, 332, 342},
    {"Leçon 29", 341, 366, 343, 368},
}};

constexpr std::array<Tense, 8> Tenses{{
    {"présent", ".\\Verben\\present.dat"},
    {"futur composé", ".\\Verben\\futurcompose.dat"},
    {"passé récent", ".\\Verben\\passerecent.dat"},
    {"passé composé", ".\\Verben\\passecompose.dat"},
    {"imparfait", ".\\Verben\\imparfait.dat"},
    {"conditionnel", ".\\Verben\\conditionnel.dat"},
    {"subjonctif", ".\\Verben\\subjonctif.dat"},
    {"futur simple", ".\\Verben\\futursimple.dat"},
}};

constexpr std::string_view PasseCompose = "passé composé";

const LessonRow* FindLesson(std::string_view label)
{
    const auto it = std::find_if(Lessons.begin(), Lessons.end(),
                                 [label](const LessonRow& row) { return row.Label == label; });
    return it == Lessons.end() ? nullptr : &*it;
}

}  // namespace

const std::vector<std::string>& TenseLabels()
{
    static const std::vector<std::string> labels = [] {
        std::vector<std::string> result;
        for (const Tense& tense : Tenses)
            result.emplace_back(tense.Label);
        return result;
    }();
    return labels;
}

const std::vector<LessonLabel>& LessonLabels()
{
    static const std::vector<LessonLabel> labels = LessonsFrom(Lessons.front().Label);
    return labels;
}

int FirstVerbOfLesson(std::string_view label, std::string_view tense)
{
    const LessonRow* row = FindLesson(label);
    if (!row)
        return 0;
    return tense == PasseCompose ? row->FirstPasseCompose : row->First;
}

int LastVerbOfLesson(std::string_view label, std::string_view tense)
{
    const LessonRow* row = FindLesson(label);
    if (!row)
        return 0;
    return tense == PasseCompose ? row->LastPasseCompose : row->Last;
}

std::vector<LessonLabel> LessonsFrom(std::string_view label)
{
    std::vector<LessonLabel> result;
    const LessonRow* row = FindLesson(label);
    if (!row)
        return result;
    for (const LessonRow* it = row; it != Lessons.data() + Lessons.size(); ++it)
        result.emplace_back(it->Label);
    return result;
}

std::optional<LessonLabel> LessonOfVerb(int n, std::string_view tense)
{
    for (const LessonRow& row : Lessons) {
        if (n <= LastVerbOfLesson(row.Label, tense))
            return LessonLabel(row.Label);
    }
    return std::nullopt;
}

std::string DataFileOfTense(std::string_view tense)
{
    for (const Tense& t : Tenses) {
        if (t.Label == tense)
            return std::string(t.DataFile);
    }
    return {};
}

int VerbCountOfTense(std::string_view tense)
{
    return LastVerbOfLesson(Lessons.back().Label, tense);
}

}  // namespace LessonCatalog
