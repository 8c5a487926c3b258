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
    void SetUp() override { Start(); }
    void Calculate(const char* start, const char* end, const char* amount) {
        Fill("DateTimePocz=" + std::string(start) + ";DateTimeKon=" + end);
        Type("EditKwota", amount);
        Press("Wylicz_Odsetki");
    }
    std::string Memo() { return Find<QPlainTextEdit>("MemoWynik")->toPlainText().toStdString(); }
};

// A refusal or a change of mode clears the sentence and keeps the last results.
TEST_F(BankInterestPage, ResultsStayUntilTheNextCalculation) {
    // Both interest pages.
    EXPECT_EQ(Strs("DateTimePocz DateTimeKon EditKwota EditProcent EditOdsetki DateTimePocz1 DateTimeKon1 "
                   "EditKwota1"),
              "2025-03-15|2025-03-15|0,00|0,00|0,00 zł|2025-03-15|2025-03-15|0,00");
    EXPECT_EQ(Str("LabelJakNaliczane"), "Odsetki naliczane rocznie w wysokości 0,00 %");
    Type("EditProcent", "5");
    EXPECT_EQ(Str("LabelJakNaliczane"), "Odsetki naliczane rocznie w wysokości 5 %");
    for (const auto& [start, end, amount, message] :
         {std::tuple{"2025-01-02", "2025-01-01", "1000", "Nieprawidłowo podana Data"},
          {"2025-01-01", "2025-01-02", "", "'' is not a valid floating point value"}}) {
        SCOPED_TRACE(message);
        Calculate("2025-01-01", "2025-03-15", "1000");
        EXPECT_EQ(Memo(),
                  "Odsetki liczone w skali roku za 73 dni wynoszą 10,00 zł. Łączna kwota z odsetkami za  73 "
                  "dni wynosi 1 010,00 zł");
        Calculate(start, end, amount);
        EXPECT_EQ(Messages(), std::vector<std::string>{message});
        EXPECT_EQ(Memo(), "");
        EXPECT_EQ(Strs("EditOdsetki EditLaczna"), "10,00 zł|1 010,00 zł");
    }
    Calculate("2025-01-01", "2025-03-15", "1000");
    Choose("RadioGroup1", 1);
    EXPECT_EQ(Memo(), "");
    EXPECT_EQ(Strs("EditOdsetki LabelJakNaliczane"), "10,00 zł|Odsetki naliczane dziennie w wysokości 5 %");
    Press("Wylicz_Odsetki");
    EXPECT_EQ(Str("EditOdsetki"), "3650 zł");
}

TEST_F(BankInterestPage, BadRateIsRefusedAndTheLabelFollowsTheField) {
    Type("EditProcent", "5x");
    EXPECT_EQ(Messages(), std::vector<std::string>{"Błędnie napisana liczba(separator lub wartość)"});
    EXPECT_EQ(Strs("EditProcent LabelJakNaliczane"), "|Odsetki naliczane rocznie w wysokości  %");
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
        Start();
        page = Find<OdsetkiPodatkowePage>("TabSheet4");
    }
    void Calculate(const char* s, const char* e, const char* amount, int kind = 0) {
        Fill("DateTimePocz1=" + std::string(s) + ";DateTimeKon1=" + e);
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

TEST_F(TaxInterestPage, ThreeSegmentsThenOnePeriodClearsTheOldRows) {
    // Column 0 may grow so that "Razem" fits the program's font.
    EXPECT_GE(page->StringGrid1->columnWidth(0), page->StringGrid1->fontMetrics().horizontalAdvance("Razem"));
    const std::vector<std::string> headings{"Nr", " %", "Ile dni", "Odsetki"}, empty(4);
    Calculate("2022-07-01", "2022-10-01", "10000");
    EXPECT_EQ(Rows(0, 2), (Grid{headings, {"1", "15", "7", "28,77"}, {"2", "16", "62", "271,78"}}));
    EXPECT_EQ(Rows(5, 6), (Grid{{"Razem", "", "", "409,00"}, empty}));
    // Before rounding, after rounding, the whole amount due.
    EXPECT_EQ(Strs("EditSumaOdsetekPom EditSumaOdsetek EditNaleznosc"), "409,04 zł|409,00 zł|10 409,00 zł");

    Calculate("2015-01-01", "2015-01-01", "57031,25");
    EXPECT_EQ(Rows(0, 3), (Grid{headings, {"", "8", "1", "13,00"}, empty, empty}));
}

TEST_F(TaxInterestPage, RefusedPressKeepsTheGridButForgetsTheResult) {
    const std::tuple<const char*, const char*, const char*, int, const char*> cases[] = {
        {"1989-10-31", "1990-01-01", "100", 1, "Program liczy odsetki ustawowe od 1-11-1989r. POPRAW OKRES"},
        {"2023-01-01", "2023-01-02", "", 0, "'' is not a valid floating point value"}};
    for (const auto& [start, end, amount, kind, message] : cases) {
        SCOPED_TRACE(message);
        Calculate("2022-07-01", "2022-10-01", "10000");
        ASSERT_FALSE(page->LastResult().Empty());
        Calculate(start, end, amount, kind);
        EXPECT_EQ(Messages(), std::vector<std::string>{message});
        EXPECT_TRUE(page->LastResult().Empty());
        EXPECT_EQ(page->Cell(0, 5).toStdString(), "Razem");
        EXPECT_EQ(Str("EditNaleznosc"), "10 409,00 zł");
    }
}

}  // namespace
}  // namespace tolvex::testing
