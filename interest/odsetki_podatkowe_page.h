// "Odsetki podat.": tax or statutory interest over a date range, split at the rate
// changes of the chosen table, with the segments in a grid.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "interest/tax_interest.h"
#include "widgets/common/page.h"

namespace tolvex {

class GridExport;
class TDateTimeDlg;
class RadioGroup;

class OdsetkiPodatkowePage : public Page {
    Q_OBJECT
  public:
    OdsetkiPodatkowePage(UiContext& ctx, QWidget* parent = nullptr);
    void StartUp(const QDate& today) override;

    // The last calculation, for the printed statement; empty before the first one and
    // after a press that was refused.
    const TaxInterestResult& LastResult() const { return result_; }
    // The kind chosen in RadioGroup2 now (the statement prints with the current choice).
    InterestKind ChosenKind() const;
    // Text of StringGrid1 at column `col`, row `row` (row 0 is the heading row).
    QString Cell(int col, int row) const;

    TDateTimeDlg* DateTimePocz1;
    TDateTimeDlg* DateTimeKon1;
    QLineEdit* EditKwota1;
    RadioGroup* RadioGroup2;
    QTableWidget* StringGrid1;
    QLineEdit* EditSumaOdsetekPom;
    QLineEdit* EditSumaOdsetek;
    QLineEdit* EditNaleznosc;
    QPushButton* WyliczOdsetki_Pod_Ust;
    QPushButton* Drukuj1;
    QPushButton* Pomoc3;
    QPushButton* WyjsciePom2;

  public slots:
    void WyliczOdsetki_Pod_UstClick();
    // Prints the statement of the last calculation with the dates, amount and kind as they stand.
    void Drukuj1Click();

  private:
    void SetCell(int col, int row, const QString& text);
    void FillGrid(const std::vector<InterestGridRow>& rows);

    TaxInterestResult result_;
    InterestKind resultKind_ = InterestKind::Tax;
    GridExport* stringGrid1Export_ = nullptr;
};

}  // namespace tolvex
