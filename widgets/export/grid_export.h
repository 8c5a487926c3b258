// The context menu and shortcuts every result grid shares: "Kopiuj" (Ctrl+C), "Zapisz jako
// CSV…" and "Wykres…". The page hands over its calculation's own values after each fill, so
// nothing that leaves the program is read back from the grid's texts.
#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>

#include "core/export/export_table.h"

class QTableWidget;
class QWidget;

namespace tolvex {

struct UiContext;

class GridExport : public QObject {
    Q_OBJECT
  public:
    // Belongs to `grid` and puts its actions on it; the page layout stays as it is.
    GridExport(QTableWidget* grid, UiContext& ctx);

    // The result the grid now shows; an empty one disables the actions.
    void SetData(GridExportData data);
    void Clear() { SetData({}); }
    const GridExportData& Data() const { return data_; }

    // What "Kopiuj" puts on the clipboard: the selected cells, or the whole table when
    // no cell is selected.
    QString CopyText() const;
    // The chart window "Wykres…" opened last, while it is open.
    QWidget* OpenChart() const { return chart_; }

    QAction* Kopiuj;
    QAction* ZapiszCsv;
    QAction* Wykres;

  public slots:
    void KopiujClick();
    void ZapiszCsvClick();
    void WykresClick();

  private:
    QTableWidget* grid_;
    UiContext& ctx_;
    GridExportData data_;
    QPointer<QWidget> chart_;
};

}  // namespace tolvex
