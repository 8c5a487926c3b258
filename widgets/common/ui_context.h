// What every page needs from the main window: where messages go, whether the window
// is shown yet (start-up values are written before it is), how modal dialogs run and
// how help opens. Tests replace the message sink and the modal runner.
#pragma once

#include <functional>

#include "core/fields/messages.h"

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
    // Hands a web or mail address to the desktop's default handler.
    std::function<void(const QString&)> openUrl;

    void Say(std::string text, std::string caption = {}, Message::Kind kind = Message::Kind::Error) const {
        if (messages) messages->Show(std::move(text), std::move(caption), kind);
    }
};

}  // namespace tolvex
