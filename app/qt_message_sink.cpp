#include "app/qt_message_sink.h"

#include <QMessageBox>

#include "widgets/common/qt_text.h"

namespace tolvex {

void QtMessageSink::Show(const Message& message) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (message.kind) {
        case Message::Kind::Error:
            icon = QMessageBox::Critical;
            break;
        case Message::Kind::Warning:
            icon = QMessageBox::Warning;
            break;
        case Message::Kind::Information:
            icon = QMessageBox::Information;
            break;
    }
    const QString caption = message.caption.empty() ? QStringLiteral("tolvex") : Q(message.caption);
    QMessageBox box(icon, caption, Q(message.text), QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace tolvex
