#include "widgets/datetime/tdatetimedlg.h"

namespace tolvex {

TDateTimeDlg::TDateTimeDlg(const UiContext& ctx, QWidget* parent) : QLineEdit(parent), ctx_(ctx) {
    SetEnableEditor(false);
}

TDateTimeDlg::~TDateTimeDlg() = default;

void TDateTimeDlg::SetButtons(TButtonOptions buttons) { buttons_ = buttons; }

void TDateTimeDlg::SetEnableEditor(bool enable) {
    enableEditor_ = enable;
    setReadOnly(!enable);
}

void TDateTimeDlg::SetIncrementBy(int by) {
    if (by >= 0 && by <= 32766) incrementBy_ = by;
}

void TDateTimeDlg::ConfigureAsMainWindowDate(TIncrementScale scale) {
    SetButtons(TButtonOption::btnCalendar | TButtonOption::btnIncrement);
    SetEnableEditor(false);
    SetIncrementBy(1);
    SetIncrementScale(scale);
}

void TDateTimeDlg::StepForward() {}
void TDateTimeDlg::StepBack() {}

}  // namespace tolvex
