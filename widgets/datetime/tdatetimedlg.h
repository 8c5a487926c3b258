// The date field used by every date input: a line edit with step arrows and picker
// buttons inside its right edge. Its value is its text ("yyyy-MM-dd", "hh:mm:ss").
#pragma once

#include <QAbstractButton>
#include <QFlags>
#include <QLineEdit>
#include <QPixmap>
#include <QRect>

#include "core/date/date_step.h"
#include "widgets/common/ui_context.h"

namespace tolvex {

enum class TButtonOption { btnCalendar = 0x1, btnClock = 0x2, btnIncrement = 0x4 };
Q_DECLARE_FLAGS(TButtonOptions, TButtonOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TButtonOptions)

enum class TIncrementScale { Year = 0, Month, Week, Day, Hour, Minute, Second };

// A small flat button drawn with one image of its glyph strip (normal, then disabled).
class TComponentButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit TComponentButton(QWidget* parent);
    void SetGlyph(const QPixmap& glyph, int numGlyphs);
    void SetHighlighted(bool on);
    bool Highlighted() const { return highlighted_; }

  signals:
    void rightPressed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QPixmap glyph_;
    int numGlyphs_ = 1;
    bool highlighted_ = false;
};

// Where the buttons sit in a field of the given size; empty rectangles for absent buttons.
struct DateFieldButtonLayout {
    QRect up, down, calendar, clock;
    int textRightMargin = 0;  // from the field's right edge to 2 px left of the buttons
};
DateFieldButtonLayout LayoutDateFieldButtons(int width, int height, int frameWidth, TButtonOptions buttons);
// The least height that shows the field's font, as for any edit of that font.
int DateFieldMinimumHeight(int fontHeight, int systemFontHeight);

// The pictures the buttons have until a glyph is set.
QPixmap DefaultArrowGlyph(bool up);
QPixmap DefaultCalendarGlyph();
QPixmap DefaultClockGlyph();

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

    QPixmap BtnUpGlyph() const { return upGlyph_; }
    QPixmap BtnDownGlyph() const { return downGlyph_; }
    QPixmap BtnCalendarGlyph() const { return calendarGlyph_; }
    QPixmap BtnClockGlyph() const { return clockGlyph_; }
    void SetBtnUpGlyph(const QPixmap& glyph);
    void SetBtnDownGlyph(const QPixmap& glyph);
    void SetBtnCalendarGlyph(const QPixmap& glyph);
    void SetBtnClockGlyph(const QPixmap& glyph);
    int NumUpGlyphs() const { return numUpGlyphs_; }
    int NumDownGlyphs() const { return numDownGlyphs_; }
    int NumCalendarGlyphs() const { return numCalendarGlyphs_; }
    int NumClockGlyphs() const { return numClockGlyphs_; }
    void SetNumUpGlyphs(int n);
    void SetNumDownGlyphs(int n);
    void SetNumCalendarGlyphs(int n);
    void SetNumClockGlyphs(int n);

    // As every date input of the main window: calendar and arrows, read-only text, steps of 1.
    void ConfigureAsMainWindowDate(TIncrementScale scale);

    TComponentButton* UpButton() const { return btnUp_; }
    TComponentButton* DownButton() const { return btnDown_; }
    TComponentButton* CalendarButton() const { return btnCalendar_; }
    TComponentButton* ClockButton() const { return btnClock_; }

  public slots:
    void StepForward();
    void StepBack();
    void OpenCalendar();
    void OpenClock();
    void OpenStepDialog();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void Step(int n);
    void LayoutButtons();
    void UpdateGlyphs();
    void SetActiveButton(TComponentButton* button);
    void UpdateHighlight();
    DateFieldKind Kind() const;

    const UiContext& ctx_;
    TButtonOptions buttons_ = TButtonOption::btnCalendar;
    bool enableEditor_ = false;
    TIncrementScale scale_ = TIncrementScale::Day;
    int incrementBy_ = 1;

    QPixmap upGlyph_, downGlyph_, calendarGlyph_, clockGlyph_;
    int numUpGlyphs_ = 1, numDownGlyphs_ = 1, numCalendarGlyphs_ = 1, numClockGlyphs_ = 1;

    TComponentButton* btnUp_;
    TComponentButton* btnDown_;
    TComponentButton* btnCalendar_;
    TComponentButton* btnClock_;
    TComponentButton* active_;
};

}  // namespace tolvex
