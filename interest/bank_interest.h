// Simple interest on an amount between two dates at one annual or daily rate.
#pragma once

#include <string>
#include <string_view>

#include "core/date/date_text.h"

namespace tolvex {

// "Naliczanie odsetek ": item 0 "Roczne", item 1 "Dzienne".
enum class BankInterestMode { Annual = 0, Daily = 1 };

struct BankInterestInput {
    Date Start;              // DateTimePocz: counts
    Date End;                // DateTimeKon: does not count
    std::string RateText;    // EditProcent
    std::string AmountText;  // EditKwota
    BankInterestMode Mode = BankInterestMode::Annual;
};

struct BankInterestResult {
    std::string Message;   // refused: nothing else is written
    std::string Odsetki;   // EditOdsetki
    std::string Laczna;    // EditLaczna
    std::string Sentence;  // first line of MemoWynik
};

inline constexpr std::string_view kBadDateMessage = "Nieprawidłowo podana Data";

// Reads the rate, then the amount (a bad text throws ConversionError), then checks the dates.
BankInterestResult CalculateBankInterest(const BankInterestInput& in);

// "dzień" for exactly one day, "dni" otherwise.
std::string_view DayWord(int days);

// LabelJakNaliczane: "Odsetki naliczane rocznie w wysokości " + rate text + " %".
std::string RateLabelText(BankInterestMode mode, std::string_view rateText);

}  // namespace tolvex
