#include "payroll/skladki_zus_page.h"

#include <QVBoxLayout>

namespace tolvex {

SkladkiZusPage::SkladkiZusPage(UiContext& ctx, QWidget* parent) : Page(QStringLiteral("TabSheet2"), ctx, parent) {
    new QVBoxLayout(this);
}

}  // namespace tolvex
