// "Skł. ZUS": each contribution split into the employee's and the employer's part,
// with row and column totals; filled by the payroll calculations.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "widgets/common/page.h"

namespace tolvex {

class SkladkiZusPage : public Page {
    Q_OBJECT
  public:
    SkladkiZusPage(UiContext& ctx, QWidget* parent = nullptr);

    // Edit1..Edit24; index 0 is Edit1.
    std::array<QLineEdit*, 24> Cells{};
    std::array<QLabel*, 7> RateLabels{};
    QLabel* LabelZdrowotne;
    QPushButton* Dodaj_odejmij_Zdrowotne;

  public slots:
    void Dodaj_odejmij_ZdrowotneClick();
};

}  // namespace tolvex
