#include "payroll/place_page.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/amount/amount.h"
#include "payroll/payslip.h"
#include "payroll/tax_year.h"
#include "widgets/amount/amount_field.h"
#include "widgets/common/controls.h"
#include "widgets/common/qt_text.h"
#include "widgets/common/radio_group.h"
#include "widgets/common/spin_button.h"
#include "widgets/common/widget_fields.h"

namespace tolvex {
namespace {

constexpr int kFirstYear = 1999;
constexpr int kLastYear = 2099;

// A caption split over two labels in the original is shown as two lines.
QLabel* TwoLineCaption(QWidget* parent, const QString& first, const QString& second) {
    auto* l = new QLabel(first + QLatin1Char('\n') + second, parent);
    l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return l;
}

}  // namespace

YearSpinEdit::YearSpinEdit(QWidget* parent) : QSpinBox(parent) {
    setObjectName(QStringLiteral("SpinEditJakiRok"));
    // Typing may pass through any whole number; the arrows and leaving the field clamp.
    setRange(0, 999999);
    setValue(kFirstYear);
    setKeyboardTracking(true);
}

int YearSpinEdit::Year() const {
    bool ok = false;
    const int year = text().trimmed().toInt(&ok);
    return ok ? year : kFirstYear;
}

void YearSpinEdit::stepBy(int steps) {
    setValue(std::clamp(Year() + steps, kFirstYear, kLastYear));
    selectAll();
}

void YearSpinEdit::focusOutEvent(QFocusEvent* event) {
    const int year = Year();
    if (year < kFirstYear || year > kLastYear) setValue(std::clamp(year, kFirstYear, kLastYear));
    QSpinBox::focusOutEvent(event);
}

QValidator::State YearSpinEdit::validate(QString& input, int&) const {
    if (input.isEmpty()) return QValidator::Intermediate;
    bool ok = false;
    input.toInt(&ok);
    return ok ? QValidator::Acceptable : QValidator::Invalid;
}

PlacePage::PlacePage(UiContext& ctx, QWidget* parent) : Page(QStringLiteral("TabSheet1"), ctx, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(BuildTaxYearRow());
    layout->addStretch(1);
    layout->addWidget(BuildPayFields());
    layout->addStretch(1);
    layout->addWidget(BuildAllowancesPanel());
    layout->addStretch(3);

    Pomoc1 = MakeHelpButton(QStringLiteral("Pomoc1"), 1);
    WyjsciePom = MakeExitButton(QStringLiteral("WyjsciePom"), QStringLiteral("Wyjście"));
    layout->addLayout(ButtonRow({Pomoc1, WyjsciePom}));

    connect(SpinEditJakiRok, &QSpinBox::textChanged, this, &PlacePage::SpinEditJakiRokChange);
    connect(ComboBoxJakieKoszty, &QComboBox::currentTextChanged, this, &PlacePage::ComboBoxJakieKosztyChange);
    connect(Wylicz, &QPushButton::clicked, this, &PlacePage::WyliczClick);
    connect(WyliczEmeryture, &QPushButton::clicked, this, &PlacePage::WyliczEmerytureClick);
    connect(WyliczJubil, &QPushButton::clicked, this, &PlacePage::WyliczJubilClick);
    connect(SpinButtonKrotnosc, &SpinButton::upClick, this, &PlacePage::SpinButtonKrotnoscUpClick);
    connect(SpinButtonKrotnosc, &SpinButton::downClick, this, &PlacePage::SpinButtonKrotnoscDownClick);
    connect(CheckBoxDodatkiPotracenia, &QCheckBox::clicked, this, &PlacePage::CheckBoxDodatkiPotraceniaClick);
    connect(RadioGroupJakaPremia, &RadioGroup::clicked, this, &PlacePage::RadioGroupJakaPremiaClick);
    connect(DrukujPlace, &QPushButton::clicked, this, &PlacePage::DrukujPlaceClick);

    // The gross and net fields work as a pair.
    AttachAmountField(EditPlacaBrutto, rules::Check(), ctx_);
    connect(EditPlacaBrutto, &QLineEdit::textChanged, this, &PlacePage::EditPlacaBruttoChange);
    connect(ClickNotifierOf(EditPlacaBrutto), &ClickNotifier::clicked, this,
            &PlacePage::EditPlacaBruttoClick);
    connect(ClickNotifierOf(EditPlacaBrutto), &ClickNotifier::clicked, this,
            &PlacePage::EditPlacaBruttoMouseUp);
    AttachAmountField(Edit_Netto, rules::Check(), ctx_);
    connect(ClickNotifierOf(Edit_Netto), &ClickNotifier::clicked, this, &PlacePage::Edit_NettoClick);

    for (auto* e : {EditKosztyUzyskPrzychodu, EditUlgaPodatkowa, EditSkalaPodatkowa})
        AttachAmountField(e, rules::CheckLateConvert(), ctx_);
    for (auto* e : {EditPodstawaOpodat_Zdrowotne, EditPodstawa_do_Podatku, Edit_Zdrowotne, Edit_Podatek})
        AttachAmountField(e, rules::Result(), ctx_);
    for (auto* e :
         {EditPremia, EditSzkodliwe, EditNadgodziny, EditZaUrlop, EditZaChorobe, EditNagrody, EditDodatek1,
          EditDodatek2, EditDodatek3, EditUbezpieczenie, EditRata, EditSkladka, EditSkladkaZw, EditKomornik,
          EditPotracenia1, EditPotracenia2, EditPotracenia3, EditPotracenia4})
        AttachAmountField(e, rules::Check(ClickRule::ClearAlways), ctx_);
}

QWidget* PlacePage::BuildTaxYearRow() {
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("GroupBoxRokPodatkowy"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(2);

    SpinEditJakiRok = new YearSpinEdit(box);
    EditKosztyUzyskPrzychodu = NamedEdit(box, "EditKosztyUzyskPrzychodu");
    ComboBoxJakieKoszty = new QComboBox(box);
    ComboBoxJakieKoszty->setObjectName(QStringLiteral("ComboBoxJakieKoszty"));
    ComboBoxJakieKoszty->setEditable(true);
    ComboBoxJakieKoszty->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxJakieKoszty->addItems({QStringLiteral("Podstawowe"), QStringLiteral("Podwyższone")});
    EditUlgaPodatkowa = NamedEdit(box, "EditUlgaPodatkowa");
    EditSkalaPodatkowa = NamedEdit(box, "EditSkalaPodatkowa");
    EditPlacaMinimalna = NamedEdit(box, "EditPlacaMinimalna", QStringLiteral("4666 zł"), true);
    EditMinimalnaStawka_godz = NamedEdit(box, "EditMinimalnaStawka_godz", QStringLiteral("27,77 zł"), true);

    struct Column {
        QLabel* caption;
        QWidget* field;
        int stretch;
    };
    auto* rate = new QWidget(box);
    auto* rateLayout = new QHBoxLayout(rate);
    rateLayout->setContentsMargins(0, 0, 0, 0);
    rateLayout->addWidget(EditSkalaPodatkowa);
    rateLayout->addWidget(new QLabel(QStringLiteral("%"), rate));
    const Column columns[] = {
        {new QLabel(QStringLiteral("Rok podatkowy"), box), SpinEditJakiRok, 2},
        {TwoLineCaption(box, QStringLiteral("Koszty uzysk."), QStringLiteral(" przychodu")),
         EditKosztyUzyskPrzychodu, 2},
        {TwoLineCaption(box, QStringLiteral("Jakie koszty "), QStringLiteral("uzyskania przych.")),
         ComboBoxJakieKoszty, 3},
        {TwoLineCaption(box, QStringLiteral("Ulga "), QStringLiteral("podatkowa")), EditUlgaPodatkowa, 2},
        {TwoLineCaption(box, QStringLiteral("Skala "), QStringLiteral("podatkowa")), rate, 2},
        {new QLabel(QStringLiteral("Płaca minimalna: "), box), EditPlacaMinimalna, 2},
        {new QLabel(QStringLiteral("Staw. min/godz"), box), EditMinimalnaStawka_godz, 2},
    };
    int c = 0;
    for (const auto& col : columns) {
        col.caption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        grid->addWidget(col.caption, 0, c);
        grid->addWidget(col.field, 1, c);
        grid->setColumnStretch(c, col.stretch);
        ++c;
    }
    LabelInfoLiczeniaPlac =
        NamedLabel(box, "LabelInfoLiczeniaPlac",
                   QStringLiteral("Roczna ulga podatkowa w wysokości 3600 zł(300 zł/m-c) "));
    grid->addWidget(LabelInfoLiczeniaPlac, 2, 0, 1, c);
    return box;
}

QWidget* PlacePage::BuildPayFields() {
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);

    auto* pay = new QGroupBox(area);
    pay->setObjectName(QStringLiteral("GroupBoxPlaca"));
    auto* form = new QGridLayout(pay);
    form->setVerticalSpacing(3);
    EditPlacaBrutto = NamedEdit(pay, "EditPlacaBrutto", {}, false, QStringLiteral("3500"));
    Edit_Netto = NamedEdit(pay, "Edit_Netto", {}, false,
                           QStringLiteral("Liczenie płacy brutto i składek dla podanego netta"));
    ComboBoxEtat = new QComboBox(pay);
    ComboBoxEtat->setObjectName(QStringLiteral("ComboBoxEtat"));
    ComboBoxEtat->setToolTip(QStringLiteral("Działa gdy liczymy płacę od brutta"));
    ComboBoxEtat->setEditable(true);
    ComboBoxEtat->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxEtat->addItems(
        {"8/8", "7/8", "6/8", "5/8", "4/8", "3/8", "2/8", "1/8", "4/5", "3/5", "2/5", "1/5"});
    ComboBoxEtat->setCurrentIndex(-1);
    ComboBoxEtat->setEditText(QStringLiteral("8/8"));
    EditBruttoCalyEtat = NamedEdit(pay, "EditBruttoCalyEtat", {}, true);
    EditPodstawaOpodat_Zdrowotne = NamedEdit(pay, "EditPodstawaOpodat_Zdrowotne", {}, true);
    Edit_Zdrowotne = NamedEdit(pay, "Edit_Zdrowotne", {}, true);
    EditZdrowotne_Pracownika = NamedEdit(pay, "EditZdrowotne_Pracownika", {}, true);
    EditZdrowotne_Pracownika->hide();
    EditPodstawa_do_Podatku = NamedEdit(pay, "EditPodstawa_do_Podatku", {}, true);
    Edit_Podatek = NamedEdit(pay, "Edit_Podatek", {}, true);
    EditKosztPracownika = NamedEdit(pay, "EditKosztPracownika", {}, true,
                                    QStringLiteral("Całkowity koszt pracownika ponoszony przez pracodawcę"));
    EditNettoZaGodzine = NamedEdit(pay, "EditNettoZaGodzine", {}, true);

    const std::pair<QString, QWidget*> left[] = {
        {QStringLiteral("Płaca brutto (z ZUS)"), EditPlacaBrutto},
        {QStringLiteral("Wielkość Etatu"), ComboBoxEtat},
        {QStringLiteral("Brutto za cały etat"), EditBruttoCalyEtat},
        {QStringLiteral("Wypłata netto"), Edit_Netto},
        {QStringLiteral("Netto za godz."), EditNettoZaGodzine},
    };
    const std::pair<QString, QWidget*> right[] = {
        {QStringLiteral("Podstawa \ndo ubezp. zdrowotnego"), EditPodstawaOpodat_Zdrowotne},
        {QStringLiteral("Ubezp. zdrowotne pracownika(9%)"), Edit_Zdrowotne},
        {QStringLiteral("Podstawa do podatku"), EditPodstawa_do_Podatku},
        {QStringLiteral("Podatek"), Edit_Podatek},
        {QStringLiteral("Koszt pracodawcy:"), EditKosztPracownika},
    };
    for (int i = 0; i < 5; ++i) {
        form->addWidget(new QLabel(left[i].first, pay), i, 0);
        form->addWidget(left[i].second, i, 1);
        form->addWidget(new QLabel(right[i].first, pay), i, 2);
        form->addWidget(right[i].second, i, 3);
    }
    QFont bold = Edit_Netto->font();
    bold.setBold(true);
    Edit_Netto->setFont(bold);
    form->setColumnStretch(1, 1);
    form->setColumnStretch(3, 1);
    row->addWidget(pay, 3);

    auto* actions = new QWidget(area);
    auto* col = new QVBoxLayout(actions);
    col->setContentsMargins(0, 0, 0, 0);
    Wylicz =
        NamedButton(actions, "Wylicz", QStringLiteral("Wylicz &płacę"),
                    QStringLiteral("Wyliczenie płacy netto(brutto), zaliczki podatku i składki zdrowotnej"));
    WyliczEmeryture = NamedButton(actions, "WyliczEmeryture", QStringLiteral("Wylicz Emeryturę"));
    WyliczJubil = NamedButton(actions, "WyliczJubil", QStringLiteral("Liczenie nagród "),
                              QStringLiteral("Liczenie nagród netto (odejmowany tylko podatek)"));
    QFont strong = Wylicz->font();
    strong.setBold(true);
    Wylicz->setFont(strong);
    EditKrotnoscnagrody = NamedEdit(actions, "EditKrotnoscnagrody", QStringLiteral("1"), true);
    EditKrotnoscnagrody->setMaximumWidth(60);
    SpinButtonKrotnosc = new SpinButton(QStringLiteral("SpinButtonKrotnosc"), actions);
    SpinButtonKrotnosc->setToolTip(
        QStringLiteral("Zmiana krotności nagrody wyliczanej przyciskiem \"Liczenie nagród\""));
    auto* multiple = new QHBoxLayout;
    multiple->addWidget(new QLabel(QStringLiteral("Krotność nagrody:"), actions));
    multiple->addWidget(EditKrotnoscnagrody);
    multiple->addWidget(SpinButtonKrotnosc);
    multiple->addStretch(1);
    Memo1 = new QPlainTextEdit(actions);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setMaximumHeight(48);
    col->addWidget(Wylicz);
    col->addWidget(WyliczEmeryture);
    col->addWidget(WyliczJubil);
    col->addLayout(multiple);
    col->addWidget(Memo1);
    row->addWidget(actions, 1);
    return area;
}

QWidget* PlacePage::BuildAllowancesPanel() {
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto* panel = new QGridLayout(Panel2);
    panel->setContentsMargins(0, 0, 0, 0);

    auto fieldGrid = [](QGroupBox* box, const std::vector<std::pair<QLabel*, QLineEdit**>>& cells,
                        const std::vector<const char*>& names) {
        auto* grid = new QGridLayout(box);
        grid->setVerticalSpacing(1);
        for (size_t i = 0; i < cells.size(); ++i) {
            *cells[i].second = NamedEdit(box, names[i], QStringLiteral("0"));
            const int r = static_cast<int>(i / 3) * 2, c = static_cast<int>(i % 3);
            grid->addWidget(cells[i].first, r, c);
            grid->addWidget(*cells[i].second, r + 1, c);
        }
    };

    GroupBox1Dodatki = new QGroupBox(QStringLiteral("Dodatki do brutta"), Panel2);
    GroupBox1Dodatki->setObjectName(QStringLiteral("GroupBox1Dodatki"));
    LabelPremia = NamedLabel(GroupBox1Dodatki, "LabelPremia", QStringLiteral("Premia(%)"));
    auto label = [](QGroupBox* box, const char* text) { return new QLabel(QString::fromUtf8(text), box); };
    fieldGrid(GroupBox1Dodatki,
              {{LabelPremia, &EditPremia},
               {label(GroupBox1Dodatki, "Szkodliwe"), &EditSzkodliwe},
               {label(GroupBox1Dodatki, "Nadgodziny"), &EditNadgodziny},
               {label(GroupBox1Dodatki, "Za urlop"), &EditZaUrlop},
               {label(GroupBox1Dodatki, "Za chorobę"), &EditZaChorobe},
               {label(GroupBox1Dodatki, "Nagrody"), &EditNagrody},
               {label(GroupBox1Dodatki, "Dodatek 1"), &EditDodatek1},
               {label(GroupBox1Dodatki, "Dodatek 2"), &EditDodatek2},
               {label(GroupBox1Dodatki, "Dodatek3"), &EditDodatek3}},
              {"EditPremia", "EditSzkodliwe", "EditNadgodziny", "EditZaUrlop", "EditZaChorobe", "EditNagrody",
               "EditDodatek1", "EditDodatek2", "EditDodatek3"});

    GroupBoxPotracenia = new QGroupBox(QStringLiteral("Potrącenia od netta"), Panel2);
    GroupBoxPotracenia->setObjectName(QStringLiteral("GroupBoxPotracenia"));
    fieldGrid(GroupBoxPotracenia,
              {{label(GroupBoxPotracenia, "Ubezpiecz."), &EditUbezpieczenie},
               {label(GroupBoxPotracenia, "Rata"), &EditRata},
               {label(GroupBoxPotracenia, "Składka kasa"), &EditSkladka},
               {label(GroupBoxPotracenia, "Składka ZW"), &EditSkladkaZw},
               {label(GroupBoxPotracenia, "Komornik"), &EditKomornik},
               {label(GroupBoxPotracenia, "Potrącenia 1"), &EditPotracenia1},
               {label(GroupBoxPotracenia, "Potrącenia 2"), &EditPotracenia2},
               {label(GroupBoxPotracenia, "Potrącenia 3"), &EditPotracenia3},
               {label(GroupBoxPotracenia, "Potrącenia 4"), &EditPotracenia4}},
              {"EditUbezpieczenie", "EditRata", "EditSkladka", "EditSkladkaZw", "EditKomornik",
               "EditPotracenia1", "EditPotracenia2", "EditPotracenia3", "EditPotracenia4"});

    Panel3 = new QWidget(Panel2);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    auto* side = new QVBoxLayout(Panel3);
    side->setContentsMargins(0, 0, 0, 0);
    CheckBoxDodatkiPotracenia = new QCheckBox(QStringLiteral("Dodatki i potrącenia"), Panel3);
    CheckBoxDodatkiPotracenia->setObjectName(QStringLiteral("CheckBoxDodatkiPotracenia"));
    CheckBoxDodatkiPotracenia->setToolTip(
        QStringLiteral("Zaznaczenie pozwala wprowadzać dodatki i potrącenia "));
    RadioGroupJakaPremia =
        new RadioGroup(QStringLiteral("RadioGroupJakaPremia"), QStringLiteral("Premia podana jako"),
                       {QStringLiteral("%"), QStringLiteral("zł")}, 2, Panel3);
    RadioGroupJakaPremia->SetItemIndex(0);
    side->addWidget(CheckBoxDodatkiPotracenia);
    side->addWidget(RadioGroupJakaPremia);
    side->addStretch(1);

    EditNazwiskoImie = NamedEdit(Panel2, "EditNazwiskoImie");
    DrukujPlace =
        NamedButton(Panel2, "DrukujPlace", QStringLiteral("Drukuj płace"),
                    QStringLiteral("Drukowanie płacy ze składnikami i wprowadzonym nazwiskiem na drukarce"));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Nazwisko i Imię:"), Panel2));
    nameRow->addWidget(EditNazwiskoImie, 1);
    nameRow->addWidget(DrukujPlace);

    panel->addWidget(GroupBox1Dodatki, 0, 0);
    panel->addWidget(GroupBoxPotracenia, 0, 1);
    panel->addWidget(Panel3, 0, 2);
    panel->addLayout(nameRow, 1, 0, 1, 2);
    panel->setColumnStretch(0, 3);
    panel->setColumnStretch(1, 3);
    panel->setColumnStretch(2, 1);
    SetPanelEnabled(false);
    return Panel2;
}

void PlacePage::StartUp(const QDate& today) {
    ComboBoxJakieKoszty->setCurrentIndex(0);
    SpinEditJakiRok->setValue(today.year());
    RunCalculation(window(), ctx_, [&](TextFields& f) { WriteStartUpTaxYear(f, today.year()); });
    EditPlacaBrutto->setText(QStringLiteral("0,00"));
    const QString zero =
        IsAmount(S(EditPlacaBrutto->text())) ? QStringLiteral("0,00") : QStringLiteral("0.00");
    for (auto* e : {EditPlacaBrutto, EditPodstawaOpodat_Zdrowotne, EditPodstawa_do_Podatku, Edit_Netto,
                    Edit_Zdrowotne, Edit_Podatek})
        e->setText(zero);
}

void PlacePage::SpinEditJakiRokChange() {
    if (!ctx_.mainWindowShown) return;
    const int costType = ComboBoxJakieKoszty->findText(ComboBoxJakieKoszty->currentText(), Qt::MatchExactly);
    RunCalculation(window(), ctx_,
                   [&](TextFields& f) { WriteYearChange(f, SpinEditJakiRok->Year(), costType); });
}

void PlacePage::ComboBoxJakieKosztyChange() {
    if (!ctx_.mainWindowShown) return;
    const int costType = ComboBoxJakieKoszty->findText(ComboBoxJakieKoszty->currentText(), Qt::MatchExactly);
    RunCalculation(window(), ctx_,
                   [&](TextFields& f) { WriteCostTypeChange(f, SpinEditJakiRok->Year(), costType); });
}

void PlacePage::Run(void (*calculation)(TextFields&, AwardState&)) {
    RunCalculation(window(), ctx_, [&](TextFields& f) { calculation(f, award_); });
}

void PlacePage::WyliczClick() {
    Run(&CalculateSalary);
}
void PlacePage::WyliczEmerytureClick() {
    Run(&CalculatePension);
}
void PlacePage::WyliczJubilClick() {
    Run(&CalculateAward);
}

void PlacePage::SpinButtonKrotnoscUpClick() {
    RunCalculation(window(), ctx_, [&](TextFields& f) { StepAwardMultiple(f, award_, true); });
}

void PlacePage::SpinButtonKrotnoscDownClick() {
    RunCalculation(window(), ctx_, [&](TextFields& f) { StepAwardMultiple(f, award_, false); });
}

void PlacePage::SetPanelEnabled(bool enabled) {
    for (auto* box : {GroupBox1Dodatki, GroupBoxPotracenia}) {
        box->setEnabled(enabled);
        box->setFlat(!enabled);
    }
}

void PlacePage::CheckBoxDodatkiPotraceniaClick() {
    SetPanelEnabled(CheckBoxDodatkiPotracenia->isChecked());
}

void PlacePage::RadioGroupJakaPremiaClick() {
    LabelPremia->setText(RadioGroupJakaPremia->ItemIndex() == 0 ? QStringLiteral("Premia(%)")
                                                                : QStringLiteral("Premia(zł)"));
}

void PlacePage::EditPlacaBruttoClick() {
    const QString t = EditPlacaBrutto->text();
    if (t == QStringLiteral("0,00") || t == QStringLiteral("0.00")) EditPlacaBrutto->clear();
    Edit_Netto->clear();
}

void PlacePage::EditPlacaBruttoChange(const QString& text) {
    // A typed gross pay always wipes the net result of an earlier calculation.
    if (text.isEmpty() || IsAmount(S(text))) Edit_Netto->clear();
}

void PlacePage::EditPlacaBruttoMouseUp() {
    const QString t = EditPlacaBrutto->text();
    if (t.isEmpty() || IsAmount(S(t))) return;
    ctx_.Say(kBadNumberMessage);
    EditPlacaBrutto->clear();
}

void PlacePage::Edit_NettoClick() {
    if (Edit_Netto->text() == QStringLiteral("0,00")) Edit_Netto->clear();
    EditPlacaBrutto->setText(QStringLiteral("0,00"));
}

void PlacePage::ResetAllowancesPanel() {
    CheckBoxDodatkiPotracenia->setChecked(false);
    SetPanelEnabled(false);
    RadioGroupJakaPremia->SetItemIndex(0);
    RadioGroupJakaPremiaClick();
}

void PlacePage::DrukujPlaceClick() {
    // The payslip also reads the "Skł. ZUS" page, so the fields are looked up window-wide.
    RunCalculation(window(), ctx_, [this](TextFields& fields) {
        PrintPayslipFromFields(fields, [this] { return ctx_.makePrintCanvas(kPayslipReportName); });
    });
}

}  // namespace tolvex
