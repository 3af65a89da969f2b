#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QHelpEngineCore;

// The help collection the build made beside the executable, opened read-only.
std::unique_ptr<QHelpEngineCore> OpenBuiltCollection();

// Runs the event loop until done() holds or timeoutMs have passed.
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 5000);
