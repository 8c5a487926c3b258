// "Emeryt II" and "Emeryt III": the second- and third-pillar fund projections with
// their year grids. Both pages write the one set of per-year rows the window keeps.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <functional>

#include "pensions/fund_projection.h"
#include "pensions/pension_printouts.h"
#include "widgets/common/page.h"

namespace tolvex {

class GridExport;
class RadioGroup;
class SpinEdit;
class TDateTimeDlg;

// What the two pages share: the rows, a track bar with its label, the grid, the results.
class FundPage : public Page {
    Q_OBJECT
  public:
    FundPage(const QString& objectName, UiContext& ctx, FundProjectionRows& rows, QWidget* parent);

    // The rows of the last projection of either page, for the printout.
    const FundProjectionRows& Rows() const { return rows_; }
    // The text of the grid at `column`, `row`; row 0 holds the headings.
    static QString Cell(const QTableWidget* grid, int column, int row);

  protected:
    QSlider* MakeTrackBar(QWidget* parent, const char* name, int minimum, int maximum, int value);
    QTableWidget* MakeGrid(const char* name, const FundGrid& headings);
    static void ShowGrid(QTableWidget* grid, const FundGrid& cells);
    // Hiding the results also makes them unprintable until the next projection.
    void SetResultsVisible(bool visible);
    // The report of this page's last projection, or "Najpierw przelicz emeryturę".
    void PrintReport(Pillar pillar, const QTableWidget* grid);
    // A projection over `fields` (and any other page's fields written on the way); every
    // recorded effect is replayed, then an error's message is shown. False after an error.
    bool Run(const std::function<void()>& projection,
             std::initializer_list<std::pair<const QWidget*, const TextFields*>> pages);

    FundProjectionRows& rows_;
    QList<QWidget*> results_;
    bool projected_ = false;            // the shown results come from this page's own projection
    GridExport* gridExport_ = nullptr;  // copy, CSV and chart of the page's grid
};

class EmerytIIPage : public FundPage {
    Q_OBJECT
  public:
    // `costs` is the payroll page's tax-deductible costs field, read by the projection.
    EmerytIIPage(UiContext& ctx, FundProjectionRows& rows, const QLineEdit* costs, QWidget* parent = nullptr);

    RadioGroup* RadioGroupPlec;
    QLineEdit* WynagrodzenieBrutto;
    QSlider* TrackBarWiek;
    QLabel* UstawionyWiek;
    QSlider* TrackBarLata;
    QLabel* UstawionyOkres;
    TDateTimeDlg* DateTimeRokRozpoczecia;
    SpinEdit* Prowizja;
    SpinEdit* Oplata;
    SpinEdit* Zysk;
    SpinEdit* Wzrost;
    QLineEdit* Wplacono;
    QLineEdit* Kapital;
    QLabel* LabelEmeryt_mc;
    QLabel* MiesiecznaEmerytura;
    QTableWidget* Tabelka;
    QPushButton* PrzeliczOFE;
    QPushButton* Drukuj;
    QPushButton* Pomoc5;
    QPushButton* WyjsciePom4;

  public slots:
    void PrzeliczOFEClick();
    void DrukujClick();
    void TrackBarWiekChange();
    void TrackBarLataChange();
    void RadioGroupPlecClick();
    void WynagrodzenieBruttoChange();
    void ProwizjaChange();
    void ZyskChange();
    void OplataChange();
    void WzrostChange();

  private:
    const QLineEdit* costs_;
};

class EmerytIIIPage : public FundPage {
    Q_OBJECT
  public:
    // The projection also writes its totals into `secondPillar`'s result fields.
    EmerytIIIPage(UiContext& ctx, FundProjectionRows& rows, EmerytIIPage& secondPillar,
                  QWidget* parent = nullptr);

    RadioGroup* RadioGroupPlec1;
    QLineEdit* SkladkaSrednia;
    QLineEdit* SkladkaMiesieczna;
    QLineEdit* KwotaPoczatkowa;
    QSlider* TrackBarWiek1;
    QLabel* UstawionyWiek1;
    QSlider* TrackBarLata1;
    QLabel* UstawionyOkres1;
    TDateTimeDlg* DateTimeRokPrzystapienia;
    SpinEdit* ProwizjaFE;
    SpinEdit* OplataZE;
    SpinEdit* ZyskFE;
    SpinEdit* InflacjaRoczna;
    QLineEdit* Wplacono1;
    QLineEdit* Kapital1;
    QLabel* LabelEmeryt_mc1;
    QLabel* MiesiecznaEmerytura1;
    QTableWidget* Tabelka1;
    QPushButton* PrzeliczFE;
    QPushButton* Drukuj2;
    QPushButton* Pomoc6;
    QPushButton* WyjsciePom5;

  public slots:
    void PrzeliczFEClick();
    void Drukuj2Click();
    void TrackBarWiek1Change();
    void TrackBarLata1Change();
    void RadioGroupPlec1Click();
    void SkladkaSredniaChange();
    void SkladkaMiesiecznaChange();
    void KwotaPoczatkowaChange();
    void ProwizjaFEChange();
    void ZyskFEChange();
    void OplataZEChange();
    void InflacjaRocznaChange();

  private:
    // Writes the partner of an edited contribution field; the partner's own handler
    // does not answer back, so the text being typed is never rewritten under the cursor.
    void UpdatePartner(QLineEdit* edited, QLineEdit* partner, std::string (*partnerText)(double));
    // Leaving the starting amount writes it in the general number format.
    void NormalizeStartAmount();

    EmerytIIPage& secondPillar_;
    bool updatingPartner_ = false;
};

}  // namespace tolvex
