// Qt's own texts (text-field context menus, standard buttons, print and file dialogs) in
// Polish, from the translations Qt ships.
#pragma once

#include <QLibraryInfo>
#include <QString>

class QCoreApplication;

namespace tolvex {

// Installs Qt's Polish catalogue from `folder`. False, with Qt's English texts left in place,
// where the catalogue is missing: the program runs either way.
bool InstallPolishPlatformTexts(QCoreApplication& app,
                                const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

}  // namespace tolvex
