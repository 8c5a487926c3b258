#include "widgets/export/grid_export.h"

#include <QApplication>
#include <QClipboard>
#include <QIODevice>
#include <QTableWidget>
#include <set>

#include "core/amount/amount.h"
#include "widgets/common/qt_text.h"
#include "widgets/common/ui_context.h"
#include "widgets/export/chart_module.h"
#include "widgets/export/save_file.h"

namespace tolvex {

GridExport::GridExport(QTableWidget* grid, UiContext& ctx) : QObject(grid), grid_(grid), ctx_(ctx) {
    setObjectName(grid->objectName() + QStringLiteral("Eksport"));
    const auto make = [this](const char* name, const QString& text) {
        auto* action = new QAction(text, grid_);
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(false);
        grid_->addAction(action);
        return action;
    };
    Kopiuj = make("Kopiuj", QStringLiteral("Kopiuj"));
    Kopiuj->setShortcut(QKeySequence::Copy);
    // Only while the grid has the focus, so Ctrl+C in a text field still copies its text.
    Kopiuj->setShortcutContext(Qt::WidgetShortcut);
    ZapiszCsv = make("ZapiszCsv", QStringLiteral("Zapisz jako CSV…"));
    Wykres = make("Wykres", QStringLiteral("Wykres…"));
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(Kopiuj, &QAction::triggered, this, &GridExport::KopiujClick);
    connect(ZapiszCsv, &QAction::triggered, this, &GridExport::ZapiszCsvClick);
    connect(Wykres, &QAction::triggered, this, &GridExport::WykresClick);
}

void GridExport::SetData(GridExportData data) {
    // A chart of the result the grid no longer shows would mislead.
    if (chart_) chart_->close();
    data_ = std::move(data);
    for (QAction* a : {Kopiuj, ZapiszCsv}) a->setEnabled(!data_.Empty());
    Wykres->setEnabled(!data_.Empty() && !data_.Chart.Empty());
}

QString GridExport::CopyText() const {
    const QModelIndexList selected = grid_->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return Q(ToTsv(data_.Table));
    // The selection's rows and columns in order; a cell between selected ones stays blank.
    std::set<int> rows, columns;
    std::set<std::pair<int, int>> cells;
    for (const QModelIndex& i : selected) {
        rows.insert(i.row());
        columns.insert(i.column());
        cells.insert({i.row(), i.column()});
    }
    std::vector<ExportRow> out;
    for (int r : rows) {
        ExportRow& line = out.emplace_back();
        const int k = r - data_.FirstCellRow;
        for (int c : columns) {
            if (!cells.count({r, c})) {
                line.push_back(ExportCell::Text(""));
            } else if (k >= 0 && k < static_cast<int>(data_.Cells.size()) &&
                       c < static_cast<int>(data_.Cells[k].size())) {
                line.push_back(data_.Cells[k][c]);
            } else {
                // Headings and other texts that carry no number of the calculation.
                const QTableWidgetItem* item = grid_->item(r, c);
                line.push_back(ExportCell::Text(item ? S(item->text()) : ""));
            }
        }
    }
    return Q(ToTsv(out));
}

void GridExport::KopiujClick() {
    if (data_.Empty()) return;
    QString text;
    try {
        text = CopyText();
    } catch (const ConversionError& error) {
        return ctx_.Say(error.what());
    }
    QApplication::clipboard()->setText(text);
}

void GridExport::ZapiszCsvClick() {
    if (data_.Empty()) return;
    std::string csv;
    try {
        csv = ToCsv(data_.Table);
    } catch (const ConversionError& error) {
        return ctx_.Say(error.what());
    }
    const SaveRequest request{QStringLiteral("Zapisz jako CSV"),
                              ProposedFileName(Q(data_.FileStem), QStringLiteral("csv")),
                              QStringLiteral("Pliki CSV (*.csv)"), QStringLiteral("csv")};
    SaveToChosenFile(grid_->window(), ctx_, request, [&csv](QIODevice& file) {
        return file.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size());
    });
}

void GridExport::WykresClick() {
    if (data_.Chart.Empty()) return;
    if (chart_) chart_->close();
    std::string problem;
    ChartWindowFactory* charts = LoadChartModule(ChartModuleDirs(), problem);
    if (!charts) return ctx_.Say(problem, {}, Message::Kind::Error);
    chart_ = charts->Open(data_.Chart, ctx_, Q(data_.FileStem), grid_->window(), problem);
    if (!chart_) return ctx_.Say(problem);
    chart_->setAttribute(Qt::WA_DeleteOnClose);
    chart_->show();
}

}  // namespace tolvex
