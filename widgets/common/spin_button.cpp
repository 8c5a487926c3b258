#include "widgets/common/spin_button.h"

#include <QVBoxLayout>

namespace tolvex {

SpinButton::SpinButton(const QString& objectName, QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    setObjectName(objectName);
    up_->setObjectName(objectName + QStringLiteral("Up"));
    down_->setObjectName(objectName + QStringLiteral("Down"));
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (auto* b : {up_, down_}) {
        b->setFixedSize(18, 11);
        b->setAutoRaise(false);
        layout->addWidget(b);
    }
    connect(up_, &QToolButton::clicked, this, &SpinButton::upClick);
    connect(down_, &QToolButton::clicked, this, &SpinButton::downClick);
}

}  // namespace tolvex
