#include "widgets/export/chart_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <map>

#include "widgets/common/qt_text.h"

namespace tolvex {

namespace {
const QString kModuleFile = QStringLiteral("libtolvex_charts.so");
}

QStringList ChartModuleDirs() {
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir(program).filePath(QStringLiteral("..")),
            QDir(program).filePath(QStringLiteral(TOLVEX_CHART_MODULE_FROM_PROGRAM))};
}

ChartWindowFactory* LoadChartModule(const QStringList& dirs, std::string& problem) {
    // A loaded module stays loaded: its windows' code must outlive them.
    static std::map<QString, ChartWindowFactory*> loaded;
    for (const QString& dir : dirs) {
        const QString path = QFileInfo(QDir(dir).filePath(kModuleFile)).absoluteFilePath();
        if (auto found = loaded.find(path); found != loaded.end()) return found->second;
        if (!QFileInfo::exists(path)) continue;
        QPluginLoader loader(path);
        if (auto* factory = qobject_cast<ChartWindowFactory*>(loader.instance())) {
            loaded[path] = factory;
            return factory;
        }
    }
    problem = "Nie można pokazać wykresu: brak modułu wykresów programu (" + S(kModuleFile) +
              ") albo nie daje się go wczytać. Zainstaluj program ponownie.";
    return nullptr;
}

}  // namespace tolvex
