// "Płace": the tax-year row, gross and net pay, the salary, pension and award
// calculations, and the allowances and deductions panel.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include "payroll/salary.h"
#include "widgets/common/page.h"

namespace tolvex {

class RadioGroup;
class SpinButton;
class TextFields;

// The tax-year spin field: arrows stay within 1999..2099, typing may go anywhere and
// leaving the field brings the year back to the nearer bound.
class YearSpinEdit : public QSpinBox {
    Q_OBJECT
  public:
    explicit YearSpinEdit(QWidget* parent = nullptr);
    // The year as the handler reads it: the typed whole number, 1999 for anything else.
    int Year() const;
    void stepBy(int steps) override;

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    QValidator::State validate(QString& input, int& pos) const override;
};

class PlacePage : public Page {
    Q_OBJECT
  public:
    PlacePage(UiContext& ctx, QWidget* parent = nullptr);

    void StartUp(const QDate& today) override;
    // Award state shared by the award, salary and pension calculations.
    void SetAwardFlag(bool on) { award_.flag = on; }
    bool AwardFlag() const { return award_.flag; }
    void ResetAwardNet() { award_.netPerMultiple = 0; }
    double AwardNetPerMultiple() const { return award_.netPerMultiple; }

    // Tax year
    YearSpinEdit* SpinEditJakiRok;
    QLineEdit* EditKosztyUzyskPrzychodu;
    QComboBox* ComboBoxJakieKoszty;
    QLineEdit* EditUlgaPodatkowa;
    QLineEdit* EditSkalaPodatkowa;
    QLineEdit* EditPlacaMinimalna;
    QLineEdit* EditMinimalnaStawka_godz;
    QLabel* LabelInfoLiczeniaPlac;
    // Gross and net
    QLineEdit* EditPlacaBrutto;
    QLineEdit* Edit_Netto;
    QComboBox* ComboBoxEtat;
    QLineEdit* EditBruttoCalyEtat;
    QLineEdit* EditPodstawaOpodat_Zdrowotne;
    QLineEdit* Edit_Zdrowotne;
    QLineEdit* EditZdrowotne_Pracownika;
    QLineEdit* EditPodstawa_do_Podatku;
    QLineEdit* Edit_Podatek;
    QLineEdit* EditKosztPracownika;
    QLineEdit* EditNettoZaGodzine;
    QPushButton* Wylicz;
    QPushButton* WyliczEmeryture;
    QPushButton* WyliczJubil;
    QLineEdit* EditKrotnoscnagrody;
    SpinButton* SpinButtonKrotnosc;
    QPlainTextEdit* Memo1;
    // Allowances and deductions
    QWidget* Panel2;
    QWidget* Panel3;
    QGroupBox* GroupBox1Dodatki;
    QGroupBox* GroupBoxPotracenia;
    QLabel* LabelPremia;
    QLineEdit *EditPremia, *EditSzkodliwe, *EditNadgodziny, *EditZaUrlop, *EditZaChorobe, *EditNagrody,
        *EditDodatek1, *EditDodatek2, *EditDodatek3;
    QLineEdit *EditUbezpieczenie, *EditRata, *EditSkladka, *EditSkladkaZw, *EditKomornik, *EditPotracenia1,
        *EditPotracenia2, *EditPotracenia3, *EditPotracenia4;
    QLineEdit* EditNazwiskoImie;
    QPushButton* DrukujPlace;
    QCheckBox* CheckBoxDodatkiPotracenia;
    RadioGroup* RadioGroupJakaPremia;
    QPushButton* Pomoc1;
    QPushButton* WyjsciePom;

  public slots:
    void SpinEditJakiRokChange();
    void ComboBoxJakieKosztyChange();
    void WyliczClick();
    void WyliczEmerytureClick();
    void WyliczJubilClick();
    void SpinButtonKrotnoscUpClick();
    void SpinButtonKrotnoscDownClick();
    void CheckBoxDodatkiPotraceniaClick();
    // Prints the payslip from the fields of this page and of "Skł. ZUS" as they stand.
    void DrukujPlaceClick();
    void RadioGroupJakaPremiaClick();
    void EditPlacaBruttoClick();
    void EditPlacaBruttoChange(const QString& text);
    void EditPlacaBruttoMouseUp();
    void Edit_NettoClick();
    // The information window's "OK": the allowances panel switched off, bonus in percent.
    void ResetAllowancesPanel();

  private:
    QWidget* BuildTaxYearRow();
    QWidget* BuildPayFields();
    QWidget* BuildAllowancesPanel();
    void SetPanelEnabled(bool enabled);
    void Run(void (*calculation)(TextFields&, AwardState&));

    AwardState award_;
};

}  // namespace tolvex
