#include "tests/quizdialog/QuizDialogTesting.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "catalog/LessonCatalog.h"
#include "platform/Application.h"
#include "platform/Dialog.h"
#include "quiz/Verbenabfrage.h"
#include "verbdata/EncryptedTextReader.h"
#include "verbdata/Windows1252.h"

namespace quizdialogtest {

void Later(const std::function<void()>& step)
{
    QTimer::singleShot(0, QCoreApplication::instance(), step);
}

Watchdog::Watchdog(int milliseconds) : Timer_(new QTimer)
{
    Timer_->setSingleShot(true);
    QObject::connect(Timer_, &QTimer::timeout, [] {
        ADD_FAILURE() << "modal runs still going: " << Application::Instance().ModalRuns().size();
        Application::Instance().PostQuit();
    });
    Timer_->start(milliseconds);
}

Watchdog::~Watchdog()
{
    delete Timer_;
}

int RunModal(Dialog& dialog, const std::function<void()>& step)
{
    Later(step);
    return dialog.DoModal();
}

Verbenabfrage* RunningQuiz()
{
    return dynamic_cast<Verbenabfrage*>(Application::Instance().MainWindow());
}

VerbRecord CourseRecord(const std::string& tense, int verb)
{
    const LoadResult loaded = LoadEncryptedText(LessonCatalog::DataFileOfTense(tense));
    EXPECT_FALSE(loaded.Failure) << "the course file of " << tense << " does not load";
    const VerbRecord record = FindVerbRecord(Windows1252::ToUtf8(loaded.Text), verb);
    EXPECT_FALSE(record.GermanInfinitive.empty()) << tense << " has no verb " << verb;
    return record;
}

void TypeInto(QWidget* control, const std::string& text)
{
    for (const QChar ch : QString::fromStdString(text))
        QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

std::string TextOf(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text().toStdString();
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text().toStdString();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text().toStdString();
    ADD_FAILURE() << "no text control";
    return {};
}

QColor TextColour(const QWidget* control)
{
    return control->palette().color(QPalette::WindowText);
}

bool IsBold(const QWidget* control)
{
    return control->font().weight() == QFont::Bold;
}

std::string MenuText(const Dialog& dialog, int command)
{
    const QAction* action = dialog.MenuCommand(command);
    return action ? action->text().toStdString() : std::string("(no item)");
}

}  // namespace quizdialogtest
