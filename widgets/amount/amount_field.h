// The small behaviours of every amount field, as data: validate on change, clear a
// placeholder on a click, refill an empty field on exit. One call per field attaches them.
#pragma once

#include <QLineEdit>
#include <QString>
#include <functional>

#include "widgets/common/ui_context.h"

namespace tolvex {

enum class ChangeRule {
    None,
    Check,       // a bad number: "Błędnie napisana liczba(separator lub wartość)", field emptied
    CheckLate,   // as Check, idle until the main window is shown
    CheckShort,  // as Check with "Błędnie napisana liczba "
    CheckReset,  // as Check, but the field gets `resetText` instead of empty
    FillResult,  // read-only result: an emptied field shows "0,00"
};

enum class ClickRule {
    None,
    ClearAlways,        // always emptied
    ClearPlaceholder,   // "0,00" emptied
    ClearZero,          // "0,00" or "0" emptied
    ClearCount,         // "0" emptied
    ClearCountOrMoney,  // "0" or "0,00" emptied
};

enum class ExitRule {
    None,
    Fill,            // empty: `fillText`
    FillAndConvert,  // as Fill; the fill text always converts
};

inline constexpr const char* kBadNumberMessage = "Błędnie napisana liczba(separator lub wartość)";
inline constexpr const char* kBadNumberShortMessage = "Błędnie napisana liczba ";

struct AmountFieldRule {
    ChangeRule change = ChangeRule::None;
    ClickRule click = ClickRule::None;
    ExitRule exit = ExitRule::None;
    QString fillText = QStringLiteral("0,00");
    QString resetText;                     // CheckReset
    std::function<QString()> resetTextOf;  // CheckReset with a default that depends on other fields
    QString message;                       // overrides the variant's message when not empty
};

// Common rows of the member table.
namespace rules {
inline AmountFieldRule Make(ChangeRule change, ClickRule click, ExitRule exit,
                            QString fill = QStringLiteral("0,00")) {
    AmountFieldRule r;
    r.change = change;
    r.click = click;
    r.exit = exit;
    r.fillText = std::move(fill);
    return r;
}
inline AmountFieldRule Check(ClickRule click = ClickRule::None) {
    return Make(ChangeRule::Check, click, ExitRule::Fill);
}
inline AmountFieldRule CheckLateConvert() {
    return Make(ChangeRule::CheckLate, ClickRule::None, ExitRule::FillAndConvert);
}
inline AmountFieldRule CheckShort(ClickRule click = ClickRule::ClearZero,
                                  QString fill = QStringLiteral("0,00")) {
    return Make(ChangeRule::CheckShort, click, ExitRule::Fill, std::move(fill));
}
inline AmountFieldRule Result() {
    return Make(ChangeRule::FillResult, ClickRule::None, ExitRule::None);
}
}  // namespace rules

// Attaches the rule to `edit`. The field keeps the rule for its lifetime; further
// change handlers a page connects afterwards run after the rule's own.
void AttachAmountField(QLineEdit* edit, const AmountFieldRule& rule, const UiContext& ctx);

// True when the text is a placeholder the rule clears on a click.
bool ClearsOnClick(ClickRule rule, const QString& text);

// Emits clicked() when the mouse is released over the widget, as a click handler expects.
class ClickNotifier : public QObject {
    Q_OBJECT
  public:
    explicit ClickNotifier(QWidget* target);
    bool eventFilter(QObject* watched, QEvent* event) override;
  signals:
    void clicked();
    void focusLost();
};

// The notifier of `edit`, created on first use.
ClickNotifier* ClickNotifierOf(QWidget* edit);

}  // namespace tolvex
