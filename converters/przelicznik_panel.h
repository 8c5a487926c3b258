// "PRZELICZANIE JEDNOSTEK": the six unit converters of the "Odsetki, przelicznik" page.
#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "widgets/common/ui_context.h"

namespace tolvex {

class PrzelicznikPanel : public QWidget {
    Q_OBJECT
  public:
    explicit PrzelicznikPanel(const UiContext& ctx, QWidget* parent = nullptr);

    QLineEdit *EditMinuty, *EditLiczba;
    QPushButton* BitBtnPrzeliczMinuty;
    QLineEdit *EditMetrKwadrat, *EditAr, *EditAkr, *EditMorga, *EditHektar;
    QPushButton* BitBtnPrzeliczpowierzchnie;
    QLineEdit *EditLitr, *EditBarylka, *EditGalon, *Editkwarta, *EditGarniec, *EditBuszel;
    QPushButton* BitBtnPrzeliczObjetosc;
    QLineEdit *EdithPascal, *EditmmSlupaHg, *EditAtmosfera, *EditBar, *EditmmSlupaWody, *EditCalSlupaHg;
    QPushButton* BitBtnPrzeliczCisnienie;
    QLineEdit *EditKonMechaniczny, *EditKW;
    QPushButton* BitBtnPrzelicz;
    QLineEdit *EditCelsiusz, *EditKelvin, *EditFahrenheit, *EditReaumer, *EditRankin;
    QPushButton *BitBtnPrzeliczTemperatureCelsiusza, *BitBtnPrzeliczTemperatureKelvina,
        *BitBtnPrzeliczTemperatureFahrenheita;

  public slots:
    void BitBtnPrzeliczMinutyClick();
    void BitBtnPrzeliczpowierzchnieClick();
    void BitBtnPrzeliczObjetoscClick();
    void BitBtnPrzeliczCisnienieClick();
    void BitBtnPrzeliczClick();
    void BitBtnPrzeliczTemperatureCelsiuszaClick();
    void BitBtnPrzeliczTemperatureKelvinaClick();
    void BitBtnPrzeliczTemperatureFahrenheitaClick();
    void EditMinutyChange();
    void EditMetrKwadratChange();
    void EditLitrChange();
    void EdithPascalChange();
    void EditKonMechanicznyChange();
    void EditCelsiuszChange();
    void EditKelvinChange();
    void EditFahrenheitChange();

  private:
    const UiContext& ctx_;
};

}  // namespace tolvex
