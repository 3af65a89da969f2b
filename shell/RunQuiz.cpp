#include "shell/RunQuiz.h"

#include "catalog/LessonCatalog.h"
#include "platform/Application.h"
#include "quiz/Verbenabfrage.h"
#include "shell/Hauptmenue.h"

QuizSelection MakeQuizSelection(const std::string& tenseLabel, const std::string& fromLesson,
                                const std::string& toLesson)
{
    QuizSelection selection;
    selection.FirstVerb = LessonCatalog::FirstVerbOfLesson(fromLesson, tenseLabel);
    selection.LastVerb = LessonCatalog::LastVerbOfLesson(toLesson, tenseLabel);
    selection.FromLesson = fromLesson;
    selection.ToLesson = toLesson;
    selection.TenseLabel = tenseLabel;
    return selection;
}

void Hauptmenue::RunQuiz()
{
    UpdateData(true);
    Application& app = Application::Instance();

    Verbenabfrage quiz;
    quiz.SetSavedMainWindow(app.MainWindow());
    // Made the main window before its window exists, the quiz has no owner:
    // it stands alone with its own task-bar button, and this menu is hidden
    // by the quiz instead of being disabled.
    app.SetMainWindow(&quiz);
    quiz.SetSelection(MakeQuizSelection(TenseLabel_, FromLesson_, ToLesson_));
    quiz.DoModal();

    // Otherwise the quiz has posted a close to this menu (or the program is
    // ending anyway): the menu stays hidden.
    if (quiz.BackToMenu())
        RestoreWindow();
}
