// "Wybierz Czas": picks a time of day with digit spinners on a drawn analogue clock.
#pragma once

#include <QDate>
#include <QDialog>
#include <QPen>
#include <QPoint>
#include <optional>

#include "core/date/date_step.h"
#include "widgets/common/ui_context.h"

class QLineEdit;
class QPainter;
class QPushButton;
class QSpinBox;

namespace tolvex {

class SpinButton;

// The face's centre, mark size and hand radius for a box of the given size.
struct ClockGeometry {
    int cx = 0;
    int cy = 0;
    int M = 0;
    int Rh = 0;
};
ClockGeometry ComputeClockGeometry(int width, int height);
// The point at `angle` radians clockwise from 12 o'clock and `r` pixels from the centre.
QPoint PointAtAngle(int cx, int cy, double angle, double r);
// A raised frame `width` rings deep: light on the top and left, shadow on the bottom and right.
void DrawRaisedFrame(QPainter& p, QRect rect, const QColor& top, const QColor& bottom, int width);

class TFormClock : public QDialog {
    Q_OBJECT
  public:
    explicit TFormClock(const UiContext& ctx, QWidget* parent = nullptr, QDate today = QDate::currentDate());

    void SetDateTime(DateTimeSerial t);
    // R, with today's date added when it has none.
    DateTimeSerial GetDateTime() const;
    DateTimeSerial Working() const { return w_; }

    QSpinBox* SEHour;
    QSpinBox* SEDmin;
    QSpinBox* SEMin;
    QSpinBox* SEDsec;
    QSpinBox* SESec;
    QLineEdit* EditAmPm;
    SpinButton* SBAmPm;
    QWidget* PBClock;
    QPushButton* BtnSelect;
    QPushButton* BtnCancel;

  public slots:
    void SEHourChange();
    void SEDminChange();
    void SEMinChange();
    void SEDsecChange();
    void SESecChange();
    void SBAmPmDownClick();
    void BtnSelectClick();
    void BtnCancelClick();

  private:
    friend class ClockFace;
    void FormPaint(QPainter& p);
    void RecomputeW();

    const UiContext& ctx_;
    QDate today_;
    DateTimeSerial w_ = 0;
    DateTimeSerial r_ = 0;
    QPen handPen_;
};

}  // namespace tolvex
