#include "payroll/place_page.h"

#include <QVBoxLayout>

namespace tolvex {

PlacePage::PlacePage(UiContext& ctx, QWidget* parent) : Page(QStringLiteral("TabSheet1"), ctx, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addLayout(ButtonRow({MakeHelpButton(QStringLiteral("Pomoc1"), 1),
                                 MakeExitButton(QStringLiteral("WyjsciePom"), QStringLiteral("Wyjście"))}));
}

void PlacePage::StartUp(const QDate&) {}

void PlacePage::ResetAllowancesPanel() {}

}  // namespace tolvex
