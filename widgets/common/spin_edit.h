// A whole-number field with up and down arrows inside its right edge. Its text stays
// free for the amount-field rules to check; the arrows, the arrow keys and leaving the
// field keep its number within the field's range.
#pragma once

#include <QLineEdit>
#include <QToolButton>

namespace tolvex {

class SpinEdit : public QLineEdit {
    Q_OBJECT
  public:
    SpinEdit(const char* objectName, int minimum, int maximum, int value, QWidget* parent = nullptr);

    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    // The number held plus `steps`, within the range; text that is no number counts as the minimum.
    void StepBy(int steps);
    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int minimum_, maximum_;
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace tolvex
