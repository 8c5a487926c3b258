#include "widgets/common/radio_group.h"

#include <QGridLayout>
#include <QRadioButton>

namespace tolvex {

RadioGroup::RadioGroup(const QString& objectName, const QString& caption, const QStringList& items,
                       int columns, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    setObjectName(objectName);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setVerticalSpacing(2);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        layout->addWidget(button, i % rows, i / rows);
    }
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

int RadioGroup::ItemIndex() const {
    return group_->checkedId();
}

void RadioGroup::SetItemIndex(int index) {
    if (index < 0) {
        group_->setExclusive(false);
        for (auto* b : group_->buttons()) b->setChecked(false);
        group_->setExclusive(true);
        return;
    }
    if (auto* b = group_->button(index)) b->setChecked(true);
}

}  // namespace tolvex
