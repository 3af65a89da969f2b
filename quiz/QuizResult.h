#pragma once

#include <string>

// The outcome of a completed quiz, shown by the results dialog.
struct QuizResult {
    std::string TenseLabel;
    std::string FromLesson;
    std::string ToLesson;
    int VerbCount = 0;
    int RightCount = 0;
    int WrongCount = 0;
};
