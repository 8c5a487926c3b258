#include "payroll_test_support.h"

#include <gtest/gtest.h>

#include "core/amount/amount.h"
#include "payroll/contribution_rates.h"
#include "support/field_list.h"

namespace tolvex::testing {

MapFieldSource PayrollStartFields() {
    MapFieldSource s;
    Fill(s,
         "EditKosztyUzyskPrzychodu=250;EditUlgaPodatkowa=300;EditSkalaPodatkowa=12;ComboBoxEtat=8/8;"
         "EditRentowePracownik_Proc=1,5;EditRentowePracodawca_Proc=6,5;EditPlacaBrutto=0,00;Edit_Netto=0,00;"
         "EditKrotnoscnagrody=1;Dodaj_odejmij_Zdrowotne=Bez zdrowotnego;CheckBoxDodatkiPotracenia:0;"
         "RadioGroupJakaPremia:0");
    for (int n = 1; n <= 24; ++n) s.texts["Edit" + std::to_string(n)] = "0,00 zł";
    for (const char* name : {"EditPremia", "EditSzkodliwe", "EditNadgodziny", "EditZaUrlop", "EditZaChorobe",
                             "EditNagrody", "EditDodatek1", "EditDodatek2", "EditDodatek3",
                             "EditUbezpieczenie", "EditRata", "EditSkladka", "EditSkladkaZw", "EditKomornik",
                             "EditPotracenia1", "EditPotracenia2", "EditPotracenia3", "EditPotracenia4"})
        s.texts[name] = "0";
    for (const ContributionRow& row : kContributionRows) {
        s.texts[std::string(row.percentField)] = std::string(row.percentText);
        s.texts[std::string(row.rateLabel)] = std::string(row.rateLabelText);
        s.choices[std::string(row.employeeBox)] = row.employeeTicked ? 1 : 0;
        s.choices[std::string(row.employerBox)] = row.employerTicked ? 1 : 0;
    }
    return s;
}

bool WasWritten(const TextFields& fields, std::string_view name) {
    for (const Effect& e : fields.Effects())
        if (e.kind == Effect::Kind::Text && e.name == name) return true;
    return false;
}

Texts TextWrites(const TextFields& fields) {
    Texts writes;
    for (const Effect& e : fields.Effects())
        if (e.kind == Effect::Kind::Text) writes.emplace_back(e.name, e.text);
    return writes;
}

void RunPageCases(const std::vector<PageCase>& cases, const std::function<void(TextFields&)>& calculate) {
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.label);
        MapFieldSource source = PayrollStartFields();
        Fill(source, c.inputs);
        TextFields fields(source);
        std::vector<std::string> shown;
        try {
            calculate(fields);
            shown = fields.Messages();
        } catch (const ConversionError& e) {
            shown = fields.Messages();
            shown.push_back(e.what());
        }
        EXPECT_EQ(shown, c.messages);
        ForEachField(c.expected, [&](const std::string& name, const std::string& text, bool) {
            EXPECT_EQ(fields.Text(name), text) << name;
        });
        for (const std::string& name : c.untouched) EXPECT_FALSE(WasWritten(fields, name)) << name;
    }
}

}  // namespace tolvex::testing
