#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "tools/course/CourseList.h"

namespace verbiste {
class FrenchVerbDictionary;
}

// True when word begins with a vowel, or with an h that is not aspirated: the
// words before which me, te, se and de drop their vowel ("m'habille",
// "d'arriver", but "me heurte", "de haïr"). A leading y counts as a consonant,
// as in the few verbs that begin with one.
bool Elides(std::string_view word, bool aspirateH);

// Puts a little word (me, te, se, de, …) before word, elided where Elides says
// so: ("se", "habiller") gives "s'habiller", ("de", "parler") "de parler".
std::string Attach(std::string_view little, std::string_view word, bool aspirateH);

// The course's solutions as verbiste and the conventions of DESIGN.md §5 give
// them: no subject pronoun, no "que"; the reflexive pronoun, the auxiliary and
// "de" where the tense has them; where verbiste offers several forms, the first.
class CourseConjugator {
public:
    // Loads verbiste's French tables from their installed location. Throws
    // std::logic_error (as verbiste does) when they cannot be read.
    CourseConjugator();
    ~CourseConjugator();
    CourseConjugator(const CourseConjugator&) = delete;
    CourseConjugator& operator=(const CourseConjugator&) = delete;

    bool Knows(const std::string& infinitive) const;
    bool HasAspirateH(const std::string& infinitive) const;

    // The infinitive as row 0 shows it: "parler", "se lever", "s'habiller".
    std::string Infinitive(const std::string& base, bool reflexive) const;

    struct Result {
        std::array<std::string, 7> Solutions;
        std::string Error;  // set when verbiste lacks the verb or one of its forms
    };
    Result Record(const CourseVerb& verb, CourseTense tense) const;

private:
    std::unique_ptr<verbiste::FrenchVerbDictionary> Dictionary;
};
