#include "widgets/datetime/form_set_increment.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace tolvex {

TFormSetIncrement::TFormSetIncrement(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
    setObjectName("TFormSetIncrement");
    setWindowTitle(QString::fromUtf8("Ustaw zwiększenie"));

    CBIncrementScale = new QComboBox(this);
    CBIncrementScale->setObjectName("CBIncrementScale");
    for (const char* item : {"Rok", "Miesiąc", "Tydzień", "Dzień", "Godzina", "Minuta", "Sekunda"})
        CBIncrementScale->addItem(QString::fromUtf8(item));
    SEIncrementBy = new QSpinBox(this);
    SEIncrementBy->setObjectName("SEIncrementBy");
    SEIncrementBy->setRange(0, 32767);
    BtnClose = new QPushButton(QString::fromUtf8("Zamknij"), this);
    BtnClose->setObjectName("BtnClose");
    BtnClose->setDefault(true);
    connect(BtnClose, &QPushButton::clicked, this, &TFormSetIncrement::BtnCloseClick);

    auto* grid = new QGridLayout(this);
    auto* scaleLabel = new QLabel(QString::fromUtf8("Skala zwiększenia:"), this);
    scaleLabel->setBuddy(CBIncrementScale);
    auto* byLabel = new QLabel(QString::fromUtf8("Zwiększ:"), this);
    byLabel->setBuddy(SEIncrementBy);
    grid->addWidget(scaleLabel, 0, 0);
    grid->addWidget(CBIncrementScale, 0, 1);
    grid->addWidget(byLabel, 1, 0);
    grid->addWidget(SEIncrementBy, 1, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(BtnClose);
    row->addStretch();
    grid->addLayout(row, 2, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormSetIncrement::SetScale(int scale) {
    CBIncrementScale->setCurrentIndex(scale);
}
void TFormSetIncrement::SetStep(int step) {
    SEIncrementBy->setValue(step);
}
int TFormSetIncrement::GetStep() const {
    return SEIncrementBy->value();
}

int TFormSetIncrement::GetScale() const {
    int i = CBIncrementScale->currentIndex();
    return i >= 0 && i <= 6 ? i : 0;
}

void TFormSetIncrement::BtnCloseClick() {
    accept();
}

}  // namespace tolvex
