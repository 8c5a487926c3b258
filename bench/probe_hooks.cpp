// Linked into a program beside its own main(), this turns it into a start-up probe: a
// dialog shown during start-up is answered with its OK button on its first event-loop turn,
// and once its main window has painted its first frame the program says so on its standard
// output (the moment a user sees it) and ends.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QWidget>
#include <cstdio>

namespace {

class Probe : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* object, QEvent* event) override {
        if (!object->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(object);
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog && event->type() == QEvent::Show) {
            QMetaObject::invokeMethod(
                dialog,
                [dialog] {
                    if (auto* ok = dialog->findChild<QAbstractButton*>(QStringLiteral("BitBtn1")))
                        ok->click();
                    else
                        dialog->accept();
                },
                Qt::QueuedConnection);
        } else if (!dialog && widget->isWindow() && event->type() == QEvent::Paint && !painted_) {
            // Queued, so the frame is finished and flushed to the screen first.
            painted_ = true;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    std::fputs("painted\n", stdout);
                    std::fflush(stdout);
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    bool painted_ = false;
};

void InstallProbe() {
    QCoreApplication::instance()->installEventFilter(new Probe(QCoreApplication::instance()));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
