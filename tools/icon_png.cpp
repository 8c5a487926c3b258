// Renders the installed SVG icon to the PNG renditions the program builds in as its window
// icon, so that starting the program needs no SVG renderer:
//   QT_QPA_PLATFORM=offscreen build/tools/tolvex_icon_png dist/pl.tolvex.Tolvex.svg app/icons
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ICON.svg FOLDER\n", argv[0]);
        return 2;
    }
    const QIcon icon(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 32, 64}) {
        const QString path =
            QStringLiteral("%1/tolvex-%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (!icon.pixmap(size).save(path)) return 1;
    }
    return 0;
}
