// A loan as the page's fields hold it, run through the calculation without Qt.
#pragma once

#include <string>

#include "core/fields/text_fields.h"
#include "loans/loan_schedule.h"

// Test tables name only the fields that differ from a 10 000 / 12 months / 12 % loan;
// the others keep their defaults, which this warning does not know.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace tolvex::testing {

struct LoanFields {
    std::string kredyt = "10000", okres = "12", procent = "12";
    int jednostka = 1;  // RadioGroup4: 0 years, 1 months
    int typ = 0;        // RadioGroup3: 0 equal, 1 decreasing
    bool pelnyMiesiac = true;
    std::string dataKredytu = "2024-03-10", dataPierwszejRaty = "2024-04-01";
    int wylicz = 0;  // RadioGroupWylicz: 1 rate mode
    std::string rata1;
};

struct LoanRun {
    MapFieldSource source;
    LoanOutcome outcome;
    std::vector<Effect> effects;
    std::string Written(const std::string& name) const {
        std::string text;
        for (const auto& e : effects)
            if (e.kind == Effect::Kind::Text && e.name == name) text = e.text;
        return text;
    }
    // Every text written, in order, joined by " | ".
    std::string Writes() const {
        std::string out;
        for (const auto& e : effects)
            if (e.kind == Effect::Kind::Text) out += (out.empty() ? "" : " | ") + e.text;
        return out;
    }
    // Messages joined by " | ", a "Błąd" caption marked with "!".
    std::string Messages() const {
        std::string out;
        for (const auto& e : effects)
            if (e.kind == Effect::Kind::Message)
                out += (out.empty() ? "" : " | ") + std::string(e.message.caption.empty() ? "" : "!") +
                       e.message.text;
        return out;
    }
};

inline LoanRun RunLoan(const LoanFields& in) {
    LoanRun run;
    run.source.texts = {{"KredytBankowy", in.kredyt},
                        {"OkresBankowyKredytu", in.okres},
                        {"ProcentBankowy", in.procent},
                        {"DataKredytu", in.dataKredytu},
                        {"DataPierwszejRaty", in.dataPierwszejRaty},
                        {"EditRata1", in.rata1}};
    run.source.choices = {{"RadioGroup3", in.typ},
                          {"RadioGroup4", in.jednostka},
                          {"RadioGroupWylicz", in.wylicz},
                          {"CheckBoxZaPelneMiesiace", in.pelnyMiesiac ? 1 : 0}};
    TextFields fields(run.source);
    run.outcome = CalculateLoan(fields);
    run.effects = fields.Effects();
    return run;
}

}  // namespace tolvex::testing
