#pragma once

#include <QIcon>
#include <QPointer>
#include <memory>
#include <string>

#include "platform/Dialog.h"
#include "quiz/QuizEngine.h"
#include "quiz/QuizSelection.h"
#include "quiz/QuizView.h"

class QLineEdit;
class QPushButton;

// The window in which one quiz runs. It loads the tense's verb text, owns the
// QuizEngine for the length of one run and shows it; it never judges an
// answer itself. While it runs it is the program's current main window and
// the main menu is hidden.
//
// Hand-over (RunQuiz): construct it without a parent, SetSavedMainWindow (the
// main menu), make it the current main window, SetSelection, DoModal; then
// BackToMenu() tells whether the main menu comes back (true) or the program
// ends (false). Every way out passes through OnClose, which gives the current
// main window back before the window goes; Escape is ignored.
class Verbenabfrage : public Dialog, private QuizView {
public:
    enum ControlId {
        MainMenuButton = 1005,
        QuitButton = 1006,
        ActionButton = 1007,
        FirstInputField = 1008,  // row r: 1008 + r
        VerbCountText = 1015,
        LessonText = 1016,
        RightCountText = 1017,
        WrongCountText = 1018,
        TenseText = 1019,
        GermanInfinitiveText = 1020,
        FirstMarkText = 1021,      // row r: 1021 + 2r
        FirstSolutionText = 1022,  // row r: 1022 + 2r
    };
    static constexpr int InputId(int row) { return FirstInputField + row; }
    static constexpr int MarkId(int row) { return FirstMarkText + 2 * row; }
    static constexpr int SolutionId(int row) { return FirstSolutionText + 2 * row; }

    explicit Verbenabfrage(QWidget* parent = nullptr);
    ~Verbenabfrage() override;

    // Set before DoModal; the dialog never changes the selection.
    void SetSelection(const QuizSelection& selection) { Selection_ = selection; }
    const QuizSelection& Selection() const { return Selection_; }
    void SetSavedMainWindow(Dialog* window) { SavedMainWindow_ = window; }
    Dialog* SavedMainWindow() const { return SavedMainWindow_; }

    // Read after DoModal: the quiz closed towards the main menu.
    bool BackToMenu() const { return BackToMenu_ != 0; }

    // The running quiz; nullptr before initialisation.
    const QuizEngine* Engine() const { return Engine_.get(); }

    // The dialog's "Lexamo 3.0 - Verbenabfrage - <tense> von <from> bis <to>".
    static std::string TitleFor(const QuizSelection& selection);

    void OnAction();    // button 1007, Enter, menu 112
    void OnMainMenu();  // button 1005, menu 113
    void OnQuit();      // button 1006, menu 114

protected:
    void BuildMessageMap(MessageMap& map) override;
    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    std::optional<QColor> ControlColour(int id) const override;
    void OnClose() override;

private:
    // QuizView, for Engine_.
    void ReadAnswers() override;
    void ShowState() override;
    void SetActionText(const std::string& text) override;
    void FocusFirstInput() override;
    void ShowResults(const QuizResult& result) override;
    void CloseToMenu() override;

    void LoadVerbText();

    QIcon AppIcon_;
    QuizSelection Selection_;
    QPointer<Dialog> SavedMainWindow_;
    int BackToMenu_ = 0;
    std::string VerbText_;  // UTF-8; Engine_ looks into it, so it lives as long
    std::unique_ptr<QuizEngine> Engine_;
    QPushButton* ActionButton_ = nullptr;
    QLineEdit* FirstInput_ = nullptr;
};
