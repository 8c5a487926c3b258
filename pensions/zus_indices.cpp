#include "pensions/zus_indices.h"

#include <climits>

#include "core/amount/amount.h"

namespace tolvex {
namespace {

// 1950 to 2009, one amount a year.
constexpr double kAverages[60] = {
    6612,     7188,     7824,     11040,    11700,    12096,    13416,    15348,    16176,    17436,
    18720,    19500,    20160,    21156,    21792,    22404,    23208,    24192,    25272,    26088,
    26820,    28296,    30108,    33576,    38220,    46956,    51372,    55152,    58644,    63924,
    72480,    92268,    139572,   173700,   202056,   240060,   289140,   350208,   637080,   2481096,
    12355644, 21240000, 35220000, 47940000, 63936000, 8431.44,  10476,    12743.16, 14873.88, 20480.88,
    23085.72, 24742.2,  25598.52, 26417.64, 27474.84, 28563.48, 29726.76, 32292.36, 35326.56, 37235.52,
};
constexpr double kAverage2010 = 38699.76;
constexpr double kAverage2011 = 40794.24;
// Only the years 1950 to 2002 are looked up.
constexpr int kSearchedRecords = 53;

constexpr double kValorization[13] = {115.6, 112.72, 106.68, 101.9,  102,    103.63, 105.55,
                                      106.9, 112.85, 116.26, 107.22, 103.98, 105.18};

}  // namespace

AverageSalaryTable BuiltInAverageSalaries() {
    AverageSalaryTable table{};
    for (int i = 1; i <= 80; ++i) {
        AverageSalaryRecord& r = table[i - 1];
        if (i <= 60) {
            r.Year = static_cast<uint16_t>(1949 + i);
            r.Amount = kAverages[i - 1];
        } else {
            r.Amount = i == 61 ? kAverage2010 : kAverage2011;
        }
    }
    return table;
}

double BuiltInValorization(int row) {
    return row >= 1 && row <= 13 ? kValorization[row - 1] : kValorization[12];
}

double ValorizationTable::Index(int k) const {
    return k >= 1 && k <= Count() ? records_[k - 1].Index : 100.0;
}

std::optional<int> WholeNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && text[i] == '+') ++i;
    const size_t start = i;
    long long value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && value <= INT_MAX)
        value = value * 10 + (text[i++] - '0');
    const size_t end = i;
    while (i < text.size() && text[i] == ' ') ++i;
    if (end == start || i != text.size() || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

bool FillSalaryYears(std::vector<SalaryGridRow>& rows, const AverageSalaryTable& table) {
    if (rows.empty()) return false;
    const std::optional<int> first = WholeNumber(rows[0].year);
    if (!first) return false;
    const int n = static_cast<int>(rows.size());
    for (int r = 2; r <= n; ++r) rows[r - 1].year = std::to_string(static_cast<long long>(*first) + r - 1);
    for (int i = 1; i <= kSearchedRecords; ++i) {
        if (table[i - 1].Year != *first) continue;
        for (int r = 1; r <= n; ++r) rows[r - 1].average = FormatGeneral(table[i + r - 2].Amount);
        break;
    }
    return true;
}

double ComputeBaseIndex(std::vector<SalaryGridRow>& rows) {
    long double sum = 0;
    for (SalaryGridRow& row : rows) {
        if (row.salary.empty()) {
            row.salary = row.average;
            sum += 1;
            continue;
        }
        const double salary = ParseAmount(row.salary);
        const double average = ParseAmount(row.average);
        if (average <= 0) throw ConversionError(std::string(kAverageNotPositive));
        sum += static_cast<long double>(salary) / average;
    }
    const long double share = rows.size() == 20 ? 0.05L : 0.1L;
    return RoundTo2Places(static_cast<double>(sum * 100 * share));
}

ValorizationGridFill FillValorizationGrid(int birthYear, bool bornFrom1949To1968, bool woman, int startYear) {
    const int retirementYear = birthYear + (woman ? 60 : 65);
    ValorizationGridFill fill;
    fill.rows = std::max(0, bornFrom1949To1968 ? retirementYear - 1998 : retirementYear - startYear + 1);
    fill.helperShown = !bornFrom1949To1968;
    if (bornFrom1949To1968)
        for (int r = 1; r <= fill.rows; ++r)
            fill.indexColumn.push_back(FormatGeneral(BuiltInValorization(r)));
    return fill;
}

std::vector<ValorizationRecord> ReadValorizationRows(std::vector<std::pair<std::string, std::string>>& rows) {
    std::vector<ValorizationRecord> records;
    for (auto& [year, index] : rows) {
        const std::optional<int> y = WholeNumber(year);
        if (!y || *y > UINT16_MAX) throw ConversionError("'" + year + "' is not a valid integer value");
        if (index.empty()) index = "100";
        records.push_back({static_cast<uint16_t>(*y), ParseAmount(index)});
    }
    return records;
}

}  // namespace tolvex
