#include "pensions/fund_pages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "core/amount/amount.h"
#include "core/report/report_printer.h"
#include "pensions/pension_export.h"
#include "widgets/amount/amount_field.h"
#include "widgets/common/controls.h"
#include "widgets/common/qt_text.h"
#include "widgets/common/radio_group.h"
#include "widgets/common/spin_edit.h"
#include "widgets/common/widget_fields.h"
#include "widgets/datetime/tdatetimedlg.h"
#include "widgets/export/grid_export.h"
#include "widgets/printing/print_job.h"

namespace tolvex {
namespace {

namespace f = fund_fields;

const QString kZero = QStringLiteral("0,00");
constexpr int kInputColumnWidth = 330;

// The page's own controls, and the payroll page's costs field the projection also reads.
class SecondPillarSource : public WidgetFieldSource {
  public:
    SecondPillarSource(const QWidget* page, const QLineEdit* costs)
        : WidgetFieldSource(page), costs_(costs) {}
    std::string Text(std::string_view name) const override {
        if (name == f::EditKosztyUzyskPrzychodu) return costs_ ? S(costs_->text()) : std::string();
        return WidgetFieldSource::Text(name);
    }

  private:
    const QLineEdit* costs_;
};

RadioGroup* SexGroup(const char* name, QWidget* parent) {
    auto* group = new RadioGroup(QString::fromLatin1(name), QStringLiteral("Płeć"),
                                 {QStringLiteral("mężczyzna"), QStringLiteral("kobieta")}, 2, parent);
    group->SetItemIndex(0);
    return group;
}

QLineEdit* ResultField(const char* name, QWidget* parent) {
    auto* e = NamedEdit(parent, name, {}, true);
    e->setFocusPolicy(Qt::ClickFocus);
    e->hide();
    return e;
}

QLabel* PensionLabel(const char* name, QWidget* parent) {
    auto* l = NamedLabel(parent, name, {});
    QFont font = l->font();
    font.setBold(true);
    l->setFont(font);
    l->hide();
    return l;
}

// Label and field pairs, two to a row.
QGridLayout* FieldGrid(QGroupBox* box, std::initializer_list<std::pair<const char*, QWidget*>> cells) {
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(4);
    int i = 0;
    for (const auto& [caption, field] : cells) {
        grid->addWidget(Caption(QString::fromUtf8(caption), field, box), i / 2, (i % 2) * 2);
        grid->addWidget(field, i / 2, (i % 2) * 2 + 1);
        ++i;
    }
    return grid;
}

// A caption above a track bar with its value label beside it.
void AddTrackBar(QGridLayout* grid, int row, const QString& caption, QSlider* bar, QLabel* shown) {
    grid->addWidget(Caption(caption, bar, bar->parentWidget()), row, 0, 1, 3);
    grid->addWidget(bar, row + 1, 0, 1, 2);
    shown->setMinimumWidth(50);
    grid->addWidget(shown, row + 1, 2);
}

// Inputs, then paid, capital and the monthly pension in a fixed column on the left, the grid
// on the right; below, calculate and print on the left, help and exit on the right.
void LayOutPage(QWidget* page, std::initializer_list<QGroupBox*> groups, const QList<QWidget*>& results,
                QTableWidget* grid, std::initializer_list<QPushButton*> buttons) {
    auto* inputs = new QWidget(page);
    inputs->setFixedWidth(kInputColumnWidth);
    auto* left = new QVBoxLayout(inputs);
    left->setContentsMargins(0, 0, 0, 0);
    for (QGroupBox* g : groups) left->addWidget(g);
    left->addSpacing(6);
    left->addWidget(results[0]);
    left->addWidget(results[1]);
    auto* pension = new QHBoxLayout;
    pension->addWidget(results[2]);
    pension->addWidget(results[3], 1);
    left->addLayout(pension);
    left->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(inputs);
    body->addWidget(grid, 1);
    auto* row = new QHBoxLayout;
    for (QPushButton* b : buttons) {
        row->addWidget(b);
        if (b == *(buttons.begin() + 1)) row->addStretch(1);
    }
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(body, 1);
    layout->addLayout(row);
}

}  // namespace

// ---- shared ---------------------------------------------------------------------------

FundPage::FundPage(const QString& objectName, UiContext& ctx, FundProjectionRows& rows, QWidget* parent)
    : Page(objectName, ctx, parent), rows_(rows) {}

QSlider* FundPage::MakeTrackBar(QWidget* parent, const char* name, int minimum, int maximum, int value) {
    auto* bar = Named(new QSlider(Qt::Horizontal, parent), name);
    bar->setRange(minimum, maximum);
    bar->setValue(value);
    bar->setPageStep(5);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval(5);
    return bar;
}

QTableWidget* FundPage::MakeGrid(const char* name, const FundGrid& headings) {
    auto* grid = Named(new QTableWidget(0, static_cast<int>(headings[0].size()), this), name);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(19);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ShowGrid(grid, headings);
    gridExport_ = new GridExport(grid, ctx_);
    return grid;
}

void FundPage::ShowGrid(QTableWidget* grid, const FundGrid& cells) {
    QStringList headings;
    for (const std::string& h : cells[0]) headings << Q(h);
    grid->setHorizontalHeaderLabels(headings);
    grid->setRowCount(static_cast<int>(cells.size()) - 1);
    for (size_t r = 1; r < cells.size(); ++r)
        for (size_t c = 0; c < cells[r].size(); ++c) {
            auto* item = new QTableWidgetItem(Q(cells[r][c]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->setItem(static_cast<int>(r) - 1, static_cast<int>(c), item);
        }
}

QString FundPage::Cell(const QTableWidget* grid, int column, int row) {
    if (row == 0) {
        const QTableWidgetItem* heading = grid->horizontalHeaderItem(column);
        return heading ? heading->text() : QString();
    }
    const QTableWidgetItem* item = grid->item(row - 1, column);
    return item ? item->text() : QString();
}

void FundPage::SetResultsVisible(bool visible) {
    for (QWidget* w : results_) w->setVisible(visible);
    if (!visible) projected_ = false;
}

void FundPage::PrintReport(Pillar pillar, const QTableWidget* grid) {
    bool whole = false;
    const int firstYear = Cell(grid, 1, 1).toInt(&whole);
    if (!projected_ || !whole) return ctx_.Say(std::string(kNothingToPrintPension));
    WidgetFieldSource source(this);
    TextFields fields(source);
    PensionReport report;
    try {
        report = PrepareFundReport(pillar, fields, firstYear, rows_);
    } catch (const ConversionError& e) {
        return ctx_.Say(e.what());
    }
    RunPrintJob(window(), ctx_, kFundReportName, [&](PrintCanvas& canvas) {
        ReportPrinter printer(canvas);
        PrintPensionReport(printer, report);
    });
}

bool FundPage::Run(const std::function<void()>& projection,
                   std::initializer_list<std::pair<const QWidget*, const TextFields*>> pages) {
    std::string error;
    try {
        projection();
    } catch (const ConversionError& e) {
        error = e.what();
    }
    for (const auto& [root, fields] : pages) ApplyEffects(root, fields->Effects(), ctx_);
    if (error.empty()) {
        projected_ = true;
        return true;
    }
    // Results of an earlier projection must not stand for these inputs.
    SetResultsVisible(false);
    ctx_.Say(error);
    return false;
}

// ---- "Emeryt II" ------------------------------------------------------------------------

EmerytIIPage::EmerytIIPage(UiContext& ctx, FundProjectionRows& rows, const QLineEdit* costs, QWidget* parent)
    : FundPage(QStringLiteral("TabSheet6"), ctx, rows, parent), costs_(costs) {
    auto* person = new QGroupBox(QStringLiteral("Dane osoby ubezpieczonej w II filarze OFE"), this);
    RadioGroupPlec = SexGroup("RadioGroupPlec", person);
    WynagrodzenieBrutto = NamedEdit(person, "WynagrodzenieBrutto", QStringLiteral("1800"));
    DateTimeRokRozpoczecia = Named(new TDateTimeDlg(ctx_, person), "DateTimeRokRozpoczecia");
    DateTimeRokRozpoczecia->ConfigureAsMainWindowDate(TIncrementScale::Year);
    DateTimeRokRozpoczecia->setText(QStringLiteral("1976-12-21"));
    TrackBarWiek = MakeTrackBar(person, "TrackBarWiek", 5, 60, 15);
    UstawionyWiek = NamedLabel(person, "UstawionyWiek", Q(YearsText(15, YearsOf::Age)));
    TrackBarLata = MakeTrackBar(person, "TrackBarLata", 1, 35, 5);
    UstawionyOkres = NamedLabel(person, "UstawionyOkres", Q(YearsText(5, YearsOf::Payment)));
    auto* personGrid = new QGridLayout(person);
    personGrid->setVerticalSpacing(4);
    personGrid->addWidget(RadioGroupPlec, 0, 0, 1, 3);
    personGrid->addWidget(Caption(QStringLiteral("Płaca brutto"), WynagrodzenieBrutto, person), 1, 0);
    personGrid->addWidget(WynagrodzenieBrutto, 1, 1, 1, 2);
    personGrid->addWidget(Caption(QStringLiteral("Rok podjęcia pracy:"), DateTimeRokRozpoczecia, person), 2,
                          0);
    personGrid->addWidget(DateTimeRokRozpoczecia, 2, 1, 1, 2);
    AddTrackBar(personGrid, 3, QStringLiteral("Wiek, w którym się ubezpieczono w II filarze"), TrackBarWiek,
                UstawionyWiek);
    AddTrackBar(personGrid, 5, QStringLiteral("Przewidywany okres pobierania emerytury(lata)"), TrackBarLata,
                UstawionyOkres);

    auto* fees = new QGroupBox(QStringLiteral("Prowizje, opłaty, zyski OFE i wzrost funduszu płac"), this);
    Prowizja = new SpinEdit("Prowizja", kProwizjaRange.min, kProwizjaRange.max, 4, fees);
    Oplata = new SpinEdit("Oplata", kOplataRange.min, kOplataRange.max, 0, fees);
    Zysk = new SpinEdit("Zysk", kZyskRange.min, kZyskRange.max, 1, fees);
    Wzrost = new SpinEdit("Wzrost", kWzrostRange.min, kWzrostRange.max, 0, fees);
    FieldGrid(fees, {{"Prowizja OFE(%)", Prowizja},
                     {"Opł. od  kap.(%)", Oplata},
                     {"Zysk OFE(%)", Zysk},
                     {"Wzrost wynag.(%)", Wzrost}});

    Wplacono = ResultField("Wplacono", this);
    Kapital = ResultField("Kapital", this);
    LabelEmeryt_mc = NamedLabel(this, "LabelEmeryt_mc", QStringLiteral("Emerytura na m-c:"));
    LabelEmeryt_mc->hide();
    MiesiecznaEmerytura = PensionLabel("MiesiecznaEmerytura", this);
    results_ = {Wplacono, Kapital, LabelEmeryt_mc, MiesiecznaEmerytura};

    Tabelka = MakeGrid("Tabelka", {{"Lp", "ROK", "PŁACA", "WPŁATY", "KAPITAŁ", "%SKŁ."}});
    PrzeliczOFE = NamedButton(this, "PrzeliczOFE", QStringLiteral("Przelicz &emeryturę"),
                              QStringLiteral("Wyliczenie sumy składek, kapitału i emerytury"));
    Drukuj = NamedButton(this, "Drukuj", QStringLiteral("Drukuj"),
                         QStringLiteral("Wydruk na drukarce danych emerytury"));
    Pomoc5 = MakeHelpButton(QStringLiteral("Pomoc5"), 5);
    WyjsciePom4 = MakeExitButton(QStringLiteral("WyjsciePom4"));
    LayOutPage(this, {person, fees}, results_, Tabelka, {PrzeliczOFE, Drukuj, Pomoc5, WyjsciePom4});

    for (QLineEdit* e :
         std::initializer_list<QLineEdit*>{WynagrodzenieBrutto, Prowizja, Oplata, Zysk, Wzrost})
        AttachAmountField(e, rules::CheckShort(), ctx_);
    connect(WynagrodzenieBrutto, &QLineEdit::textChanged, this, &EmerytIIPage::WynagrodzenieBruttoChange);
    connect(Prowizja, &QLineEdit::textChanged, this, &EmerytIIPage::ProwizjaChange);
    connect(Zysk, &QLineEdit::textChanged, this, &EmerytIIPage::ZyskChange);
    connect(Oplata, &QLineEdit::textChanged, this, &EmerytIIPage::OplataChange);
    connect(Wzrost, &QLineEdit::textChanged, this, &EmerytIIPage::WzrostChange);
    // A new start of work makes the shown results stale like any other input.
    connect(DateTimeRokRozpoczecia, &QLineEdit::textChanged, this, [this] { SetResultsVisible(false); });
    connect(TrackBarWiek, &QSlider::valueChanged, this, &EmerytIIPage::TrackBarWiekChange);
    connect(TrackBarLata, &QSlider::valueChanged, this, &EmerytIIPage::TrackBarLataChange);
    connect(RadioGroupPlec, &RadioGroup::clicked, this, &EmerytIIPage::RadioGroupPlecClick);
    connect(PrzeliczOFE, &QPushButton::clicked, this, &EmerytIIPage::PrzeliczOFEClick);
    connect(Drukuj, &QPushButton::clicked, this, &EmerytIIPage::DrukujClick);
}

void EmerytIIPage::PrzeliczOFEClick() {
    SecondPillarSource source(this, costs_);
    TextFields fields(source);
    FundGrid grid;
    if (!Run([&] { grid = ProjectSecondPillar(fields, rows_); }, {{this, &fields}})) return;
    ShowGrid(Tabelka, grid);
    gridExport_->SetData(FundExport(Pillar::Second, grid, rows_));
}

void EmerytIIPage::DrukujClick() {
    PrintReport(Pillar::Second, Tabelka);
}

void EmerytIIPage::TrackBarWiekChange() {
    UstawionyWiek->setText(Q(YearsText(TrackBarWiek->value(), YearsOf::Age)));
    SetResultsVisible(false);
}

void EmerytIIPage::TrackBarLataChange() {
    UstawionyOkres->setText(Q(YearsText(TrackBarLata->value(), YearsOf::Payment)));
    SetResultsVisible(false);
}

void EmerytIIPage::RadioGroupPlecClick() {
    SetResultsVisible(false);
}
void EmerytIIPage::WynagrodzenieBruttoChange() {
    SetResultsVisible(false);
}
void EmerytIIPage::ProwizjaChange() {
    SetResultsVisible(false);
}
void EmerytIIPage::ZyskChange() {
    SetResultsVisible(false);
}
void EmerytIIPage::OplataChange() {
    SetResultsVisible(false);
}
void EmerytIIPage::WzrostChange() {
    SetResultsVisible(false);
}

// ---- "Emeryt III" -----------------------------------------------------------------------

EmerytIIIPage::EmerytIIIPage(UiContext& ctx, FundProjectionRows& rows, EmerytIIPage& secondPillar,
                             QWidget* parent)
    : FundPage(QStringLiteral("TabSheet7"), ctx, rows, parent), secondPillar_(secondPillar) {
    auto* person = new QGroupBox(QStringLiteral("Dane osoby ubezpieczonej w III filarze emerytalnym"), this);
    RadioGroupPlec1 = SexGroup("RadioGroupPlec1", person);
    auto* contribution = new QGroupBox(QStringLiteral("Składka emerytalna"), person);
    SkladkaSrednia = NamedEdit(contribution, "SkladkaSrednia", kZero);
    SkladkaMiesieczna = NamedEdit(contribution, "SkladkaMiesieczna", kZero);
    FieldGrid(contribution, {{"Roczna", SkladkaSrednia}, {"Miesięczna", SkladkaMiesieczna}});
    KwotaPoczatkowa =
        NamedEdit(person, "KwotaPoczatkowa", kZero, false,
                  QStringLiteral("Kwota Początkowa czyli jaka jest w tej chwili na Twoim koncie bankowym"));
    DateTimeRokPrzystapienia = Named(new TDateTimeDlg(ctx_, person), "DateTimeRokPrzystapienia");
    DateTimeRokPrzystapienia->ConfigureAsMainWindowDate(TIncrementScale::Year);
    DateTimeRokPrzystapienia->setText(QStringLiteral("2003-01-01"));
    TrackBarWiek1 = MakeTrackBar(person, "TrackBarWiek1", 5, 60, 15);
    UstawionyWiek1 = NamedLabel(person, "UstawionyWiek1", Q(YearsText(15, YearsOf::Age)));
    TrackBarLata1 = MakeTrackBar(person, "TrackBarLata1", 1, 45, 10);
    UstawionyOkres1 = NamedLabel(person, "UstawionyOkres1", Q(YearsText(10, YearsOf::Payment)));
    auto* personGrid = new QGridLayout(person);
    personGrid->setVerticalSpacing(4);
    personGrid->addWidget(RadioGroupPlec1, 0, 0, 1, 3);
    personGrid->addWidget(contribution, 1, 0, 1, 3);
    personGrid->addWidget(Caption(QStringLiteral("Kwota pocz."), KwotaPoczatkowa, person), 2, 0);
    personGrid->addWidget(KwotaPoczatkowa, 2, 1, 1, 2);
    personGrid->addWidget(
        Caption(QStringLiteral("Rok przystąpienia do III OFE:"), DateTimeRokPrzystapienia, person), 3, 0);
    personGrid->addWidget(DateTimeRokPrzystapienia, 3, 1, 1, 2);
    AddTrackBar(personGrid, 4, QStringLiteral("Wiek, w którym się ubezpieczono w III filarze"), TrackBarWiek1,
                UstawionyWiek1);
    AddTrackBar(personGrid, 6, QStringLiteral("Przewidywany w latach okres pobierania emerytury"),
                TrackBarLata1, UstawionyOkres1);

    auto* fees = new QGroupBox(QStringLiteral("Prowizje, opłaty i zysk Funduszu oraz inflacja roczna"), this);
    ProwizjaFE = new SpinEdit("ProwizjaFE", kProwizjaFERange.min, kProwizjaFERange.max, 8, fees);
    OplataZE = new SpinEdit("OplataZE", kOplataZERange.min, kOplataZERange.max, 0, fees);
    ZyskFE = new SpinEdit("ZyskFE", kZyskFERange.min, kZyskFERange.max, 10, fees);
    InflacjaRoczna =
        new SpinEdit("InflacjaRoczna", kInflacjaRocznaRange.min, kInflacjaRocznaRange.max, 0, fees);
    InflacjaRoczna->setToolTip(
        QStringLiteral("Zaznaczenie procentu inflacji oznacza wzrost rocznej składki "
                       "emerytalnej o % inflacji czyli większe nasze wpłaty"));
    FieldGrid(fees, {{"Prowizja FE(%)", ProwizjaFE},
                     {"Opł. od. kap.(%)", OplataZE},
                     {"Zysk FE(%)", ZyskFE},
                     {"Inflacja(%)", InflacjaRoczna}});

    Wplacono1 = ResultField("Wplacono1", this);
    Kapital1 = ResultField("Kapital1", this);
    LabelEmeryt_mc1 = NamedLabel(this, "LabelEmeryt_mc1", QStringLiteral("Emerytura na m-c:"));
    LabelEmeryt_mc1->hide();
    MiesiecznaEmerytura1 = PensionLabel("MiesiecznaEmerytura1", this);
    results_ = {Wplacono1, Kapital1, LabelEmeryt_mc1, MiesiecznaEmerytura1};

    Tabelka1 = MakeGrid("Tabelka1", {{"LP", "LATA", "WPŁATY", "KAPITAŁ"}});
    PrzeliczFE = NamedButton(this, "PrzeliczFE", QStringLiteral("Przelicz &emeryturę"));
    Drukuj2 = NamedButton(this, "Drukuj2", QStringLiteral("Drukuj"));
    Pomoc6 = MakeHelpButton(QStringLiteral("Pomoc6"), 6);
    WyjsciePom5 = MakeExitButton(QStringLiteral("WyjsciePom5"));
    LayOutPage(this, {person, fees}, results_, Tabelka1, {PrzeliczFE, Drukuj2, Pomoc6, WyjsciePom5});

    for (QLineEdit* e : std::initializer_list<QLineEdit*>{SkladkaSrednia, SkladkaMiesieczna, KwotaPoczatkowa,
                                                          ProwizjaFE, ZyskFE, OplataZE, InflacjaRoczna})
        AttachAmountField(e, rules::CheckShort(), ctx_);
    connect(SkladkaSrednia, &QLineEdit::textChanged, this, &EmerytIIIPage::SkladkaSredniaChange);
    connect(SkladkaMiesieczna, &QLineEdit::textChanged, this, &EmerytIIIPage::SkladkaMiesiecznaChange);
    connect(KwotaPoczatkowa, &QLineEdit::textChanged, this, &EmerytIIIPage::KwotaPoczatkowaChange);
    connect(ClickNotifierOf(KwotaPoczatkowa), &ClickNotifier::focusLost, this,
            &EmerytIIIPage::NormalizeStartAmount);
    connect(ProwizjaFE, &QLineEdit::textChanged, this, &EmerytIIIPage::ProwizjaFEChange);
    connect(ZyskFE, &QLineEdit::textChanged, this, &EmerytIIIPage::ZyskFEChange);
    connect(OplataZE, &QLineEdit::textChanged, this, &EmerytIIIPage::OplataZEChange);
    connect(InflacjaRoczna, &QLineEdit::textChanged, this, &EmerytIIIPage::InflacjaRocznaChange);
    connect(DateTimeRokPrzystapienia, &QLineEdit::textChanged, this, [this] { SetResultsVisible(false); });
    connect(TrackBarWiek1, &QSlider::valueChanged, this, &EmerytIIIPage::TrackBarWiek1Change);
    connect(TrackBarLata1, &QSlider::valueChanged, this, &EmerytIIIPage::TrackBarLata1Change);
    connect(RadioGroupPlec1, &RadioGroup::clicked, this, &EmerytIIIPage::RadioGroupPlec1Click);
    connect(PrzeliczFE, &QPushButton::clicked, this, &EmerytIIIPage::PrzeliczFEClick);
    connect(Drukuj2, &QPushButton::clicked, this, &EmerytIIIPage::Drukuj2Click);
}

void EmerytIIIPage::PrzeliczFEClick() {
    WidgetFieldSource source(this), secondPillarSource(&secondPillar_);
    TextFields fields(source), secondPillarFields(secondPillarSource);
    FundGrid grid;
    if (!Run([&] { grid = ProjectThirdPillar(fields, secondPillarFields, rows_); },
             {{this, &fields}, {&secondPillar_, &secondPillarFields}}))
        return;
    ShowGrid(Tabelka1, grid);
    gridExport_->SetData(FundExport(Pillar::Third, grid, rows_));
}

void EmerytIIIPage::Drukuj2Click() {
    PrintReport(Pillar::Third, Tabelka1);
}

void EmerytIIIPage::TrackBarWiek1Change() {
    UstawionyWiek1->setText(Q(YearsText(TrackBarWiek1->value(), YearsOf::Age)));
    SetResultsVisible(false);
}

void EmerytIIIPage::TrackBarLata1Change() {
    UstawionyOkres1->setText(Q(YearsText(TrackBarLata1->value(), YearsOf::Payment)));
    SetResultsVisible(false);
}

void EmerytIIIPage::RadioGroupPlec1Click() {
    SetResultsVisible(false);
}

void EmerytIIIPage::UpdatePartner(QLineEdit* edited, QLineEdit* partner, std::string (*partnerText)(double)) {
    SetResultsVisible(false);
    double value = 0;
    // An empty text is left alone; one that is no number is reported and emptied by the field's rule.
    if (updatingPartner_ || !TryParseAmount(S(edited->text()), value)) return;
    updatingPartner_ = true;
    try {
        partner->setText(Q(partnerText(value)));
    } catch (const ConversionError& e) {
        ctx_.Say(e.what());
        edited->clear();
    }
    updatingPartner_ = false;
}

void EmerytIIIPage::SkladkaSredniaChange() {
    UpdatePartner(SkladkaSrednia, SkladkaMiesieczna, MonthlyFromYearly);
}

void EmerytIIIPage::SkladkaMiesiecznaChange() {
    UpdatePartner(SkladkaMiesieczna, SkladkaSrednia, YearlyFromMonthly);
}

void EmerytIIIPage::KwotaPoczatkowaChange() {
    SetResultsVisible(false);
}

void EmerytIIIPage::NormalizeStartAmount() {
    double value = 0;
    if (KwotaPoczatkowa->text() == kZero || !TryParseAmount(S(KwotaPoczatkowa->text()), value)) return;
    KwotaPoczatkowa->setText(Q(FormatGeneral(value)));
}

void EmerytIIIPage::ProwizjaFEChange() {
    SetResultsVisible(false);
}
void EmerytIIIPage::ZyskFEChange() {
    SetResultsVisible(false);
}
void EmerytIIIPage::OplataZEChange() {
    SetResultsVisible(false);
}
void EmerytIIIPage::InflacjaRocznaChange() {
    SetResultsVisible(false);
}

}  // namespace tolvex
