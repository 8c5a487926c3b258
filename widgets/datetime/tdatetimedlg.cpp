#include "widgets/datetime/tdatetimedlg.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "core/amount/amount.h"
#include "widgets/common/qt_text.h"
#include "widgets/datetime/form_calendar.h"
#include "widgets/datetime/form_clock.h"
#include "widgets/datetime/form_set_increment.h"

namespace tolvex {
namespace {

constexpr int kEdgeGap = 3;  // buttons start this far in from the right edge
constexpr int kTextGap = 2;  // text ends this far left of the buttons
constexpr int kRepeatDelay = 400;
constexpr int kRepeatInterval = 100;

int RunModal(const UiContext& ctx, QDialog& dialog) {
    return ctx.execModal ? ctx.execModal(dialog) : dialog.exec();
}

}  // namespace

// ---- the buttons ----

TComponentButton::TComponentButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setAttribute(Qt::WA_Hover);
}

void TComponentButton::SetGlyph(const QPixmap& glyph, int numGlyphs) {
    glyph_ = glyph;
    numGlyphs_ = std::max(1, numGlyphs);
    update();
}

void TComponentButton::SetHighlighted(bool on) {
    if (highlighted_ == on) return;
    highlighted_ = on;
    update();
}

void TComponentButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    QRect r = rect();
    p.fillRect(r, pal.color(QPalette::Button));
    const bool down = isDown();
    if (down || underMouse()) {
        // A flat button shows its edges only under the mouse, sunken while held.
        p.setPen(down ? pal.color(QPalette::Dark) : pal.color(QPalette::Light));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(down ? pal.color(QPalette::Light) : pal.color(QPalette::Dark));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    if (highlighted_) {
        p.setPen(pal.color(QPalette::Highlight));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    if (glyph_.isNull()) return;
    // The strip holds numGlyphs images side by side: normal first, disabled second.
    const int cell = glyph_.width() / numGlyphs_;
    int index = (!isEnabled() && numGlyphs_ > 1) ? 1 : 0;
    QPixmap image = glyph_.copy(index * cell, 0, cell, glyph_.height());
    QSize room = r.adjusted(1, 1, -1, -1).size();
    if (image.width() > room.width() || image.height() > room.height())
        image = image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPoint at((r.width() - image.width()) / 2 + (down ? 1 : 0),
              (r.height() - image.height()) / 2 + (down ? 1 : 0));
    if (!isEnabled() && numGlyphs_ == 1) p.setOpacity(0.4);
    p.drawPixmap(at, image);
}

void TComponentButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        emit rightPressed();
        event->accept();
        return;
    }
    QAbstractButton::mousePressEvent(event);
}

// ---- layout and pictures ----

DateFieldButtonLayout LayoutDateFieldButtons(int width, int height, int frameWidth, TButtonOptions buttons) {
    DateFieldButtonLayout l;
    const int picker = height - kEdgeGap;
    const int arrow = (height - 3) / 2;
    const int innerTop = frameWidth;
    const int innerHeight = std::max(0, height - 2 * frameWidth);
    int x = width - kEdgeGap;
    if (buttons & TButtonOption::btnClock) {
        x -= picker;
        l.clock = QRect(x, innerTop, picker, innerHeight);
    }
    if (buttons & TButtonOption::btnCalendar) {
        x -= picker;
        l.calendar = QRect(x, innerTop, picker, innerHeight);
    }
    if (buttons & TButtonOption::btnIncrement) {
        x -= arrow;
        const int top = innerTop + std::max(0, (innerHeight - 2 * arrow) / 2);
        l.up = QRect(x, top, arrow, arrow);
        l.down = QRect(x, top + arrow, arrow, arrow);
    }
    l.textRightMargin = width - x + kTextGap;
    return l;
}

int DateFieldMinimumHeight(int fontHeight, int systemFontHeight) {
    constexpr int kBorder = 1;
    return fontHeight + std::min(systemFontHeight, fontHeight) / 4 + 4 * kBorder + 2;
}

QPixmap DefaultArrowGlyph(bool up) {
    QPixmap pm(9, 5);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::black);
    for (int row = 0; row < 5; ++row) {
        const int y = up ? row : 4 - row;
        p.drawLine(4 - row, y, 4 + row, y);
    }
    return pm;
}

QPixmap DefaultCalendarGlyph() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.fillRect(1, 2, 14, 13, Qt::white);
    p.fillRect(1, 2, 14, 4, QColor(190, 30, 30));
    p.setPen(QColor(60, 60, 60));
    p.drawRect(1, 2, 13, 12);
    p.drawLine(4, 0, 4, 3);
    p.drawLine(11, 0, 11, 3);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.fillRect(3 + col * 3, 7 + row * 2 + row / 2, 2, 1, QColor(60, 60, 60));
    return pm;
}

QPixmap DefaultClockGlyph() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(8, 3.5));
    p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
    return pm;
}

// ---- the field ----

TDateTimeDlg::TDateTimeDlg(const UiContext& ctx, QWidget* parent)
    : QLineEdit(parent),
      ctx_(ctx),
      upGlyph_(DefaultArrowGlyph(true)),
      downGlyph_(DefaultArrowGlyph(false)),
      calendarGlyph_(DefaultCalendarGlyph()),
      clockGlyph_(DefaultClockGlyph()) {
    btnUp_ = new TComponentButton(this);
    btnUp_->setObjectName("BtnUp");
    btnUp_->setToolTip(QString::fromUtf8("Zwiększenie Daty"));
    btnDown_ = new TComponentButton(this);
    btnDown_->setObjectName("BtnDown");
    btnDown_->setToolTip(QString::fromUtf8("Zmniejszenie Daty"));
    btnCalendar_ = new TComponentButton(this);
    btnCalendar_->setObjectName("BtnCalendar");
    btnCalendar_->setToolTip(QString::fromUtf8("Wybierz Date"));
    btnClock_ = new TComponentButton(this);
    btnClock_->setObjectName("BtnClock");
    btnClock_->setToolTip(QString::fromUtf8("Select Time"));
    active_ = btnCalendar_;

    for (TComponentButton* arrow : {btnUp_, btnDown_}) {
        arrow->setAutoRepeat(true);
        arrow->setAutoRepeatDelay(kRepeatDelay);
        arrow->setAutoRepeatInterval(kRepeatInterval);
        connect(arrow, &TComponentButton::rightPressed, this, &TDateTimeDlg::OpenStepDialog);
    }
    connect(btnUp_, &QAbstractButton::clicked, this, &TDateTimeDlg::StepForward);
    connect(btnDown_, &QAbstractButton::clicked, this, &TDateTimeDlg::StepBack);
    connect(btnCalendar_, &QAbstractButton::clicked, this, &TDateTimeDlg::OpenCalendar);
    connect(btnClock_, &QAbstractButton::clicked, this, &TDateTimeDlg::OpenClock);

    UpdateGlyphs();
    SetEnableEditor(false);
    LayoutButtons();
}

TDateTimeDlg::~TDateTimeDlg() = default;

void TDateTimeDlg::SetButtons(TButtonOptions buttons) {
    buttons_ = buttons;
    LayoutButtons();
}

void TDateTimeDlg::SetEnableEditor(bool enable) {
    enableEditor_ = enable;
    setReadOnly(!enable);
}

void TDateTimeDlg::SetIncrementBy(int by) {
    if (by < 0 || by > 32766) {
        ctx_.Say("\"Increment By\" must be between 0 and 32767", {}, Message::Kind::Warning);
        return;
    }
    incrementBy_ = by;
}

void TDateTimeDlg::SetBtnUpGlyph(const QPixmap& glyph) {
    upGlyph_ = glyph;
    UpdateGlyphs();
}
void TDateTimeDlg::SetBtnDownGlyph(const QPixmap& glyph) {
    downGlyph_ = glyph;
    UpdateGlyphs();
}
void TDateTimeDlg::SetBtnCalendarGlyph(const QPixmap& glyph) {
    calendarGlyph_ = glyph;
    UpdateGlyphs();
}
void TDateTimeDlg::SetBtnClockGlyph(const QPixmap& glyph) {
    clockGlyph_ = glyph;
    UpdateGlyphs();
}
void TDateTimeDlg::SetNumUpGlyphs(int n) {
    numUpGlyphs_ = std::max(1, n);
    UpdateGlyphs();
}
void TDateTimeDlg::SetNumDownGlyphs(int n) {
    numDownGlyphs_ = std::max(1, n);
    UpdateGlyphs();
}
void TDateTimeDlg::SetNumCalendarGlyphs(int n) {
    numCalendarGlyphs_ = std::max(1, n);
    UpdateGlyphs();
}
void TDateTimeDlg::SetNumClockGlyphs(int n) {
    numClockGlyphs_ = std::max(1, n);
    UpdateGlyphs();
}

void TDateTimeDlg::UpdateGlyphs() {
    btnUp_->SetGlyph(upGlyph_, numUpGlyphs_);
    btnDown_->SetGlyph(downGlyph_, numDownGlyphs_);
    btnCalendar_->SetGlyph(calendarGlyph_, numCalendarGlyphs_);
    btnClock_->SetGlyph(clockGlyph_, numClockGlyphs_);
}

void TDateTimeDlg::ConfigureAsMainWindowDate(TIncrementScale scale) {
    SetButtons(TButtonOption::btnCalendar | TButtonOption::btnIncrement);
    SetEnableEditor(false);
    SetIncrementBy(1);
    SetIncrementScale(scale);
}

DateFieldKind TDateTimeDlg::Kind() const {
    return KindOfField(buttons_.testFlag(TButtonOption::btnCalendar),
                       buttons_.testFlag(TButtonOption::btnClock));
}

void TDateTimeDlg::LayoutButtons() {
    setMinimumHeight(
        DateFieldMinimumHeight(fontMetrics().height(), QFontMetrics(QApplication::font()).height()));
    const int frame = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    DateFieldButtonLayout l = LayoutDateFieldButtons(width(), height(), frame, buttons_);
    auto place = [](TComponentButton* b, const QRect& r) {
        b->setVisible(!r.isEmpty());
        if (!r.isEmpty()) b->setGeometry(r);
    };
    place(btnUp_, l.up);
    place(btnDown_, l.down);
    place(btnCalendar_, l.calendar);
    place(btnClock_, l.clock);
    // The edit's own inner margin and frame already lie between the text and the right edge.
    constexpr int kEditInnerMargin = 2;
    setTextMargins(0, 0, std::max(0, l.textRightMargin - frame - kEditInnerMargin), 0);
}

void TDateTimeDlg::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    LayoutButtons();
}

void TDateTimeDlg::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) LayoutButtons();
}

void TDateTimeDlg::SetActiveButton(TComponentButton* button) {
    active_ = button;
    UpdateHighlight();
}

void TDateTimeDlg::UpdateHighlight() {
    for (TComponentButton* b : {btnUp_, btnDown_, btnCalendar_, btnClock_})
        b->SetHighlighted(hasFocus() && b == active_);
}

void TDateTimeDlg::keyPressEvent(QKeyEvent* event) {
    if (buttons_.testFlag(TButtonOption::btnIncrement) &&
        (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        if (event->key() == Qt::Key_Up) {
            SetActiveButton(btnUp_);
            StepForward();
        } else {
            SetActiveButton(btnDown_);
            StepBack();
        }
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TDateTimeDlg::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason r = event->reason();
    if (r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::ShortcutFocusReason) selectAll();
    UpdateHighlight();
}

void TDateTimeDlg::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    UpdateHighlight();
}

void TDateTimeDlg::Step(int n) {
    StepOutcome out = StepFieldText(S(text()), Kind(), static_cast<StepScale>(scale_), n);
    if (out.message) ctx_.Say(out.message->text, out.message->caption, out.message->kind);
    if (out.text) setText(Q(*out.text));
}

void TDateTimeDlg::StepForward() {
    Step(incrementBy_);
}
void TDateTimeDlg::StepBack() {
    Step(-incrementBy_);
}

void TDateTimeDlg::OpenCalendar() {
    TFormCalendar dialog(ctx_, this);
    std::optional<DateTimeSerial> start;
    const std::string t = S(text());
    if (text().size() >= 2) {
        try {
            start = ParseDateTimeSerial(t);
        } catch (const ConversionError&) {
            ctx_.Say(t + " is not a valid date");
        }
    }
    // A date the calendar cannot show is refused as a step beyond it would be.
    if (start && !WithinFieldYears(*start)) {
        ctx_.Say(std::string(kDateEncodeError), {}, Message::Kind::Error);
        return;
    }
    dialog.SetDate(start);
    RunModal(ctx_, dialog);
    // No start value and no choice: nothing to write.
    if (auto r = dialog.GetDate()) {
        setText(
            Q(buttons_.testFlag(TButtonOption::btnClock) ? FormatDateTimeSerial(*r) : FormatDateSerial(*r)));
    }
}

void TDateTimeDlg::OpenClock() {
    TFormClock dialog(ctx_, this);
    const bool withDate = buttons_.testFlag(TButtonOption::btnCalendar);
    std::optional<DateTimeSerial> start;
    const std::string t = S(text());
    if (text().size() >= 2) {
        try {
            start = withDate ? ParseDateTimeSerial(t) : ParseTimeSerial(t);
        } catch (const ConversionError&) {
            ctx_.Say(t + " is not a valid time");
        }
    }
    dialog.SetDateTime(start.value_or(0));
    const int result = RunModal(ctx_, dialog);
    // Cancelling on a field with no value leaves it as it was.
    if (!start && result != QDialog::Accepted) return;
    const DateTimeSerial r = dialog.GetDateTime();
    setText(Q(withDate ? FormatDateTimeSerial(r) : FormatTimeSerial(r)));
}

void TDateTimeDlg::OpenStepDialog() {
    TFormSetIncrement dialog(this);
    dialog.SetScale(static_cast<int>(scale_));
    dialog.SetStep(incrementBy_);
    RunModal(ctx_, dialog);
    scale_ = static_cast<TIncrementScale>(dialog.GetScale());
    incrementBy_ = dialog.GetStep();
}

}  // namespace tolvex
