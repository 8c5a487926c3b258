// The "Emeryt ZUS" page: the state pension of one insured person, by the old system or
// projected year by year with the initial capital, and the index dialogs it opens.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <functional>

#include "pensions/zus_index_dialogs.h"
#include "pensions/zus_pension.h"
#include "widgets/common/page.h"
#include "widgets/common/radio_group.h"
#include "widgets/datetime/tdatetimedlg.h"

namespace tolvex {

class GridExport;

class EmerytZusPage : public Page {
    Q_OBJECT
  public:
    explicit EmerytZusPage(UiContext& ctx, QWidget* parent = nullptr);

    // The dialogs live with the main window, which builds each the first time the page asks
    // for it; the page opens them and reads their results.
    struct IndexDialogs {
        std::function<TTabelaWynagrodzen*()> tenYears;
        std::function<TTabelaWynagrodzen20*()> twentyYears;
        std::function<TTabelaWaloryzacyjna*()> valorization;
    };
    void AttachIndexDialogs(IndexDialogs dialogs) { dialogs_ = std::move(dialogs); }
    void StartUp(const QDate& today) override;

    // The grid of the last calculation that projected, as the calculation left it.
    const ZusOutcome& LastProjection() const { return lastProjection_; }

    RadioGroup* RadioGroupPlec2;
    QCheckBox* CheckBoxWczesnaEmerytura;
    QLabel* LabelDataUrodzenia;
    TDateTimeDlg* DateTimeDataUrodzenia;
    QLabel* LabelDataPodjeciaPracyZawodowej;
    TDateTimeDlg* DateTimeDataRozpoczeciaPracy;
    RadioGroup* RadioGroupKapitalPoczatkowy;
    RadioGroup* RadioGroupCzyOFEII;
    QLabel* LabelKapitalPoczatkowy1999;
    QLineEdit* EditKapitalPoczatkowy1999;
    QLabel* LabelKapitalPoczatkowy_mc;
    QLineEdit* EditKapitalPoczatkowy_mc;
    QLabel* LabelKapitalPoczatkowy;
    QLineEdit* EditKapitalPoczatkowy;
    RadioGroup* RadioGroupWskaznikPodstawy;
    RadioGroup* RadioGroupLiczenieWskaznikaPodstawy;
    QLabel* LabelWskaznikPodstawy;
    QLabel* LabelPodstawaKapitalu;
    QLineEdit* EditPodstawaKapitalu;
    QLabel* Labelzl1;
    QGroupBox* GroupBoxOkresSkladkowy;
    QLabel* LabelSkladkowy;
    QLabel* LabelNieskladkowy;
    QLineEdit* EditLataSkladkowy;
    QLineEdit* EditMcSkl;
    QLineEdit* EditLataNieSkl;
    QLineEdit* EditMcNieSkl;
    QLabel* LabelSredniCzasZycia;
    QLineEdit* EditSredniCzasZycia;
    QLabel* LabelPlacaBruttoZus;
    QLineEdit* EditPlacaBruttoZus;
    QLabel* LabelInflacja;
    QSpinBox* Inflacja;
    RadioGroup* RadioGroupWaloryzacja;
    QLabel* LabelSredniaWaloryzacja;

    QTableWidget* Tabelka2;
    QLabel* LabelInformacjaOEmeryturze;
    QLabel* LabelMiesiecznaEmerytura;
    QLabel* LabelInformacjaOEmeryturze25;
    QLabel* LabelMiesiecznaEmerytura25;
    QLabel* LabelInformacjaOEmeryturze67;
    QLabel* LabelMiesiecznaEmerytura67;
    QLabel* Wplacono2;
    QLabel* Kapital2;

    QPushButton* PrzeliczZUS;
    QPushButton* Drukuj_ZUS;
    QPushButton* Pomoc_ZUS;
    QPushButton* WyjsciePom7;

  public slots:
    void PrzeliczZUSClick();
    void Drukuj_ZUSClick();
    void DateTimeDataUrodzeniaChange();
    void DateTimeDataRozpoczeciaPracyChange();
    void CheckBoxWczesnaEmeryturaClick();
    void RadioGroupKapitalPoczatkowyClick(int index);
    void RadioGroupPlec2Click(int index);
    void RadioGroupWskaznikPodstawyClick();
    void RadioGroupLiczenieWskaznikaPodstawyClick();
    void RadioGroupWaloryzacjaClick(int index);
    // A salary-index dialog computed W: the caption goes to LabelWskaznikPodstawy, shown.
    void ShowBaseIndex(const QString& caption);

  private:
    enum class LayoutCause { BirthDate, EarlyRetirementBox };
    void ApplyLayout(ZusLayout layout, const Date& birth, LayoutCause cause);
    void ShowPeriodControls(bool shown);
    void ClearTabelka2();
    void SetGridCell(int row, int column, const QString& text);
    ZusGrid ShownGrid() const;
    SalaryIndexDialog* ChosenSalaryDialog() const;
    TTabelaWaloryzacyjna* ValorizationDialog() const;

    IndexDialogs dialogs_;
    // The initial capital the user typed into EditKapitalPoczatkowy1999.
    double enteredInitialCapital_ = 0;
    ZusOutcome lastProjection_;
    GridExport* tabelka2Export_ = nullptr;  // copy, CSV and chart of Tabelka2
    // Set by a calculation that reached its pension, cleared by a new layout; the base index
    // W that calculation used, for the report.
    bool printable_ = false;
    std::string printedBaseIndex_;
};

}  // namespace tolvex
