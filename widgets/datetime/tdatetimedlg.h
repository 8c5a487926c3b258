// The date field used by every date input: a line edit with step arrows and picker
// buttons inside its right edge. Its value is its text ("yyyy-MM-dd", "hh:mm:ss").
#pragma once

#include <QFlags>
#include <QLineEdit>

#include "widgets/common/ui_context.h"

namespace tolvex {

enum class TButtonOption { btnCalendar = 0x1, btnClock = 0x2, btnIncrement = 0x4 };
Q_DECLARE_FLAGS(TButtonOptions, TButtonOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TButtonOptions)

enum class TIncrementScale { Year = 0, Month, Week, Day, Hour, Minute, Second };

class TDateTimeDlg : public QLineEdit {
    Q_OBJECT
public:
    explicit TDateTimeDlg(const UiContext& ctx, QWidget* parent = nullptr);
    ~TDateTimeDlg() override;

    TButtonOptions Buttons() const { return buttons_; }
    void SetButtons(TButtonOptions buttons);
    bool EnableEditor() const { return enableEditor_; }
    void SetEnableEditor(bool enable);
    TIncrementScale IncrementScale() const { return scale_; }
    void SetIncrementScale(TIncrementScale scale) { scale_ = scale; }
    int IncrementBy() const { return incrementBy_; }
    // 0 to 32766; anything else is refused with a warning and the old value stays.
    void SetIncrementBy(int by);

    // As every date input of the main window: calendar and arrows, read-only text, steps of 1.
    void ConfigureAsMainWindowDate(TIncrementScale scale);

public slots:
    void StepForward();
    void StepBack();

private:
    const UiContext& ctx_;
    TButtonOptions buttons_ = TButtonOption::btnCalendar;
    bool enableEditor_ = false;
    TIncrementScale scale_ = TIncrementScale::Day;
    int incrementBy_ = 1;
};

}  // namespace tolvex
