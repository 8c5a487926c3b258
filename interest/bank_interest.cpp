#include "interest/bank_interest.h"

#include "core/amount/amount.h"

namespace tolvex {
namespace {

constexpr long double kOneOver365 = 0.0027397260273972603L;

}  // namespace

std::string_view DayWord(int days) {
    return days == 1 ? "dzień" : "dni";
}

std::string RateLabelText(BankInterestMode mode, std::string_view rateText) {
    const std::string_view head = mode == BankInterestMode::Daily ? "Odsetki naliczane dziennie w wysokości "
                                                                  : "Odsetki naliczane rocznie w wysokości ";
    return std::string(head) + std::string(rateText) + " %";
}

BankInterestResult CalculateBankInterest(const BankInterestInput& in) {
    BankInterestResult out;
    const int days = DaysBetween(in.Start, in.End);
    const double rate = ParseAmount(in.RateText);
    const double amount = ParseAmount(in.AmountText);
    if (days < 0) {
        out.Message = std::string(kBadDateMessage);
        return out;
    }
    const std::string word(DayWord(days));
    const std::string d = FormatGeneral(days);

    std::string part1;
    double interest = 0;
    if (in.Mode == BankInterestMode::Annual) {
        interest = RoundTo2Places(static_cast<double>(kOneOver365 * days * amount * (0.01L * rate)));
        out.Odsetki = AppendZlSuffix(FormatMoney(interest));
        part1 = "Odsetki liczone w skali roku za ";
    } else {
        interest =
            RoundTo2Places(static_cast<double>(static_cast<long double>(amount) * days * (0.01L * rate)));
        out.Odsetki = AppendZlSuffix(FormatGeneral(interest));
        part1 = "Odsetki liczone dziennie za ";
    }
    out.Laczna =
        AppendZlSuffix(FormatMoney(static_cast<double>(static_cast<long double>(amount) + interest)));
    part1 += d + " " + word + " wynoszą " + out.Odsetki + ".";
    const std::string part2 = " Łączna kwota z odsetkami za  " + d + " " + word + " wynosi " + out.Laczna;
    out.Sentence = part1 + part2;
    return out;
}

}  // namespace tolvex
