#include "payroll/contribution_rates.h"

#include <string>

#include "core/amount/amount.h"

namespace tolvex {

void WriteLockedRates(TextFields& fields) {
    // Both parts are converted before the lock changes anything.
    const long double employee = fields.Number("EditRentowePracownik_Proc");
    const long double employer = fields.Number("EditRentowePracodawca_Proc");
    fields.Write("EditRentowe_proc", FormatGeneral(static_cast<double>(employee + employer)));

    for (const ContributionRow& row : kContributionRows) {
        if (row.percentField == "EditZdrowotne_proc")
            fields.Write(row.rateLabel, FormatGeneral(fields.Number(row.percentField)));
        else
            fields.Write(row.rateLabel, fields.Text(row.percentField));
    }
}

}  // namespace tolvex
