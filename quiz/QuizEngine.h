#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "quiz/DrawSource.h"
#include "quiz/QuizSelection.h"
#include "quiz/QuizView.h"
#include "verbdata/VerbRecord.h"

struct Rgb {
    std::uint8_t R = 0, G = 0, B = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
constexpr Rgb RightColour{0, 128, 0};
constexpr Rgb WrongColour{255, 0, 0};
constexpr Rgb UnjudgedColour{0, 0, 0};

inline constexpr std::string_view CheckActionText = "&Fertig!";
inline constexpr std::string_view NextActionText = "&Weiter >";
inline constexpr std::string_view RightMark = "ok";
inline constexpr std::string_view WrongMark = "!!!";

// One quiz: every verb of the selection's range once, in random order; judges
// the seven rows, reveals the solutions after more than three wrong rows, and
// counts verbs right and revealed. It talks to its window only through
// QuizView and holds no Qt.
class QuizEngine {
public:
    // text is the quiz's verb text (UTF-8); it must outlive the engine.
    // Requires selection.FirstVerb <= selection.LastVerb.
    QuizEngine(QuizSelection selection, std::string_view text, QuizView& view,
               DrawSource& draw = CLibraryDrawSource());

    void StartQuiz();
    void CheckAnswers();  // while !AwaitingNext()
    void NextVerb();      // while AwaitingNext()

    // Drops white space around the answer and collapses runs of spaces inside.
    static std::string NormalizeAnswer(std::string_view text);

    // For the view's data exchange.
    void SetRowInput(int row, std::string text);

    const QuizSelection& Selection() const { return Selection_; }
    int VerbCount() const { return VerbCount_; }
    const std::vector<int>& AskedVerbs() const { return AskedVerbs_; }
    int AskedCount() const { return AskedCount_; }
    int CurrentVerb() const { return CurrentVerb_; }
    const std::string& GermanInfinitive() const { return GermanInfinitive_; }
    const std::string& CurrentLesson() const { return CurrentLesson_; }
    int RightCount() const { return RightCount_; }
    int WrongCount() const { return WrongCount_; }
    int WrongRows() const { return WrongRows_; }
    bool AwaitingNext() const { return AwaitingNext_; }
    const std::string& RowInput(int row) const { return RowInput_[row]; }
    const std::string& RowMark(int row) const { return RowMark_[row]; }
    Rgb RowColour(int row) const { return RowColour_[row]; }
    const std::string& RowSolution(int row) const { return RowSolution_[row]; }

private:
    int DrawVerbNumber();
    void PresentVerb();

    QuizSelection Selection_;
    std::string_view Text_;
    QuizView& View_;
    DrawSource& Draw_;

    int VerbCount_;
    std::vector<int> AskedVerbs_;
    int AskedCount_ = 0;
    int CurrentVerb_ = 0;
    std::string GermanInfinitive_;
    std::string CurrentLesson_;
    int RightCount_ = 0;
    int WrongCount_ = 0;
    int WrongRows_ = 0;
    bool AwaitingNext_ = false;
    std::array<std::string, QuizRowCount> RowInput_;
    std::array<std::string, QuizRowCount> RowMark_;
    std::array<Rgb, QuizRowCount> RowColour_{};
    std::array<std::string, QuizRowCount> RowSolution_;
};
