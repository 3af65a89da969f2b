#include "shell/Hauptmenue.h"

#include <QComboBox>
#include <QString>

#include "catalog/LessonCatalog.h"
#include "platform/Application.h"
#include "platform/PictureControl.h"
#include "resources/ResourceIds.h"
#include "shell/LexamoHelp.h"
#include "shell/LexamoInfo.h"
#include "shell/Website.h"

Hauptmenue::Hauptmenue(QWidget* parent)
    : Dialog(Resource::MainMenuTemplate, parent), AppIcon_(PictureIcon(Resource::AppIcon))
{
}

void Hauptmenue::BuildMessageMap(MessageMap& map)
{
    map.SelChange(FromList, this, &Hauptmenue::FromLessonChanged)
        .Command(Command::StartQuiz, this, &Hauptmenue::RunQuiz)
        .Command(Command::Quit, this, &Hauptmenue::QuitProgram)
        .Command(Command::Help, [this] { LexamoHelp::ShowHelp(this); })
        .Command(Command::Website, [] { OpenWebsite(); })
        .Command(Command::About, [] { ShowAboutBox(); })
        .Command(OkButton, this, &Hauptmenue::RunQuiz)
        .Command(QuitButton, this, &Hauptmenue::QuitProgram);
}

void Hauptmenue::DoDataExchange(DataExchange& dx)
{
    Dialog::DoDataExchange(dx);
    dx.Text(TenseList, TenseLabel_);
    dx.Text(FromList, FromLesson_);
    dx.Text(ToList, ToLesson_);
    dx.Control(ToList, ToLessonList_);
}

bool Hauptmenue::OnInitDialog()
{
    Dialog::OnInitDialog();
    setWindowIcon(AppIcon_);
    return true;  // the focus goes to the tense list
}

void Hauptmenue::OnDestroy()
{
    LexamoHelp::CloseHelp();
    Dialog::OnDestroy();
}

void Hauptmenue::QuitProgram()
{
    Application::Instance().PostQuit();
}

void Hauptmenue::FromLessonChanged()
{
    ToLessonList_->clear();
    // With the "bis" list empty, ToLesson_ reads back empty; RunQuiz reads
    // every choice again before it uses them.
    UpdateData(true);
    for (const LessonCatalog::LessonLabel& label : LessonCatalog::LessonsFrom(FromLesson_))
        ToLessonList_->addItem(QString::fromStdString(label));
    ToLessonList_->setCurrentIndex(0);
}
