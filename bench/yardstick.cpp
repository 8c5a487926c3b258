// The yardstick for start-up: the least a Qt Widgets program with ten tab pages costs
// to put a painted window on the screen. Linked with probe_hooks.cpp, as the program is.
#include <QApplication>
#include <QTabWidget>
#include <QVBoxLayout>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    auto* tabs = new QTabWidget(&window);
    for (int i = 1; i <= 10; ++i) tabs->addTab(new QWidget, QStringLiteral("Strona %1").arg(i));
    (new QVBoxLayout(&window))->addWidget(tabs);
    window.resize(780, 718);
    window.show();
    return app.exec();
}
