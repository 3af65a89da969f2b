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
//
// Life of an engine: constructed, StartQuiz (first verb presented, answering),
// then CheckAnswers until the verb is finished (AwaitingNext), NextVerb to the
// next verb, and after the last verb NextVerb shows the results and closes the
// quiz (ended). An operation called outside its state does nothing, so a stray
// action can neither count a verb twice nor show the results twice.
class QuizEngine {
public:
    // text is the quiz's verb text (UTF-8); it must outlive the engine.
    // Throws std::invalid_argument unless 1 <= FirstVerb <= LastVerb: the draw
    // divides by the size of the range, and 0 marks an unused AskedVerbs slot.
    QuizEngine(QuizSelection selection, std::string_view text, QuizView& view,
               DrawSource& draw = CLibraryDrawSource());

    void StartQuiz();     // once, before anything else
    void CheckAnswers();  // while answering (!AwaitingNext())
    void NextVerb();      // while the current verb is finished (AwaitingNext())

    // Drops white space (tab, LF, VT, FF, CR, space) around the answer and
    // collapses runs of spaces inside it. Bytes >= 128 are never white space.
    static std::string NormalizeAnswer(std::string_view text);

    // For the view's data exchange (ReadAnswers). Rows outside 0..6 are ignored.
    void SetRowInput(int row, std::string text);

    // True once the last verb has been finished and the results were shown.
    bool HasEnded() const { return Phase_ == Phase::Ended; }

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
    // False: the action checks the answers ("&Fertig!"). True: the current verb
    // is finished and the action moves on ("&Weiter >"); stays true once ended.
    bool AwaitingNext() const { return Phase_ == Phase::Finished || Phase_ == Phase::Ended; }
    // Rows 0..6; std::out_of_range otherwise.
    const std::string& RowInput(int row) const { return RowInput_.at(row); }
    const std::string& RowMark(int row) const { return RowMark_.at(row); }
    Rgb RowColour(int row) const { return RowColour_.at(row); }
    const std::string& RowSolution(int row) const { return RowSolution_.at(row); }

private:
    enum class Phase { Constructed, Answering, Finished, Ended };

    int DrawVerbNumber();
    bool WasPresented(int verb) const;
    void PresentVerb();
    void EndQuiz();

    QuizSelection Selection_;
    std::string_view Text_;
    QuizView& View_;
    DrawSource& Draw_;
    Phase Phase_ = Phase::Constructed;

    int VerbCount_;
    std::vector<int> AskedVerbs_;
    // Presented_[n - FirstVerb]: whether verb n is among AskedVerbs_. Answers
    // the draw loop's question without a walk over all slots.
    std::vector<bool> Presented_;
    int AskedCount_ = 0;
    int CurrentVerb_ = 0;
    VerbRecord CurrentRecord_;  // of CurrentVerb_, looked up once when presented
    std::string GermanInfinitive_;
    std::string CurrentLesson_;
    int RightCount_ = 0;
    int WrongCount_ = 0;
    int WrongRows_ = 0;
    std::array<std::string, QuizRowCount> RowInput_;
    std::array<std::string, QuizRowCount> RowMark_;
    std::array<Rgb, QuizRowCount> RowColour_{};
    std::array<std::string, QuizRowCount> RowSolution_;
};
