#include "widgets/printing/print_job.h"

#include <memory>

#include "core/amount/amount.h"

namespace tolvex {

void RunPrintJob(QWidget* window, const UiContext& ctx, const std::string& reportName,
                 const std::function<void(PrintCanvas&)>& print) {
    std::unique_ptr<PrintCanvas> canvas;
    std::string error;
    {
        WindowDisabledWhilePrinting busy(window);
        try {
            canvas = ctx.makePrintCanvas(reportName);
            print(*canvas);
        } catch (const ConversionError& e) {
            error = e.what();
        }
    }
    canvas.reset();
    if (!error.empty()) ctx.Say(error);
}

}  // namespace tolvex
