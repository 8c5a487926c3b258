// Several fields named in one line, "Name=text;Name:number", so a table row or a set-up can
// list only what it changes.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "core/fields/text_fields.h"

namespace tolvex::testing {

// Calls `set(name, value, isText)` for each entry in order; ':' entries are choices and such.
template <class F>
void ForEachField(std::string_view list, F&& set) {
    while (!list.empty()) {
        const std::string_view entry = list.substr(0, list.find(';'));
        list.remove_prefix(std::min(list.size(), entry.size() + 1));
        const size_t at = entry.find_first_of("=:");
        set(std::string(entry.substr(0, at)), std::string(entry.substr(at + 1)), entry[at] == '=');
    }
}

inline void Fill(MapFieldSource& source, std::string_view list) {
    ForEachField(list, [&](const std::string& name, const std::string& value, bool text) {
        if (text) return void(source.texts[name] = value);
        source.choices[name] = std::stoi(value);
    });
}

}  // namespace tolvex::testing
