#include "app/tolvex_application.h"

#include <exception>

namespace tolvex {

bool TolvexApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        if (sink_) sink_->Show(error.what(), {}, Message::Kind::Error);
        return false;
    }
}

}  // namespace tolvex
