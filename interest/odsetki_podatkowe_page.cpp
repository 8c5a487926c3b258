#include "interest/odsetki_podatkowe_page.h"

#include <algorithm>

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "core/amount/amount.h"
#include "interest/interest_export.h"
#include "interest/interest_statement.h"
#include "widgets/amount/amount_field.h"
#include "widgets/common/controls.h"
#include "widgets/common/qt_text.h"
#include "widgets/common/radio_group.h"
#include "widgets/datetime/tdatetimedlg.h"
#include "widgets/export/grid_export.h"
#include "widgets/printing/print_job.h"

namespace tolvex {
namespace {

constexpr int kGridRows = 50;
constexpr int kColumnWidths[] = {40, 89, 72, 120};

QString Zl(double value) {
    return Q(AppendZlSuffix(FormatMoney(value)));
}

}  // namespace

OdsetkiPodatkowePage::OdsetkiPodatkowePage(UiContext& ctx, QWidget* parent)
    : Page(QStringLiteral("TabSheet4"), ctx, parent) {
    DateTimePocz1 = Named(new TDateTimeDlg(ctx_, this), "DateTimePocz1",
                          QStringLiteral("Następny dzień po dniu, w którym podatek powinien być zapłacony"));
    DateTimeKon1 = Named(new TDateTimeDlg(ctx_, this), "DateTimeKon1",
                         QStringLiteral("Dzień, w którym zaległość jest regulowana"));
    for (auto* d : {DateTimePocz1, DateTimeKon1}) d->ConfigureAsMainWindowDate(TIncrementScale::Day);
    EditKwota1 = Named(new QLineEdit(this), "EditKwota1",
                       QStringLiteral("Kwota, od której naliczamy odsetki podatkowe(ustawowe)"));
    RadioGroup2 = new RadioGroup(
        QStringLiteral("RadioGroup2"), QStringLiteral("Rodzaj odsetek"),
        {QStringLiteral("Odsetki podatkowe"), QStringLiteral("Odsetki ustawowe (kapitałowe)")}, 1, this);
    RadioGroup2->SetItemIndex(0);

    StringGrid1 = Named(new QTableWidget(kGridRows, 4, this), "StringGrid1");
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(StringGrid1->fontMetrics().height() + 4);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setTextElideMode(Qt::ElideNone);
    // A block of cells, so that "Kopiuj" can take more than one.
    StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    int width = 2 * StringGrid1->frameWidth() + StringGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int c = 0; c < 4; ++c) {
        // The classic widths were made for a smaller font; "Razem" must still fit its cell.
        const int w =
            c == 0 ? std::max(kColumnWidths[c],
                              StringGrid1->fontMetrics().horizontalAdvance(QStringLiteral("Razem")) + 12)
                   : kColumnWidths[c];
        StringGrid1->setColumnWidth(c, w);
        width += w;
    }
    StringGrid1->setFixedWidth(width);
    stringGrid1Export_ = new GridExport(StringGrid1, ctx_);
    // Row 0 and column 0 are the fixed heading row and number column.
    const QBrush fixed = StringGrid1->palette().button();
    for (int r = 0; r < kGridRows; ++r)
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem;
            if (r == 0 || c == 0) {
                item->setBackground(fixed);
                item->setFlags(Qt::ItemIsEnabled);
            }
            StringGrid1->setItem(r, c, item);
        }

    EditSumaOdsetekPom = Named(new QLineEdit(this), "EditSumaOdsetekPom");
    EditSumaOdsetekPom->setReadOnly(true);
    EditSumaOdsetek = Named(new QLineEdit(this), "EditSumaOdsetek");
    EditNaleznosc = Named(new QLineEdit(this), "EditNaleznosc");
    EditNaleznosc->setReadOnly(true);
    WyliczOdsetki_Pod_Ust =
        Named(new QPushButton(QStringLiteral("Wylicz odsetki"), this), "WyliczOdsetki_Pod_Ust",
              QStringLiteral("Wyliczenie odsetek podatkowych(ustawowych) od podane kowty za wybrany okres"));
    Drukuj1 = Named(new QPushButton(QStringLiteral("Drukuj"), this), "Drukuj1",
                    QStringLiteral("Wydruk na drukarce odsetek podatkowych(ustawowych)"));
    Pomoc3 = MakeHelpButton(QStringLiteral("Pomoc3"), 3);
    WyjsciePom2 = MakeExitButton(QStringLiteral("WyjsciePom2"));

    AttachAmountField(EditKwota1, rules::Check(ClickRule::ClearPlaceholder), ctx_);
    connect(WyliczOdsetki_Pod_Ust, &QPushButton::clicked, this,
            &OdsetkiPodatkowePage::WyliczOdsetki_Pod_UstClick);
    connect(Drukuj1, &QPushButton::clicked, this, &OdsetkiPodatkowePage::Drukuj1Click);

    auto* inputs = new QGridLayout;
    inputs->setVerticalSpacing(6);
    inputs->addWidget(Caption(QStringLiteral("OD DNIA"), DateTimePocz1, this), 0, 0);
    inputs->addWidget(DateTimePocz1, 0, 1);
    inputs->addWidget(Caption(QStringLiteral("DO DNIA"), DateTimeKon1, this), 1, 0);
    inputs->addWidget(DateTimeKon1, 1, 1);
    inputs->addWidget(Caption(QStringLiteral("Kwota zaległości"), EditKwota1, this), 2, 0);
    inputs->addWidget(EditKwota1, 2, 1);
    inputs->addWidget(RadioGroup2, 3, 0, 1, 2);
    inputs->addWidget(WyliczOdsetki_Pod_Ust, 4, 0, 1, 2);

    auto* sums = new QGroupBox(QStringLiteral("Suma odsetek"), this);
    auto* sumsGrid = new QGridLayout(sums);
    sumsGrid->addWidget(Caption(QStringLiteral("Przed zaokr."), EditSumaOdsetekPom, sums), 0, 0);
    sumsGrid->addWidget(EditSumaOdsetekPom, 0, 1);
    sumsGrid->addWidget(Caption(QStringLiteral("Po zaokr."), EditSumaOdsetek, sums), 1, 0);
    sumsGrid->addWidget(EditSumaOdsetek, 1, 1);

    auto* due = new QGridLayout;
    due->addWidget(Caption(QStringLiteral("Całkowita należność:"), EditNaleznosc, this), 0, 0);
    due->addWidget(EditNaleznosc, 0, 1);

    auto* left = new QVBoxLayout;
    left->setSpacing(10);
    left->addLayout(inputs);
    left->addWidget(sums);
    left->addLayout(due);
    left->addWidget(Drukuj1, 0, Qt::AlignLeft);
    left->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(16);
    columns->addLayout(left);
    columns->addWidget(StringGrid1);
    columns->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 4);
    layout->addLayout(columns, 1);
    layout->addLayout(ButtonRow({Pomoc3, WyjsciePom2}));
}

void OdsetkiPodatkowePage::StartUp(const QDate& today) {
    const QString date = DateText(today);
    DateTimePocz1->setText(date);
    DateTimeKon1->setText(date);
    EditKwota1->setText(QStringLiteral("0,00"));
    const char* headings[] = {"Nr", " %", "Ile dni", "Odsetki"};
    for (int c = 0; c < 4; ++c) SetCell(c, 0, QString::fromUtf8(headings[c]));
}

InterestKind OdsetkiPodatkowePage::ChosenKind() const {
    return RadioGroup2->ItemIndex() == 1 ? InterestKind::Statutory : InterestKind::Tax;
}

QString OdsetkiPodatkowePage::Cell(int col, int row) const {
    const QTableWidgetItem* item = StringGrid1->item(row, col);
    return item ? item->text() : QString();
}

void OdsetkiPodatkowePage::SetCell(int col, int row, const QString& text) {
    if (QTableWidgetItem* item = StringGrid1->item(row, col)) item->setText(text);
}

void OdsetkiPodatkowePage::FillGrid(const std::vector<InterestGridRow>& rows) {
    for (int r = 1; r < StringGrid1->rowCount(); ++r)
        for (int c = 0; c < 4; ++c) SetCell(c, r, QString());
    for (std::size_t r = 0; r < rows.size() && static_cast<int>(r) + 1 < StringGrid1->rowCount(); ++r)
        for (int c = 0; c < 4; ++c) SetCell(c, static_cast<int>(r) + 1, Q(rows[r][c]));
}

void OdsetkiPodatkowePage::WyliczOdsetki_Pod_UstClick() {
    // The last result goes before any check, so a refused press leaves nothing to print.
    result_ = {};
    const InterestKind kind = ChosenKind();
    try {
        const Date start = ParseDate(S(DateTimePocz1->text()));
        const Date end = ParseDate(S(DateTimeKon1->text()));
        if (const std::string refusal = CheckInterestRange(kind, start, end); !refusal.empty())
            return ctx_.Say(refusal);
        const double amount = ParseAmount(S(EditKwota1->text()));
        const TaxInterestResult result = CalculateTaxInterest(kind, start, end, amount).Result;
        // Every text is made before anything is shown, so a result out of range changes nothing.
        const auto rows = TaxInterestGridRows(result, kind);
        GridExportData exported = InterestExport(result, kind);
        const QString texts[] = {Zl(result.SumBeforeRounding), Zl(result.InterestSum), Zl(result.TotalDue)};
        result_ = result;
        resultKind_ = kind;
        FillGrid(rows);
        stringGrid1Export_->SetData(std::move(exported));
        EditSumaOdsetekPom->setText(texts[0]);
        EditSumaOdsetek->setText(texts[1]);
        EditNaleznosc->setText(texts[2]);
    } catch (const ConversionError& error) {
        ctx_.Say(error.what());
    }
}

void OdsetkiPodatkowePage::Drukuj1Click() {
    // Segments belong to the table they were computed from; with the other kind chosen now the
    // statement would pair them with the wrong periods and rates.
    if (result_.Empty() || ChosenKind() != resultKind_) return ctx_.Say(std::string(kNothingToPrintMessage));
    const InterestStatementFields fields{ChosenKind(), S(DateTimePocz1->text()), S(DateTimeKon1->text()),
                                         S(EditKwota1->text())};
    RunPrintJob(window(), ctx_, kInterestReportName, [&](PrintCanvas& canvas) {
        ReportPrinter report(canvas);
        PrintInterestStatement(report, result_, fields);
    });
}

}  // namespace tolvex
