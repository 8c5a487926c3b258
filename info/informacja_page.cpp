#include "info/informacja_page.h"

#include <QVBoxLayout>

namespace tolvex {

InformacjaPage::InformacjaPage(UiContext& ctx, QWidget* parent) : Page(QStringLiteral("Informacja"), ctx, parent) {
    new QVBoxLayout(this);
}

}  // namespace tolvex
