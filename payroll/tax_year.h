// Tax-year parameters: the built-in per-year texts and what choosing a year or a cost
// type writes into the payroll page. The calculations read the fields, never this table.
#pragma once

#include <string_view>

#include "core/fields/text_fields.h"

namespace tolvex {

struct YearDefaults {
    int year;
    std::string_view costsBasic;
    std::string_view costsIncreased;
    std::string_view relief;
    std::string_view rate;
    std::string_view minimumWage;
    std::string_view minimumHourly;
};

// The row of `year`; nullptr below 1999, the 2025 row for every later year.
const YearDefaults* YearDefaultsFor(int year);

// SpinEditJakiRokChange for `year` (costTypeIndex: 0 basic, 1 increased, -1 typed text).
// Writes EditUlgaPodatkowa, EditSkalaPodatkowa, EditPlacaMinimalna, EditMinimalnaStawka_godz,
// then EditKosztyUzyskPrzychodu.
void WriteYearChange(TextFields& fields, int year, int costTypeIndex);
// ComboBoxJakieKosztyChange for `year` and the new cost type.
void WriteCostTypeChange(TextFields& fields, int year, int costTypeIndex);
// What start-up writes for the current year (basic costs).
void WriteStartUpTaxYear(TextFields& fields, int year);

}  // namespace tolvex
