// "Ustaw zwiększenie": the unit and size of one step of a date field.
#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;
class QSpinBox;

namespace tolvex {

class TFormSetIncrement : public QDialog {
    Q_OBJECT
  public:
    explicit TFormSetIncrement(QWidget* parent = nullptr);

    void SetScale(int scale);
    void SetStep(int step);
    int GetStep() const;
    // The list index; nothing chosen reads as 0 (Year).
    int GetScale() const;

    QComboBox* CBIncrementScale;
    QSpinBox* SEIncrementBy;
    QPushButton* BtnClose;

  public slots:
    void BtnCloseClick();
};

}  // namespace tolvex
