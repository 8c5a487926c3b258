// A captioned group of radio buttons with one selected index, laid out in columns.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace tolvex {

class RadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    RadioGroup(const QString& objectName, const QString& caption, const QStringList& items, int columns = 1,
               QWidget* parent = nullptr);

    int ItemIndex() const;
    // Selects without emitting clicked(); -1 clears the selection.
    void SetItemIndex(int index);
    QAbstractButton* Button(int index) const { return group_->button(index); }
    int Count() const { return static_cast<int>(group_->buttons().size()); }

  signals:
    // The user (or a test) chose an item.
    void clicked(int index);

  private:
    QButtonGroup* group_;
};

}  // namespace tolvex
