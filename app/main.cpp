#include <QDate>
#include <QIcon>
#include <QPixmap>

#include "app/main_window.h"
#include "app/platform_translations.h"
#include "app/qt_message_sink.h"
#include "app/startup.h"
#include "app/style_images.h"
#include "app/tolvex_application.h"

int main(int argc, char* argv[]) {
    tolvex::TolvexApplication app(argc, argv);
    // The installed desktop entry's name: Wayland and the task list match the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("pl.tolvex.Tolvex"));
    // PNG renditions of the installed SVG icon (tools/icon_png.cpp), read as PNG without guessing
    // the format: the SVG icon engine, Qt Svg and the image plugins slowed the start-up. Up to
    // 64 pixels: every window sends each size to the X server, and a 128-pixel one cost the
    // information window 4 ms; docks and task lists draw the desktop entry's scalable icon.
    QIcon icon;
    for (int size : {16, 32, 64})
        icon.addPixmap(
            QPixmap::fromImage(tolvex::ReadPng(QStringLiteral(":/icons/tolvex-%1.png").arg(size))));
    app.setWindowIcon(icon);
    tolvex::PreloadFusionGroupBoxFrame();
    tolvex::InstallPolishPlatformTexts(app);
    // Every window in the main window's font, Qt's own helpers included (a text field lays its
    // text out once in the application font before taking its own): start-up reads and hints
    // one typeface.
    QApplication::setFont(tolvex::TKalkulator_Finansowy::WindowFont());
    tolvex::QtMessageSink messages(nullptr);
    app.SetMessageSink(&messages);
    tolvex::TKalkulator_Finansowy window(messages);
    messages.SetParent(&window);
    tolvex::StartUp(window, QDate::currentDate());
    window.show();
    return app.exec();
}
