// The entry point of the chart module: the factory the program finds with QPluginLoader.
#include <QObject>

#include "core/amount/amount.h"
#include "widgets/export/chart_module.h"
#include "widgets/export/chart_window.h"

namespace tolvex {

class ChartPlugin : public QObject, public ChartWindowFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TOLVEX_CHART_WINDOW_FACTORY_IID)
    Q_INTERFACES(tolvex::ChartWindowFactory)

  public:
    QWidget* Open(const ChartSpec& chart, UiContext& ctx, const QString& fileStem, QWidget* parent,
                  std::string& problem) override {
        // Caught here: the module and the program each have their own copy of the type.
        try {
            return new ChartWindow(chart, ctx, fileStem, parent);
        } catch (const ConversionError& error) {
            problem = error.what();
            return nullptr;
        }
    }
};

}  // namespace tolvex

#include "chart_plugin.moc"
