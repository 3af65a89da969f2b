#pragma once

#include <string>

// What the main menu hands to a quiz. FirstVerb <= LastVerb always holds for
// a selection made in the main menu.
struct QuizSelection {
    int FirstVerb = 0;
    int LastVerb = 0;
    std::string FromLesson;
    std::string ToLesson;
    std::string TenseLabel;
};
