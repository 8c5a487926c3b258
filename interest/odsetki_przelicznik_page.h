// "Odsetki, przelicznik": bank interest over a period (upper half) and the unit
// converters (lower half).
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "widgets/common/page.h"

namespace tolvex {

class TDateTimeDlg;
class RadioGroup;
class PrzelicznikPanel;

class OdsetkiPrzelicznikPage : public Page {
    Q_OBJECT
  public:
    OdsetkiPrzelicznikPage(UiContext& ctx, QWidget* parent = nullptr);
    void StartUp(const QDate& today) override;

    TDateTimeDlg* DateTimePocz;
    TDateTimeDlg* DateTimeKon;
    QLineEdit* EditKwota;
    QLineEdit* EditProcent;
    RadioGroup* RadioGroup1;
    QLineEdit* EditOdsetki;
    QLineEdit* EditLaczna;
    QPlainTextEdit* MemoWynik;
    QLabel* LabelJakNaliczane;
    QPushButton* Wylicz_Odsetki;
    QPushButton* pomoc2;
    QPushButton* WyjsciePom1;
    PrzelicznikPanel* Panel4;

  public slots:
    void Wylicz_OdsetkiClick();
    void RadioGroup1Click();
    void EditProcentChange();
    // Deletes every non-empty line of MemoWynik, last to first; empty lines stay.
    void ClearResultText();

  private:
    void SetRateLabel();
    void SetFirstMemoLine(const QString& line);
};

}  // namespace tolvex
