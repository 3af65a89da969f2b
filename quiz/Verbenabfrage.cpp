#include "quiz/Verbenabfrage.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QString>
#include <array>

#include "catalog/LessonCatalog.h"
#include "platform/Application.h"
#include "platform/PictureControl.h"
#include "quiz/EndeAbfrage.h"
#include "resources/ResourceIds.h"
#include "shell/LexamoHelp.h"
#include "shell/LexamoInfo.h"
#include "shell/ShowFatalError.h"
#include "shell/Website.h"
#include "verbdata/EncryptedTextReader.h"
#include "verbdata/VerbRecord.h"
#include "verbdata/Windows1252.h"

namespace {

QColor ToQColor(Rgb colour)
{
    return QColor(colour.R, colour.G, colour.B);
}

// What the controls show, taken from the engine for one data exchange. Before
// the engine exists the counts are 0 and the texts empty.
struct ShownFields {
    int VerbCount = 0;
    std::string CurrentLesson;
    int RightCount = 0;
    int WrongCount = 0;
    std::string TenseLabel;
    std::string GermanInfinitive;
    std::array<std::string, QuizRowCount> Mark;
    std::array<std::string, QuizRowCount> Solution;
    std::array<std::string, QuizRowCount> Input;
};

ShownFields FieldsOf(const QuizEngine* engine, const QuizSelection& selection)
{
    ShownFields fields;
    fields.TenseLabel = selection.TenseLabel;
    if (!engine)
        return fields;
    fields.VerbCount = engine->VerbCount();
    fields.CurrentLesson = engine->CurrentLesson();
    fields.RightCount = engine->RightCount();
    fields.WrongCount = engine->WrongCount();
    fields.GermanInfinitive = engine->GermanInfinitive();
    for (int row = 0; row < QuizRowCount; ++row) {
        fields.Mark[row] = engine->RowMark(row);
        fields.Solution[row] = engine->RowSolution(row);
        fields.Input[row] = engine->RowInput(row);
    }
    return fields;
}

// The bold controls: the counts, the current lesson, every mark and solution.
constexpr std::array BoldControls = {
    Verbenabfrage::VerbCountText,  Verbenabfrage::LessonText, Verbenabfrage::RightCountText,
    Verbenabfrage::WrongCountText,
};

}  // namespace

Verbenabfrage::Verbenabfrage(QWidget* parent)
    : Dialog(Resource::QuizTemplate, parent), AppIcon_(PictureIcon(Resource::AppIcon))
{
}

Verbenabfrage::~Verbenabfrage() = default;

std::string Verbenabfrage::TitleFor(const QuizSelection& selection)
{
    return "Lexamo 3.0 - Verbenabfrage - " + selection.TenseLabel + " von " + selection.FromLesson + " bis " +
           selection.ToLesson;
}

void Verbenabfrage::BuildMessageMap(MessageMap& map)
{
    map.Command(Command::Action, this, &Verbenabfrage::OnAction)
        .Command(Command::BackToMenu, this, &Verbenabfrage::OnMainMenu)
        .Command(Command::Quit, this, &Verbenabfrage::OnQuit)
        .Command(Command::Help, [this] { LexamoHelp::ShowHelp(this); })
        .Command(Command::Website, [] { OpenWebsite(); })
        .Command(Command::About, [] { ShowAboutBox(); })
        .Command(MainMenuButton, this, &Verbenabfrage::OnMainMenu)
        .Command(QuitButton, this, &Verbenabfrage::OnQuit)
        .Command(ActionButton, this, &Verbenabfrage::OnAction)
        // Escape: the quiz is the program's main window while it runs, and
        // Escape neither ends it nor throws the quiz away.
        .Command(IdCancel, [] {});
}

void Verbenabfrage::DoDataExchange(DataExchange& dx)
{
    Dialog::DoDataExchange(dx);
    ShownFields fields = FieldsOf(Engine_.get(), Selection_);
    dx.Int(VerbCountText, fields.VerbCount);
    dx.Text(LessonText, fields.CurrentLesson);
    dx.Int(RightCountText, fields.RightCount);
    dx.Int(WrongCountText, fields.WrongCount);
    dx.Text(TenseText, fields.TenseLabel);
    dx.Text(GermanInfinitiveText, fields.GermanInfinitive);
    for (int row = 0; row < QuizRowCount; ++row)
        dx.Text(MarkId(row), fields.Mark[row]);
    for (int row = 0; row < QuizRowCount; ++row)
        dx.Text(SolutionId(row), fields.Solution[row]);
    for (int row = 0; row < QuizRowCount; ++row)
        dx.Text(InputId(row), fields.Input[row]);
    dx.Control(ActionButton, ActionButton_);
    dx.Control(FirstInputField, FirstInput_);

    // Only the inputs can hold anything but what was last shown.
    if (dx.SaveAndValidate() && Engine_) {
        for (int row = 0; row < QuizRowCount; ++row)
            Engine_->SetRowInput(row, std::move(fields.Input[row]));
    }
}

bool Verbenabfrage::OnInitDialog()
{
    Dialog::OnInitDialog();  // binds the action button and the first input
    setWindowIcon(AppIcon_);
    setWindowTitle(QString::fromStdString(TitleFor(Selection_)));
    BackToMenu_ = 0;
    Engine_.reset();

    // The window takes its place, centred in the working area of the screen,
    // before anything can be shown over it: the error box of a data file
    // that cannot serve the quiz is centred over that place, which is in
    // front of the main menu, not in a corner of the screen.
    const QScreen* display = SavedMainWindow_ ? SavedMainWindow_->screen() : screen();
    if (display)
        move(display->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    LoadVerbText();  // does not return when the text cannot serve the quiz

    for (int id : BoldControls)
        MakeBold(id);
    for (int row = 0; row < QuizRowCount; ++row) {
        MakeBold(MarkId(row));
        MakeBold(SolutionId(row));
    }

    Engine_ = std::make_unique<QuizEngine>(Selection_, VerbText_, static_cast<QuizView&>(*this));
    Engine_->StartQuiz();
    ShowState();

    // The quiz stands alone on the screen while it runs; the main menu is
    // hidden, not disabled, and comes back from RunQuiz.
    if (SavedMainWindow_)
        SavedMainWindow_->HideWindow();
    return true;  // the focus goes to the first tab stop, the row-0 input
}

void Verbenabfrage::LoadVerbText()
{
    // A selection that is not a range of verb numbers cannot come from the
    // main menu; the engine could not draw from it.
    if (Selection_.FirstVerb < 1 || Selection_.FirstVerb > Selection_.LastVerb)
        ShowFatalError(this, FatalErrorKind::UnexpectedError, std::string());

    const std::string path = LessonCatalog::DataFileOfTense(Selection_.TenseLabel);
    LoadResult loaded = LoadEncryptedText(path);
    if (loaded.Failure)
        ShowFatalError(this, *loaded.Failure);
    VerbText_ = Windows1252::ToUtf8(loaded.Text);

    // A file that lacks a verb of the range cannot serve this quiz: the
    // engine would ask an empty prompt that no answer could satisfy.
    for (int verb = Selection_.FirstVerb; verb <= Selection_.LastVerb; ++verb) {
        if (!HasCompleteRecord(VerbText_, verb))
            ShowFatalError(this, FatalErrorKind::FileNotLoadable, path);
    }
}

std::optional<QColor> Verbenabfrage::ControlColour(int id) const
{
    if (id == RightCountText)
        return ToQColor(RightColour);
    if (id == WrongCountText)
        return ToQColor(WrongColour);
    if (id >= MarkId(0) && id <= SolutionId(QuizRowCount - 1)) {
        const int offset = id - FirstMarkText;
        if (offset % 2 == 1)
            return ToQColor(RightColour);  // solutions are always green, also beside "!!!"
        return ToQColor(Engine_ ? Engine_->RowColour(offset / 2) : UnjudgedColour);
    }
    return std::nullopt;
}

void Verbenabfrage::OnAction()
{
    if (!Engine_)
        return;
    if (!Engine_->AwaitingNext())
        Engine_->CheckAnswers();
    else
        Engine_->NextVerb();
}

void Verbenabfrage::OnMainMenu()
{
    BackToMenu_ = 1;
    PostClose();
}

void Verbenabfrage::OnQuit()
{
    PostClose();
}

void Verbenabfrage::OnClose()
{
    // The main window goes back first: a run that ends while its dialog is
    // still the current main window ends the program.
    Application& app = Application::Instance();
    app.SetMainWindow(SavedMainWindow_);
    EndDialog(IdCancel);
    if (BackToMenu_ == 0) {
        if (Dialog* main = app.MainWindow())
            main->PostClose();
    }
}

void Verbenabfrage::ReadAnswers()
{
    UpdateData(true);
}

void Verbenabfrage::ShowState()
{
    UpdateData(false);
}

void Verbenabfrage::SetActionText(const std::string& text)
{
    ActionButton_->setText(QString::fromStdString(text));
    SetMenuText(Command::Action, text);
}

void Verbenabfrage::FocusFirstInput()
{
    FirstInput_->setFocus(Qt::OtherFocusReason);
}

void Verbenabfrage::ShowResults(const QuizResult& result)
{
    // Owned by the current main window, this quiz, which takes no input
    // until the results are closed.
    EndeAbfrage results;
    results.SetResult(result);
    results.DoModal();
}

void Verbenabfrage::CloseToMenu()
{
    OnMainMenu();
}
