#include "payroll/dane_poczatkowe_page.h"

#include <QVBoxLayout>

namespace tolvex {

DanePoczatkowePage::DanePoczatkowePage(UiContext& ctx, QWidget* parent)
    : Page(QStringLiteral("TabSheet5"), ctx, parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addLayout(ButtonRow({MakeHelpButton(QStringLiteral("Pomoc4"), 4)}));
}

}  // namespace tolvex
