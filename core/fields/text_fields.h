// The fields a calculation reads and the effects it has, in order, without Qt.
// A calculation reads texts and choices through a FieldSource, writes texts, shows
// messages and hides or shows controls; the page replays those effects on its widgets.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/fields/messages.h"

namespace tolvex {

class FieldSource {
  public:
    virtual ~FieldSource() = default;
    virtual std::string Text(std::string_view name) const = 0;
    // Check box: 1 ticked, 0 not. Drop-down or radio group: selected index, -1 none.
    virtual int Choice(std::string_view name) const = 0;
};

// A FieldSource over plain maps, for tests and for calculations fed by other calculations.
class MapFieldSource : public FieldSource {
  public:
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, int, std::less<>> choices;

    std::string Text(std::string_view name) const override;
    int Choice(std::string_view name) const override;
};

struct Effect {
    enum class Kind { Text, Visible, Message };
    Kind kind = Kind::Text;
    std::string name;  // objectName of the control (Text, Visible)
    std::string text;  // new text (Text)
    bool visible = true;
    Message message;

    bool operator==(const Effect&) const = default;
};

class TextFields {
  public:
    explicit TextFields(const FieldSource& source) : source_(source) {}

    // Current text: the last write of this calculation, else the source's.
    std::string Text(std::string_view name) const;
    int Choice(std::string_view name) const { return source_.Choice(name); }
    bool Checked(std::string_view name) const { return Choice(name) == 1; }
    // ParseAmount of the current text; throws ConversionError.
    double Number(std::string_view name) const;
    // The number of a text ending in " zł"; a missing suffix is reported and the
    // text is shortened anyway.
    double NumberWithoutSuffix(std::string_view name);
    // The text without its last three characters; reports a missing " zł".
    std::string TextWithoutSuffix(std::string_view name);

    void Write(std::string_view name, std::string text);
    void SetVisible(std::string_view name, bool visible);
    void Show(Message message);
    void Show(std::string text, std::string caption = {}) {
        Show(Message{std::move(text), std::move(caption)});
    }

    const std::vector<Effect>& Effects() const { return effects_; }
    // Last text written to `name` by this calculation, or "" if none.
    std::string Written(std::string_view name) const;
    std::vector<std::string> Messages() const;

  private:
    const FieldSource& source_;
    std::map<std::string, std::string, std::less<>> written_;
    std::vector<Effect> effects_;
};

}  // namespace tolvex
