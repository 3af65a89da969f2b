#include "quiz/EndeAbfrage.h"

#include <cmath>

#include "platform/PictureControl.h"
#include "resources/ResourceIds.h"

namespace {

const QColor RightColour(0, 128, 0);
const QColor WrongColour(255, 0, 0);

}  // namespace

int SuccessRate(int rightCount, int verbCount)
{
    if (verbCount <= 0)
        return 0;
    const double rate = static_cast<double>(rightCount) * 100.0 / static_cast<double>(verbCount);
    return static_cast<int>(std::floor(rate + 0.5));
}

int FaceForRate(int rate)
{
    if (rate >= 90)
        return Resource::SmilingFace;
    if (rate >= 50)
        return Resource::NeutralFace;
    return Resource::SadFace;
}

EndeAbfrage::EndeAbfrage(QWidget* parent) : Dialog(Resource::ResultsTemplate, parent)
{
}

void EndeAbfrage::DoDataExchange(DataExchange& dx)
{
    Dialog::DoDataExchange(dx);
    dx.Text(TenseText, Result_.TenseLabel);
    dx.Text(LessonsText, LessonsText_);
    dx.Int(VerbCountText, Result_.VerbCount);
    dx.Int(RightCountText, Result_.RightCount);
    dx.Int(WrongCountText, Result_.WrongCount);
    dx.Text(RateText, RateText_);
    dx.Control(Face, FaceIcon_);
}

bool EndeAbfrage::OnInitDialog()
{
    Dialog::OnInitDialog();
    for (int id = TenseText; id <= RateText; ++id)
        MakeBold(id);
    LessonsText_ = "von " + Result_.FromLesson + " bis " + Result_.ToLesson;
    const int rate = SuccessRate(Result_.RightCount, Result_.VerbCount);
    RateText_ = std::to_string(rate) + "%";
    FaceIcon_->SetPicture(FaceForRate(rate));
    UpdateData(false);
    return true;  // the focus goes to "&OK"
}

std::optional<QColor> EndeAbfrage::ControlColour(int id) const
{
    if (id == RightCountText)
        return RightColour;
    if (id == WrongCountText)
        return WrongColour;
    return std::nullopt;
}
