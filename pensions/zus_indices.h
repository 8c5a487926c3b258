// The index tables of the ZUS pension: national average salaries (for the base index W),
// the yearly valorization indices, and what the three index dialogs compute over the
// texts of their grids. No Qt: the dialogs hand their cells in and write the results back.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex {

struct AverageSalaryRecord {
    uint16_t Year = 0;  // 0: a record without a year (61 to 80)
    double Amount = 0;  // annual average, old złoty before 1995
};
// Records 1 to 80 at indices 0 to 79.
using AverageSalaryTable = std::array<AverageSalaryRecord, 80>;
AverageSalaryTable BuiltInAverageSalaries();

// The built-in valorization index of grid row r (calendar year 1998 + r), percent;
// the 2011 index repeats for every later row.
double BuiltInValorization(int row);

struct ValorizationRecord {
    uint16_t Year = 0;
    double Index = 0;  // percent, 100 = no change
};

// What the valorization dialog stored last. Each store replaces the whole table; a year
// it never stored counts as 100, so an unsaved or shorter table changes nothing there.
class ValorizationTable {
  public:
    void Store(std::vector<ValorizationRecord> records) { records_ = std::move(records); }
    // T[k] for year index k = 1, 2, ...
    double Index(int k) const;
    int Count() const { return static_cast<int>(records_.size()); }

  private:
    std::vector<ValorizationRecord> records_;
};

// A whole number as year cells and period fields are read: blanks, an optional "+",
// digits, at most int range. Signs other than "+" and anything else give nullopt.
std::optional<int> WholeNumber(std::string_view text);

inline constexpr std::string_view kFirstYearMissing = "Podaj rok w pierwszym wierszu";
inline constexpr std::string_view kAverageNotPositive = "Średnia krajowa musi być większa od zera";

// A salary-index grid (rows 1..N of columns "ROK", "WYNAGRODZENIE", "ŚREDNIA KRAJOWA").
struct SalaryGridRow {
    std::string year, salary, average;
};

// The first year (row 1) numbers the other rows; the averages of the years from the first
// on fill the average column when the first year is one of records 1 to 53 (1950–2002),
// else the averages stay. False when the first year is no whole number: nothing changes.
bool FillSalaryYears(std::vector<SalaryGridRow>& rows, const AverageSalaryTable& table);

// W, the salary as a percentage of the national average over the rows, rounded to the
// grosz. An empty salary counts as the average (ratio 1) and receives the average's text.
// Throws ConversionError on a salary or average that does not convert, or an average of 0
// or less; rows before it keep the averages copied into them.
double ComputeBaseIndex(std::vector<SalaryGridRow>& rows);

// The valorization grid as the "TAK" mode opens it.
struct ValorizationGridFill {
    int rows = 0;                          // data rows; the grid has one more
    std::vector<std::string> indexColumn;  // column 2 of rows 1..rows, empty: left as it is
    bool helperShown = false;              // StringGridPomocniczy with calendar years and indices
};
// Births from 1949 to 1968 get a row per year to retirement with the built-in indices; later
// births a row per year of work to retirement, the indices to be typed from the helper grid.
ValorizationGridFill FillValorizationGrid(int birthYear, bool bornBefore1969, bool woman, int startYear);

// Rows 1..n of the valorization grid (year, index). An empty index stores 100 and the cell
// shows "100". Throws ConversionError on a year or index that does not convert; nothing is
// stored then.
std::vector<ValorizationRecord> ReadValorizationRows(std::vector<std::pair<std::string, std::string>>& rows);

}  // namespace tolvex
