// A loan as the page's fields hold it, run through the calculation without Qt.
#pragma once

#include <string>
#include <vector>

#include "core/fields/text_fields.h"
#include "loans/loan_schedule.h"

namespace tolvex::testing {

struct LoanFields {
    std::string kredyt = "10000";
    std::string okres = "12";
    std::string procent = "12";
    std::string dataKredytu = "2024-03-10";
    std::string dataPierwszejRaty = "2024-04-01";
    std::string rata1;
    int typ = 0;        // RadioGroup3: 0 equal, 1 decreasing
    int jednostka = 1;  // RadioGroup4: 0 years, 1 months
    int wylicz = 0;     // RadioGroupWylicz: 1 rate mode
    bool pelnyMiesiac = true;
};

struct LoanRun {
    LoanOutcome outcome;
    std::vector<Effect> effects;
    std::vector<std::string> messages;
    std::vector<Message> boxes;
    std::string Written(const std::string& name) const {
        std::string text;
        for (const auto& e : effects)
            if (e.kind == Effect::Kind::Text && e.name == name) text = e.text;
        return text;
    }
    // The last visibility set for `name`: 1 shown, 0 hidden, -1 untouched.
    int Visible(const std::string& name) const {
        int v = -1;
        for (const auto& e : effects)
            if (e.kind == Effect::Kind::Visible && e.name == name) v = e.visible ? 1 : 0;
        return v;
    }
};

inline LoanRun RunLoan(const LoanFields& in) {
    MapFieldSource source;
    source.texts = {{"KredytBankowy", in.kredyt},
                    {"OkresBankowyKredytu", in.okres},
                    {"ProcentBankowy", in.procent},
                    {"DataKredytu", in.dataKredytu},
                    {"DataPierwszejRaty", in.dataPierwszejRaty},
                    {"EditRata1", in.rata1}};
    source.choices = {{"RadioGroup3", in.typ},
                      {"RadioGroup4", in.jednostka},
                      {"RadioGroupWylicz", in.wylicz},
                      {"CheckBoxZaPelneMiesiace", in.pelnyMiesiac ? 1 : 0}};
    TextFields fields(source);
    LoanRun run;
    run.outcome = CalculateLoan(fields);
    run.effects = fields.Effects();
    run.messages = fields.Messages();
    for (const auto& e : run.effects)
        if (e.kind == Effect::Kind::Message) run.boxes.push_back(e.message);
    return run;
}

}  // namespace tolvex::testing
