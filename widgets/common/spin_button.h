// A pair of small up/down arrow buttons acting as one control.
#pragma once

#include <QToolButton>
#include <QWidget>

namespace tolvex {

class SpinButton : public QWidget {
    Q_OBJECT
  public:
    SpinButton(const QString& objectName, QWidget* parent = nullptr);
    QToolButton* Up() const { return up_; }
    QToolButton* Down() const { return down_; }

  signals:
    void upClick();
    void downClick();

  private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace tolvex
