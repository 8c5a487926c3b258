#include "pensions/pension_pages.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tolvex {

PensionPlaceholderPage::PensionPlaceholderPage(const QString& objectName, const QString& helpName, int topic,
                                               const QString& helpHint, const QString& exitName, UiContext& ctx,
                                               QWidget* parent)
    : Page(objectName, ctx, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(QStringLiteral("Ten kalkulator zostanie udostępniony w kolejnej wersji programu."), this);
    note->setAlignment(Qt::AlignCenter);
    layout->addWidget(note, 1);
    layout->addLayout(ButtonRow({MakeHelpButton(helpName, topic, helpHint), MakeExitButton(exitName)}));
}

}  // namespace tolvex
