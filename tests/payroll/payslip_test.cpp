#include "payroll/payslip.h"

#include <gtest/gtest.h>

#include "core/amount/amount.h"
#include "core/report/recording_canvas.h"
#include "support/conversion_error_text.h"

namespace tolvex {
namespace {

using Call = RecordingCanvas::Call;

// The payroll and "Skł. ZUS" fields after a salary of 3500 zł was calculated, with the
// allowances and deductions at their start texts.
MapFieldSource CalculatedSalary() {
    MapFieldSource s;
    s.texts = {{"EditNazwiskoImie", "Jan Kowalski"},
               {"EditPlacaBrutto", "3500,00"},
               {"EditPremia", "0"},
               {"EditPodstawaOpodat_Zdrowotne", "3020,17 zł"},
               {"EditPodstawa_do_Podatku", "2770 zł"},
               {"Edit_Podatek", "197"},
               {"Edit_Netto", "2549,77"},
               {"Edit2", "341,60 zł"},
               {"Edit3", "52,50 zł"},
               {"Edit4", "85,75 zł"},
               {"Edit6", "271,82 zł"},
               {"Edit22", "479,85 zł"},
               {"EditBruttoCalyEtat", "3500,00"},
               {"ComboBoxEtat", "1"}};
    for (const char* name :
         {"EditSzkodliwe", "EditNadgodziny", "EditZaUrlop", "EditZaChorobe", "EditNagrody", "EditDodatek1",
          "EditDodatek2", "EditDodatek3", "EditUbezpieczenie", "EditRata", "EditSkladka", "EditSkladkaZw",
          "EditKomornik", "EditPotracenia1", "EditPotracenia2", "EditPotracenia3", "EditPotracenia4"})
        s.texts[name] = "0";
    s.choices["RadioGroupJakaPremia"] = 0;
    return s;
}

class PayslipTest : public ::testing::Test {
  protected:
    void Print() {
        TextFields fields(source);
        PrintPayslipFromFields(fields, [this] { return canvas.Share(); });
    }
    // The texts drawn on the line where `label` was drawn, left to right.
    std::vector<std::string> LineOf(const std::string& label) const {
        const auto drawn = canvas.Drawn();
        for (const auto& c : drawn) {
            if (c.text != label) continue;
            std::vector<std::string> line;
            for (const auto& d : drawn)
                if (d.y == c.y && d.page == c.page) line.push_back(d.text);
            return line;
        }
        ADD_FAILURE() << "nothing drawn as " << label;
        return {};
    }
    std::string Closing(int i) const {
        const auto texts = canvas.DrawnTexts();
        return texts[texts.size() - 5 + i];
    }

    MapFieldSource source = CalculatedSalary();
    RecordingCanvas canvas;
};

TEST_F(PayslipTest, StartTextsShowTheDigitZeroInZlotyAndTheGrossWithoutTrailingZeros) {
    Print();
    // Each line is found by its first text.
    const std::vector<std::string> lines[] = {
        {"Płaca brutto: ", "3500,00 zł", "Podstawa opodatkowania Zdr.: ", "3020,17 zł",
         "Wypłata: 2549,77 zł"},
        {"Premia: ", "0 zł", "Podstawa opodatkowania:", "2770 zł"},
        {"Szkodliwe: ", "0 zł", "Podatek:  ", "197"},
        {"Nadgodziny: ", "0 zł", "Zdrowotne:" + std::string(18, ' '), "271,82 zł"},
        {"Za urlop:", "0 zł", "Emerytalne:", "341,60 zł"},
        {"Za chorobę: ", "0 zł", "Chrobowe:", "85,75 zł"},
        {"Nagrody:    ", "0 zł", "Rentowe: ", "52,50 zł"},
        {"Dodatek1: ", "0 zł", "Ubezpieczenie:", "0 zł"},
        {"Dodatek2: ", "0 zł", "Rata: ", "0 zł"},
        {"Dodatek3: ", "0 zł", "Składka Kasa:", "0 zł"},
        {"Składka Związki:", "0 zł"},
        {"Komornik:", "0 zł"},
        {"Potrącenia1:", "0 zł"},
        {"Potrącenia4:", "0 zł"},
    };
    for (const auto& line : lines) EXPECT_EQ(LineOf(line[0]), line);
    EXPECT_EQ((std::vector<std::string>{Closing(0), Closing(1), Closing(2), Closing(3), Closing(4)}),
              (std::vector<std::string>{"   Wynagrodzenie brutto suma : 3500 zł",
                                        "   Potrącenia ZUS: 479,85 zł", "   Potrącenia suma: 676,85 zł",
                                        "  Płaca na cały etat: 3500,00 zł", "  Wielkość Etatu: 1"}));
}

TEST_F(PayslipTest, PercentBonusShowsRoundedWhileTheTotalUsesTheUnroundedBonus) {
    source.texts["EditPlacaBrutto"] = "3333,33";
    source.texts["EditPremia"] = "10";
    Print();
    EXPECT_EQ(LineOf("Premia: ")[1], "333,33 zł");
    EXPECT_EQ(Closing(0), "   Wynagrodzenie brutto suma : 3666,663 zł");
}

TEST_F(PayslipTest, TotalsAddEveryAllowanceAndDeductionWhateverThePanelSwitch) {
    for (const auto& [name, text] : {std::pair{"EditPremia", "150,5"},
                                     {"EditSzkodliwe", "100"},
                                     {"EditDodatek3", "0,25"},
                                     {"EditKomornik", "200"},
                                     {"EditPotracenia4", "1,5"}})
        source.texts[name] = text;
    source.choices["RadioGroupJakaPremia"] = 1;
    source.choices["CheckBoxDodatkiPotracenia"] = 0;
    const PayslipTotals t = ComputePayslipTotals(TextFields(source));
    EXPECT_DOUBLE_EQ(t.gross, 3500 + 150.5 + 100 + 0.25);
    EXPECT_DOUBLE_EQ(t.contributions, 479.85);
    EXPECT_DOUBLE_EQ(t.deductions, 479.85 + 197 + 200 + 1.5);
    Print();
    EXPECT_EQ(LineOf("Premia: ")[1], "150,5 zł") << "a bonus in złoty is printed as typed";
    EXPECT_EQ(LineOf("Komornik:")[1], "200 zł");
}

TEST_F(PayslipTest, BreakdownNotCalculatedGivesNoContributions) {
    source.texts["Edit22"] = "0,00 zł";
    Print();
    EXPECT_EQ(Closing(1), "   Potrącenia ZUS: 0 zł");
    EXPECT_EQ(Closing(2), "   Potrącenia suma: 197 zł");
}

TEST_F(PayslipTest, FieldThatDoesNotConvertStopsBeforeAnyJob) {
    struct Case {
        const char *field, *text, *message;
    } cases[] = {
        {"Edit_Podatek", "", "'' is not a valid floating point value"},
        {"EditNagrody", "12a", "'12a' is not a valid floating point value"},
        {"Edit22", "zł", "'' is not a valid floating point value"},
        {"EditPotracenia2", "1.5", "'1.5' is not a valid floating point value"},
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
    EXPECT_EQ(drawn[2].x, 300);
    EXPECT_EQ(drawn[3].x, 300 + 780);
    EXPECT_EQ(drawn[4].x, 300 + 780 + 1620);
    EXPECT_EQ(drawn[2].font, (PrintFont{"Times New Roman CE", 8, true, true}));
    const Call& pay = drawn[9];
    EXPECT_EQ(pay.text, "Wypłata: 2549,77 zł");
    EXPECT_EQ(pay.left, (5 + 8 + 5 + 17 + 10) * 60);
    EXPECT_EQ(pay.right, pay.left + 1200);
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
