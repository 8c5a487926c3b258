#include "core/fields/text_fields.h"

#include "core/amount/amount.h"

namespace tolvex {

std::string MapFieldSource::Text(std::string_view name) const {
    auto it = texts.find(name);
    return it == texts.end() ? std::string() : it->second;
}

int MapFieldSource::Choice(std::string_view name) const {
    auto it = choices.find(name);
    return it == choices.end() ? -1 : it->second;
}

std::string TextFields::Text(std::string_view name) const {
    auto it = written_.find(name);
    return it != written_.end() ? it->second : source_.Text(name);
}

double TextFields::Number(std::string_view name) const {
    return ParseAmount(Text(name));
}

std::string TextFields::TextWithoutSuffix(std::string_view name) {
    bool valid = true;
    std::string bare = StripZlSuffix(Text(name), &valid);
    if (!valid) Show(std::string(kBadSuffixMessage));
    return bare;
}

double TextFields::NumberWithoutSuffix(std::string_view name) {
    return ParseAmount(TextWithoutSuffix(name));
}

void TextFields::Write(std::string_view name, std::string text) {
    written_[std::string(name)] = text;
    effects_.push_back(Effect{Effect::Kind::Text, std::string(name), std::move(text), true, {}});
}

void TextFields::SetVisible(std::string_view name, bool visible) {
    effects_.push_back(Effect{Effect::Kind::Visible, std::string(name), {}, visible, {}});
}

void TextFields::Show(Message message) {
    effects_.push_back(Effect{Effect::Kind::Message, {}, {}, true, std::move(message)});
}

std::string TextFields::Written(std::string_view name) const {
    auto it = written_.find(name);
    return it == written_.end() ? std::string() : it->second;
}

std::vector<std::string> TextFields::Messages() const {
    std::vector<std::string> out;
    for (const auto& e : effects_)
        if (e.kind == Effect::Kind::Message) out.push_back(e.message.text);
    return out;
}

}  // namespace tolvex
