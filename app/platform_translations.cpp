#include "app/platform_translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace tolvex {

bool InstallPolishPlatformTexts(QCoreApplication& app, const QString& folder) {
    auto* translator = new QTranslator(&app);
    // "qt_pl" gathers the catalogues of every Qt module, qtbase's among them.
    if (!translator->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qt"),
                          QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace tolvex
