// The payroll calculations of the "Płace" page: gross to net, the net of a pension,
// the jubilee award, and the health toggle of the "Skł. ZUS" page. Each reads the
// fields it needs and records its writes in the order the page shows them.
#pragma once

#include "core/fields/text_fields.h"

namespace tolvex {

// Kept between presses: whether the last payroll calculation was an award, and the
// net award for a multiple of 1.
struct AwardState {
    bool flag = false;
    double netPerMultiple = 0;
};

// WyliczClick. Clears the award state. A field that does not parse throws
// ConversionError where it is read; the writes made before stay recorded.
void CalculateSalary(TextFields& fields, AwardState& award);

// WyliczEmerytureClick.
void CalculatePension(TextFields& fields, AwardState& award);

// Dodaj_odejmij_ZdrowotneClick: takes the health cell out of the totals or puts it
// back, by the caption of Dodaj_odejmij_Zdrowotne. Reports "Błędy przeliczenia" itself.
void ToggleHealth(TextFields& fields);

// WyliczJubilClick.
void CalculateAward(TextFields& fields, AwardState& award);
// SpinButtonKrotnoscUpClick / SpinButtonKrotnoscDownClick.
void StepAwardMultiple(TextFields& fields, const AwardState& award, bool up);

}  // namespace tolvex
