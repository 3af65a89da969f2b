#include "tests/help/HelpTestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHelpEngineCore>
#include <QThread>

std::unique_ptr<QHelpEngineCore> OpenBuiltCollection()
{
    auto engine = std::make_unique<QHelpEngineCore>(QStringLiteral(LEXAMO_BUILD_DIR "/lexamo.qhc"));
    engine->setReadOnly(true);
    if (!engine->setupData())
        return nullptr;
    return engine;
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}
