#include "shell/RunQuiz.h"

#include "catalog/LessonCatalog.h"
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
    const QuizSelection selection = MakeQuizSelection(TenseLabel_, FromLesson_, ToLesson_);
    // The quiz dialog takes over from here once it exists: it is made the
    // current main window, gets the selection and this menu as the window to
    // hand back to, and runs; afterwards this menu is restored when the quiz
    // went back to it.
    static_cast<void>(selection);
}
