#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <type_traits>

namespace flenmark {

// Runs `f` on the GUI thread and returns its result: at once when called there, otherwise
// waiting for the GUI thread to run it (the program's ticks run on a thread of their own, and
// windows, dialogs and Qt Network belong to the GUI thread).
template <class F>
auto OnGuiThread(F f) -> decltype(f()) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) return f();
    using Result = decltype(f());
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(app, f, Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(
            app, [&] { result = f(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

// Runs `f` on the GUI thread without waiting for it: at once when called there, otherwise when
// the GUI thread gets to it. For what needs no answer (a timer restarted, a window redrawn).
// `f` belongs to `context` (a window): if that is gone by then, `f` is dropped, not run.
template <class F>
void LaterOnGuiThread(QObject* context, F f) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        f();
        return;
    }
    QMetaObject::invokeMethod(context, std::move(f), Qt::QueuedConnection);
}

}  // namespace flenmark
