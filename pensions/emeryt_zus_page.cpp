#include "pensions/emeryt_zus_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <array>

#include "core/amount/amount.h"
#include "core/report/report_printer.h"
#include "pensions/pension_export.h"
#include "pensions/pension_printouts.h"
#include "widgets/amount/amount_field.h"
#include "widgets/common/controls.h"
#include "widgets/common/qt_text.h"
#include "widgets/common/widget_fields.h"
#include "widgets/export/grid_export.h"
#include "widgets/printing/print_job.h"

namespace tolvex {
namespace {

const QString kZero = QStringLiteral("0,00");
const QString kManLifeExpectancy = QStringLiteral("202,7");
const QString kWomanLifeExpectancy = QStringLiteral("245,3");

QLineEdit* AmountEdit(QWidget* parent, const char* name, const QString& text, bool readOnly = false,
                      int width = 90) {
    auto* e = NamedEdit(parent, name, text, readOnly);
    e->setAlignment(Qt::AlignRight);
    e->setFixedWidth(width);
    return e;
}

RadioGroup* Choices(const char* name, const QString& caption, const QStringList& items, QWidget* parent,
                    int columns = 0) {
    const int across = columns > 0 ? columns : static_cast<int>(items.size());
    auto* g = new RadioGroup(QString::fromLatin1(name), caption, items, across, parent);
    g->SetItemIndex(0);
    return g;
}

QLabel* Figure(QWidget* parent, const char* name) {
    auto* l = NamedLabel(parent, name, {});
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

void SetShown(std::initializer_list<QWidget*> widgets, bool shown) {
    for (QWidget* w : widgets) w->setVisible(shown);
}

}  // namespace

EmerytZusPage::EmerytZusPage(UiContext& ctx, QWidget* parent)
    : Page(QStringLiteral("TabSheet9"), ctx, parent) {
    // Person and dates.
    RadioGroupPlec2 = Choices("RadioGroupPlec2", QStringLiteral("Płeć"),
                              {QStringLiteral("mężczyzna"), QStringLiteral("kobieta")}, this, 1);
    CheckBoxWczesnaEmerytura =
        Named(new QCheckBox(QStringLiteral("Wcz. emeryt."), this), "CheckBoxWczesnaEmerytura");
    DateTimeDataUrodzenia = Named(new TDateTimeDlg(ctx_, this), "DateTimeDataUrodzenia");
    DateTimeDataUrodzenia->ConfigureAsMainWindowDate(TIncrementScale::Year);
    LabelDataUrodzenia = NamedLabel(this, "LabelDataUrodzenia", QStringLiteral("Data urodzenia:"));
    DateTimeDataRozpoczeciaPracy = Named(new TDateTimeDlg(ctx_, this), "DateTimeDataRozpoczeciaPracy");
    DateTimeDataRozpoczeciaPracy->ConfigureAsMainWindowDate(TIncrementScale::Year);
    LabelDataPodjeciaPracyZawodowej =
        NamedLabel(this, "LabelDataPodjeciaPracyZawodowej", QStringLiteral("Data pod. pracy:"));
    for (TDateTimeDlg* d : {DateTimeDataUrodzenia, DateTimeDataRozpoczeciaPracy}) d->setFixedWidth(120);

    // Initial capital.
    RadioGroupKapitalPoczatkowy = Choices("RadioGroupKapitalPoczatkowy", QStringLiteral("Kapitał początkowy"),
                                          {QStringLiteral("podaję"), QStringLiteral("wyliczamy")}, this);
    RadioGroupCzyOFEII = Choices("RadioGroupCzyOFEII", QStringLiteral("Czy należymy do II OFE"),
                                 {QStringLiteral("TAK"), QStringLiteral("NIE")}, this);
    EditKapitalPoczatkowy1999 = AmountEdit(this, "EditKapitalPoczatkowy1999", kZero);
    LabelKapitalPoczatkowy1999 =
        NamedLabel(this, "LabelKapitalPoczatkowy1999", QStringLiteral("Kap. pocz na 01.01.1999r"));
    EditKapitalPoczatkowy_mc = AmountEdit(this, "EditKapitalPoczatkowy_mc", kZero, true);
    LabelKapitalPoczatkowy_mc =
        NamedLabel(this, "LabelKapitalPoczatkowy_mc", QStringLiteral("Kapitał pocz./mc"));
    EditKapitalPoczatkowy = AmountEdit(this, "EditKapitalPoczatkowy", kZero, true);
    LabelKapitalPoczatkowy =
        NamedLabel(this, "LabelKapitalPoczatkowy", QStringLiteral("Kapitał pocz. walor."));

    // Base index, base amount and the insurance periods.
    RadioGroupWskaznikPodstawy = Choices("RadioGroupWskaznikPodstawy", QStringLiteral("Wskaźnik podstawy"),
                                         {QStringLiteral("100%"), QStringLiteral("liczymy")}, this);
    RadioGroupLiczenieWskaznikaPodstawy =
        Choices("RadioGroupLiczenieWskaznikaPodstawy", QStringLiteral("Wskaźnik podstawy liczymy dla"),
                {QStringLiteral("10 lat"), QStringLiteral("20 lat")}, this);
    LabelWskaznikPodstawy = Figure(this, "LabelWskaznikPodstawy");
    LabelWskaznikPodstawy->setText(QStringLiteral("Wskaź. podstawy =100%"));
    EditPodstawaKapitalu = AmountEdit(this, "EditPodstawaKapitalu", QStringLiteral("1220,89"));
    LabelPodstawaKapitalu = NamedLabel(this, "LabelPodstawaKapitalu", QStringLiteral("Podst. kapitału"));
    Labelzl1 = NamedLabel(this, "Labelzl1", QStringLiteral("zł"));
    GroupBoxOkresSkladkowy = Named(new QGroupBox(this), "GroupBoxOkresSkladkowy");
    LabelSkladkowy = NamedLabel(GroupBoxOkresSkladkowy, "LabelSkladkowy", QStringLiteral("Składkowy"));
    LabelNieskladkowy =
        NamedLabel(GroupBoxOkresSkladkowy, "LabelNieskladkowy", QStringLiteral("Nieskładkowy"));
    EditLataSkladkowy =
        AmountEdit(GroupBoxOkresSkladkowy, "EditLataSkladkowy", QStringLiteral("0"), false, 50);
    EditMcSkl = AmountEdit(GroupBoxOkresSkladkowy, "EditMcSkl", QStringLiteral("0"), false, 50);
    EditLataNieSkl = AmountEdit(GroupBoxOkresSkladkowy, "EditLataNieSkl", QStringLiteral("0"), false, 50);
    EditMcNieSkl = AmountEdit(GroupBoxOkresSkladkowy, "EditMcNieSkl", QStringLiteral("0"), false, 50);
    auto* periods = new QGridLayout(GroupBoxOkresSkladkowy);
    periods->setContentsMargins(8, 4, 8, 6);
    periods->setVerticalSpacing(2);
    periods->addWidget(LabelSkladkowy, 0, 0, 1, 2, Qt::AlignHCenter);
    periods->addWidget(LabelNieskladkowy, 0, 3, 1, 2, Qt::AlignHCenter);
    const QString captions[] = {QStringLiteral("Lata"), QStringLiteral("Miesiące"), QStringLiteral("Lata"),
                                QStringLiteral("Miesiace")};
    QLineEdit* edits[] = {EditLataSkladkowy, EditMcSkl, EditLataNieSkl, EditMcNieSkl};
    for (int i = 0; i < 4; ++i) {
        const int column = i < 2 ? i : i + 1;
        periods->addWidget(Caption(captions[i], edits[i], GroupBoxOkresSkladkowy), 1, column,
                           Qt::AlignHCenter);
        periods->addWidget(edits[i], 2, column);
    }
    periods->setColumnMinimumWidth(2, 16);

    // Salary and life expectancy.
    EditSredniCzasZycia = AmountEdit(this, "EditSredniCzasZycia", kManLifeExpectancy);
    LabelSredniCzasZycia =
        NamedLabel(this, "LabelSredniCzasZycia", QStringLiteral("Śr. dalsze trwanie życia:\n(w miesiącach)"));
    EditPlacaBruttoZus = AmountEdit(this, "EditPlacaBruttoZus", QStringLiteral("1800"));
    LabelPlacaBruttoZus = NamedLabel(this, "LabelPlacaBruttoZus", QStringLiteral("Placa brutto"));
    Inflacja = Named(new QSpinBox(this), "Inflacja");
    Inflacja->setRange(0, 500);
    Inflacja->setFixedWidth(90);
    Inflacja->setAlignment(Qt::AlignRight);
    LabelInflacja = NamedLabel(this, "LabelInflacja", QStringLiteral("Przyrost płacy(%):"));
    RadioGroupWaloryzacja =
        Choices("RadioGroupWaloryzacja", QStringLiteral("Waloryzujemy nasze pieniądze"),
                {QStringLiteral("NIE"), QStringLiteral("TAK"), QStringLiteral("ŚREDNIA")}, this);
    LabelSredniaWaloryzacja =
        NamedLabel(this, "LabelSredniaWaloryzacja", QString::fromUtf8(kNoValorizationCaption));

    // Results.
    Tabelka2 = Named(new QTableWidget(20, 7, this), "Tabelka2");
    Tabelka2->horizontalHeader()->hide();
    Tabelka2->verticalHeader()->hide();
    Tabelka2->verticalHeader()->setDefaultSectionSize(19);
    Tabelka2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelka2->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Number and year as narrow as they are; the five amounts share the rest.
    for (int c = 0; c < 7; ++c)
        Tabelka2->horizontalHeader()->setSectionResizeMode(
            c, c < 2 ? QHeaderView::ResizeToContents : QHeaderView::Stretch);
    QFont small = Tabelka2->font();
    small.setPointSizeF(8);
    Tabelka2->setFont(small);
    const char* headings[] = {"Lp", "Rok", "Płaca", "Skład.", "Kapitał", "Kap.pocz.", "K.pocz./mc"};
    for (int c = 0; c < 7; ++c) SetGridCell(0, c, QString::fromUtf8(headings[c]));
    tabelka2Export_ = new GridExport(Tabelka2, ctx_);
    LabelInformacjaOEmeryturze = NamedLabel(this, "LabelInformacjaOEmeryturze", {});
    LabelMiesiecznaEmerytura = Figure(this, "LabelMiesiecznaEmerytura");
    LabelMiesiecznaEmerytura->setText(QString::fromUtf8(kMonthlyPensionCaption));
    LabelInformacjaOEmeryturze25 = NamedLabel(this, "LabelInformacjaOEmeryturze25", {});
    LabelMiesiecznaEmerytura25 = Figure(this, "LabelMiesiecznaEmerytura25");
    LabelInformacjaOEmeryturze67 = NamedLabel(this, "LabelInformacjaOEmeryturze67",
                                              QStringLiteral("Emerytura po osiągnięciu wieku 67 lat"));
    LabelMiesiecznaEmerytura67 = Figure(this, "LabelMiesiecznaEmerytura67");
    Wplacono2 = Named(new QLabel(QStringLiteral("Wpłacono"), this), "Wplacono2",
                      QStringLiteral("Pieniądze pobrane przez ZUS(po 1989 roku)) na emeryturę"));
    Kapital2 = Named(new QLabel(QStringLiteral("Kapitał na koncie"), this), "Kapital2",
                     QStringLiteral("Pieniądze znajdujące się(wirtualnie) na naszym koncie"));
    for (QLabel* l : {LabelInformacjaOEmeryturze25, LabelMiesiecznaEmerytura25}) l->hide();
    RadioGroupPlec2Click(0);

    PrzeliczZUS = NamedButton(this, "PrzeliczZUS", QStringLiteral("Przelicz emeryturę"));
    Drukuj_ZUS = NamedButton(this, "Drukuj_ZUS", QStringLiteral("&Drukuj"),
                             QStringLiteral("Drukowanie danych z powyższej tabeli na drukarce"));
    Pomoc_ZUS = MakeHelpButton(QStringLiteral("Pomoc_ZUS"), 8,
                               QStringLiteral("Pomoc dla tej zakładki o emeryturach z ZUS"));
    WyjsciePom7 = MakeExitButton(QStringLiteral("WyjsciePom7"));

    // Left: the inputs, top to bottom as they are asked for. Right: the year table and results.
    auto form = [](std::initializer_list<std::array<QWidget*, 3>> rows) {
        auto* grid = new QGridLayout;
        grid->setVerticalSpacing(3);
        int r = 0;
        for (const auto& row : rows) {
            for (int c = 0; c < 3; ++c)
                if (row[c]) grid->addWidget(row[c], r, c);
            ++r;
        }
        grid->setColumnStretch(2, 1);
        return grid;
    };
    auto* person = new QHBoxLayout;
    person->addWidget(RadioGroupPlec2, 0, Qt::AlignTop);
    person->addLayout(form({{LabelDataUrodzenia, DateTimeDataUrodzenia, nullptr},
                            {LabelDataPodjeciaPracyZawodowej, DateTimeDataRozpoczeciaPracy, nullptr},
                            {nullptr, CheckBoxWczesnaEmerytura, nullptr}}));
    auto* capitalChoices = new QHBoxLayout;
    capitalChoices->addWidget(RadioGroupKapitalPoczatkowy);
    capitalChoices->addWidget(RadioGroupCzyOFEII);
    capitalChoices->addStretch(1);
    auto* indexChoices = new QHBoxLayout;
    indexChoices->addWidget(RadioGroupWskaznikPodstawy);
    indexChoices->addWidget(RadioGroupLiczenieWskaznikaPodstawy);
    indexChoices->addStretch(1);

    auto* leftPanel = new QWidget(this);
    leftPanel->setFixedWidth(335);
    auto* left = new QVBoxLayout(leftPanel);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(5);
    left->addLayout(person);
    left->addLayout(capitalChoices);
    left->addLayout(form({{LabelKapitalPoczatkowy1999, EditKapitalPoczatkowy1999, nullptr},
                          {LabelKapitalPoczatkowy_mc, EditKapitalPoczatkowy_mc, nullptr},
                          {LabelKapitalPoczatkowy, EditKapitalPoczatkowy, nullptr},
                          {LabelPodstawaKapitalu, EditPodstawaKapitalu, Labelzl1}}));
    left->addLayout(indexChoices);
    left->addWidget(LabelWskaznikPodstawy);
    left->addWidget(GroupBoxOkresSkladkowy, 0, Qt::AlignLeft);
    left->addLayout(form({{LabelSredniCzasZycia, EditSredniCzasZycia, nullptr},
                          {LabelPlacaBruttoZus, EditPlacaBruttoZus, nullptr},
                          {LabelInflacja, Inflacja, nullptr}}));
    left->addStretch(1);

    auto* results = form({{LabelInformacjaOEmeryturze, LabelMiesiecznaEmerytura, nullptr},
                          {LabelInformacjaOEmeryturze25, LabelMiesiecznaEmerytura25, nullptr},
                          {LabelInformacjaOEmeryturze67, LabelMiesiecznaEmerytura67, nullptr}});
    results->addWidget(Wplacono2, 3, 0, 1, 3);
    results->addWidget(Kapital2, 4, 0, 1, 3);
    auto* valorization = new QHBoxLayout;
    valorization->addWidget(RadioGroupWaloryzacja);
    valorization->addWidget(LabelSredniaWaloryzacja, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(Tabelka2, 1);
    right->addLayout(valorization);
    right->addLayout(results);
    right->addStretch(0);  // takes the room only where the old system hides the table

    auto* body = new QHBoxLayout;
    body->addWidget(leftPanel);
    body->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PrzeliczZUS);
    buttons->addWidget(Drukuj_ZUS);
    buttons->addStretch(1);
    buttons->addWidget(Pomoc_ZUS);
    buttons->addWidget(WyjsciePom7);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    auto checkReset = [](const QString& resetText, const QString& message = {}) {
        AmountFieldRule rule = rules::Make(ChangeRule::CheckReset, ClickRule::None, ExitRule::None);
        rule.resetText = resetText;
        rule.message = message;
        return rule;
    };
    AttachAmountField(EditPodstawaKapitalu, checkReset(kZero), ctx_);
    AttachAmountField(EditPlacaBruttoZus, checkReset(QStringLiteral("1500")), ctx_);
    AmountFieldRule lifeExpectancy = checkReset({}, QStringLiteral("Błędnie napisana liczba"));
    lifeExpectancy.resetTextOf = [this] {
        return RadioGroupPlec2->ItemIndex() == 1 ? kWomanLifeExpectancy : kManLifeExpectancy;
    };
    AttachAmountField(EditSredniCzasZycia, lifeExpectancy, ctx_);
    for (QLineEdit* e : edits)
        AttachAmountField(
            e, rules::Make(ChangeRule::None, ClickRule::ClearCount, ExitRule::Fill, QStringLiteral("0")),
            ctx_);
    AttachAmountField(EditKapitalPoczatkowy1999,
                      rules::Make(ChangeRule::None, ClickRule::ClearCountOrMoney, ExitRule::Fill), ctx_);
    // What the user types is the entered capital, so a later typing is never ignored.
    connect(EditKapitalPoczatkowy1999, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!TryParseAmount(S(text), enteredInitialCapital_)) enteredInitialCapital_ = 0;
    });

    connect(PrzeliczZUS, &QPushButton::clicked, this, &EmerytZusPage::PrzeliczZUSClick);
    connect(Drukuj_ZUS, &QPushButton::clicked, this, &EmerytZusPage::Drukuj_ZUSClick);
    connect(DateTimeDataUrodzenia, &QLineEdit::textChanged, this,
            &EmerytZusPage::DateTimeDataUrodzeniaChange);
    connect(DateTimeDataRozpoczeciaPracy, &QLineEdit::textChanged, this,
            &EmerytZusPage::DateTimeDataRozpoczeciaPracyChange);
    connect(CheckBoxWczesnaEmerytura, &QCheckBox::clicked, this,
            &EmerytZusPage::CheckBoxWczesnaEmeryturaClick);
    connect(RadioGroupKapitalPoczatkowy, &RadioGroup::clicked, this,
            &EmerytZusPage::RadioGroupKapitalPoczatkowyClick);
    connect(RadioGroupPlec2, &RadioGroup::clicked, this, &EmerytZusPage::RadioGroupPlec2Click);
    connect(RadioGroupWskaznikPodstawy, &RadioGroup::clicked, this,
            &EmerytZusPage::RadioGroupWskaznikPodstawyClick);
    connect(RadioGroupLiczenieWskaznikaPodstawy, &RadioGroup::clicked, this,
            &EmerytZusPage::RadioGroupLiczenieWskaznikaPodstawyClick);
    connect(RadioGroupWaloryzacja, &RadioGroup::clicked, this, &EmerytZusPage::RadioGroupWaloryzacjaClick);
}

void EmerytZusPage::StartUp(const QDate&) {
    SetShown({RadioGroupWskaznikPodstawy, LabelPodstawaKapitalu, EditPodstawaKapitalu, GroupBoxOkresSkladkowy,
              LabelSkladkowy, LabelNieskladkowy},
             false);
    DateTimeDataUrodzenia->setText(QStringLiteral("1952-12-18"));
    SetShown({EditKapitalPoczatkowy, DateTimeDataRozpoczeciaPracy, LabelDataPodjeciaPracyZawodowej}, true);
    DateTimeDataRozpoczeciaPracy->setText(QStringLiteral("1976-12-21"));
    RadioGroupWaloryzacja->show();
    LabelSredniaWaloryzacja->setText(QString::fromUtf8(kNoValorizationCaption));
    SetShown({Labelzl1, LabelWskaznikPodstawy}, false);
}

SalaryIndexDialog* EmerytZusPage::ChosenSalaryDialog() const {
    if (RadioGroupLiczenieWskaznikaPodstawy->ItemIndex() == 1)
        return dialogs_.twentyYears ? dialogs_.twentyYears() : nullptr;
    return dialogs_.tenYears ? dialogs_.tenYears() : nullptr;
}

TTabelaWaloryzacyjna* EmerytZusPage::ValorizationDialog() const {
    return dialogs_.valorization ? dialogs_.valorization() : nullptr;
}

void EmerytZusPage::PrzeliczZUSClick() {
    ZusInputs in;
    in.startOfWorkShown = !DateTimeDataRozpoczeciaPracy->isHidden();
    if (SalaryIndexDialog* d = ChosenSalaryDialog()) in.baseIndex = S(d->LabelSredniWskaznik->text());
    in.enteredInitialCapital = enteredInitialCapital_;
    TTabelaWaloryzacyjna* valorization = ValorizationDialog();
    in.valorization = valorization ? &valorization->Table() : nullptr;
    ZusOutcome out;
    RunCalculation(this, ctx_, [&](TextFields& fields) { CalculateZusPension(fields, in, out); });
    printable_ = out.Completed;
    printedBaseIndex_ = in.baseIndex;
    if (!out.Projected) return;
    Tabelka2->setRowCount(static_cast<int>(out.Grid.Rows.size()) + 1);
    for (int r = 1; r < Tabelka2->rowCount(); ++r)
        for (int c = 0; c < 7; ++c) SetGridCell(r, c, Q(out.Grid.Rows[r - 1][c]));
    tabelka2Export_->SetData(ZusExport(out.Grid));
    lastProjection_ = std::move(out);
}

void EmerytZusPage::Drukuj_ZUSClick() {
    WidgetFieldSource source(this);
    TextFields fields(source);
    std::optional<PensionReport> report;
    try {
        if (printable_) report = PrepareZusReport(fields, ShownGrid(), printedBaseIndex_);
    } catch (const ConversionError& e) {
        return ctx_.Say(e.what());
    }
    if (!report) return ctx_.Say(std::string(kNothingToPrintPension));
    RunPrintJob(window(), ctx_, kZusReportName, [&](PrintCanvas& canvas) {
        ReportPrinter printer(canvas);
        PrintPensionReport(printer, *report);
    });
}

ZusGrid EmerytZusPage::ShownGrid() const {
    ZusGrid grid;
    for (int r = 1; r < Tabelka2->rowCount(); ++r) {
        auto& row = grid.Rows.emplace_back();
        for (int c = 0; c < 7; ++c)
            if (const QTableWidgetItem* item = Tabelka2->item(r, c)) row[c] = S(item->text());
    }
    return grid;
}

void EmerytZusPage::SetGridCell(int row, int column, const QString& text) {
    QTableWidgetItem* item = Tabelka2->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        if (row == 0) {
            item->setFlags(Qt::ItemIsEnabled);
            item->setBackground(Tabelka2->palette().color(QPalette::Button));
            item->setTextAlignment(Qt::AlignCenter);
        } else {
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        Tabelka2->setItem(row, column, item);
    }
    item->setText(text);
}

void EmerytZusPage::ClearTabelka2() {
    tabelka2Export_->Clear();
    for (int r = 1; r < Tabelka2->rowCount(); ++r)
        for (int c = 0; c < 7; ++c)
            if (QTableWidgetItem* item = Tabelka2->item(r, c)) item->setText(QString());
}

void EmerytZusPage::DateTimeDataUrodzeniaChange() {
    if (!ctx_.mainWindowShown) return;
    const std::optional<Date> birth = TryParseDate(S(DateTimeDataUrodzenia->text()));
    if (!birth) return;
    RadioGroupWaloryzacja->SetItemIndex(0);
    RadioGroupWskaznikPodstawy->SetItemIndex(0);
    ClearTabelka2();
    const Date start = TwentyYearsOn(*birth);
    // Beyond year 9999 no date field can hold it; the start of work then stays.
    if (static_cast<int>(start.year()) <= 9999) DateTimeDataRozpoczeciaPracy->setText(Q(FormatDate(start)));
    const Date startNow = TryParseDate(S(DateTimeDataRozpoczeciaPracy->text())).value_or(start);
    if (IsOldSystem(*birth, CheckBoxWczesnaEmerytura->isChecked()))
        ApplyLayout(ZusLayout::OldSystem, *birth, LayoutCause::BirthDate);
    if (LayoutFor(*birth, startNow) != ZusLayout::OldSystem)
        ApplyLayout(LayoutFor(*birth, startNow), *birth, LayoutCause::BirthDate);
}

void EmerytZusPage::ShowPeriodControls(bool shown) {
    SetShown({RadioGroupWskaznikPodstawy, LabelPodstawaKapitalu, EditPodstawaKapitalu, Labelzl1,
              GroupBoxOkresSkladkowy, LabelSkladkowy, LabelNieskladkowy},
             shown);
}

void EmerytZusPage::ApplyLayout(ZusLayout layout, const Date& birth, LayoutCause cause) {
    const bool old = layout == ZusLayout::OldSystem, initial = layout == ZusLayout::InitialCapital,
               fresh = layout == ZusLayout::NewSystem;
    RadioGroupKapitalPoczatkowy->setVisible(initial);
    if (initial) RadioGroupKapitalPoczatkowy->SetItemIndex(0);
    RadioGroupCzyOFEII->setVisible(initial);
    if (fresh) RadioGroupCzyOFEII->SetItemIndex(0);
    SetShown({EditKapitalPoczatkowy1999, LabelKapitalPoczatkowy1999, EditKapitalPoczatkowy_mc,
              LabelKapitalPoczatkowy_mc},
             initial);
    bool capitalShown = static_cast<int>(birth.year()) + 20 < 1999;
    if (cause == LayoutCause::EarlyRetirementBox) capitalShown = !old;
    SetShown({EditKapitalPoczatkowy, LabelKapitalPoczatkowy}, capitalShown);
    if (fresh) EditKapitalPoczatkowy->setReadOnly(false);
    SetShown({EditPlacaBruttoZus, LabelPlacaBruttoZus, Inflacja, LabelInflacja, EditSredniCzasZycia,
              LabelSredniCzasZycia},
             !old);
    ShowPeriodControls(old);
    if (old || fresh) LabelWskaznikPodstawy->setVisible(old);
    if (cause == LayoutCause::EarlyRetirementBox && initial) LabelWskaznikPodstawy->hide();
    if (cause == LayoutCause::BirthDate) {
        RadioGroupLiczenieWskaznikaPodstawy->setVisible(!fresh);
        CheckBoxWczesnaEmerytura->setVisible(old);
    }
    // The projection's controls and results; the old system has none of them.
    SetShown({Tabelka2, Wplacono2, Kapital2, DateTimeDataRozpoczeciaPracy, LabelDataPodjeciaPracyZawodowej,
              RadioGroupWaloryzacja, LabelSredniaWaloryzacja, RadioGroupPlec2, LabelInformacjaOEmeryturze67,
              LabelMiesiecznaEmerytura67},
             !old);
    if (old) SetShown({LabelInformacjaOEmeryturze25, LabelMiesiecznaEmerytura25}, false);
    if (old) {
        LabelPodstawaKapitalu->setText(QStringLiteral("Kwota bazowa"));
        EditPodstawaKapitalu->setText(QStringLiteral("2822,66"));
    } else if (initial) {
        LabelPodstawaKapitalu->setText(QStringLiteral("Podst. kapitału"));
        EditPodstawaKapitalu->setText(QStringLiteral("1220,89"));
    }
    LabelMiesiecznaEmerytura->setText(QString::fromUtf8(kMonthlyPensionCaption));
    printable_ = false;
}

void EmerytZusPage::DateTimeDataRozpoczeciaPracyChange() {
    RadioGroupWaloryzacja->SetItemIndex(0);
    RadioGroupWskaznikPodstawy->SetItemIndex(0);
}

void EmerytZusPage::CheckBoxWczesnaEmeryturaClick() {
    const std::optional<Date> birth = TryParseDate(S(DateTimeDataUrodzenia->text()));
    if (birth && *birth > MakeDate(1949, 1, 1) && CheckBoxWczesnaEmerytura->isChecked()) {
        DateTimeDataUrodzenia->setEnabled(false);
        ApplyLayout(ZusLayout::OldSystem, *birth, LayoutCause::EarlyRetirementBox);
        return;
    }
    DateTimeDataUrodzenia->setEnabled(true);
    DateTimeDataUrodzenia->setText(QStringLiteral("1952-12-18"));
    RadioGroupKapitalPoczatkowy->SetItemIndex(0);
    ApplyLayout(ZusLayout::InitialCapital, MakeDate(1952, 12, 18), LayoutCause::EarlyRetirementBox);
    RadioGroupWskaznikPodstawy->SetItemIndex(0);
}

void EmerytZusPage::RadioGroupKapitalPoczatkowyClick(int index) {
    const bool computed = index == 1;
    ShowPeriodControls(computed);
    LabelWskaznikPodstawy->setVisible(computed);
    EditKapitalPoczatkowy->setReadOnly(true);
    EditKapitalPoczatkowy1999->setReadOnly(computed);
    if (!computed) {
        SetShown({EditKapitalPoczatkowy, EditKapitalPoczatkowy1999}, true);
        if (!TryParseAmount(S(EditKapitalPoczatkowy1999->text()), enteredInitialCapital_))
            enteredInitialCapital_ = 0;
        return;
    }
    const std::optional<Date> start = TryParseDate(S(DateTimeDataRozpoczeciaPracy->text()));
    if (!start) return;
    // Contributory time before 1999 only: a start after 1998 has none.
    const int year = static_cast<int>(start->year());
    const int month = static_cast<int>(static_cast<unsigned>(start->month()));
    EditLataSkladkowy->setText(QString::number(year > 1998 ? 0 : 1998 - year));
    EditMcSkl->setText(QString::number(year > 1998 ? 0 : 12 - month));
}

void EmerytZusPage::RadioGroupPlec2Click(int index) {
    const bool woman = index == 1;
    EditSredniCzasZycia->setText(woman ? kWomanLifeExpectancy : kManLifeExpectancy);
    LabelInformacjaOEmeryturze->setText(woman ? QStringLiteral("Emerytura po osiągnięciu wieku 60 lat")
                                              : QStringLiteral("Emerytura po osiągnięciu wieku 65 lat"));
    LabelInformacjaOEmeryturze25->setText(woman ? QStringLiteral("Emerytura po przepracowaniu 20 lat")
                                                : QStringLiteral("Emerytura po przepracowaniu 25 lat"));
}

void EmerytZusPage::RadioGroupWskaznikPodstawyClick() {
    SalaryIndexDialog* dialog = ChosenSalaryDialog();
    if (RadioGroupWskaznikPodstawy->ItemIndex() != 1 || !dialog) return;
    dialog->PrepareOpening();
    ctx_.execModal(*dialog);
}

void EmerytZusPage::RadioGroupLiczenieWskaznikaPodstawyClick() {
    RadioGroupWskaznikPodstawyClick();
}

void EmerytZusPage::RadioGroupWaloryzacjaClick(int index) {
    if (index == static_cast<int>(Valorization::Average)) {
        LabelSredniaWaloryzacja->show();
        LabelSredniaWaloryzacja->setText(Q(AverageValorizationCaption()));
    } else if (index == static_cast<int>(Valorization::None)) {
        LabelSredniaWaloryzacja->show();
        LabelSredniaWaloryzacja->setText(QString::fromUtf8(kNoValorizationCaption));
    } else {
        LabelSredniaWaloryzacja->hide();
        const std::optional<Date> birth = TryParseDate(S(DateTimeDataUrodzenia->text()));
        const std::optional<Date> start = TryParseDate(S(DateTimeDataRozpoczeciaPracy->text()));
        TTabelaWaloryzacyjna* valorization = ValorizationDialog();
        if (!birth || !start || !valorization) return;
        const bool to1968 = *birth <= MakeDate(1968, 12, 31);
        valorization->Fill(FillValorizationGrid(static_cast<int>(birth->year()), to1968,
                                                RadioGroupPlec2->ItemIndex() == 1,
                                                static_cast<int>(start->year())));
        ctx_.execModal(*valorization);
    }
}

void EmerytZusPage::ShowBaseIndex(const QString& caption) {
    LabelWskaznikPodstawy->setText(caption);
    LabelWskaznikPodstawy->show();
}

}  // namespace tolvex
