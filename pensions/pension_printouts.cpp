#include "pensions/pension_printouts.h"

#include <algorithm>
#include <cstdint>

#include "core/amount/amount.h"
#include "core/date/date_text.h"

namespace tolvex {
namespace {

namespace f = fund_fields;
namespace z = zus_fields;

constexpr double kOneOver209 = 0.004784688995215311;

// `text` without its first `count` characters (not bytes).
std::string AfterCharacters(const std::string& text, std::size_t count) {
    std::size_t i = 0;
    for (; i < text.size() && count > 0; --count) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    }
    return text.substr(i);
}

// A gap before a section heading; a gap that runs past the page starts the next one, so
// the heading is never drawn below the paper's edge.
void Gap(ReportPrinter& r, int lines) {
    r.CurrentY = static_cast<std::uint16_t>(r.CurrentY + lines * r.LineHeight + r.Spacing);
    r.CheckPageBreak();
}

void Section(ReportPrinter& r, std::string_view heading, const std::vector<std::string>& lines) {
    r.SetFont(10, false, true);
    r.PrintLine(heading);
    r.SetFont(8);
    for (const std::string& line : lines) r.PrintLine(line);
}

std::string SexLine(const TextFields& fields) {
    return fields.Choice(z::RadioGroupPlec2) == 1 ? "Płeć :Kobieta" : "Płeć :Mężczyzna";
}

// The capital of the last row that holds one, or nothing.
std::optional<std::string> LastCapital(const ZusGrid& grid) {
    for (auto row = grid.Rows.rbegin(); row != grid.Rows.rend(); ++row)
        if (!(*row)[4].empty()) return (*row)[4];
    return std::nullopt;
}

std::string ValorizationLine(const TextFields& fields, bool between) {
    const std::string subject = between ? "Składki i kapitał" : "Składki";
    switch (static_cast<Valorization>(fields.Choice(z::RadioGroupWaloryzacja))) {
        case Valorization::Yearly:
            return subject + " są waloryzowane wskaźnikiem waloryzacji za każdy rok";
        case Valorization::Average:
            return subject + " są waloryzowane wg średniej waloryzacji z lat " +
                   (between ? "1999-2010: " : "1999-2008: ") + fields.Text(z::LabelSredniaWaloryzacja);
        case Valorization::None:
            break;
    }
    return subject + " nie są waloryzowane";
}

}  // namespace

PensionReport PrepareFundReport(Pillar pillar, const TextFields& fields, int firstYear,
                                const FundProjectionRows& rows) {
    const bool second = pillar == Pillar::Second;
    PensionReport report;
    report.title = second ? "WYNIKI OBLICZEŃ EMERYTURY II FILAR" : "WYNIKI OBLICZEŃ EMERYTURY III FILAR";
    const bool woman = fields.Choice(second ? f::RadioGroupPlec : f::RadioGroupPlec1) == 1;
    const int age = fields.Choice(second ? f::TrackBarWiek : f::TrackBarWiek1);
    const int n = (woman ? 60 : 65) - age;
    const std::string commission = FormatMoney(SpinValue(fields, second ? kProwizjaRange : kProwizjaFERange));
    const int lead = second ? 16 : 24;

    if (second)
        report.table.push_back({{"", lead},
                                {"LP", 4},
                                {"LATA", 4},
                                {"PŁACA BR.(zł)", 10},
                                {"WPŁATY(zł)", 10},
                                {"KAPITAŁ(zł)", 10},
                                {"PROWIZJA(%)", 10}});
    else
        report.table.push_back({{"", lead},
                                {"LP", 4},
                                {"LATA", 4},
                                {"WPŁATY(zł)", 10},
                                {"KAPITAŁ(zł)", 10},
                                {"PROWIZJA(%)", 10}});
    const int last = std::min(n + 1, rows.Years());
    for (int k = 1; k <= last; ++k) {
        std::vector<ReportCell> cells{
            {"", lead}, {std::to_string(k), 4}, {std::to_string(firstYear - 1 + k), 4}};
        if (second) cells.push_back({FormatGeneral(rows.Salary.at(k)), 10});
        cells.push_back({FormatMoney(rows.Paid.at(k)), 10});
        cells.push_back({FormatMoney(rows.Capital.at(k)), 10});
        cells.push_back({commission, 10});
        report.table.push_back(std::move(cells));
    }

    if (second) {
        report.inputLines = {"   Wynagrodzenie brutto : " + fields.Text(f::WynagrodzenieBrutto) + " zł",
                             "   Realny zysk w skali roku OFE: " + fields.Text(f::Zysk) + "%",
                             "   Wzrost wynagrodzenia w skali roku: " + fields.Text(f::Wzrost) + "%",
                             "   Okres w latach pobierania emerytury: " + fields.Text(f::UstawionyOkres)};
        // The field reads "Kapitał 1 234 zł": the blank after the word stays.
        report.outputLines = {"  Zebrany kapitał: " + AfterCharacters(fields.Text(f::Kapital), 7),
                              "   Wysokość emerytury: " + fields.Text(f::MiesiecznaEmerytura)};
    } else {
        report.inputLines = {"   Realny zysk w skali roku FE: " + fields.Text(f::ZyskFE) + "%",
                             "   Inflacja w skali roku: " + fields.Text(f::InflacjaRoczna) + "%",
                             "   Okres w latach pobierania emerytury: " + fields.Text(f::UstawionyOkres1)};
        report.outputLines = {"  Zebrany kapitał: " + fields.Text(f::Kapital1),
                              "  Wysokość emerytury: " + fields.Text(f::MiesiecznaEmerytura1)};
    }
    return report;
}

ZusReportKind ZusReportFor(int birthYear, bool earlyRetirement) {
    if (birthYear < 1949 || (birthYear <= 1968 && earlyRetirement)) return ZusReportKind::OldSystem;
    return birthYear <= 1968 ? ZusReportKind::Between1949And1968 : ZusReportKind::After1968;
}

std::optional<PensionReport> PrepareZusReport(const TextFields& fields, const ZusGrid& grid,
                                              std::string_view baseIndex) {
    const std::string birthText = fields.Text(z::DateTimeDataUrodzenia);
    const Date birth = ParseDate(birthText);
    const ZusReportKind kind =
        ZusReportFor(static_cast<int>(birth.year()), fields.Checked(z::CheckBoxWczesnaEmerytura));
    PensionReport report;
    const auto period = [&](const char* what, std::string_view years, std::string_view months,
                            const char* word) {
        return std::string(what) + fields.Text(years) + word + fields.Text(months) + " miesięcy";
    };
    if (kind == ZusReportKind::OldSystem) {
        report.title = "WYNIKI OBLICZEŃ EMERYTURY DLA URODZONYCH PRZED 01.01.1949 R. LUB WCZESNA EMERYTURA";
        report.sections = false;
        report.inputLines = {SexLine(fields), "Data urodzenia: " + birthText,
                             period("Okres składkowy: ", z::EditLataSkladkowy, z::EditMcSkl, " lata i "),
                             period("Okres nieskładkowy: ", z::EditLataNieSkl, z::EditMcNieSkl, " lata i "),
                             fields.Text(z::LabelMiesiecznaEmerytura)};
        return report;
    }

    const bool between = kind == ZusReportKind::Between1949And1968;
    const std::optional<std::string> capital = LastCapital(grid);
    if (!capital) return std::nullopt;
    // The calculation's own rule: a life expectancy of 0 or less counts as 209 months.
    const std::string lifeText = fields.Text(z::EditSredniCzasZycia);
    const double life = lifeText.empty() ? 0.0 : fields.Number(z::EditSredniCzasZycia);
    const double cap = ParseAmount(*capital);
    const std::string pension = FormatGeneral(RoundTo2Places(life > 0 ? cap / life : cap * kOneOver209));

    report.title = between ? "WYNIKI OBLICZEŃ EMERYTURY ZUS DLA URODZONYCH POMIĘDZY 1949 A 1969 ROKIEM"
                           : "WYNIKI OBLICZEŃ EMERYTURY ZUS DLA URODZONYCH PO 1968 ROKU";
    std::vector<ReportCell> heading{{"", 12},         {"LP", 4},          {"LATA", 4},
                                    {"PŁACA(zł)", 8}, {"SKŁADKI(zł)", 8}, {"KAPITAŁ(zł)", 8}};
    if (between) heading.insert(heading.end(), {{"KAP. POCZ.(zł)", 12}, {"KAP. POCZ./MC(zł)", 12}});
    report.table.push_back(std::move(heading));
    for (std::size_t r = 0; r < grid.Rows.size(); ++r) {
        const auto& row = grid.Rows[r];
        std::vector<ReportCell> cells;
        if (!row[4].empty()) {
            cells = {{"", 12},   {std::to_string(r + 1), 4}, {row[1], 4}, {row[2], 8}, {row[3], 8},
                     {row[4], 8}};
            if (between) cells.insert(cells.end(), {{row[5], 12}, {row[6], 12}});
        }
        report.table.push_back(std::move(cells));
    }
    const bool reform = !between || fields.Choice(z::RadioGroupCzyOFEII) == 0;
    report.afterTable = {"Emerytura ze składek = " + pension,
                         reform ? "Na składkę emerytalną przekazywane jest z płacy brutto : 11,22% do 1 V "
                                  "2011r. i 16,22% po tym okresie"
                                : "Na składkę emerytalną przekazywane jest z płacy brutto : 18,52%"};

    auto& in = report.inputLines;
    in = {SexLine(fields), "Data urodzenia: " + birthText,
          "Średni okres trwania dalszego życia :" + lifeText + " miesięcy"};
    if (between && fields.Choice(z::RadioGroupKapitalPoczatkowy) == 1) {
        in.push_back(period("Okres składkowy: ", z::EditLataSkladkowy, z::EditMcSkl, " lat(a) i "));
        in.push_back(period("Okres nieskładkowy: ", z::EditLataNieSkl, z::EditMcNieSkl, " lat(a) i "));
    }
    in.push_back("Startowe wynagrodzenie brutto : " + fields.Text(z::EditPlacaBruttoZus) + " zł");
    in.push_back("Roczny przyrost płacy: " + std::to_string(fields.Choice(z::Inflacja)) + "%");
    if (between)
        in.push_back(fields.Choice(z::RadioGroupWskaznikPodstawy) == 0
                         ? std::string("Wskaźnik podstawy kapitału : 100%")
                         : "Wskaźnik podstawy kapitału : " + std::string(baseIndex));
    in.push_back(ValorizationLine(fields, between));
    if (between) {
        in.push_back("Całkowity kapitał początkowy: " + fields.Text(z::EditKapitalPoczatkowy) + "zł");
        in.push_back("Kapitał początkowy/m-c: " + fields.Text(z::EditKapitalPoczatkowy_mc));
        in.push_back("Emerytura ze składek: " + pension + "zł");
    }
    report.outputLines = {fields.Text(z::LabelMiesiecznaEmerytura)};
    return report;
}

void PrintPensionReport(ReportPrinter& r, const PensionReport& data) {
    r.BeginReport();
    r.PrintTitle(data.title);
    if (!data.table.empty()) {
        r.SetFont(8, true, true);
        r.PrintRow(data.table.front());
        r.SetStyleRegular();
        for (auto row = data.table.begin() + 1; row != data.table.end(); ++row) {
            r.ProcessMessages();
            r.PrintRow(*row);
            r.CheckPageBreak();
        }
    }
    for (const std::string& line : data.afterTable) r.PrintLine(line);
    if (data.sections) {
        Gap(r, 3);
        Section(r, "   DANE WEJŚCIOWE DO OBLICZEŃ ", data.inputLines);
        Gap(r, 1);
        Section(r, "  DANE WYJŚCIOWE", data.outputLines);
    } else {
        for (const std::string& line : data.inputLines) r.PrintLine(line);
    }
    r.EndReport();
}

}  // namespace tolvex
