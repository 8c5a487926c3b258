#include "interest/odsetki_przelicznik_page.h"

#include <QVBoxLayout>

namespace tolvex {

OdsetkiPrzelicznikPage::OdsetkiPrzelicznikPage(UiContext& ctx, QWidget* parent)
    : Page(QStringLiteral("TabSheet3"), ctx, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addLayout(ButtonRow({MakeHelpButton(QStringLiteral("pomoc2"), 2), MakeExitButton(QStringLiteral("WyjsciePom1"))}));
}

}  // namespace tolvex
