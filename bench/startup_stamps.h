#pragma once

#include "bench_util.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWindow>

#include <cstdio>

namespace kov::bench {

// A line "stamp NAME NS" on standard output, read by kov_bench_startup.
inline void stamp(const char* name) {
    std::printf("stamp %s %lld\n", name, static_cast<long long>(monotonicNs()));
    std::fflush(stdout);
}

// Stamps the window's first expose, and the moment the event loop is next free, which is after
// the expose has been painted and flushed to the screen.
class FirstExpose : public QObject {
public:
    explicit FirstExpose(QWindow* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Expose &&
            static_cast<QWindow*>(watched)->isExposed()) {
            seen_ = true;
            stamp("exposed");
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { stamp("painted"); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool seen_ = false;
};

} // namespace kov::bench
