// The window side of a print job: the window stays still while the job runs, and what
// stopped the job is told once the window is usable again.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

#include "core/report/print_canvas.h"
#include "widgets/common/ui_context.h"

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

// Runs `print` on a canvas made for `reportName` with `window` disabled. A conversion
// error that stops the report is shown after the window is enabled again, and after
// whatever the canvas itself has to say.
void RunPrintJob(QWidget* window, const UiContext& ctx, const std::string& reportName,
                 const std::function<void(PrintCanvas&)>& print);

}  // namespace tolvex
