// What every page needs from the main window: where messages go, whether the window
// is shown yet (start-up values are written before it is), how modal dialogs run and
// how help opens, where printouts go. Tests replace the message sink, the modal runner
// and the print canvas.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/fields/messages.h"
#include "core/report/print_canvas.h"

class QDialog;
class QString;

namespace tolvex {

struct UiContext {
    MessageSink* messages = nullptr;
    bool mainWindowShown = false;
    // Runs a dialog modally and returns its result code.
    std::function<int(QDialog&)> execModal;
    // Opens help topic 1..8.
    std::function<void(int)> showHelp;
    // A canvas for one print job named `reportName` (the default printer in the program,
    // a recording canvas in tests).
    std::function<std::unique_ptr<PrintCanvas>(const std::string& reportName)> makePrintCanvas;
    // Hands a web or mail address to the desktop's default handler.
    std::function<void(const QString&)> openUrl;
    // Where to save a file: given the caption and the proposed path, the chosen path or ""
    // when cancelled. Unset: a file dialog run through execModal. Tests answer here.
    std::function<QString(const QString& caption, const QString& proposedPath)> chooseSaveFile;

    void Say(std::string text, std::string caption = {}, Message::Kind kind = Message::Kind::Warning) const {
        if (messages) messages->Show(std::move(text), std::move(caption), kind);
    }
};

}  // namespace tolvex
