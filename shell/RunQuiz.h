#pragma once

#include <string>

#include "quiz/QuizSelection.h"

// The quiz over the main menu's three choices: the verb range runs from the
// first verb of fromLesson to the last verb of toLesson in the tense's
// numbering.
QuizSelection MakeQuizSelection(const std::string& tenseLabel, const std::string& fromLesson,
                                const std::string& toLesson);
