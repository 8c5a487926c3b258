#include <QDate>
#include <QIcon>

#include "app/main_window.h"
#include "app/platform_translations.h"
#include "app/qt_message_sink.h"
#include "app/startup.h"
#include "app/tolvex_application.h"

int main(int argc, char* argv[]) {
    tolvex::TolvexApplication app(argc, argv);
    // The installed desktop entry's name: Wayland and the task list match the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("pl.tolvex.Tolvex"));
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/pl.tolvex.Tolvex.svg")));
    tolvex::InstallPolishPlatformTexts(app);
    tolvex::QtMessageSink messages(nullptr);
    app.SetMessageSink(&messages);
    tolvex::TKalkulator_Finansowy window(messages);
    messages.SetParent(&window);
    tolvex::StartUp(window, QDate::currentDate());
    window.show();
    return app.exec();
}
