#include "widgets/datetime/form_clock.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/amount/amount.h"
#include "widgets/common/spin_button.h"

namespace tolvex {

ClockGeometry ComputeClockGeometry(int width, int height) {
    ClockGeometry g;
    g.cx = width / 2;
    g.cy = height / 2;
    int r0 = std::min(g.cx, g.cy);
    g.M = std::max(r0 / 8, 6);
    g.Rh = r0 - (g.M + 2);
    return g;
}

QPoint PointAtAngle(int cx, int cy, double angle, double r) {
    return QPoint(cx + static_cast<int>(std::trunc(r * std::sin(angle))),
                  cy + static_cast<int>(std::trunc(-r * std::cos(angle))));
}

void DrawRaisedFrame(QPainter& p, QRect rect, const QColor& top, const QColor& bottom, int width) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < width && rect.width() > 0 && rect.height() > 0; ++i) {
        p.setPen(QPen(top, 1));
        p.drawLine(rect.bottomLeft(), rect.topLeft());
        p.drawLine(rect.topLeft(), rect.topRight());
        p.setPen(QPen(bottom, 1));
        p.drawLine(rect.topRight(), rect.bottomRight());
        p.drawLine(rect.bottomRight(), rect.bottomLeft());
        rect.adjust(1, 1, -1, -1);
    }
    p.restore();
}

// The paint box the face is drawn in; the form does the drawing.
class ClockFace : public QWidget {
  public:
    ClockFace(TFormClock* form, QWidget* parent) : QWidget(parent), form_(form) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        form_->FormPaint(p);
    }

  private:
    TFormClock* form_;
};

namespace {

// Spinners moved only by their arrows and the arrow keys.
class UpDownSpin : public QSpinBox {
  public:
    UpDownSpin(const char* name, int max, QWidget* parent) : QSpinBox(parent) {
        setObjectName(name);
        setRange(0, max);
        lineEdit()->setReadOnly(true);
    }
};

}  // namespace

TFormClock::TFormClock(const UiContext& ctx, QWidget* parent, QDate today)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ctx_(ctx),
      today_(today) {
    setObjectName("TFormClock");
    setWindowTitle(QString::fromUtf8("Wybierz Czas"));

    // Each spinner goes one past its last digit so that its change can carry into the next.
    SEHour = new UpDownSpin("SEHour", 12, this);
    SEDmin = new UpDownSpin("SEDmin", 6, this);
    SEMin = new UpDownSpin("SEMin", 10, this);
    SEDsec = new UpDownSpin("SEDsec", 6, this);
    SESec = new UpDownSpin("SESec", 10, this);
    EditAmPm = new QLineEdit(QStringLiteral("am"), this);
    EditAmPm->setObjectName("EditAmPm");
    EditAmPm->setReadOnly(true);
    EditAmPm->setMaximumWidth(EditAmPm->fontMetrics().horizontalAdvance(QStringLiteral("pmm")) + 12);
    SBAmPm = new SpinButton(QStringLiteral("SBAmPm"), this);
    connect(SBAmPm, &SpinButton::upClick, this, &TFormClock::SBAmPmDownClick);
    connect(SBAmPm, &SpinButton::downClick, this, &TFormClock::SBAmPmDownClick);
    PBClock = new ClockFace(this, this);
    PBClock->setObjectName("PBClock");
    PBClock->setFixedSize(265, 209);
    BtnSelect = new QPushButton(QString::fromUtf8("&Wybierz Czas"), this);
    BtnSelect->setObjectName("BtnSelect");
    BtnCancel = new QPushButton(QString::fromUtf8("&Anuluj"), this);
    BtnCancel->setObjectName("BtnCancel");

    auto* top = new QGridLayout;
    auto addLabel = [&](const char* text, QWidget* buddy, int col, int span) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setBuddy(buddy);
        top->addWidget(l, 0, col, 1, span);
    };
    addLabel("Godz:", SEHour, 0, 1);
    addLabel("Min:", SEDmin, 1, 2);
    addLabel("Sec:", SEDsec, 3, 2);
    addLabel("am/pm:", EditAmPm, 5, 2);
    top->addWidget(SEHour, 1, 0);
    top->addWidget(SEDmin, 1, 1);
    top->addWidget(SEMin, 1, 2);
    top->addWidget(SEDsec, 1, 3);
    top->addWidget(SESec, 1, 4);
    auto* ampm = new QHBoxLayout;
    ampm->setSpacing(0);
    ampm->addWidget(EditAmPm);
    ampm->addWidget(SBAmPm);
    top->addLayout(ampm, 1, 5, 1, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(BtnSelect);
    bottom->addWidget(BtnCancel);
    bottom->addStretch();
    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addWidget(PBClock, 0, Qt::AlignHCenter);
    root->addLayout(bottom);
    root->setSizeConstraint(QLayout::SetFixedSize);

    connect(SEHour, &QSpinBox::valueChanged, this, &TFormClock::SEHourChange);
    connect(SEDmin, &QSpinBox::valueChanged, this, &TFormClock::SEDminChange);
    connect(SEMin, &QSpinBox::valueChanged, this, &TFormClock::SEMinChange);
    connect(SEDsec, &QSpinBox::valueChanged, this, &TFormClock::SEDsecChange);
    connect(SESec, &QSpinBox::valueChanged, this, &TFormClock::SESecChange);
    connect(BtnSelect, &QPushButton::clicked, this, &TFormClock::BtnSelectClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFormClock::BtnCancelClick);
}

void TFormClock::SetDateTime(DateTimeSerial t) {
    w_ = t;
    r_ = t;
    TimeParts tp = DecodeTime(t);
    int h = tp.hour;
    if (h > 12) {
        EditAmPm->setText(QStringLiteral("pm"));
        h -= 12;
    }
    SEHour->setValue(h);
    SEDmin->setValue(tp.minute / 10);
    SEMin->setValue(tp.minute % 10);
    SEDsec->setValue(tp.second / 10);
    SESec->setValue(tp.second % 10);
    PBClock->update();
}

DateTimeSerial TFormClock::GetDateTime() const {
    if (DatePart(r_) != 0) return r_;
    return EncodeDate(today_.year(), today_.month(), today_.day()) + r_;
}

void TFormClock::RecomputeW() {
    int hour = SEHour->value() + (EditAmPm->text() == QStringLiteral("pm") ? 12 : 0);
    try {
        w_ = DatePart(w_) +
             EncodeTime(hour, 10 * SEDmin->value() + SEMin->value(), 10 * SEDsec->value() + SESec->value());
    } catch (const ConversionError& e) {
        ctx_.Say(e.what());
    }
    PBClock->update();
}

void TFormClock::SEHourChange() {
    if (SEHour->value() == 12) {
        SEHour->setValue(0);
        SBAmPmDownClick();
    }
    RecomputeW();
}

void TFormClock::SEDminChange() {
    if (SEDmin->value() == 6) {
        SEDmin->setValue(0);
        SEHour->setValue(SEHour->value() + 1);
    }
    RecomputeW();
}

void TFormClock::SEMinChange() {
    if (SEMin->value() == 10) {
        SEMin->setValue(0);
        SEDmin->setValue(SEDmin->value() + 1);
    }
    RecomputeW();
}

void TFormClock::SEDsecChange() {
    if (SEDsec->value() == 6) {
        SEDsec->setValue(0);
        SEMin->setValue(SEMin->value() + 1);
    }
    RecomputeW();
}

void TFormClock::SESecChange() {
    if (SESec->value() == 10) {
        SESec->setValue(0);
        SEDsec->setValue(SEDsec->value() + 1);
    }
    RecomputeW();
}

void TFormClock::SBAmPmDownClick() {
    EditAmPm->setText(EditAmPm->text() == QStringLiteral("am") ? QStringLiteral("pm") : QStringLiteral("am"));
    RecomputeW();
}

void TFormClock::BtnSelectClick() {
    r_ = w_;
    accept();
}

void TFormClock::BtnCancelClick() {
    reject();
}

void TFormClock::FormPaint(QPainter& p) {
    const QPalette& pal = palette();
    const QColor light = pal.color(QPalette::Light);
    const QColor shadow = pal.color(QPalette::Dark);
    const ClockGeometry g = ComputeClockGeometry(PBClock->width(), PBClock->height());
    p.fillRect(PBClock->rect(), pal.color(QPalette::Button));

    constexpr double kPi = std::numbers::pi;
    for (int i = 0; i < 12; ++i) {
        QPoint c = PointAtAngle(g.cx, g.cy, i * kPi / 6, g.Rh + g.M / 2);
        QSize size = (i == 0 || i == 6) ? QSize(8, 20) : (i == 3 || i == 9) ? QSize(20, 8) : QSize(4, 4);
        DrawRaisedFrame(p, QRect(c - QPoint(size.width() / 2, size.height() / 2), size), light, shadow, 6);
    }

    TimeParts t = DecodeTime(w_);
    const QPoint centre(g.cx, g.cy);
    const QPoint second = PointAtAngle(g.cx, g.cy, t.second * kPi / 30, g.Rh);
    const QPoint minute = PointAtAngle(g.cx, g.cy, t.minute * kPi / 30, 0.95 * g.Rh);
    const QPoint hour = PointAtAngle(g.cx, g.cy, (t.hour % 12) * kPi / 6 + t.minute * kPi / 360, 0.6 * g.Rh);
    p.setRenderHint(QPainter::Antialiasing, true);
    handPen_ = QPen(pal.color(QPalette::Highlight), 1, Qt::SolidLine, Qt::RoundCap);
    p.setPen(handPen_);
    p.drawLine(centre, second);
    handPen_.setWidth(3);
    p.setPen(handPen_);
    p.drawLine(centre, minute);
    handPen_.setWidth(6);
    p.setPen(handPen_);
    p.drawLine(centre, hour);
    handPen_ = QPen(pal.color(QPalette::HighlightedText), 1);
    p.setPen(handPen_);
    p.drawLine(centre, minute);
    p.drawLine(centre, hour);

    DrawRaisedFrame(p, QRect(g.cx - 5, g.cy - 5, 10, 10), light, shadow, 6);
}

}  // namespace tolvex
