#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include "interest/odsetki_podatkowe_page.h"
#include "support/ui_fixture.h"
#include "widgets/common/radio_group.h"

namespace tolvex::testing {
namespace {

class BankInterestPage : public MainWindowTest {
  protected:
    void SetUp() override { Start(QDate(2025, 3, 15)); }
    void Range(const char* s, const char* e) {
        Edit("DateTimePocz")->setText(s);
        Edit("DateTimeKon")->setText(e);
    }
    std::string Memo() { return Find<QPlainTextEdit>("MemoWynik")->toPlainText().toStdString(); }
    void Choose(int item) { Find<RadioGroup>("RadioGroup1")->Button(item)->click(); }
};

TEST_F(BankInterestPage, StartUpValues) {
    const std::pair<const char*, const char*> expected[] = {
        // clang-format off
        {"DateTimePocz", "2025-03-15"},  {"DateTimeKon", "2025-03-15"},  {"EditKwota", "0,00"},
        {"EditProcent", "0,00"},         {"EditOdsetki", "0,00 zł"},     {"EditKwota1", "0,00"},
        {"DateTimePocz1", "2025-03-15"}, {"DateTimeKon1", "2025-03-15"},
        {"LabelJakNaliczane", "Odsetki naliczane rocznie w wysokości 0,00 %"},
        // clang-format on
    };
    for (const auto& [name, text] : expected) EXPECT_EQ(Str(name), text) << name;
    EXPECT_EQ(Find<RadioGroup>("RadioGroup1")->ItemIndex(), 0);
    EXPECT_EQ(Find<RadioGroup>("RadioGroup2")->ItemIndex(), 0);
}

TEST_F(BankInterestPage, AnnualInterestThenAModeChangeClearsOnlyTheSentence) {
    Range("2025-01-01", "2025-03-15");
    Type("EditKwota", "1000");
    Type("EditProcent", "5");
    EXPECT_EQ(Str("LabelJakNaliczane"), "Odsetki naliczane rocznie w wysokości 5 %");
    Press("Wylicz_Odsetki");
    EXPECT_EQ(Str("EditOdsetki"), "10,00 zł");
    EXPECT_EQ(Str("EditLaczna"), "1 010,00 zł");
    EXPECT_EQ(Memo(),
              "Odsetki liczone w skali roku za 73 dni wynoszą 10,00 zł. Łączna kwota z odsetkami za  73 dni "
              "wynosi 1 010,00 zł");
    Choose(1);
    EXPECT_EQ(Memo(), "");
    EXPECT_EQ(Str("EditOdsetki"), "10,00 zł");
    EXPECT_EQ(Str("LabelJakNaliczane"), "Odsetki naliczane dziennie w wysokości 5 %");
}

TEST_F(BankInterestPage, RefusalsClearTheSentenceAndKeepTheResults) {
    struct Case {
        const char *start, *end, *amount, *message;
    } cases[] = {
        {"2025-01-02", "2025-01-01", "1000", "Nieprawidłowo podana Data"},
        {"2025-01-01", "2025-01-02", "", "'' is not a valid floating point value"},
    };
    Type("EditProcent", "1");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Range("2025-01-01", "2025-01-02");
        Type("EditKwota", "36500");
        Press("Wylicz_Odsetki");
        ASSERT_NE(Memo(), "");
        Range(c.start, c.end);
        Type("EditKwota", c.amount);
        Press("Wylicz_Odsetki");
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(Memo(), "");
        EXPECT_EQ(Str("EditOdsetki"), "1,00 zł");
        EXPECT_EQ(Str("EditLaczna"), "36 501,00 zł");
    }
}

TEST_F(BankInterestPage, BadRateIsRefusedAndTheLabelFollowsTheField) {
    Type("EditProcent", "5x");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Błędnie napisana liczba(separator lub wartość)"});
    EXPECT_EQ(Str("EditProcent"), "");
    EXPECT_EQ(Str("LabelJakNaliczane"), "Odsetki naliczane rocznie w wysokości  %");
    Leave("EditProcent");
    EXPECT_EQ(Str("EditProcent"), "0,00");
    Click("EditProcent");
    EXPECT_EQ(Str("EditProcent"), "");
}

TEST_F(BankInterestPage, ChoosingAPageRefillsAnEmptyResult) {
    auto* odsetki = Edit("EditOdsetki");
    {
        const QSignalBlocker quiet(odsetki);
        odsetki->clear();
    }
    Find<QTabWidget>("plec")->setCurrentIndex(2);
    EXPECT_EQ(Str("EditOdsetki"), "0,00 zł");
    odsetki->setText("5,00 zł");
    Find<QTabWidget>("plec")->setCurrentIndex(3);
    EXPECT_EQ(Str("EditOdsetki"), "5,00 zł");
}

class TaxInterestPage : public MainWindowTest {
  protected:
    void SetUp() override {
        Start(QDate(2025, 3, 15));
        page = Find<OdsetkiPodatkowePage>("TabSheet4");
    }
    void Calculate(const char* s, const char* e, const char* amount, int kind = 0) {
        Edit("DateTimePocz1")->setText(s);
        Edit("DateTimeKon1")->setText(e);
        Type("EditKwota1", amount);
        Find<RadioGroup>("RadioGroup2")->SetItemIndex(kind);
        Press("WyliczOdsetki_Pod_Ust");
    }
    using Grid = std::vector<std::vector<std::string>>;
    Grid Rows(int from, int to) {
        Grid rows;
        for (int r = from; r <= to; ++r) {
            rows.emplace_back();
            for (int c = 0; c < 4; ++c) rows.back().push_back(page->Cell(c, r).toStdString());
        }
        return rows;
    }
    OdsetkiPodatkowePage* page = nullptr;
};

TEST_F(TaxInterestPage, GridHasItsHeadingRowAndColumns) {
    auto* grid = page->StringGrid1;
    EXPECT_EQ(grid->rowCount(), 50);
    EXPECT_EQ(grid->columnCount(), 4);
    // Column 0 may grow so that "Razem" fits the program's font.
    const int widths[] = {40, 89, 72, 120};
    EXPECT_GE(grid->columnWidth(0), grid->fontMetrics().horizontalAdvance("Razem"));
    for (int c = 1; c < 4; ++c) EXPECT_EQ(grid->columnWidth(c), widths[c]);
    EXPECT_EQ(Rows(0, 1), (Grid{{"Nr", " %", "Ile dni", "Odsetki"}, {"", "", "", ""}}));
    EXPECT_EQ(Str("Drukuj1"), "Drukuj");
    EXPECT_EQ(Find("Drukuj1")->toolTip().toStdString(), "Wydruk na drukarce odsetek podatkowych(ustawowych)");
}

TEST_F(TaxInterestPage, ThreeSegmentsThenOnePeriodClearsTheOldRows) {
    Calculate("2022-07-01", "2022-10-01", "10000");
    EXPECT_EQ(Rows(2, 2), (Grid{{"2", "16", "62", "271,78"}}));
    EXPECT_EQ(Rows(5, 6), (Grid{{"Razem", "", "", "409,00"}, {"", "", "", ""}}));
    EXPECT_EQ(Str("EditSumaOdsetekPom"), "409,04 zł");
    EXPECT_EQ(Str("EditSumaOdsetek"), "409,00 zł");
    EXPECT_EQ(Str("EditNaleznosc"), "10 409,00 zł");

    Calculate("2015-01-01", "2015-01-01", "57031,25");
    EXPECT_EQ(Rows(1, 3), (Grid{{"", "8", "1", "13,00"}, {"", "", "", ""}, {"", "", "", ""}}));
    EXPECT_EQ(Str("EditSumaOdsetekPom"), "12,50 zł");
    EXPECT_EQ(Str("EditSumaOdsetek"), "13,00 zł");
    EXPECT_EQ(Str("EditNaleznosc"), "57 044,25 zł");
    EXPECT_EQ(Rows(0, 0)[0][0], "Nr");
}

TEST_F(TaxInterestPage, RefusedPressKeepsTheGridButForgetsTheResult) {
    struct Case {
        const char *start, *end, *amount;
        int kind;
        const char* message;
    } cases[] = {
        {"1989-10-31", "1990-01-01", "100", 1, "Program liczy odsetki ustawowe od 1-11-1989r. POPRAW OKRES"},
        {"2023-01-02", "2023-01-01", "100", 0, "Niepoprawny zakres dat. POPRAW OKRES"},
        {"2023-01-01", "2023-01-02", "", 0, "'' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Calculate("2022-07-01", "2022-10-01", "10000");
        ASSERT_FALSE(page->LastResult().Empty());
        Calculate(c.start, c.end, c.amount, c.kind);
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
        EXPECT_TRUE(page->LastResult().Empty());
        EXPECT_EQ(page->Cell(0, 5).toStdString(), "Razem");
        EXPECT_EQ(Str("EditNaleznosc"), "10 409,00 zł");
    }
}

}  // namespace
}  // namespace tolvex::testing
