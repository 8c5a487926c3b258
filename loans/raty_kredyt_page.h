// The "Raty-kredyt" page: a loan repaid in equal or decreasing monthly instalments,
// or the rate a first decreasing instalment implies, with the year-by-month grid.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "loans/loan_schedule.h"
#include "loans/schedule_grid.h"
#include "widgets/common/page.h"
#include "widgets/common/radio_group.h"
#include "widgets/datetime/tdatetimedlg.h"

namespace tolvex {

class GridExport;

class RatyKredytPage : public Page {
    Q_OBJECT
  public:
    RatyKredytPage(UiContext& ctx, QWidget* parent = nullptr);

    // Start-up: the loan dates from today, instalment mode.
    void StartUp(const QDate& today) override;

    // The last successful instalment calculation, for the printout. Empty (no
    // instalments) until the first one.
    const LoanOutcome& LastLoan() const { return lastLoan_; }
    const LoanSchedule& Schedule() const { return lastLoan_.Schedule; }

    // Empties columns 1 and up in every row; the month names stay.
    void ClearScheduleGrid();

    // Inputs.
    QGroupBox* GroupBoxDaneWejsciowe;
    QLabel* LabelSumaKredytu;
    QLineEdit* KredytBankowy;
    QLabel* Label11;
    QLineEdit* OkresBankowyKredytu;
    QLabel* LabelOprocentowanie;
    QLineEdit* ProcentBankowy;
    QLabel* LabelProcent;
    QLabel* LabelDataKredytu;
    TDateTimeDlg* DataKredytu;
    QLabel* Label16;
    TDateTimeDlg* DataPierwszejRaty;
    QLabel* LabelRata1;
    QLineEdit* EditRata1;
    QCheckBox* CheckBoxZaPelneMiesiace;
    RadioGroup* RadioGroup3;
    RadioGroup* RadioGroup4;
    RadioGroup* RadioGroupWylicz;

    // Outputs.
    QGroupBox* GroupBox12;
    QLabel* LabelDoSplaty;
    QLineEdit* DoSplaty;
    QLabel* LabelOdsetki;
    QLineEdit* OdsetkiBankowe;
    QLabel* LabelPierwszaRata;
    QLineEdit* PierwszaRata;
    QLabel* LabelOstatniaRata;
    QLineEdit* OstatniaRata;
    QLabel* LabelRata;
    QLineEdit* RataBankowa;

    QTableWidget* Siatka;
    QPushButton* PrzeliczRaty;
    QPushButton* DrukujRaty;
    QPushButton* Pomoc7;
    QPushButton* WyjsciePom6;

  public slots:
    void PrzeliczRatyClick();
    // Prints the loan's basic data and, for decreasing instalments, the last schedule.
    void DrukujRatyClick();
    void DataKredytuChange();
    void OkresBankowyKredytuChange();
    void RadioGroup3Click(int index);
    void RadioGroup4Click(int index);
    void RadioGroupWyliczClick(int index);

  private:
    void ResetOutputs();
    void EnforcePeriodLimit();
    void ShowScheduleGrid(const ScheduleGrid& grid);
    void SetGridCell(int row, int column, const QString& text);
    void SetRateFieldLook(bool rateMode);

    LoanOutcome lastLoan_;
    // Copy, CSV and chart of the schedule Siatka shows.
    GridExport* siatkaExport_ = nullptr;
};

}  // namespace tolvex
