// The application object. An error that a handler does not catch itself ends up here and is
// shown as a message, the way a desktop program reports it, instead of leaving the event loop.
#pragma once

#include <QApplication>

#include "core/fields/messages.h"

namespace tolvex {

class TolvexApplication : public QApplication {
    Q_OBJECT
  public:
    TolvexApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    void SetMessageSink(MessageSink* sink) { sink_ = sink; }
    bool notify(QObject* receiver, QEvent* event) override;

  private:
    MessageSink* sink_ = nullptr;
};

}  // namespace tolvex
