// A window with the charts of one grid's result, drawn with Qt Charts from the numbers
// the calculation left (ChartSpec), with the amounts formatted as the program does.
#pragma once

#include <QPushButton>
#include <QWidget>

#include "core/export/export_table.h"

class QChart;

namespace tolvex {

struct UiContext;

class ChartWindow : public QWidget {
    Q_OBJECT
  public:
    ChartWindow(const ChartSpec& spec, UiContext& ctx, QString fileStem, QWidget* parent = nullptr);

    const QList<QChart*>& Charts() const { return charts_; }
    // What "Zapisz jako PNG…" writes: the charts without the buttons.
    QPixmap Picture() const;

    QPushButton* ZapiszPng;
    QPushButton* Zamknij;

  public slots:
    void ZapiszPngClick();

  private:
    UiContext& ctx_;
    QString fileStem_;
    QWidget* area_;
    QList<QChart*> charts_;
};

}  // namespace tolvex
