#include "widgets/common/widget_fields.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QWidget>

#include "core/amount/amount.h"
#include "widgets/common/qt_text.h"
#include "widgets/common/radio_group.h"

namespace tolvex {

QWidget* FindControl(const QWidget* root, const QString& name) {
    if (root->objectName() == name) return const_cast<QWidget*>(root);
    if (QWidget* found = root->findChild<QWidget*>(name)) return found;
    auto* deferred = dynamic_cast<DeferredControls*>(root->window());
    if (!deferred) return nullptr;
    deferred->BuildDeferredControls();
    return root->findChild<QWidget*>(name);
}

QString ControlText(const QWidget* root, const QString& name) {
    QWidget* w = FindControl(root, name);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    if (auto* s = qobject_cast<QSpinBox*>(w)) return s->text();
    if (auto* p = qobject_cast<QPlainTextEdit*>(w)) return p->toPlainText();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    return {};
}

void SetControlText(const QWidget* root, const QString& name, const QString& text) {
    QWidget* w = FindControl(root, name);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(text);
    else if (auto* c = qobject_cast<QComboBox*>(w))
        c->setCurrentText(text);
    else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        p->setPlainText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(text);
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(text);
    else
        qWarning("SetControlText: no control named %s", qPrintable(name));
}

std::string WidgetFieldSource::Text(std::string_view name) const {
    return S(ControlText(root_, Q(name)));
}

int WidgetFieldSource::Choice(std::string_view name) const {
    QWidget* w = FindControl(root_, Q(name));
    if (auto* r = qobject_cast<RadioGroup*>(w)) return r->ItemIndex();
    if (auto* c = qobject_cast<QCheckBox*>(w)) return c->isChecked() ? 1 : 0;
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->findText(c->currentText(), Qt::MatchExactly);
    if (auto* s = qobject_cast<QSpinBox*>(w)) return s->value();
    if (auto* s = qobject_cast<QAbstractSlider*>(w)) return s->value();
    return -1;
}

void ApplyEffects(const QWidget* root, const std::vector<Effect>& effects, const UiContext& ctx) {
    for (const auto& e : effects) {
        switch (e.kind) {
            case Effect::Kind::Text:
                SetControlText(root, Q(e.name), Q(e.text));
                break;
            case Effect::Kind::Visible:
                if (QWidget* w = FindControl(root, Q(e.name))) w->setVisible(e.visible);
                break;
            case Effect::Kind::Message:
                if (ctx.messages) ctx.messages->Show(e.message);
                break;
        }
    }
}

void RunCalculation(const QWidget* root, const UiContext& ctx,
                    const std::function<void(TextFields&)>& calculation) {
    WidgetFieldSource source(root);
    TextFields fields(source);
    try {
        calculation(fields);
    } catch (const ConversionError& error) {
        ApplyEffects(root, fields.Effects(), ctx);
        ctx.Say(error.what());
        return;
    }
    ApplyEffects(root, fields.Effects(), ctx);
}

}  // namespace tolvex
