#include "interest/interest_export.h"

#include <gtest/gtest.h>

namespace tolvex {
namespace {

// The grid's rows (TaxInterestGridRows) as a spreadsheet opens them, byte for byte.
TEST(InterestExport, CsvByteForByte) {
    const struct {
        const char* end;
        std::string csv;
    } cases[] = {
        {"2022-10-01",
         "\xEF\xBB\xBFNr;%;Ile dni;Odsetki\r\n1;15;7;28,77\r\n2;16;62;271,78\r\n3;16,5;24;108,49\r\n"
         "Razem;;;409,00\r\n"},
        // One period: no number, the sum in whole złoty, as the grid shows it.
        {"2022-07-05", "\xEF\xBB\xBFNr;%;Ile dni;Odsetki\r\n;15;5;21,00\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.end);
        const auto out =
            CalculateTaxInterest(InterestKind::Tax, ParseDate("2022-07-01"), ParseDate(c.end), 10000);
        const GridExportData data = InterestExport(out.Result, InterestKind::Tax);
        EXPECT_EQ(ToCsv(data.Table), c.csv);
        EXPECT_EQ(data.Chart.Panels.at(0).Series.at(0).Y.size(), out.Result.Segments.size());
    }
}

}  // namespace
}  // namespace tolvex
