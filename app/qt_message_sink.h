#pragma once

#include "core/fields/messages.h"

class QWidget;

namespace tolvex {

// Shows each message as a modal box with an OK button over the main window.
class QtMessageSink : public MessageSink {
  public:
    using MessageSink::Show;
    explicit QtMessageSink(QWidget* parent) : parent_(parent) {}
    void Show(const Message& message) override;
    void SetParent(QWidget* parent) { parent_ = parent; }

  private:
    QWidget* parent_;
};

}  // namespace tolvex
