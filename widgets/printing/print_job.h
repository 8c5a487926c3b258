// The window side of a print job: the window that must stay still while a job runs.
#pragma once

#include <QPointer>
#include <QWidget>

namespace tolvex {

// Disables `window` for the lifetime of the guard and enables it again however the
// job ends (finished, cancelled or stopped by a conversion error).
class WindowDisabledWhilePrinting {
public:
    explicit WindowDisabledWhilePrinting(QWidget* window) : window_(window) {
        if (window_) window_->setEnabled(false);
    }
    ~WindowDisabledWhilePrinting() {
        if (window_) window_->setEnabled(true);
    }
    WindowDisabledWhilePrinting(const WindowDisabledWhilePrinting&) = delete;
    WindowDisabledWhilePrinting& operator=(const WindowDisabledWhilePrinting&) = delete;

private:
    QPointer<QWidget> window_;
};

}  // namespace tolvex
