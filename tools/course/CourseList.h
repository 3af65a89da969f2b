#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The course as the authors keep it: the list of verbs (data/verbs.tsv), the
// eight tense files made from it, and the short list of forms where the course
// deliberately differs from verbiste (data/exceptions.tsv). All texts UTF-8.

enum class CourseTense {
    Present,
    FuturCompose,
    PasseRecent,
    PasseCompose,
    Imparfait,
    Conditionnel,
    Subjonctif,
    FuturSimple,
};

struct CourseFile {
    CourseTense Tense;
    std::string_view Name;   // "present": data/present.txt, build/Verben/present.dat
    std::string_view Label;  // the tense label of the catalogue, "présent"
};

// The eight files in the order of the main menu's tense list.
const std::array<CourseFile, 8>& CourseFiles();
const CourseFile* FindCourseFile(std::string_view name);

enum class Auxiliary { Avoir, Etre };

// One line of the course list: lesson, German prompt, French infinitive as the
// learner writes it ("se lever", "s'habiller"), auxiliary, reflexive, and
// whether only the passé composé file holds it (the transitive second record
// of a verb that otherwise takes être).
struct CourseVerb {
    int Line = 0;
    int Lesson = 0;
    std::string German;
    std::string French;
    Auxiliary Aux = Auxiliary::Avoir;
    bool Reflexive = false;
    bool PasseComposeOnly = false;
};

struct CourseError {
    int Line = 0;
    std::string What;
};

struct CourseList {
    std::vector<CourseVerb> Verbs;
    std::vector<CourseError> Errors;
};

// Parses the tab-separated list. Empty lines and lines starting with '#' are
// skipped. Every malformed line is reported, not only the first.
CourseList ParseCourseList(std::string_view text);

// "lever" for "se lever", "habiller" for "s'habiller", the infinitive itself
// for a verb that is not reflexive.
std::string BaseInfinitive(const CourseVerb& verb);

// The verbs of one tense file in record order: record n is element n - 1.
std::vector<const CourseVerb*> VerbsOfFile(const CourseList& list, CourseTense tense);

// The seven answer rows as the exception list names them.
constexpr std::array<std::string_view, 7> RowNames = {"infinitif", "je", "tu", "il", "nous", "vous", "ils"};

// A form where the course keeps something else than verbiste gives, with the
// reason. Verbiste's form is part of the entry so that an entry that no longer
// applies (verbiste changed, or the verb left the course) is noticed.
struct CourseException {
    int Line = 0;
    const CourseFile* File = nullptr;
    std::string French;
    int Row = 0;
    std::string Verbiste;
    std::string Course;
    std::string Reason;
};

struct CourseExceptions {
    std::vector<CourseException> Entries;
    std::vector<CourseError> Errors;
};

// Tab-separated: file, French infinitive, row name, verbiste's form, the
// course's form, reason. Comments and empty lines as in the course list.
CourseExceptions ParseCourseExceptions(std::string_view text);

// Reads a whole file; false when it cannot be read.
bool ReadTextFile(const std::string& path, std::string& text);
