// The index dialogs of the ZUS pension page: the salary-index tables for the base index W
// (10 or 20 best years) and the valorization table. Created once with the main window and
// kept, cells and all, between openings; the page opens them through UiContext::execModal.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "pensions/zus_indices.h"
#include "widgets/common/ui_context.h"

namespace tolvex {

class SalaryIndexDialog : public QDialog {
    Q_OBJECT
  public:
    SalaryIndexDialog(const char* formName, const QString& title, int years, const UiContext& ctx,
                      QWidget* parent = nullptr);

    // What every opening does first: headings and row numbers, the average salaries
    // refilled, manual entry switched off.
    void PrepareOpening();

    AverageSalaryTable AverageSalaries{};

    QTableWidget* StringGridTabelaWynagrodzen;
    QPushButton* Zapamietaj;
    QPushButton* Zamknij1;
    QLabel* LabelSredniWskaznik;
    QLabel* LabelProcent;
    QLabel* LabelWskaznikPodstawy_tekst;
    QCheckBox* CheckBoxWprowadzWskaznik;
    QLineEdit* EditWskaznikPlacy;

  signals:
    // The caption for the main window's LabelWskaznikPodstawy, which is then shown.
    void baseIndexShown(const QString& caption);

  public slots:
    void StringGridTabelaWynagrodzenSelectCell(int row, int column);
    void ZapamietajClick();
    void Zamknij1Click();
    void CheckBoxWprowadzWskaznikClick();

  private:
    // The manual index wins when ticked; false (and a message) when it is no number.
    bool TakeManualIndex();
    std::vector<SalaryGridRow> Rows() const;
    void SetRows(const std::vector<SalaryGridRow>& rows);

    const UiContext& ctx_;
    int years_;
    bool preparing_ = false;
};

class TTabelaWynagrodzen : public SalaryIndexDialog {
    Q_OBJECT
  public:
    explicit TTabelaWynagrodzen(const UiContext& ctx, QWidget* parent = nullptr);
};

class TTabelaWynagrodzen20 : public SalaryIndexDialog {
    Q_OBJECT
  public:
    explicit TTabelaWynagrodzen20(const UiContext& ctx, QWidget* parent = nullptr);
};

class TTabelaWaloryzacyjna : public QDialog {
    Q_OBJECT
  public:
    explicit TTabelaWaloryzacyjna(const UiContext& ctx, QWidget* parent = nullptr);

    // Lays the grid out for a person before an opening (see FillValorizationGrid).
    void Fill(const ValorizationGridFill& fill);
    const ValorizationTable& Table() const { return ValorizationTable_; }

    QTableWidget* StringGridTabelaWaloryzacyjna;
    QTableWidget* StringGridPomocniczy;
    QPushButton* Zapamietaj;
    QPushButton* Zamknij1;

  public slots:
    void StringGridTabelaWaloryzacyjnaSelectCell(int row, int column);
    void ZapamietajClick();
    void Zamknij1Click();

  private:
    const UiContext& ctx_;
    ValorizationTable ValorizationTable_;
    bool filling_ = false;
};

}  // namespace tolvex
