// The payroll page's start texts as a field source, and a runner for tables of calculations on it.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/fields/text_fields.h"

namespace tolvex::testing {

using Texts = std::vector<std::pair<std::string, std::string>>;

// 2025 parameters, default rates and boxes, panel off, factor "8/8", empty results.
MapFieldSource PayrollStartFields();

bool WasWritten(const TextFields& fields, std::string_view name);
// Every text write in order, as (name, text).
Texts TextWrites(const TextFields& fields);

struct PageCase {
    const char* label;
    const char* inputs;                       // "Name=text;Box:choice" over the start fields
    const char* expected;                     // "Name=text;..." final texts of these fields
    std::vector<std::string> untouched = {};  // fields the calculation must not write
    std::vector<std::string> messages = {};   // shown, a conversion error's last as the page shows it
};
// Runs `calculate` on the start fields with each case's inputs and checks its texts.
void RunPageCases(const std::vector<PageCase>& cases, const std::function<void(TextFields&)>& calculate);

}  // namespace tolvex::testing
