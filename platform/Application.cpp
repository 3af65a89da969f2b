#include "platform/Application.h"

#include <QApplication>
#include <QMetaObject>
#include <QWidget>
#include <algorithm>

#include "platform/Dialog.h"

namespace {

Application* CurrentApplication = nullptr;

}  // namespace

Application::Application()
{
    CurrentApplication = this;
}

Application::~Application()
{
    if (CurrentApplication == this)
        CurrentApplication = nullptr;
}

Application& Application::Instance()
{
    if (CurrentApplication)
        return *CurrentApplication;
    static Application fallback;
    return fallback;
}

bool Application::InitInstance()
{
    // The program ends when the main menu's run ends, not when the last
    // window goes: the main menu is hidden, not closed, while a quiz runs.
    QApplication::setQuitOnLastWindowClosed(false);
    return true;
}

void Application::PostQuit()
{
    if (ModalRuns_.empty())
        return;
    QuitPending_ = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this] { EndAllRuns(); }, Qt::QueuedConnection);
}

void Application::EndAllRuns()
{
    // A copy: ending a run does not return into this loop before every loop
    // has been told, but RunEnded may still change the list meanwhile.
    const std::vector<Dialog*> runs = ModalRuns_;
    for (auto it = runs.rbegin(); it != runs.rend(); ++it)
        (*it)->EndRun(-1);
    if (ModalRuns_.empty())
        QuitPending_ = false;
}

void Application::RunStarted(Dialog* dialog)
{
    ModalRuns_.push_back(dialog);
}

void Application::RunEnded(Dialog* dialog)
{
    ModalRuns_.erase(std::remove(ModalRuns_.begin(), ModalRuns_.end(), dialog), ModalRuns_.end());
    if (ModalRuns_.empty())
        QuitPending_ = false;
}

void Application::HelpKeyPressed(Dialog* receiver)
{
    QWidget* widget = QWidget::mouseGrabber();
    if (!widget)
        widget = QApplication::focusWidget();
    if (!widget)
        widget = receiver;
    for (; widget; widget = widget->parentWidget()) {
        if (auto* dialog = dynamic_cast<Dialog*>(widget)) {
            OnHelp(dialog->TemplateId());
            return;
        }
    }
}

void Application::OnHelp(int /*templateId*/)
{
}
