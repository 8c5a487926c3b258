// Contribution rates: percentages and who pays each contribution, as held on the
// "Dane pocz." page, and the lock step that recomputes the disability total.
#pragma once

#include <array>
#include <string_view>

#include "core/fields/text_fields.h"

namespace tolvex {

struct ContributionRow {
    std::string_view caption;       // row caption on the rate page
    std::string_view percentField;  // percent field
    std::string_view percentText;   // its design text
    std::string_view employeeBox;   // "PRACOWNIK" box and its design state
    bool employeeTicked;
    std::string_view employerBox;  // "FIRMA" box and its design state
    bool employerTicked;
    std::string_view rateLabel;      // rate label on the "Skł. ZUS" page
    std::string_view rateLabelText;  // its text before the first lock
};

inline constexpr std::array<ContributionRow, 7> kContributionRows{{
    {"WYPADKOWE", "EditWypadkowe_proc", "1,67", "CheckBox1", false, "CheckBox8", true, "Label1Wypadkowe_proc",
     "  1,67"},
    {"EMERYTALNE", "EditEmerytalne_proc", "19,52", "CheckBox2", true, "CheckBox9", true,
     "Label1Emerytalne_proc", "19,52"},
    {"RENTOWE", "EditRentowe_proc", "8,00", "CheckBox3", true, "CheckBox10", true, "Label1Rentowe_proc",
     "8,00"},
    {"CHOROBOWE", "EditChorobowe_proc", "2,45", "CheckBox4", true, "CheckBox11", false,
     "Label1Chorobowe_proc", "  2,45"},
    {"FUNDUSZ PRACY", "EditFundusz_proc", "2,45", "CheckBox5", false, "CheckBox12", true,
     "Label1Fundusz_proc", "  2,45"},
    {"ZDROWOTNE", "EditZdrowotne_proc", "9,00", "CheckBox6", true, "CheckBox13", false, "Label1Zdrowotne_prc",
     "9,00"},
    {"FGŚP", "EditFGSP_proc", "0,10", "CheckBox7", false, "CheckBox14", false, "Label1FGSP_proc", "0,10"},
}};

// ZablokujClick's texts: EditRentowe_proc from the two disability parts, then the rate
// labels of the "Skł. ZUS" page. Throws ConversionError before writing anything.
void WriteLockedRates(TextFields& fields);

}  // namespace tolvex
