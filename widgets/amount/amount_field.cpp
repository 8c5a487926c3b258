#include "widgets/amount/amount_field.h"

#include <QEvent>
#include <QMouseEvent>

#include "core/amount/amount.h"
#include "widgets/common/qt_text.h"

namespace tolvex {

ClickNotifier::ClickNotifier(QWidget* target) : QObject(target) {
    setObjectName(QStringLiteral("clickNotifier"));
    target->installEventFilter(this);
}

bool ClickNotifier::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* w = static_cast<QWidget*>(watched);
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton && w->rect().contains(me->position().toPoint())) emit clicked();
    } else if (event->type() == QEvent::FocusOut) {
        emit focusLost();
    }
    return false;
}

ClickNotifier* ClickNotifierOf(QWidget* edit) {
    for (auto* child : edit->children())
        if (auto* n = qobject_cast<ClickNotifier*>(child)) return n;
    return new ClickNotifier(edit);
}

bool ClearsOnClick(ClickRule rule, const QString& text) {
    switch (rule) {
        case ClickRule::None:
            return false;
        case ClickRule::ClearAlways:
            return true;
        case ClickRule::ClearPlaceholder:
            return text == QStringLiteral("0,00");
        case ClickRule::ClearZero:
        case ClickRule::ClearCountOrMoney:
            return text == QStringLiteral("0,00") || text == QStringLiteral("0");
        case ClickRule::ClearCount:
            return text == QStringLiteral("0");
    }
    return false;
}

void AttachAmountField(QLineEdit* edit, const AmountFieldRule& rule, const UiContext& ctx) {
    const UiContext* context = &ctx;
    if (rule.change != ChangeRule::None) {
        QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, rule, context](const QString& text) {
            if (rule.change == ChangeRule::FillResult) {
                if (text.isEmpty()) edit->setText(QStringLiteral("0,00"));
                return;
            }
            if (rule.change == ChangeRule::CheckLate && !context->mainWindowShown) return;
            if (text.isEmpty() || IsAmount(S(text))) return;
            QString message = rule.message;
            if (message.isEmpty())
                message = rule.change == ChangeRule::CheckShort ? kBadNumberShortMessage : kBadNumberMessage;
            context->Say(S(message));
            if (rule.change != ChangeRule::CheckReset) return edit->setText(QString());
            edit->setText(rule.resetTextOf ? rule.resetTextOf() : rule.resetText);
        });
    }
    if (rule.click != ClickRule::None || rule.exit != ExitRule::None) {
        ClickNotifier* notifier = ClickNotifierOf(edit);
        if (rule.click != ClickRule::None)
            QObject::connect(notifier, &ClickNotifier::clicked, edit, [edit, rule] {
                if (ClearsOnClick(rule.click, edit->text())) edit->clear();
            });
        if (rule.exit != ExitRule::None)
            QObject::connect(notifier, &ClickNotifier::focusLost, edit, [edit, rule] {
                if (edit->text().isEmpty()) edit->setText(rule.fillText);
            });
    }
}

}  // namespace tolvex
