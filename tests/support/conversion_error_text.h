// The message of the ConversionError a call throws, so a table can list it as text.
#pragma once

#include <string>

#include "core/amount/amount.h"

namespace tolvex::testing {

template <class F>
std::string ConversionErrorText(F&& call) {
    try {
        call();
    } catch (const ConversionError& e) {
        return e.what();
    }
    return "(no error)";
}

}  // namespace tolvex::testing
