#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "platform/Dialog.h"

// Runs dialog modally and calls step from inside the run, once the window is
// up. A run that is still going 5 s later is ended and the test fails.
inline int RunModal(Dialog& dialog, const std::function<void()>& step)
{
    QObject context;
    QTimer::singleShot(0, &context, [&] { step(); });
    QTimer::singleShot(5000, &context, [&] {
        ADD_FAILURE() << "the modal run of dialog " << dialog.TemplateId() << " did not end";
        dialog.EndDialog(-99);
    });
    return dialog.DoModal();
}

// Calls step once control is back in the event loop of whatever modal run
// is innermost then (a dialog that the current handler is about to open).
inline void Later(QObject* context, const std::function<void()>& step)
{
    QTimer::singleShot(0, context, step);
}
