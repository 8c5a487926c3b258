#include "pensions/zus_index_dialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "core/amount/amount.h"
#include "widgets/common/controls.h"
#include "widgets/common/qt_text.h"

namespace tolvex {
namespace {

constexpr const char* kBadNumber = "Błędnie napisana liczba(separator lub wartość)";

// A string grid: no Qt headers, row 0 (and column 0 where `fixedColumn`) drawn as headings.
QTableWidget* StringGrid(QWidget* parent, const char* name, int rows, int columns, bool fixed = true) {
    auto* g = Named(new QTableWidget(rows, columns, parent), name);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(20);
    g->horizontalHeader()->setStretchLastSection(true);
    g->setProperty("fixedCells", fixed);
    return g;
}

QTableWidgetItem* CellItem(QTableWidget* grid, int row, int column) {
    QTableWidgetItem* item = grid->item(row, column);
    if (item) return item;
    item = new QTableWidgetItem;
    if (grid->property("fixedCells").toBool() && (row == 0 || column == 0)) {
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(grid->palette().color(QPalette::Button));
    } else {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    grid->setItem(row, column, item);
    return item;
}

void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
    CellItem(grid, row, column)->setText(text);
}

QString CellText(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

// Headings, row numbers, and an item in every cell so typed values align as the program's own.
void SetHeadings(QTableWidget* grid, const QStringList& headings) {
    for (int c = 0; c < headings.size(); ++c) SetCell(grid, 0, c, headings[c]);
    for (int r = 1; r < grid->rowCount(); ++r) {
        SetCell(grid, r, 0, QString::number(r));
        for (int c = 1; c < grid->columnCount(); ++c) CellItem(grid, r, c);
    }
}

QLabel* Note(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    return l;
}

}  // namespace

SalaryIndexDialog::SalaryIndexDialog(const char* formName, const QString& title, int years,
                                     const UiContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), years_(years) {
    setObjectName(QString::fromLatin1(formName));
    setWindowTitle(title);
    StringGridTabelaWynagrodzen = StringGrid(this, "StringGridTabelaWynagrodzen", years + 1, 4);
    for (const auto& [column, width] : {std::pair{0, 40}, {1, 60}, {2, 130}, {3, 130}})
        StringGridTabelaWynagrodzen->setColumnWidth(column, width);
    Zapamietaj = NamedButton(this, "Zapamietaj", QStringLiteral("&Licz wskaźnik podstawy"));
    Zamknij1 = NamedButton(this, "Zamknij1", QStringLiteral("&Wyjście"),
                           QStringLiteral("Wyjście bez zapamiętania danych w tabeli"));
    LabelWskaznikPodstawy_tekst =
        NamedLabel(this, "LabelWskaznikPodstawy_tekst", QStringLiteral("Wskaznik podstawy"));
    LabelSredniWskaznik = NamedLabel(this, "LabelSredniWskaznik", QStringLiteral("100"));
    QFont bold = LabelSredniWskaznik->font();
    bold.setBold(true);
    LabelSredniWskaznik->setFont(bold);
    LabelProcent = NamedLabel(this, "LabelProcent", QStringLiteral("%"));
    CheckBoxWprowadzWskaznik =
        Named(new QCheckBox(QStringLiteral("Wprowadź wskaźnik ręcznie"), this), "CheckBoxWprowadzWskaznik");
    EditWskaznikPlacy = NamedEdit(this, "EditWskaznikPlacy", QStringLiteral("100"));
    EditWskaznikPlacy->setMaximumWidth(80);
    EditWskaznikPlacy->setAlignment(Qt::AlignRight);

    auto* result = new QHBoxLayout;
    result->addWidget(LabelWskaznikPodstawy_tekst);
    result->addWidget(LabelSredniWskaznik);
    result->addWidget(LabelProcent);
    result->addSpacing(16);
    result->addWidget(CheckBoxWprowadzWskaznik);
    result->addWidget(EditWskaznikPlacy);
    result->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Zapamietaj);
    buttons->addStretch(1);
    buttons->addWidget(Zamknij1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StringGridTabelaWynagrodzen, 1);
    layout->addLayout(result);
    layout->addLayout(buttons);
    resize(400, years == 10 ? 360 : 560);

    connect(StringGridTabelaWynagrodzen, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { StringGridTabelaWynagrodzenSelectCell(row, column); });
    connect(Zapamietaj, &QPushButton::clicked, this, &SalaryIndexDialog::ZapamietajClick);
    connect(Zamknij1, &QPushButton::clicked, this, &SalaryIndexDialog::Zamknij1Click);
    connect(CheckBoxWprowadzWskaznik, &QCheckBox::clicked, this,
            &SalaryIndexDialog::CheckBoxWprowadzWskaznikClick);
    PrepareOpening();
}

void SalaryIndexDialog::PrepareOpening() {
    preparing_ = true;
    SetHeadings(StringGridTabelaWynagrodzen,
                {QStringLiteral("LP"), QStringLiteral("ROK"), QStringLiteral("WYNAGRODZENIE"),
                 QStringLiteral("ŚREDNIA KRAJOWA")});
    AverageSalaries = BuiltInAverageSalaries();
    CheckBoxWprowadzWskaznik->setChecked(false);
    EditWskaznikPlacy->hide();
    StringGridTabelaWynagrodzen->setCurrentCell(1, 1);
    preparing_ = false;
}

std::vector<SalaryGridRow> SalaryIndexDialog::Rows() const {
    std::vector<SalaryGridRow> rows;
    for (int r = 1; r <= years_; ++r)
        rows.push_back({S(CellText(StringGridTabelaWynagrodzen, r, 1)),
                        S(CellText(StringGridTabelaWynagrodzen, r, 2)),
                        S(CellText(StringGridTabelaWynagrodzen, r, 3))});
    return rows;
}

void SalaryIndexDialog::SetRows(const std::vector<SalaryGridRow>& rows) {
    for (int r = 1; r <= static_cast<int>(rows.size()); ++r) {
        const SalaryGridRow& row = rows[r - 1];
        for (const auto& [column, text] : {std::pair{1, &row.year}, {2, &row.salary}, {3, &row.average}})
            if (CellText(StringGridTabelaWynagrodzen, r, column) != Q(*text))
                SetCell(StringGridTabelaWynagrodzen, r, column, Q(*text));
    }
}

void SalaryIndexDialog::StringGridTabelaWynagrodzenSelectCell(int row, int column) {
    // Selecting the first year's own cell is how it gets typed.
    if (preparing_ || (row == 1 && column == 1)) return;
    std::vector<SalaryGridRow> rows = Rows();
    if (!FillSalaryYears(rows, AverageSalaries)) return ctx_.Say(std::string(kFirstYearMissing));
    SetRows(rows);
}

bool SalaryIndexDialog::TakeManualIndex() {
    if (!CheckBoxWprowadzWskaznik->isChecked()) return true;
    const QString manual = EditWskaznikPlacy->text();
    if (!IsAmount(S(manual))) {
        ctx_.Say(kBadNumber);
        return false;
    }
    LabelSredniWskaznik->setText(manual);
    emit baseIndexShown(QStringLiteral("Wskaź. podstawy : ") + manual);
    return true;
}

void SalaryIndexDialog::ZapamietajClick() {
    std::vector<SalaryGridRow> rows = Rows();
    double W = 0;
    try {
        W = ComputeBaseIndex(rows);
    } catch (const ConversionError& error) {
        SetRows(rows);
        return ctx_.Say(error.what());
    }
    SetRows(rows);
    const QString text = Q(FormatGeneral(W));
    emit baseIndexShown(QStringLiteral("Wskaź. podstawy =") + text + QLatin1Char('%'));
    LabelSredniWskaznik->setText(text);
    TakeManualIndex();
}

void SalaryIndexDialog::Zamknij1Click() {
    if (TakeManualIndex()) reject();
}

void SalaryIndexDialog::CheckBoxWprowadzWskaznikClick() {
    EditWskaznikPlacy->setVisible(CheckBoxWprowadzWskaznik->isChecked());
}

TTabelaWynagrodzen::TTabelaWynagrodzen(const UiContext& ctx, QWidget* parent)
    : SalaryIndexDialog("TTabelaWynagrodzen",
                        QStringLiteral("Tabela wynagrodzeń z 10 kolejnych najlepszych lat"), 10, ctx,
                        parent) {}

TTabelaWynagrodzen20::TTabelaWynagrodzen20(const UiContext& ctx, QWidget* parent)
    : SalaryIndexDialog("TTabelaWynagrodzen20",
                        QStringLiteral("Tabela wynagrodzeń z 20 kolejnych najlepszych lat"), 20, ctx,
                        parent) {}

TTabelaWaloryzacyjna::TTabelaWaloryzacyjna(const UiContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("TTabelaWaloryzacyjna"));
    setWindowTitle(QStringLiteral("TABELA WALORYZACYJNA"));
    StringGridTabelaWaloryzacyjna = StringGrid(this, "StringGridTabelaWaloryzacyjna", 40, 3);
    SetHeadings(StringGridTabelaWaloryzacyjna,
                {QStringLiteral("LP"), QStringLiteral("ROK"), QStringLiteral("% WALORYZACJI")});
    for (const auto& [column, width] : {std::pair{0, 40}, {1, 60}, {2, 110}})
        StringGridTabelaWaloryzacyjna->setColumnWidth(column, width);
    StringGridPomocniczy = StringGrid(this, "StringGridPomocniczy", 45, 2, false);
    StringGridPomocniczy->setToolTip(QStringLiteral("Wpisz te dane do tablicy waloryzacyjnej"));
    StringGridPomocniczy->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGridPomocniczy->setColumnWidth(0, 50);
    StringGridPomocniczy->setColumnWidth(1, 70);
    StringGridPomocniczy->setFixedWidth(145);
    Zapamietaj = NamedButton(this, "Zapamietaj", QStringLiteral("&Zapisz wskaźniki waloryzacji"));
    Zamknij1 = NamedButton(this, "Zamknij1", QStringLiteral("&Wyjście"));

    auto* notes = new QVBoxLayout;
    auto* title = Note(QStringLiteral("Wskaźnik waloryzacji"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    notes->addWidget(title);
    notes->addWidget(Note(QStringLiteral("Jeżeli waloryzacja wyniosła 5,2% to %Waloryzacji"), this));
    notes->addWidget(Note(QStringLiteral("zapisujemy jako 105,2"), this));
    notes->addSpacing(8);
    notes->addWidget(StringGridPomocniczy, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(StringGridTabelaWaloryzacyjna, 1);
    body->addLayout(notes);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Zapamietaj);
    buttons->addStretch(1);
    buttons->addWidget(Zamknij1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    resize(470, 560);

    connect(StringGridTabelaWaloryzacyjna, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { StringGridTabelaWaloryzacyjnaSelectCell(row, column); });
    connect(Zapamietaj, &QPushButton::clicked, this, &TTabelaWaloryzacyjna::ZapamietajClick);
    connect(Zamknij1, &QPushButton::clicked, this, &TTabelaWaloryzacyjna::Zamknij1Click);
}

void TTabelaWaloryzacyjna::Fill(const ValorizationGridFill& fill) {
    filling_ = true;
    QTableWidget* grid = StringGridTabelaWaloryzacyjna;
    grid->setRowCount(fill.rows + 1);
    for (int r = 1; r <= fill.rows; ++r) {
        SetCell(grid, r, 0, QString::number(r));
        SetCell(grid, r, 1, QString::number(1998 + r));
        if (!fill.indexColumn.empty()) SetCell(grid, r, 2, Q(fill.indexColumn[r - 1]));
        CellItem(grid, r, 2);
    }
    StringGridPomocniczy->setVisible(fill.helperShown);
    if (fill.helperShown) {
        StringGridPomocniczy->setRowCount(std::max(45, fill.rows));
        for (int i = 0; i < fill.rows; ++i) {
            SetCell(StringGridPomocniczy, i, 0, QString::number(1999 + i));
            SetCell(StringGridPomocniczy, i, 1, Q(FormatGeneral(BuiltInValorization(i + 1))));
        }
    }
    if (fill.rows > 0) grid->setCurrentCell(1, 2);
    filling_ = false;
}

void TTabelaWaloryzacyjna::StringGridTabelaWaloryzacyjnaSelectCell(int row, int column) {
    if (filling_ || (row == 1 && column == 1)) return;
    QTableWidget* grid = StringGridTabelaWaloryzacyjna;
    const std::optional<int> first = WholeNumber(S(CellText(grid, 1, 1)));
    if (!first) return ctx_.Say(std::string(kFirstYearMissing));
    // Every row of the grid follows the first year, however many the person needs.
    for (int r = 2; r < grid->rowCount(); ++r) SetCell(grid, r, 1, QString::number(*first + r - 1));
}

void TTabelaWaloryzacyjna::ZapamietajClick() {
    QTableWidget* grid = StringGridTabelaWaloryzacyjna;
    std::vector<std::pair<std::string, std::string>> rows;
    for (int r = 1; r < grid->rowCount(); ++r)
        rows.emplace_back(S(CellText(grid, r, 1)), S(CellText(grid, r, 2)));
    try {
        ValorizationTable_.Store(ReadValorizationRows(rows));
    } catch (const ConversionError& error) {
        return ctx_.Say(error.what());
    }
    for (int r = 1; r < grid->rowCount(); ++r)
        if (CellText(grid, r, 2).isEmpty()) SetCell(grid, r, 2, Q(rows[r - 1].second));
}

void TTabelaWaloryzacyjna::Zamknij1Click() {
    reject();
}

}  // namespace tolvex
