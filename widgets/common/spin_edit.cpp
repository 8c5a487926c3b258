#include "widgets/common/spin_edit.h"

#include <QKeyEvent>
#include <algorithm>

#include "core/amount/amount.h"
#include "widgets/common/qt_text.h"

namespace tolvex {

SpinEdit::SpinEdit(const char* objectName, int minimum, int maximum, int value, QWidget* parent)
    : QLineEdit(QString::number(value), parent),
      minimum_(minimum),
      maximum_(maximum),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
    setObjectName(QString::fromLatin1(objectName));
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setCursor(Qt::ArrowCursor);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
    }
    connect(up_, &QToolButton::clicked, this, [this] { StepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { StepBy(-1); });
}

void SpinEdit::StepBy(int steps) {
    double value = minimum_;
    if (!TryParseAmount(S(text()), value)) value = minimum_;
    value = std::clamp(value + steps, static_cast<double>(minimum_), static_cast<double>(maximum_));
    setText(Q(FormatGeneral(value)));
}

void SpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    const int half = (height() - 2) / 2;
    const int width = std::max(12, half + 4);
    up_->setGeometry(this->width() - width - 1, 1, width, half);
    down_->setGeometry(this->width() - width - 1, 1 + half, width, height() - 2 - half);
    setTextMargins(0, 0, width, 0);
}

void SpinEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        StepBy(event->key() == Qt::Key_Up ? 1 : -1);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
    double value = 0;
    if (TryParseAmount(S(text()), value) && (value < minimum_ || value > maximum_))
        setText(QString::number(value < minimum_ ? minimum_ : maximum_));
    QLineEdit::focusOutEvent(event);
}

}  // namespace tolvex
