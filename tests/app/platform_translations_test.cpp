// Qt's own texts in Polish where Qt's catalogue is installed; the program starts either way.
#include "app/platform_translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTranslator>
#include <memory>

namespace tolvex {
namespace {

QStringList ContextMenuTexts() {
    QLineEdit field;
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator()) texts << a->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    return texts;
}

void RemoveTranslators() {
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
}

TEST(PlatformTranslations, PolishContextMenuWhereQtShipsItEnglishOtherwise) {
    QTemporaryDir empty;
    EXPECT_FALSE(InstallPolishPlatformTexts(*QCoreApplication::instance(), empty.path()));
    EXPECT_TRUE(ContextMenuTexts().contains(QStringLiteral("Copy")));

    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const bool shipped = QFile::exists(folder + QStringLiteral("/qt_pl.qm"));
    EXPECT_EQ(InstallPolishPlatformTexts(*QCoreApplication::instance()), shipped);
    const QStringList texts = ContextMenuTexts();
    RemoveTranslators();
    if (!shipped) GTEST_SKIP() << "no qt_pl.qm in " << folder.toStdString() << ": Qt's texts stay English";
    for (const char* text : {"Cofnij", "Przywróć", "Wytnij", "Skopiuj", "Wklej", "Usuń", "Zaznacz wszystko"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(text)))
            << text << " in " << texts.join('|').toStdString();
}

}  // namespace
}  // namespace tolvex
