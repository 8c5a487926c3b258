#include "widgets/export/grid_export.h"

#include <QApplication>
#include <QAreaSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "support/ui_fixture.h"
#include "widgets/common/qt_text.h"
#include "widgets/export/chart_module.h"
#include "widgets/export/save_file.h"

namespace tolvex::testing {
namespace {

using Texts = std::vector<std::string>;

class GridExportTest : public MainWindowTest {
  protected:
    GridExport* Export(const char* grid) const {
        return Find<QTableWidget>(grid)->findChild<GridExport*>(QString::fromLatin1(grid) + "Eksport");
    }
    // A 10 000 zł decreasing loan over 12 months from 2024-03-10.
    void Loan() {
        Fill(
            "RadioGroup3:1;RadioGroup4:1;KredytBankowy=10000;OkresBankowyKredytu=12;ProcentBankowy=12;"
            "DataKredytu=2024-03-10");
        Press("PrzeliczRaty");
    }
    // Three rate periods from 2022-07-01.
    void Interest() {
        Fill("DateTimePocz1=2022-07-01;DateTimeKon1=2022-10-01;EditKwota1=10000");
        Press("WyliczOdsetki_Pod_Ust");
    }
};

// What each grid's chart shows, one point per instalment, period or year the grid holds.
TEST_F(GridExportTest, EveryGridHasTheMenuAndAChartOfItsRows) {
    Start();
    const struct {
        const char* grid;
        std::function<void()> calculate;
        int points;  // 0: one per grid row below the heading rows
        int headingRows;
        std::vector<std::string> series;
    } cases[] = {
        {"Siatka", [this] { Loan(); }, 12, 0, {"Saldo kredytu", "Rata kredytu", "Rata odsetek"}},
        {"StringGrid1", [this] { Interest(); }, 3, 0, {"Odsetki"}},
        {"Tabelka", [this] { Press("PrzeliczOFE"); }, 0, 0, {"Kapitał", "Wpłacono"}},
        {"Tabelka1", [this] { Press("PrzeliczFE"); }, 0, 0, {"Kapitał", "Wpłacono"}},
        {"Tabelka2", [this] { Press("PrzeliczZUS"); }, 0, 1, {"Kapitał", "Składki", "Kapitał początkowy"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.grid);
        GridExport* e = Export(c.grid);
        ASSERT_NE(e, nullptr);
        auto* grid = Find<QTableWidget>(c.grid);
        EXPECT_EQ(grid->actions(), (QList<QAction*>{e->Kopiuj, e->ZapiszCsv, e->Wykres}));
        EXPECT_FALSE(e->Kopiuj->isEnabled() || e->Wykres->isEnabled());
        c.calculate();
        ASSERT_TRUE(e->Wykres->isEnabled());
        e->Wykres->trigger();
        ASSERT_NE(e->OpenChart(), nullptr);
        const int points = c.points ? c.points : grid->rowCount() - c.headingRows;
        std::vector<std::string> names;
        for (auto* view : e->OpenChart()->findChildren<QChartView*>())
            for (QAbstractSeries* s : view->chart()->series()) {
                qsizetype count = -1;
                if (auto* line = qobject_cast<QLineSeries*>(s)) count = line->count();
                if (auto* area = qobject_cast<QAreaSeries*>(s)) count = area->upperSeries()->count();
                if (auto* bars = qobject_cast<QBarSeries*>(s))
                    for (QBarSet* set : bars->barSets())
                        names.push_back(set->label().toStdString()), count = set->count();
                else
                    names.push_back(s->name().toStdString());
                EXPECT_EQ(count, points) << names.back();
            }
        EXPECT_EQ(names, c.series);
        QTemporaryDir dir;
        const QString png = dir.filePath("wykres.png");
        window->Context().chooseSaveFile = [&](const QString&, const QString&) { return png; };
        e->OpenChart()->findChild<QPushButton*>("ZapiszPng")->click();
        EXPECT_EQ(QImage(png).size(), e->OpenChart()->findChild<QWidget*>("Wykresy")->grab().size());
        e->OpenChart()->close();
    }
}

// A program installed without its chart module says so instead of opening nothing.
TEST(ChartModule, MissingModuleIsReportedInPolish) {
    QTemporaryDir empty;
    std::string problem;
    EXPECT_EQ(LoadChartModule({empty.path()}, problem), nullptr);
    EXPECT_EQ(
        problem,
        "Nie można pokazać wykresu: brak modułu wykresów programu (libtolvex_charts.so) albo nie daje się "
        "go wczytać. Zainstaluj program ponownie.");
    problem.clear();
    EXPECT_NE(LoadChartModule(ChartModuleDirs(), problem), nullptr) << problem;
}

// Ctrl+C on the grid: the selection, or the whole table with nothing selected; amounts
// without the thousands blank.
TEST_F(GridExportTest, CopyTakesTheSelectionAsTabSeparatedCells) {
    Start();
    Loan();
    Interest();
    const struct {
        const char* grid;
        QTableWidgetSelectionRange range;
        std::string text;
    } cases[] = {
        {"StringGrid1", {1, 1, 2, 3}, "15\t7\t28,77\n16\t62\t271,78\n"},
        {"StringGrid1",
         {},
         "Nr\t%\tIle dni\tOdsetki\n1\t15\t7\t28,77\n2\t16\t62\t271,78\n3\t16,5\t24\t108,49\n"
         "Razem\t\t\t409,00\n"},
        {"Siatka", {14, 0, 15, 3}, "8099,97\t2550,03\t\n8099,97\t10650,00\t\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto* grid = Find<QTableWidget>(c.grid);
        window->ShowPage(grid->parentWidget());  // the page, so the grid can take the focus
        grid->clearSelection();
        if (c.range.rowCount() > 0) grid->setRangeSelected(c.range, true);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.text);
    }
}

// The file is the table's CSV, or, when it cannot be written, nothing at all and the
// reason in Polish.
TEST_F(GridExportTest, SaveWritesTheWholeFileOrNone) {
    Start();
    Interest();
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("folder");
    GridExport* e = Export("StringGrid1");
    for (const char* name : {"odsetki.csv", "brak/odsetki.csv", "folder"}) {
        SCOPED_TRACE(name);
        const QString path = dir.filePath(name);
        QString proposed;
        window->Context().chooseSaveFile = [&](const QString&, const QString& offered) {
            proposed = offered;
            return path;
        };
        e->ZapiszCsv->trigger();
        EXPECT_TRUE(
            proposed.endsWith("/odsetki-podatkowe-" + QDate::currentDate().toString(Qt::ISODate) + ".csv"));
        QFile file(path);
        if (name == std::string("odsetki.csv")) {
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll().toStdString(), ToCsv(e->Data().Table));
        } else {
            EXPECT_EQ(Messages(), Texts{S(SaveFailedMessage(path, false))});
        }
    }
    QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    EXPECT_EQ(left, (QStringList{"folder", "odsetki.csv"}));
    EXPECT_TRUE(QDir(dir.filePath("folder")).isEmpty());
}

}  // namespace
}  // namespace tolvex::testing
