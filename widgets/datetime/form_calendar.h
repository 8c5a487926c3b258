// "Wybierz Datę": picks a day from a month grid, with the year and month chosen above it.
#pragma once

#include <QDate>
#include <QDialog>
#include <optional>

#include "core/date/date_step.h"
#include "widgets/common/ui_context.h"

class QCalendarWidget;
class QComboBox;
class QPushButton;
class QSpinBox;

namespace tolvex {

class TFormCalendar : public QDialog {
    Q_OBJECT
  public:
    explicit TFormCalendar(const UiContext& ctx, QWidget* parent = nullptr,
                           QDate today = QDate::currentDate());

    // No value: the grid shows today.
    void SetDate(std::optional<DateTimeSerial> d);
    // The accepted day with the start value's time of day, or the start value when cancelled.
    std::optional<DateTimeSerial> GetDate() const { return d_; }

    QSpinBox* SEYear;
    QComboBox* CBMonth;
    QCalendarWidget* Calendar1;
    QPushButton* BtnSelect;
    QPushButton* BtnCancel;

  public slots:
    void SEYearChange();
    void CBMonthChange();
    void Calendar1DblClick();
    void BtnSelectClick();
    void BtnCancelClick();
    void UpdateDate(int year, int month, int day);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormKeyDown(QKeyEvent* event);
    void ShowGridPage(int year, int month);

    const UiContext& ctx_;
    QDate today_;
    std::optional<DateTimeSerial> d_;
};

}  // namespace tolvex
