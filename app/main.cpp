#include <QDate>

#include "app/main_window.h"
#include "app/platform_translations.h"
#include "app/qt_message_sink.h"
#include "app/startup.h"
#include "app/tolvex_application.h"

int main(int argc, char* argv[]) {
    tolvex::TolvexApplication app(argc, argv);
    tolvex::InstallPolishPlatformTexts(app);
    tolvex::QtMessageSink messages(nullptr);
    app.SetMessageSink(&messages);
    tolvex::TKalkulator_Finansowy window(messages);
    messages.SetParent(&window);
    tolvex::StartUp(window, QDate::currentDate());
    window.show();
    return app.exec();
}
