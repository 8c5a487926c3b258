// The ZUS page's fields as the calculation reads them, run without Qt.
#pragma once

#include <map>
#include <string>

#include "core/fields/text_fields.h"
#include "pensions/zus_pension.h"

// Tables name only the fields that differ from the start-up values.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace tolvex::testing {

struct ZusFields {
    std::string birth = "1952-12-18", start = "1976-12-21";
    int sex = 0, capitalMode = 0, baseIndexMode = 0, secondPillar = 0, growth = 0, valorization = 0,
        early = 0;
    std::string capital1999 = "0,00", capital = "0,00", base = "1220,89";
    std::string yearsS = "0", monthsS = "0", yearsN = "0", monthsN = "0";
    std::string life = "202,7", salary = "1800", baseIndex = "100", valorizationLabel = "Waloryzacja 0%";
    bool startShown = true;
};

struct ZusRun {
    std::map<std::string, std::string> texts;  // every field's text after the run
    std::map<std::string, bool> visible;       // last visibility set per control
    std::string messages;                      // joined by "|"
    ZusOutcome outcome;
    std::string Text(const std::string& name) const {
        auto it = texts.find(name);
        return it == texts.end() ? "" : it->second;
    }
};

inline ZusRun RunZus(const ZusFields& in, const ValorizationTable* table = nullptr) {
    MapFieldSource source;
    source.texts = {{"DateTimeDataUrodzenia", in.birth},
                    {"DateTimeDataRozpoczeciaPracy", in.start},
                    {"EditKapitalPoczatkowy1999", in.capital1999},
                    {"EditKapitalPoczatkowy", in.capital},
                    {"EditKapitalPoczatkowy_mc", "0,00"},
                    {"EditPodstawaKapitalu", in.base},
                    {"EditLataSkladkowy", in.yearsS},
                    {"EditMcSkl", in.monthsS},
                    {"EditLataNieSkl", in.yearsN},
                    {"EditMcNieSkl", in.monthsN},
                    {"EditSredniCzasZycia", in.life},
                    {"EditPlacaBruttoZus", in.salary},
                    {"LabelSredniaWaloryzacja", in.valorizationLabel}};
    source.choices = {{"RadioGroupPlec2", in.sex},
                      {"RadioGroupKapitalPoczatkowy", in.capitalMode},
                      {"RadioGroupWskaznikPodstawy", in.baseIndexMode},
                      {"RadioGroupCzyOFEII", in.secondPillar},
                      {"Inflacja", in.growth},
                      {"RadioGroupWaloryzacja", in.valorization},
                      {"CheckBoxWczesnaEmerytura", in.early}};
    TextFields fields(source);
    ZusInputs inputs;
    inputs.startOfWorkShown = in.startShown;
    inputs.baseIndex = in.baseIndex;
    inputs.valorization = table;
    ZusRun run;
    run.texts.insert(source.texts.begin(), source.texts.end());
    CalculateZusPension(fields, inputs, run.outcome);
    for (const Effect& e : fields.Effects()) {
        if (e.kind == Effect::Kind::Text) run.texts[e.name] = e.text;
        if (e.kind == Effect::Kind::Visible) run.visible[e.name] = e.visible;
        if (e.kind == Effect::Kind::Message)
            run.messages += (run.messages.empty() ? "" : "|") + e.message.text;
    }
    return run;
}

}  // namespace tolvex::testing
