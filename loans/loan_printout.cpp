#include "loans/loan_printout.h"

#include <string>

#include "core/amount/amount.h"

namespace tolvex {

namespace {

constexpr int kLineX = 200;

std::string Zl(std::string text) {
    return text + std::string(kZlSuffix);
}

void PrintRows(ReportPrinter& r, const TextFields& f, const LoanSchedule& schedule) {
    // A schedule of equal instalments has no principal parts or due dates to list.
    if (schedule.Kind != LoanKind::Decreasing) return;
    long double balance = f.Number(loan_fields::KredytBankowy);
    for (int k = 1; k <= schedule.InstalmentCount; ++k) {
        const LoanInstalment& e = schedule.Entry(k);
        r.ProcessMessages();
        balance -= e.Principal;
        r.PrintRow({{"", 2},
                    {std::to_string(k), 6},
                    {FormatMoney(e.Principal), 12},
                    {FormatMoney(e.Interest), 12},
                    {FormatMoney(e.Amount), 12},
                    {FormatMoney(static_cast<double>(balance)), 12},
                    {FormatDate(e.DueDate), 12}});
        r.CheckPageBreak();
    }
}

}  // namespace

std::string LoanUnitWord(PeriodUnit unit, std::string_view periodText) {
    const bool years = unit == PeriodUnit::Years;
    if (periodText == "1") return years ? "rok" : "miesiąc";
    if (periodText == "2" || periodText == "3" || periodText == "4") return years ? "lata" : "miesiące";
    return years ? "lat" : "miesięcy";
}

void PrintLoanLine(ReportPrinter& r, int x, int y, std::string_view text) {
    r.SetFont(8);
    const PrintFont kept = r.Canvas().Font();
    r.SetFont(12);
    if (!r.Aborted()) r.Canvas().TextOut(x, y, text);
    r.CurrentY = static_cast<std::uint16_t>(r.CurrentY + r.LineHeight + r.Spacing);
    r.Canvas().SetFont(kept);
}

void PrintScheduleHeadings(ReportPrinter& r) {
    r.SetFont(9, true, true);
    r.PrintRow({{"", 2},
                {"Nr raty", 6},
                {"Rata Kredytu", 12},
                {"Rata odsetek", 12},
                {"Do zapłaty", 12},
                {"Saldo kredytu", 12},
                {"Data spłaty", 12}});
    r.SetStyleRegular();
}

void PrintLoanReport(ReportPrinter& r, const TextFields& f, std::string_view unitWord,
                     const LoanSchedule& schedule) {
    using namespace loan_fields;
    const bool decreasing = f.Choice(RadioGroup3) == static_cast<int>(LoanKind::Decreasing);
    r.BeginReport();
    try {
        r.PrintTitle(decreasing ? "PODSTAWOWE DANE KREDYTU-raty malejące"
                                : "PODSTAWOWE DANE KREDYTU-raty równomierne");
        PrintLoanLine(r, kLineX, 300, "Wysokość pobranego kredytu : " + Zl(f.Text(KredytBankowy)));
        PrintLoanLine(r, kLineX, 400,
                      "Okres kredytu : " + f.Text(OkresBankowyKredytu) + std::string(unitWord));
        PrintLoanLine(r, kLineX, 500, "Oprocentowanie kredytu : " + f.Text(ProcentBankowy) + " %");
        PrintLoanLine(r, kLineX, 600, "Data pobrania kredytu : " + f.Text(DataKredytu));
        if (decreasing) {
            PrintLoanLine(r, kLineX, 700, "Do spłaty : " + Zl(f.Text(DoSplaty)));
            PrintScheduleHeadings(r);
            PrintRows(r, f, schedule);
        } else {
            PrintLoanLine(r, kLineX, 700, "Pierwsza rata : " + f.Text(DataPierwszejRaty));
            PrintLoanLine(r, kLineX, 800, "Do spłaty : " + Zl(f.Text(DoSplaty)));
            PrintLoanLine(r, kLineX, 900, "Odsetki od kredytu : " + Zl(f.Text(OdsetkiBankowe)));
            PrintLoanLine(r, kLineX, 1000, "Pierwsza rata bankowa : " + Zl(f.Text(PierwszaRata)));
            PrintLoanLine(r, kLineX, 1100, "Ostatnia rata bankowa : " + Zl(f.Text(OstatniaRata)));
            PrintLoanLine(r, kLineX, 1200, "Pozostałe raty bankowe : " + Zl(f.Text(RataBankowa)));
            r.CheckPageBreak();
        }
    } catch (const ConversionError&) {
        // The job is closed with what it has; the caller shows the message.
        r.EndReport();
        throw;
    }
    r.EndReport();
}

}  // namespace tolvex
