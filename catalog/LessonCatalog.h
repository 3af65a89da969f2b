#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The fixed course tables: 28 lessons (there is no lesson 3), the verb-number
// range of each lesson in the two numberings, and the eight tenses with their
// data files. Lessons and tenses are identified by their labels, compared as
// whole texts; no number is ever parsed out of a label.
//
// All texts are UTF-8 ("Leçon 1"). Unknown labels give 0, an empty list or an
// empty path, never an error.
namespace LessonCatalog {

using LessonLabel = std::string;

struct Tense {
    std::string_view Label;     // "présent"
    std::string_view DataFile;  // ".\Verben\present.dat", as the program names it
};

// The tense labels in the order of the main menu's list.
const std::vector<std::string>& TenseLabels();
// The 28 lesson labels in catalogue order.
const std::vector<LessonLabel>& LessonLabels();

// The passé composé numbering applies exactly when tense == "passé composé";
// every other text selects the regular numbering.
int FirstVerbOfLesson(std::string_view label, std::string_view tense);
int LastVerbOfLesson(std::string_view label, std::string_view tense);

// label and every later lesson up to "Leçon 29"; empty for an unknown label.
std::vector<LessonLabel> LessonsFrom(std::string_view label);

// The first lesson whose last verb is not below n; nothing above the end of
// the numbering. Numbers below 1 belong to "Leçon 1".
std::optional<LessonLabel> LessonOfVerb(int n, std::string_view tense);

// The data file path as the catalogue holds it (backslash separators);
// empty for an unknown tense.
std::string DataFileOfTense(std::string_view tense);

// The last verb number of a tense's numbering: 366, or 368 in passé composé.
int VerbCountOfTense(std::string_view tense);

}  // namespace LessonCatalog
