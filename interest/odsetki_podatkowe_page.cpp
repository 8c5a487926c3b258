#include "interest/odsetki_podatkowe_page.h"

#include <QVBoxLayout>

namespace tolvex {

OdsetkiPodatkowePage::OdsetkiPodatkowePage(UiContext& ctx, QWidget* parent)
    : Page(QStringLiteral("TabSheet4"), ctx, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addLayout(ButtonRow({MakeHelpButton(QStringLiteral("Pomoc3"), 3), MakeExitButton(QStringLiteral("WyjsciePom2"))}));
}

}  // namespace tolvex
