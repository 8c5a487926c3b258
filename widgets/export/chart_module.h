// The chart window lives in a module of its own, loaded the first time a chart is opened:
// Qt Charts and the OpenGL libraries it brings cost the start-up a twentieth of its time,
// for a window few users open.
#pragma once

#include <QStringList>
#include <QtPlugin>
#include <string>

#include "core/export/export_table.h"

class QWidget;

namespace tolvex {

struct UiContext;

class ChartWindowFactory {
  public:
    virtual ~ChartWindowFactory() = default;
    // A new window with the charts of `chart`, belonging to `parent`; nullptr, with the Polish
    // reason in `problem`, when a number cannot be shown.
    virtual QWidget* Open(const ChartSpec& chart, UiContext& ctx, const QString& fileStem, QWidget* parent,
                          std::string& problem) = 0;
};

// Where the module is looked for: beside the program (its build folder), one folder up (the
// tests and tools of a build) and where it is installed, relative to the program.
QStringList ChartModuleDirs();

// The module's factory, from the first of `dirs` holding one that loads (kept for later
// calls); nullptr, with the message to show in `problem`, when none does.
ChartWindowFactory* LoadChartModule(const QStringList& dirs, std::string& problem);

}  // namespace tolvex

#define TOLVEX_CHART_WINDOW_FACTORY_IID "pl.tolvex.Tolvex.ChartWindowFactory/1"
Q_DECLARE_INTERFACE(tolvex::ChartWindowFactory, TOLVEX_CHART_WINDOW_FACTORY_IID)
