#pragma once

#include <string>

#include "platform/Dialog.h"
#include "quiz/QuizResult.h"

class PictureControl;

// The results of a completed quiz: tense, lessons, the counts, the success
// rate and a face that goes with it. Its one button ("&OK", the Cancel id),
// Enter, Escape and the close box all end it alike.
class EndeAbfrage : public Dialog {
public:
    enum ControlId {
        TenseText = 1015,
        LessonsText = 1016,
        VerbCountText = 1017,
        RightCountText = 1018,
        WrongCountText = 1019,
        RateText = 1020,
        Face = 1021,
    };

    explicit EndeAbfrage(QWidget* parent = nullptr);

    // Set before DoModal.
    void SetResult(const QuizResult& result) { Result_ = result; }
    const QuizResult& Result() const { return Result_; }

protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    std::optional<QColor> ControlColour(int id) const override;

private:
    QuizResult Result_;
    std::string LessonsText_;
    std::string RateText_;
    PictureControl* FaceIcon_ = nullptr;
};

// right * 100 / verbCount with halves rounded up (12.5 % shows as 13 %);
// 0 when there are no verbs.
int SuccessRate(int rightCount, int verbCount);

// The face picture for a rate: sad below 50, neutral below 90, else smiling.
int FaceForRate(int rate);
