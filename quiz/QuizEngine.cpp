#include "quiz/QuizEngine.h"

#include <stdexcept>
#include <utility>

#include "catalog/LessonCatalog.h"

namespace {

// The white space dropped around an answer: tab, LF, VT, FF, CR and space.
// A plain char comparison, so bytes >= 128 (the UTF-8 no-break space among
// them) never count, whatever the signedness of char.
bool IsAnswerSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

int CheckedVerbCount(const QuizSelection& selection)
{
    if (selection.FirstVerb < 1 || selection.FirstVerb > selection.LastVerb)
        throw std::invalid_argument("QuizEngine: the verb range must satisfy 1 <= FirstVerb <= LastVerb");
    // Cannot overflow: FirstVerb >= 1.
    return selection.LastVerb - selection.FirstVerb + 1;
}

}  // namespace

QuizEngine::QuizEngine(QuizSelection selection, std::string_view text, QuizView& view,
                       DrawSource& draw)
    : Selection_(std::move(selection)),
      Text_(text),
      View_(view),
      Draw_(draw),
      VerbCount_(CheckedVerbCount(Selection_))
{
}

std::string QuizEngine::NormalizeAnswer(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsAnswerSpace(text[begin]))
        ++begin;
    while (end > begin && IsAnswerSpace(text[end - 1]))
        --end;

    // One pass: a space directly behind a space is dropped. Only the space
    // collapses; a tab inside the answer stays, with its neighbours.
    std::string result;
    result.reserve(end - begin);
    for (std::size_t i = begin; i < end; ++i) {
        const char c = text[i];
        if (c == ' ' && !result.empty() && result.back() == ' ')
            continue;
        result.push_back(c);
    }
    return result;
}

void QuizEngine::SetRowInput(int row, std::string text)
{
    if (row < 0 || row >= QuizRowCount)
        return;
    RowInput_[row] = std::move(text);
}

int QuizEngine::DrawVerbNumber()
{
    // rand() is never negative; the second remainder keeps a substitute source
    // that breaks that promise inside the range all the same.
    const int r = Draw_.Next();
    const int offset = (r % VerbCount_ + VerbCount_) % VerbCount_;
    return offset + Selection_.FirstVerb;
}

bool QuizEngine::WasPresented(int verb) const
{
    return Presented_[static_cast<std::size_t>(verb - Selection_.FirstVerb)];
}

void QuizEngine::PresentVerb()
{
    AskedVerbs_[static_cast<std::size_t>(AskedCount_)] = CurrentVerb_;
    Presented_[static_cast<std::size_t>(CurrentVerb_ - Selection_.FirstVerb)] = true;

    // The text never changes while the engine lives, so the record looked up
    // here is the one every check of this verb would look up again.
    CurrentRecord_ = FindVerbRecord(Text_, CurrentVerb_);
    GermanInfinitive_ = CurrentRecord_.GermanInfinitive;
    // Beyond the end of the numbering there is no lesson: keep the one shown.
    if (auto lesson = LessonCatalog::LessonOfVerb(CurrentVerb_, Selection_.TenseLabel))
        CurrentLesson_ = std::move(*lesson);

    ++AskedCount_;
}

void QuizEngine::StartQuiz()
{
    if (Phase_ != Phase::Constructed)
        return;

    AskedCount_ = 0;
    // Seeded once per quiz with the time in seconds: two quizzes over the same
    // range started within the same second ask in the same order.
    Draw_.Seed(static_cast<unsigned int>(Draw_.Now()));
    CurrentVerb_ = DrawVerbNumber();
    AskedVerbs_.assign(static_cast<std::size_t>(VerbCount_), 0);
    Presented_.assign(static_cast<std::size_t>(VerbCount_), false);
    PresentVerb();
    Phase_ = Phase::Answering;
}

void QuizEngine::CheckAnswers()
{
    if (Phase_ != Phase::Answering)
        return;

    View_.ReadAnswers();
    const VerbRecord& record = CurrentRecord_;

    bool allRight = true;
    for (int i = 0; i < QuizRowCount; ++i) {
        // The solution is compared as it stands; only the answer is normalised,
        // and on a copy, so the input keeps what the user typed.
        if (NormalizeAnswer(RowInput_[i]) == record.Solutions[i]) {
            RowColour_[i] = RightColour;
            RowMark_[i] = RightMark;
        } else {
            RowColour_[i] = WrongColour;
            RowMark_[i] = WrongMark;
            ++WrongRows_;
            allRight = false;
        }
    }

    // Wrong rows add up over all checks of a verb. A check with every row right
    // adds none, so it can only finish a verb whose sum is still at most 3:
    // the two branches below never both apply.
    if (allRight) {
        ++RightCount_;
        View_.SetActionText(std::string(NextActionText));
        Phase_ = Phase::Finished;
    }
    if (WrongRows_ > 3) {
        for (int i = 0; i < QuizRowCount; ++i)
            RowSolution_[i] = record.Solutions[i];
        ++WrongCount_;
        View_.SetActionText(std::string(NextActionText));
        Phase_ = Phase::Finished;
    }

    View_.FocusFirstInput();
    View_.ShowState();
}

void QuizEngine::NextVerb()
{
    if (Phase_ != Phase::Finished)
        return;

    // The colours stay: they only paint marks, and the marks are now empty.
    for (int i = 0; i < QuizRowCount; ++i) {
        RowMark_[i].clear();
        RowSolution_[i].clear();
        RowInput_[i].clear();
    }
    WrongRows_ = 0;
    View_.ShowState();

    if (AskedCount_ >= VerbCount_) {
        EndQuiz();
        return;
    }

    // At least one number of the range is still unused here, so the loop ends.
    do
        CurrentVerb_ = DrawVerbNumber();
    while (WasPresented(CurrentVerb_));
    PresentVerb();
    // Answering again before the view looks, so that what it shows is whole.
    Phase_ = Phase::Answering;
    View_.ShowState();
    View_.SetActionText(std::string(CheckActionText));
    View_.FocusFirstInput();
}

void QuizEngine::EndQuiz()
{
    // Ended before the results are shown: the results dialog runs modally
    // inside this call, and nothing may start the end a second time meanwhile.
    Phase_ = Phase::Ended;

    GermanInfinitive_.clear();
    View_.ShowState();

    const QuizResult result{
        .TenseLabel = Selection_.TenseLabel,
        .FromLesson = Selection_.FromLesson,
        .ToLesson = Selection_.ToLesson,
        .VerbCount = VerbCount_,
        .RightCount = RightCount_,
        .WrongCount = WrongCount_,
    };
    View_.ShowResults(result);
    View_.CloseToMenu();
}
