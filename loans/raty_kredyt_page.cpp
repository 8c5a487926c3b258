#include "loans/raty_kredyt_page.h"

#include <QVBoxLayout>

namespace tolvex {

RatyKredytPage::RatyKredytPage(UiContext& ctx, QWidget* parent) : Page(QStringLiteral("TabSheet8"), ctx, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addLayout(ButtonRow({MakeHelpButton(QStringLiteral("Pomoc7"), 7), MakeExitButton(QStringLiteral("WyjsciePom6"))}));
}

}  // namespace tolvex
