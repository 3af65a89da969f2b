#pragma once

#include <string>

#include "quiz/QuizResult.h"

// What the quiz engine asks of the window that shows it. The engine calls
// these at fixed points; the view reads the engine's state to show it.
class QuizView {
public:
    virtual ~QuizView() = default;

    // Copy the seven input texts into the engine (QuizEngine::SetRowInput).
    virtual void ReadAnswers() = 0;
    // Show the engine's state: counts, lesson, tense, German infinitive, and
    // every row's mark (in its RowColour), solution and input.
    virtual void ShowState() = 0;
    // The action button and the action menu item get this same text.
    virtual void SetActionText(const std::string& text) = 0;
    virtual void FocusFirstInput() = 0;
    // Modal: returns when the user has closed the results.
    virtual void ShowResults(const QuizResult& result) = 0;
    // Mark the quiz as going back to the main menu and ask the window to close
    // once the current command has returned.
    virtual void CloseToMenu() = 0;
};
