#include "tools/course/CourseConjugator.h"

#include <verbiste/FrenchVerbDictionary.h>

#include <vector>

namespace {

using verbiste::FrenchVerbDictionary;

constexpr std::array<std::string_view, 6> ReflexivePronouns = {"me", "te", "se", "nous", "vous", "se"};

// The six persons of one simple tense, verbiste's first form of each, or an
// empty vector when verbiste does not know the verb or leaves a person empty.
// A verb filed under several templates is conjugated by the first of them.
std::vector<std::string> SixForms(const FrenchVerbDictionary& dictionary, const std::string& infinitive,
                                  ::Mode mode, ::Tense tense)
{
    const std::set<std::string>& templates = dictionary.getVerbTemplateSet(infinitive);
    if (templates.empty())
        return {};
    const std::string& name = *templates.begin();
    const TemplateSpec* conjugationTemplate = dictionary.getTemplate(name);
    std::vector<std::vector<std::string>> persons;
    if (conjugationTemplate == nullptr ||
        !dictionary.generateTense(FrenchVerbDictionary::getRadical(infinitive, name), *conjugationTemplate, mode, tense, persons,
                                  false, false, false))
        return {};
    std::vector<std::string> forms;
    for (const std::vector<std::string>& alternatives : persons) {
        if (alternatives.empty() || alternatives.front().empty())
            return {};
        forms.push_back(alternatives.front());
    }
    return forms;
}

// Verbiste's past participles come in the order masculine singular,
// masculine plural, feminine singular, feminine plural.
std::vector<std::string> Participles(const FrenchVerbDictionary& dictionary, const std::string& infinitive)
{
    const std::set<std::string>& templates = dictionary.getVerbTemplateSet(infinitive);
    if (templates.empty())
        return {};
    const std::string& name = *templates.begin();
    const TemplateSpec* conjugationTemplate = dictionary.getTemplate(name);
    std::vector<std::vector<std::string>> forms;
    if (conjugationTemplate == nullptr ||
        !dictionary.generateTense(FrenchVerbDictionary::getRadical(infinitive, name), *conjugationTemplate,
                                  PARTICIPLE_MODE, PAST_TENSE, forms, false, false, false))
        return {};
    std::vector<std::string> participles;
    for (const std::vector<std::string>& alternatives : forms)
        participles.push_back(alternatives.empty() ? std::string() : alternatives.front());
    return participles;
}

struct SimpleTense {
    ::Mode VerbMode;
    ::Tense VerbTense;
};

SimpleTense SimpleTenseOf(CourseTense tense)
{
    switch (tense) {
    case CourseTense::Imparfait:
        return {INDICATIVE_MODE, IMPERFECT_TENSE};
    case CourseTense::FuturSimple:
        return {INDICATIVE_MODE, FUTURE_TENSE};
    case CourseTense::Conditionnel:
        return {CONDITIONAL_MODE, PRESENT_TENSE};
    case CourseTense::Subjonctif:
        return {SUBJUNCTIVE_MODE, PRESENT_TENSE};
    default:
        return {INDICATIVE_MODE, PRESENT_TENSE};
    }
}

}  // namespace

bool Elides(std::string_view word, bool aspirateH)
{
    if (word.empty())
        return false;
    if (word.front() == 'h')
        return !aspirateH;
    if (std::string_view("aeiou").find(word.front()) != std::string_view::npos)
        return true;
    // The accented vowels a French verb form can begin with, in UTF-8.
    for (std::string_view vowel : {"à", "â", "é", "è", "ê", "î", "ô", "û", "œ", "æ"}) {
        if (word.starts_with(vowel))
            return true;
    }
    return false;
}

std::string Attach(std::string_view little, std::string_view word, bool aspirateH)
{
    if (Elides(word, aspirateH) && little.size() == 2 && little.back() == 'e')
        return std::string(little.substr(0, 1)) + "'" + std::string(word);
    return std::string(little) + " " + std::string(word);
}

CourseConjugator::CourseConjugator()
    : Dictionary(std::make_unique<FrenchVerbDictionary>(false))
{
}

CourseConjugator::~CourseConjugator() = default;

bool CourseConjugator::Knows(const std::string& infinitive) const
{
    return !Dictionary->getVerbTemplateSet(infinitive).empty();
}

bool CourseConjugator::HasAspirateH(const std::string& infinitive) const
{
    return Dictionary->isVerbStartingWithAspirateH(infinitive);
}

std::string CourseConjugator::Infinitive(const std::string& base, bool reflexive) const
{
    return reflexive ? Attach("se", base, HasAspirateH(base)) : base;
}

CourseConjugator::Result CourseConjugator::Record(const CourseVerb& verb, CourseTense tense) const
{
    Result result;
    const std::string base = BaseInfinitive(verb);
    if (!Knows(base)) {
        result.Error = "verbiste does not know \"" + base + "\"";
        return result;
    }
    const bool aspirateH = HasAspirateH(base);
    result.Solutions[0] = Infinitive(base, verb.Reflexive);

    auto present = [&](const std::string& infinitive) {
        return SixForms(*Dictionary, infinitive, INDICATIVE_MODE, PRESENT_TENSE);
    };
    // The infinitive after aller or venir de, with its pronoun: "me lever", "m'habiller".
    auto infinitiveOf = [&](int person) {
        return verb.Reflexive ? Attach(ReflexivePronouns[person], base, aspirateH) : base;
    };

    std::vector<std::string> forms;
    switch (tense) {
    case CourseTense::FuturCompose: {
        const std::vector<std::string> aller = present("aller");
        for (std::size_t person = 0; person < aller.size(); ++person)
            forms.push_back(aller[person] + " " + infinitiveOf(static_cast<int>(person)));
        break;
    }
    case CourseTense::PasseRecent: {
        const std::vector<std::string> venir = present("venir");
        for (std::size_t person = 0; person < venir.size(); ++person) {
            // "de" before the pronoun never elides; before the verb it follows the verb's h.
            forms.push_back(venir[person] + " " +
                            Attach("de", infinitiveOf(static_cast<int>(person)), !verb.Reflexive && aspirateH));
        }
        break;
    }
    case CourseTense::PasseCompose: {
        const bool etre = verb.Aux == Auxiliary::Etre || verb.Reflexive;
        const std::vector<std::string> auxiliary = present(etre ? "être" : "avoir");
        const std::vector<std::string> participles = Participles(*Dictionary, base);
        if (participles.size() < 2 || participles[0].empty() || (etre && participles[1].empty())) {
            result.Error = "verbiste gives no past participle for \"" + base + "\"";
            return result;
        }
        for (std::size_t person = 0; person < auxiliary.size(); ++person) {
            // With être the participle agrees: masculine, singular for je, tu, il, plural after.
            const std::string& participle = etre && person >= 3 ? participles[1] : participles[0];
            const std::string head = verb.Reflexive ? Attach(ReflexivePronouns[person], auxiliary[person], false)
                                                    : auxiliary[person];
            forms.push_back(head + " " + participle);
        }
        break;
    }
    default: {
        const SimpleTense simple = SimpleTenseOf(tense);
        const std::vector<std::string> six = SixForms(*Dictionary, base, simple.VerbMode, simple.VerbTense);
        for (std::size_t person = 0; person < six.size(); ++person)
            forms.push_back(verb.Reflexive ? Attach(ReflexivePronouns[person], six[person], aspirateH) : six[person]);
        break;
    }
    }
    if (forms.size() != 6) {
        result.Error = "verbiste lacks a form of \"" + base + "\" in this tense";
        return result;
    }
    std::copy(forms.begin(), forms.end(), result.Solutions.begin() + 1);
    return result;
}
