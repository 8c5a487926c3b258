#include "payroll/payslip.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/amount/amount.h"
#include "core/report/recording_canvas.h"
#include "payroll_test_support.h"
#include "support/conversion_error_text.h"
#include "support/field_list.h"

namespace tolvex {
namespace {

using Call = RecordingCanvas::Call;

// The payroll and "Skł. ZUS" fields after a salary of 3500 zł was calculated, with a bonus in
// złoty and every other allowance and deduction different, the panel switched off.
MapFieldSource CalculatedSalary() {
    MapFieldSource s = testing::PayrollStartFields();
    testing::Fill(
        s,
        "EditNazwiskoImie=Jan Kowalski;EditPlacaBrutto=3500,00;EditPodstawaOpodat_Zdrowotne=3020,17 zł;"
        "EditPodstawa_do_Podatku=2770 zł;Edit_Podatek=197;Edit_Netto=2549,77;Edit2=341,60 zł;"
        "Edit3=52,50 zł;Edit4=85,75 zł;Edit6=271,82 zł;Edit22=479,85 zł;EditBruttoCalyEtat=3500,00;"
        "ComboBoxEtat=1;EditPremia=150,5;EditSzkodliwe=100;EditNadgodziny=2;EditZaUrlop=3;"
        "EditZaChorobe=4;EditNagrody=5;EditDodatek1=6;EditDodatek2=7;EditDodatek3=0,25;"
        "EditUbezpieczenie=11;EditRata=12;EditSkladka=13;EditSkladkaZw=14;EditKomornik=200;"
        "EditPotracenia1=21;EditPotracenia2=22;EditPotracenia3=23;EditPotracenia4=1,5;"
        "RadioGroupJakaPremia:1");
    return s;
}

class PayslipTest : public ::testing::Test {
  protected:
    void Print() {
        TextFields fields(source);
        PrintPayslipFromFields(fields, [this] { return canvas.Share(); });
    }
    // The texts drawn on the line where `label` was drawn, left to right; none if it was not drawn.
    std::vector<std::string> LineOf(const std::string& label) const {
        const auto drawn = canvas.Drawn();
        const auto at =
            std::find_if(drawn.begin(), drawn.end(), [&](const Call& c) { return c.text == label; });
        std::vector<std::string> line;
        for (const auto& d : drawn)
            if (at != drawn.end() && d.y == at->y && d.page == at->page) line.push_back(d.text);
        return line;
    }
    std::vector<std::string> ClosingLines() const {
        const auto texts = canvas.DrawnTexts();
        return {texts.end() - 5, texts.end()};
    }

    MapFieldSource source = CalculatedSalary();
    RecordingCanvas canvas;
};

TEST_F(PayslipTest, EveryFieldOnItsLineAndTheTotalsOfAll) {
    Print();
    // Each line is found by its first text; a bonus in złoty is printed as typed.
    const std::vector<std::string> lines[] = {
        {"Płaca brutto: ", "3500,00 zł", "Podstawa opodatkowania Zdr.: ", "3020,17 zł",
         "Wypłata: 2549,77 zł"},
        {"Premia: ", "150,5 zł", "Podstawa opodatkowania:", "2770 zł"},
        {"Szkodliwe: ", "100 zł", "Podatek:  ", "197"},
        {"Nadgodziny: ", "2 zł", "Zdrowotne:" + std::string(18, ' '), "271,82 zł"},
        {"Za urlop:", "3 zł", "Emerytalne:", "341,60 zł"},
        {"Za chorobę: ", "4 zł", "Chrobowe:", "85,75 zł"},
        {"Nagrody:    ", "5 zł", "Rentowe: ", "52,50 zł"},
        {"Dodatek1: ", "6 zł", "Ubezpieczenie:", "11 zł"},
        {"Dodatek2: ", "7 zł", "Rata: ", "12 zł"},
        {"Dodatek3: ", "0,25 zł", "Składka Kasa:", "13 zł"},
        {"Składka Związki:", "14 zł"},
        {"Komornik:", "200 zł"},
        {"Potrącenia1:", "21 zł"},
        {"Potrącenia2:", "22 zł"},
        {"Potrącenia3:", "23 zł"},
        {"Potrącenia4:", "1,5 zł"},
    };
    for (const auto& line : lines) EXPECT_EQ(LineOf(line[0]), line);
    EXPECT_EQ(ClosingLines(),
              (std::vector<std::string>{"   Wynagrodzenie brutto suma : 3777,75 zł",
                                        "   Potrącenia ZUS: 479,85 zł", "   Potrącenia suma: 994,35 zł",
                                        "  Płaca na cały etat: 3500,00 zł", "  Wielkość Etatu: 1"}));
}

TEST_F(PayslipTest, PercentBonusShowsRoundedWhileTheTotalUsesTheUnroundedBonus) {
    testing::Fill(source, "EditPlacaBrutto=3333,33;EditPremia=10;RadioGroupJakaPremia:0");
    Print();
    EXPECT_EQ(LineOf("Premia: ").at(1), "333,33 zł");
    EXPECT_EQ(ClosingLines()[0],
              "   Wynagrodzenie brutto suma : 3793,913 zł");  // with the 127,25 of the others
}

TEST_F(PayslipTest, FieldThatDoesNotConvertStopsBeforeAnyJob) {
    struct Case {
        const char *field, *text, *message;
    } cases[] = {
        {"Edit_Podatek", "", "'' is not a valid floating point value"},
        {"EditNagrody", "12a", "'12a' is not a valid floating point value"},
        {"Edit22", "zł", "'' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        source = CalculatedSalary();
        source.texts[c.field] = c.text;
        canvas = RecordingCanvas();
        EXPECT_EQ(testing::ConversionErrorText([this] { Print(); }), c.message);
        EXPECT_EQ(canvas.shared, 0);
        EXPECT_TRUE(canvas.calls.empty());
    }
}

TEST_F(PayslipTest, LayoutFontsAndPositions) {
    source.texts["EditNazwiskoImie"] = std::string(300, 'W');
    Print();
    const auto drawn = canvas.Drawn();
    // title, name, 3 headings, the non-empty cells 5 + 9 × 4 + 6 × 2, 5 closing lines
    ASSERT_EQ(drawn.size(), 1u + 1 + 3 + 5 + 36 + 12 + 5);
    EXPECT_EQ(drawn[1].right, 2700) << "the name is cut off at 4.5 inches";
    EXPECT_EQ(drawn[2].text, "DODATKI");
    EXPECT_EQ(std::tuple(drawn[2].x, drawn[3].x, drawn[4].x), std::tuple(300, 300 + 780, 300 + 780 + 1620));
    EXPECT_EQ(drawn[2].font, (PrintFont{"Times New Roman CE", 8, true, true}));
    const Call& pay = drawn[9];
    EXPECT_EQ(
        std::tuple(pay.text, pay.left, pay.right),
        std::tuple("Wypłata: 2549,77 zł", (5 + 8 + 5 + 17 + 10) * 60, (5 + 8 + 5 + 17 + 10) * 60 + 1200));
    EXPECT_EQ(pay.font, (PrintFont{"Times New Roman CE", 8, false, false}));
    for (const auto& c : drawn) EXPECT_EQ(c.page, 1);
    EXPECT_EQ(canvas.Count(Call::Kind::EndDocument), 1);
    // The gap before the closing lines is one LineHeight and one Spacing more than a row.
    const Call& lastRow = drawn[drawn.size() - 6];
    const Call& firstClosing = drawn[drawn.size() - 5];
    const int lineHeight = lastRow.bottom - lastRow.top;
    EXPECT_EQ(firstClosing.y - lastRow.y, 120 + lineHeight + 60);
}

}  // namespace
}  // namespace tolvex
