// Connects the Qt-free calculations to the widgets: reads controls by objectName,
// replays a calculation's effects on them, and runs a calculation inside the one
// guard that turns a conversion error into the program's message.
#pragma once

#include <QString>
#include <functional>

#include "core/fields/text_fields.h"
#include "widgets/common/ui_context.h"

class QWidget;

namespace tolvex {

// Reads line edits, labels, buttons, combo boxes, check boxes, radio groups, spin
// boxes and track bars anywhere under `root` by objectName.
class WidgetFieldSource : public FieldSource {
  public:
    explicit WidgetFieldSource(const QWidget* root) : root_(root) {}
    std::string Text(std::string_view name) const override;
    int Choice(std::string_view name) const override;

  private:
    const QWidget* root_;
};

// A window that builds some of its controls only when first needed. A name looked up under
// it and not found makes it build the rest, so calculations see every control.
class DeferredControls {
  public:
    virtual void BuildDeferredControls() = 0;

  protected:
    ~DeferredControls() = default;
};

QWidget* FindControl(const QWidget* root, const QString& name);
// Sets the text of a line edit, label, button or text box found by name.
void SetControlText(const QWidget* root, const QString& name, const QString& text);
QString ControlText(const QWidget* root, const QString& name);

// Replays writes, visibility changes and messages in the order the calculation made them.
void ApplyEffects(const QWidget* root, const std::vector<Effect>& effects, const UiContext& ctx);

// Runs `calculation` over the fields under `root`; whatever it wrote before a
// ConversionError stays written, then the error's text is shown.
void RunCalculation(const QWidget* root, const UiContext& ctx,
                    const std::function<void(TextFields&)>& calculation);

}  // namespace tolvex
