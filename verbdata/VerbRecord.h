#pragma once

#include <array>
#include <string>
#include <string_view>

// The seven answer rows of a verb: 0 the French infinitive, 1 je, 2 tu, 3 il,
// 4 nous, 5 vous, 6 ils.
constexpr int QuizRowCount = 7;

struct VerbRecord {
    std::string GermanInfinitive;
    std::array<std::string, QuizRowCount> Solutions;
};

// The record of verb number: the first occurrence of the marker "#number#"
// anywhere in the text, then the next eight lines (runs of CR and LF separate
// lines; empty lines count for nothing), each with its leading and trailing
// '#' characters removed. Fields beyond the end of the text are empty; a
// missing marker gives an empty record. Never reads outside the text.
VerbRecord FindVerbRecord(std::string_view text, int number);

// True when the marker of number occurs and is followed by eight field lines.
bool HasCompleteRecord(std::string_view text, int number);
