#include "loans/raty_kredyt_page.h"

#include "core/amount/amount.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "loans/loan_export.h"
#include "loans/loan_printout.h"
#include "widgets/amount/amount_field.h"
#include "widgets/common/controls.h"
#include "widgets/common/qt_text.h"
#include "widgets/common/widget_fields.h"
#include "widgets/export/grid_export.h"
#include "widgets/printing/print_job.h"

namespace tolvex {
namespace {

const QString kZero = QStringLiteral("0,00");
const QColor kInfoBackground(255, 255, 225);

QLineEdit* OutputField(const char* name, QWidget* parent) {
    auto* e = Named(new QLineEdit(kZero, parent), name);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    return e;
}

}  // namespace

RatyKredytPage::RatyKredytPage(UiContext& ctx, QWidget* parent)
    : Page(QStringLiteral("TabSheet8"), ctx, parent) {
    // Inputs.
    GroupBoxDaneWejsciowe =
        Named(new QGroupBox(QStringLiteral("Dane wejściowe dla kredytu - raty równomierne"), this),
              "GroupBoxDaneWejsciowe");
    LabelSumaKredytu =
        Named(new QLabel(QStringLiteral("Suma kredytu:"), GroupBoxDaneWejsciowe), "LabelSumaKredytu");
    KredytBankowy = Named(new QLineEdit(kZero, GroupBoxDaneWejsciowe), "KredytBankowy");
    Label11 = Named(new QLabel(QStringLiteral("Okres kredytu w latach:"), GroupBoxDaneWejsciowe), "Label11");
    OkresBankowyKredytu =
        Named(new QLineEdit(QStringLiteral("0"), GroupBoxDaneWejsciowe), "OkresBankowyKredytu");
    LabelOprocentowanie =
        Named(new QLabel(QStringLiteral("Oprocentowanie:"), GroupBoxDaneWejsciowe), "LabelOprocentowanie");
    ProcentBankowy = Named(new QLineEdit(kZero, GroupBoxDaneWejsciowe), "ProcentBankowy");
    LabelProcent = Named(new QLabel(QStringLiteral("%"), GroupBoxDaneWejsciowe), "LabelProcent");
    LabelDataKredytu =
        Named(new QLabel(QStringLiteral("Data wzięcia kredytu:"), GroupBoxDaneWejsciowe), "LabelDataKredytu");
    DataKredytu = Named(new TDateTimeDlg(ctx_, GroupBoxDaneWejsciowe), "DataKredytu");
    DataKredytu->ConfigureAsMainWindowDate(TIncrementScale::Day);
    Label16 = Named(new QLabel(QStringLiteral("Data pierwszej raty"), GroupBoxDaneWejsciowe), "Label16");
    DataPierwszejRaty = Named(new TDateTimeDlg(ctx_, GroupBoxDaneWejsciowe), "DataPierwszejRaty");
    DataPierwszejRaty->ConfigureAsMainWindowDate(TIncrementScale::Day);
    LabelRata1 = Named(new QLabel(QStringLiteral("I Rata:"), GroupBoxDaneWejsciowe), "LabelRata1");
    EditRata1 = Named(new QLineEdit(GroupBoxDaneWejsciowe), "EditRata1");
    EditRata1->setToolTip(QStringLiteral("Dla kredytu malejącego wprowadź pierwszą ratę"));
    CheckBoxZaPelneMiesiace =
        Named(new QCheckBox(QStringLiteral("Odsetki pierwszej raty liczone za pełny miesiąc"),
                            GroupBoxDaneWejsciowe),
              "CheckBoxZaPelneMiesiace");
    CheckBoxZaPelneMiesiace->setToolTip(QStringLiteral(
        "Gdy niezaznaczone to odsetki pierwszej raty liczymy od daty wzięcia kredytu do końca miesiąca"));
    CheckBoxZaPelneMiesiace->setChecked(true);

    auto* inputs = new QGridLayout(GroupBoxDaneWejsciowe);
    inputs->setVerticalSpacing(4);
    const std::pair<QLabel*, QWidget*> inputRows[] = {
        {LabelSumaKredytu, KredytBankowy},     {Label11, OkresBankowyKredytu},
        {LabelOprocentowanie, ProcentBankowy}, {LabelDataKredytu, DataKredytu},
        {Label16, DataPierwszejRaty},          {LabelRata1, EditRata1},
    };
    int row = 0;
    for (const auto& [label, field] : inputRows) {
        inputs->addWidget(label, row, 0);
        inputs->addWidget(field, row, 1);
        ++row;
    }
    inputs->addWidget(LabelProcent, 2, 2);
    inputs->addWidget(CheckBoxZaPelneMiesiace, row, 0, 1, 3);
    inputs->setColumnStretch(1, 1);
    for (QLineEdit* e : {KredytBankowy, OkresBankowyKredytu, ProcentBankowy, EditRata1})
        e->setAlignment(Qt::AlignRight);

    RadioGroup3 = new RadioGroup(QStringLiteral("RadioGroup3"), QStringLiteral("Typ kredytu"),
                                 {QStringLiteral("Raty równe"), QStringLiteral("Raty malejące")}, 1, this);
    RadioGroup3->SetItemIndex(0);
    RadioGroup4 = new RadioGroup(QStringLiteral("RadioGroup4"), QStringLiteral("Okres kredytu liczony w"),
                                 {QStringLiteral("Latach"), QStringLiteral("Miesiącach")}, 1, this);
    RadioGroup4->SetItemIndex(0);
    RadioGroupWylicz = new RadioGroup(
        QStringLiteral("RadioGroupWylicz"), QStringLiteral("Wyliczamy"),
        {QStringLiteral("Raty i kredyt do spłaty"), QStringLiteral("Oprocentowanie kredytu")}, 1, this);
    RadioGroupWylicz->SetItemIndex(0);

    // Outputs.
    GroupBox12 = Named(new QGroupBox(QStringLiteral("Dane wyjściowe dla kredytu - raty równomierne"), this),
                       "GroupBox12");
    LabelDoSplaty =
        Named(new QLabel(QStringLiteral("Całkowity kredyt do spłaty:"), GroupBox12), "LabelDoSplaty");
    DoSplaty = OutputField("DoSplaty", GroupBox12);
    LabelOdsetki = Named(new QLabel(QStringLiteral("Odsetki:"), GroupBox12), "LabelOdsetki");
    OdsetkiBankowe = OutputField("OdsetkiBankowe", GroupBox12);
    LabelPierwszaRata = Named(new QLabel(QStringLiteral("Pierwsza rata:"), GroupBox12), "LabelPierwszaRata");
    PierwszaRata = OutputField("PierwszaRata", GroupBox12);
    LabelOstatniaRata = Named(new QLabel(QStringLiteral("Ostatnia rata:"), GroupBox12), "LabelOstatniaRata");
    OstatniaRata = OutputField("OstatniaRata", GroupBox12);
    LabelRata = Named(new QLabel(QStringLiteral("Pozostałe raty:"), GroupBox12), "LabelRata");
    RataBankowa = OutputField("RataBankowa", GroupBox12);
    auto* outputs = new QGridLayout(GroupBox12);
    outputs->setVerticalSpacing(4);
    const std::pair<QLabel*, QLineEdit*> outputRows[] = {
        {LabelDoSplaty, DoSplaty},         {LabelOdsetki, OdsetkiBankowe}, {LabelPierwszaRata, PierwszaRata},
        {LabelOstatniaRata, OstatniaRata}, {LabelRata, RataBankowa},
    };
    row = 0;
    for (const auto& [label, field] : outputRows) {
        outputs->addWidget(label, row, 0);
        outputs->addWidget(field, row, 1);
        ++row;
    }
    outputs->setColumnStretch(1, 1);

    // The grid: rows 0 and 1 and column 0 are headings.
    Siatka = Named(new QTableWidget(22, 3, this), "Siatka");
    Siatka->horizontalHeader()->hide();
    Siatka->verticalHeader()->hide();
    Siatka->verticalHeader()->setDefaultSectionSize(19);
    Siatka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Siatka->setSelectionBehavior(QAbstractItemView::SelectRows);
    Siatka->setColumnWidth(0, 55);
    Siatka->setColumnWidth(1, 58);
    Siatka->setColumnWidth(2, 130);
    siatkaExport_ = new GridExport(Siatka, ctx_);

    PrzeliczRaty = Named(new QPushButton(QStringLiteral("Wylicz raty"), this), "PrzeliczRaty");
    PrzeliczRaty->setToolTip(QStringLiteral("Wyliczenie odsetek i rat dla podanego kredytu"));
    DrukujRaty = Named(new QPushButton(QStringLiteral("Drukuj"), this), "DrukujRaty");
    DrukujRaty->setToolTip(QStringLiteral("Drukowanie danych wejściowych i wyjściowych kredytu bankowego"));
    Pomoc7 = MakeHelpButton(QStringLiteral("Pomoc7"), 7);
    WyjsciePom6 = MakeExitButton(QStringLiteral("WyjsciePom6"));

    auto* choices = new QHBoxLayout;
    choices->addWidget(RadioGroup3);
    choices->addWidget(RadioGroup4);
    // A fixed-width column, so hiding the grid in rate mode does not stretch the fields.
    auto* leftPanel = new QWidget(this);
    leftPanel->setFixedWidth(350);
    auto* left = new QVBoxLayout(leftPanel);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(GroupBoxDaneWejsciowe);
    left->addLayout(choices);
    left->addWidget(RadioGroupWylicz);
    left->addWidget(GroupBox12);
    left->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(leftPanel, 0, Qt::AlignLeft);
    body->addWidget(Siatka, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PrzeliczRaty);
    buttons->addWidget(DrukujRaty);
    buttons->addStretch(1);
    buttons->addWidget(Pomoc7);
    buttons->addWidget(WyjsciePom6);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    SetRateFieldLook(false);

    AttachAmountField(KredytBankowy, rules::CheckShort(), ctx_);
    AttachAmountField(ProcentBankowy, rules::CheckShort(), ctx_);
    AttachAmountField(OkresBankowyKredytu, rules::CheckShort(ClickRule::ClearZero, QStringLiteral("0")),
                      ctx_);
    AttachAmountField(EditRata1, rules::Make(ChangeRule::CheckShort, ClickRule::None, ExitRule::None), ctx_);

    connect(OkresBankowyKredytu, &QLineEdit::textChanged, this, &RatyKredytPage::OkresBankowyKredytuChange);
    connect(DataKredytu, &QLineEdit::textChanged, this, &RatyKredytPage::DataKredytuChange);
    connect(RadioGroup3, &RadioGroup::clicked, this, &RatyKredytPage::RadioGroup3Click);
    connect(RadioGroup4, &RadioGroup::clicked, this, &RatyKredytPage::RadioGroup4Click);
    connect(RadioGroupWylicz, &RadioGroup::clicked, this, &RatyKredytPage::RadioGroupWyliczClick);
    connect(PrzeliczRaty, &QPushButton::clicked, this, &RatyKredytPage::PrzeliczRatyClick);
    connect(DrukujRaty, &QPushButton::clicked, this, &RatyKredytPage::DrukujRatyClick);
}

void RatyKredytPage::StartUp(const QDate& today) {
    DataKredytu->setText(DateText(today));
    if (!DataKredytu->text().isEmpty())
        DataPierwszejRaty->setText(Q(FormatDate(FirstDayOfNextMonth(ToDate(today)))));
    RadioGroupWylicz->SetItemIndex(0);
    LabelRata1->hide();
    EditRata1->hide();
    GroupBox12->show();
    PrzeliczRaty->setText(QStringLiteral("Wylicz raty"));
}

void RatyKredytPage::PrzeliczRatyClick() {
    LoanOutcome outcome;
    RunCalculation(this, ctx_, [&outcome](TextFields& fields) { outcome = CalculateLoan(fields); });
    if (outcome.ClearsGrid()) ClearScheduleGrid();
    if (!outcome.FillsGrid()) return;
    lastLoan_ = std::move(outcome);
    const auto unit = static_cast<PeriodUnit>(RadioGroup4->ItemIndex() == 1 ? 1 : 0);
    try {
        const ScheduleGrid grid =
            FillScheduleGrid(lastLoan_.Schedule, lastLoan_.LoanDate, lastLoan_.FirstDueDate, unit);
        ShowScheduleGrid(grid);
        siatkaExport_->SetData(LoanExport(lastLoan_.Schedule, grid));
    } catch (const ConversionError& error) {
        ClearScheduleGrid();
        ctx_.Say(error.what());
    }
}

void RatyKredytPage::DataKredytuChange() {
    if (auto date = TryParseDate(S(DataKredytu->text())))
        DataPierwszejRaty->setText(Q(FormatDate(FirstDayOfNextMonth(*date))));
}

void RatyKredytPage::OkresBankowyKredytuChange() {
    EnforcePeriodLimit();
}

void RatyKredytPage::EnforcePeriodLimit() {
    const auto unit = RadioGroup4->ItemIndex() == 1 ? PeriodUnit::Months : PeriodUnit::Years;
    if (!PeriodAboveLimit(S(OkresBankowyKredytu->text()), unit)) return;
    ctx_.Say(std::string(kPeriodTooLong));
    OkresBankowyKredytu->setText(QStringLiteral("0"));
}

void RatyKredytPage::RadioGroup4Click(int index) {
    EnforcePeriodLimit();
    ResetOutputs();
    Label11->setText(index == 1 ? QStringLiteral("Okres kredytu w miesiącach:")
                                : QStringLiteral("Okres kredytu w latach:"));
}

void RatyKredytPage::RadioGroup3Click(int index) {
    // Rates are worked out for decreasing instalments only.
    if (RadioGroupWylicz->ItemIndex() == 1 && index != 1) {
        RadioGroup3->SetItemIndex(1);
        index = 1;
    }
    const bool equal = index == 0;
    GroupBoxDaneWejsciowe->setTitle(equal ? QStringLiteral("Dane wejściowe dla kredytu - raty równomierne")
                                          : QStringLiteral("Dane wejściowe dla kredytu - raty malejące"));
    GroupBox12->setTitle(equal ? QStringLiteral("Dane wyjściowe dla kredytu - raty równomierne")
                               : QStringLiteral("Dane wyjściowe dla kredytu - raty malejące"));
    for (QWidget* w : std::initializer_list<QWidget*>{RataBankowa, LabelRata, DataPierwszejRaty, Label16})
        w->setVisible(equal);
    ResetOutputs();
}

void RatyKredytPage::RadioGroupWyliczClick(int index) {
    const bool rateMode = index == 1;
    LabelRata1->setVisible(rateMode);
    EditRata1->setVisible(rateMode);
    GroupBox12->setVisible(!rateMode);
    Siatka->setVisible(!rateMode);
    PrzeliczRaty->setText(rateMode ? QStringLiteral("Wylicz %") : QStringLiteral("Wylicz raty"));
    SetRateFieldLook(rateMode);
    ProcentBankowy->clear();
    if (rateMode) {
        RadioGroup3->SetItemIndex(1);
        RadioGroup3Click(1);
    }
}

void RatyKredytPage::SetRateFieldLook(bool rateMode) {
    // In rate mode the rate is a result: read-only, skipped by Tab, red on white.
    ProcentBankowy->setReadOnly(rateMode);
    ProcentBankowy->setFocusPolicy(rateMode ? Qt::ClickFocus : Qt::StrongFocus);
    QPalette palette = ProcentBankowy->palette();
    palette.setColor(QPalette::Base, rateMode ? QColor(Qt::white) : kInfoBackground);
    palette.setColor(QPalette::Text, rateMode ? QColor(Qt::red) : QColor(Qt::black));
    ProcentBankowy->setPalette(palette);
}

void RatyKredytPage::ResetOutputs() {
    for (QLineEdit* e : {DoSplaty, OdsetkiBankowe, PierwszaRata, OstatniaRata, RataBankowa})
        e->setText(kZero);
}

void RatyKredytPage::SetGridCell(int row, int column, const QString& text) {
    QTableWidgetItem* item = Siatka->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        const bool heading = row < 2 || column == 0;
        if (heading) {
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(Siatka->palette().color(QPalette::Button));
        } else {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        Siatka->setItem(row, column, item);
    }
    item->setText(text);
}

void RatyKredytPage::ClearScheduleGrid() {
    siatkaExport_->Clear();
    for (int r = 0; r < Siatka->rowCount(); ++r)
        for (int c = 1; c < Siatka->columnCount(); ++c)
            if (QTableWidgetItem* item = Siatka->item(r, c)) item->setText(QString());
}

void RatyKredytPage::ShowScheduleGrid(const ScheduleGrid& grid) {
    ClearScheduleGrid();
    Siatka->setRowCount(ScheduleGrid::kRowCount);
    Siatka->setColumnCount(grid.ColumnCount);
    for (int r = 0; r < ScheduleGrid::kRowCount; ++r)
        for (int c = 0; c < grid.ColumnCount; ++c) SetGridCell(r, c, Q(grid.Cell(r, c)));
    Siatka->resizeColumnsToContents();
}

void RatyKredytPage::DrukujRatyClick() {
    const PeriodUnit unit = RadioGroup4->ItemIndex() == 1 ? PeriodUnit::Months : PeriodUnit::Years;
    const std::string unitWord = LoanUnitWord(unit, S(OkresBankowyKredytu->text()));
    RunPrintJob(window(), ctx_, kLoanReportName, [&](PrintCanvas& canvas) {
        WidgetFieldSource source(this);
        TextFields fields(source);
        ReportPrinter report(canvas);
        PrintLoanReport(report, fields, unitWord, lastLoan_.Schedule);
    });
}

}  // namespace tolvex
