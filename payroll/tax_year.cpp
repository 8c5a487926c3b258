#include "payroll/tax_year.h"

#include <array>
#include <string>

namespace tolvex {
namespace {

constexpr std::array<YearDefaults, 27> kYears{{
    {1999, "74,06", "92,58", "32,90", "19", "528 zł", "??,? zł"},
    {2000, "81,84", "102,30", "36,35", "19", "700 zł", "??,? zł"},
    {2001, "92,56", "115,70", "41,11", "19", "760 zł", "??,? zł"},
    {2002, "96,26", "120,33", "41,11", "19", "760 zł", "??,? zł"},
    {2003, "99,96", "124,95", "44,17", "19", "800 zł", "??,? zł"},
    {2004, "102,25", "127,82", "44,17", "19", "824 zł", "??,? zł"},
    {2005, "102,25", "127,82", "44,17", "19", "849 zł", "??,? zł"},
    {2006, "102,25", "127,82", "44,17", "19", "899,10 zł", "??,? zł"},
    {2007, "108,50", "135,63", "47,71", "19", "936 zł", "??,? zł"},
    {2008, "111,25", "139,06", "48,90", "19", "1 126 zł", "??,? zł"},
    {2009, "111,25", "139,06", "46,33", "18", "1 276 zł", "??,? zł"},
    {2010, "111,25", "139,06", "46,33", "18", "1 317 zł", "??,? zł"},
    {2011, "111,25", "139,06", "46,33", "18", "1 386 zł", "??,? zł"},
    {2012, "111,25", "139,06", "46,33", "18", "1 500 zł", "??,? zł"},
    {2013, "111,25", "139,06", "46,33", "18", "1 600 zł", "??,? zł"},
    {2014, "111,25", "139,06", "46,33", "18", "1 680 zł", "??,? zł"},
    {2015, "111,25", "139,06", "46,33", "18", "1 750 zł", "??,? zł"},
    {2016, "111,25", "139,06", "46,33", "18", "1 750 zł", "??,? zł"},
    {2017, "111,25", "139,06", "46,33", "18", "1 850 zł", "??,? zł"},
    {2018, "111,25", "139,06", "46,33", "18", "2 100 zł", "13,70 zł"},
    {2019, "111,25", "139,06", "46,33", "18", "2 250 zł", "14,70 zł"},
    {2020, "250", "300", "43,76", "17", "2 600 zł", "17 zł"},
    {2021, "250", "300", "43,76", "17", "2 600 zł", "17 zł"},
    {2022, "250", "300", "300", "12", "3 010 zł", "19,70 zł"},
    {2023, "250", "300", "300", "12", "3 490 zł", "22,80 zł"},
    {2024, "250", "300", "300", "12", "4 300 zł", "26,00 zł"},
    {2025, "250", "300", "300", "12", "4 666 zł", "27,77 zł"},
}};

// The cost-type choice carries its own minimum-wage texts from 2016 on; they differ
// from the year table in 2016, 2017, 2021 and from 2024.
struct MinimumWageTexts {
    std::string_view wage;
    std::string_view hourly;
};

MinimumWageTexts CostTypeMinimumWage(const YearDefaults& row) {
    if (row.year <= 2017) return {"1 850 zł", "??? zł"};
    if (row.year == 2021) return {"2 800 zł", "18,30 zł"};
    if (row.year >= 2024) return {"3 600 zł", "23,50 zł"};
    return {row.minimumWage, row.minimumHourly};
}

void Put(TextFields& fields, std::string_view name, std::string_view text) {
    fields.Write(name, std::string(text));
}

void WriteCosts(TextFields& fields, const YearDefaults& row, int costTypeIndex) {
    if (costTypeIndex == 0) Put(fields, "EditKosztyUzyskPrzychodu", row.costsBasic);
    if (costTypeIndex == 1) Put(fields, "EditKosztyUzyskPrzychodu", row.costsIncreased);
}

}  // namespace

const YearDefaults* YearDefaultsFor(int year) {
    if (year < kYears.front().year) return nullptr;
    if (year >= kYears.back().year) return &kYears.back();
    return &kYears[static_cast<std::size_t>(year - kYears.front().year)];
}

void WriteYearChange(TextFields& fields, int year, int costTypeIndex) {
    const YearDefaults* row = YearDefaultsFor(year);
    if (!row) return;
    Put(fields, "EditUlgaPodatkowa", row->relief);
    Put(fields, "EditSkalaPodatkowa", row->rate);
    Put(fields, "EditPlacaMinimalna", row->minimumWage);
    Put(fields, "EditMinimalnaStawka_godz", row->minimumHourly);
    WriteCosts(fields, *row, costTypeIndex);
}

void WriteCostTypeChange(TextFields& fields, int year, int costTypeIndex) {
    const YearDefaults* row = YearDefaultsFor(year);
    if (!row) return;
    if (year <= 2002) {
        // A typed cost type counts as basic in these years.
        WriteCosts(fields, *row, costTypeIndex == 1 ? 1 : 0);
        return;
    }
    Put(fields, "EditUlgaPodatkowa", row->relief);
    Put(fields, "EditSkalaPodatkowa", row->rate);
    if (year >= 2016) {
        MinimumWageTexts wage = CostTypeMinimumWage(*row);
        Put(fields, "EditPlacaMinimalna", wage.wage);
        Put(fields, "EditMinimalnaStawka_godz", wage.hourly);
    }
    WriteCosts(fields, *row, costTypeIndex);
}

void WriteStartUpTaxYear(TextFields& fields, int year) {
    const YearDefaults* row = YearDefaultsFor(year);
    if (!row || year <= 2000) return;
    Put(fields, "EditUlgaPodatkowa", row->relief);
    Put(fields, "EditSkalaPodatkowa", row->rate);
    if (year == 2021) {
        // Both minimum-wage fields keep their design texts.
    } else if (year == 2016) {
        Put(fields, "EditPlacaMinimalna", "1 850 zł");
    } else {
        Put(fields, "EditPlacaMinimalna", row->minimumWage);
        // Up to 2017 the hourly field keeps its design text.
        if (year >= 2018) Put(fields, "EditMinimalnaStawka_godz", row->minimumHourly);
    }
    Put(fields, "EditKosztyUzyskPrzychodu", row->costsBasic);
}

}  // namespace tolvex
