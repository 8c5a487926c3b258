#include "info/informacja_dialog.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tolvex {

TInformacja::TInformacja(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TInformacja"));
    setWindowTitle(QStringLiteral("Informacja"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("TOLVEX – kalkulator finansowy"), this);
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text, 1);
    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    connect(BitBtn1, &QPushButton::clicked, this, &TInformacja::BitBtn1Click);
    resize(420, 300);
}

void TInformacja::BitBtn1Click() {
    accept();
    emit okPressed();
}

}  // namespace tolvex
