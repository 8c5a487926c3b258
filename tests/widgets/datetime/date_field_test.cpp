#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "support/recording_message_sink.h"
#include "widgets/datetime/form_set_increment.h"
#include "widgets/datetime/tdatetimedlg.h"

namespace tolvex {
namespace {

using B = TButtonOption;
using S = TIncrementScale;

class DateFieldTest : public ::testing::Test {
  protected:
    DateFieldTest() {
        ctx.messages = &sink;
        ctx.execModal = [this](QDialog& d) {
            if (answer) return answer(d);
            ADD_FAILURE() << "unexpected dialog " << d.objectName().toStdString();
            return static_cast<int>(QDialog::Rejected);
        };
        field = std::make_unique<TDateTimeDlg>(ctx);
        field->resize(160, 24);
    }
    ~DateFieldTest() override {
        EXPECT_TRUE(sink.messages.empty()) << "unexpected message: " << sink.messages.front().text;
    }
    std::vector<std::string> Messages() { return sink.Take(); }
    void ClickButton(QWidget* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(2, 2)); }
    std::string Text() const { return field->text().toStdString(); }

    testing::RecordingMessageSink sink;
    UiContext ctx;
    std::function<int(QDialog&)> answer;
    std::unique_ptr<TDateTimeDlg> field;
};

TEST_F(DateFieldTest, ArrowButtonsStepTheText) {
    struct Case {
        const char* label;
        TButtonOptions buttons;
        TIncrementScale scale;
        int by;
        const char* text;
        bool up;
        const char* after;
        const char* message;
    } cases[] = {
        {"31 January up a month", B::btnCalendar | B::btnIncrement, S::Month, 1, "2024-01-31", true,
         "2024-01-31", "Invalid argument to date encode"},
        {"January down 13 months", B::btnCalendar | B::btnIncrement, S::Month, 13, "2024-01-10", false,
         "2022-12-10", nullptr},
        {"November up 14 months", B::btnCalendar | B::btnIncrement, S::Month, 14, "2024-11-10", true,
         "2026-01-10", nullptr},
        {"29 February up a year", B::btnCalendar | B::btnIncrement, S::Year, 1, "2024-02-29", true,
         "2024-02-29", "Invalid argument to date encode"},
        {"29 February up 365 days", B::btnCalendar | B::btnIncrement, S::Day, 365, "2024-02-29", true,
         "2025-02-28", nullptr},
        {"clock past midnight", B::btnClock | B::btnIncrement, S::Hour, 1, "23:30:00", true, "00:30:00",
         nullptr},
        {"clock back over midnight", B::btnClock | B::btnIncrement, S::Hour, 1, "00:30:00", false, "23:30:00",
         nullptr},
        {"date and time by minutes", B::btnCalendar | B::btnClock | B::btnIncrement, S::Minute, 45,
         "2024-12-31 23:30:00", true, "2025-01-01 00:15:00", nullptr},
        {"arrows only still a date", TButtonOptions(B::btnIncrement), S::Week, 1, "2024-12-30", true,
         "2025-01-06", nullptr},
        {"empty text", B::btnCalendar | B::btnIncrement, S::Day, 1, "", true, "",
         "Select a date or time first"},
        {"not a date", B::btnCalendar | B::btnIncrement, S::Day, 1, "2024-13-01", false, "2024-13-01",
         "'2024-13-01' is not a valid date"},
        {"not a time", B::btnClock | B::btnIncrement, S::Second, 1, "12:61", true, "12:61",
         "'12:61' is not a valid time"},
        {"not a date and time", B::btnCalendar | B::btnClock | B::btnIncrement, S::Second, 1, "jutro", true,
         "jutro", "'jutro' is not a valid date and time"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        field->SetButtons(c.buttons);
        field->SetIncrementScale(c.scale);
        field->SetIncrementBy(c.by);
        field->setText(c.text);
        ClickButton(c.up ? field->UpButton() : field->DownButton());
        EXPECT_EQ(Text(), c.after);
        EXPECT_EQ(Messages(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
}

TEST_F(DateFieldTest, EmptyTextIsAnInformationMessage) {
    field->ConfigureAsMainWindowDate(S::Day);
    field->StepForward();
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, Message::Kind::Information);
    Messages();
}

TEST_F(DateFieldTest, ArrowKeysStepOnlyWithTheArrows) {
    field->ConfigureAsMainWindowDate(S::Day);
    field->setText("2025-03-15");
    QTest::keyClick(field.get(), Qt::Key_Up);
    QTest::keyClick(field.get(), Qt::Key_Up);
    EXPECT_EQ(Text(), "2025-03-17");
    QTest::keyClick(field.get(), Qt::Key_Down);
    EXPECT_EQ(Text(), "2025-03-16");

    field->SetButtons(B::btnCalendar);
    QTest::keyClick(field.get(), Qt::Key_Up);
    EXPECT_EQ(Text(), "2025-03-16");
}

TEST_F(DateFieldTest, ReadOnlyTextRefusesTypingPastingAndCutting) {
    field->ConfigureAsMainWindowDate(S::Day);
    field->setText("2025-03-15");
    QApplication::clipboard()->setText("2030-01-01");
    field->selectAll();
    QTest::keyClick(field.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(), "2025-03-15");
    field->selectAll();
    QTest::keyClick(field.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Text(), "2025-03-15");
    field->selectAll();
    QTest::keyClicks(field.get(), "1999");
    QTest::keyClick(field.get(), Qt::Key_Backspace);
    QTest::keyClick(field.get(), Qt::Key_Delete);
    EXPECT_EQ(Text(), "2025-03-15");
    // The arrows still work on a read-only field.
    QTest::keyClick(field.get(), Qt::Key_Down);
    EXPECT_EQ(Text(), "2025-03-14");

    field->SetEnableEditor(true);
    field->selectAll();
    QTest::keyClick(field.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(), "2030-01-01");
}

TEST_F(DateFieldTest, IncrementByOutsideItsRangeIsRefused) {
    struct Case {
        int by;
        int kept;
        bool warned;
    } cases[] = {
        {0, 0, false}, {32766, 32766, false}, {32767, 32766, true}, {-1, 32766, true}, {5, 5, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.by);
        field->SetIncrementBy(c.by);
        EXPECT_EQ(field->IncrementBy(), c.kept);
        if (c.warned) {
            ASSERT_EQ(sink.messages.size(), 1u);
            EXPECT_EQ(sink.messages[0].kind, Message::Kind::Warning);
            EXPECT_EQ(Messages(), std::vector<std::string>{"\"Increment By\" must be between 0 and 32767"});
        } else {
            EXPECT_TRUE(Messages().empty());
        }
    }
}

TEST_F(DateFieldTest, RightPressOnAnArrowSetsTheStep) {
    field->ConfigureAsMainWindowDate(S::Day);
    for (TComponentButton* arrow : {field->UpButton(), field->DownButton()}) {
        int shown = 0;
        answer = [&](QDialog& d) {
            auto* dlg = qobject_cast<TFormSetIncrement*>(&d);
            EXPECT_NE(dlg, nullptr);
            if (!dlg) return 0;
            ++shown;
            EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Ustaw zwiększenie"));
            EXPECT_EQ(dlg->CBIncrementScale->currentIndex(), static_cast<int>(field->IncrementScale()));
            EXPECT_EQ(dlg->SEIncrementBy->value(), field->IncrementBy());
            dlg->CBIncrementScale->setCurrentIndex(arrow == field->UpButton() ? 1 : 4);
            dlg->SEIncrementBy->setValue(40000);  // held within 0..32767
            dlg->BtnClose->click();
            return dlg->result();
        };
        QTest::mousePress(arrow, Qt::RightButton, {}, QPoint(2, 2));
        QTest::mouseRelease(arrow, Qt::RightButton, {}, QPoint(2, 2));
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(field->IncrementScale(), arrow == field->UpButton() ? S::Month : S::Hour);
        EXPECT_EQ(field->IncrementBy(), 32767);
    }
    EXPECT_EQ(field->text(), "");  // a right press does not step
}

TEST_F(DateFieldTest, HeldArrowRepeats) {
    field->ConfigureAsMainWindowDate(S::Day);
    EXPECT_EQ(field->UpButton()->autoRepeatDelay(), 400);
    EXPECT_EQ(field->UpButton()->autoRepeatInterval(), 100);
    EXPECT_TRUE(field->DownButton()->autoRepeat());
    EXPECT_FALSE(field->CalendarButton()->autoRepeat());
    field->setText("2025-01-01");
    QSignalSpy steps(field.get(), &QLineEdit::textChanged);
    QTest::mousePress(field->UpButton(), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::qWait(750);
    QTest::mouseRelease(field->UpButton(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_GE(steps.count(), 2);
}

TEST_F(DateFieldTest, ButtonsSitInsideTheRightEdge) {
    struct Case {
        TButtonOptions buttons;
        QRect up, down, calendar, clock;
        int margin;
    } cases[] = {
        {B::btnCalendar | B::btnIncrement, {126, 2, 10, 10}, {126, 12, 10, 10}, {136, 2, 21, 20}, {}, 36},
        {B::btnCalendar | B::btnClock | B::btnIncrement,
         {105, 2, 10, 10},
         {105, 12, 10, 10},
         {115, 2, 21, 20},
         {136, 2, 21, 20},
         57},
        {TButtonOptions(B::btnClock), {}, {}, {}, {136, 2, 21, 20}, 26},
        {TButtonOptions(), {}, {}, {}, {}, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.margin);
        DateFieldButtonLayout l = LayoutDateFieldButtons(160, 24, 2, c.buttons);
        EXPECT_EQ(l.up, c.up);
        EXPECT_EQ(l.down, c.down);
        EXPECT_EQ(l.calendar, c.calendar);
        EXPECT_EQ(l.clock, c.clock);
        EXPECT_EQ(l.textRightMargin, c.margin);
    }
    EXPECT_EQ(DateFieldMinimumHeight(16, 15), 16 + 3 + 6);
    EXPECT_EQ(DateFieldMinimumHeight(13, 20), 13 + 3 + 6);
}

TEST_F(DateFieldTest, ShowsOnlyItsButtonsWithTheirHints) {
    QWidget parent;
    field->setParent(&parent);
    field->ConfigureAsMainWindowDate(S::Year);
    field->resize(180, 30);
    parent.show();
    EXPECT_TRUE(field->UpButton()->isVisible());
    EXPECT_TRUE(field->DownButton()->isVisible());
    EXPECT_TRUE(field->CalendarButton()->isVisible());
    EXPECT_FALSE(field->ClockButton()->isVisible());
    EXPECT_EQ(field->CalendarButton()->geometry().right(), 180 - 3 - 1);
    // The text ends before the arrows.
    field->setText(QString(40, '8'));
    field->setCursorPosition(40);
    field->grab();  // the edit scrolls its text when it paints
    EXPECT_LT(field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x(),
              field->UpButton()->x() - 1);
    EXPECT_EQ(field->UpButton()->toolTip(), QString::fromUtf8("Zwiększenie Daty"));
    EXPECT_EQ(field->DownButton()->toolTip(), QString::fromUtf8("Zmniejszenie Daty"));
    EXPECT_EQ(field->CalendarButton()->toolTip(), QString::fromUtf8("Wybierz Date"));
    EXPECT_EQ(field->ClockButton()->toolTip(), QString::fromUtf8("Select Time"));
    EXPECT_GE(field->minimumHeight(), field->fontMetrics().height() + 6);
    field->setParent(nullptr);
}

TEST_F(DateFieldTest, GlyphStripShowsItsDisabledImage) {
    QPixmap strip(20, 10);
    strip.fill(Qt::red);
    {
        QPainter p(&strip);
        p.fillRect(10, 0, 10, 10, Qt::blue);
    }
    field->ConfigureAsMainWindowDate(S::Day);
    field->resize(200, 30);
    field->SetBtnCalendarGlyph(strip);
    field->SetNumCalendarGlyphs(2);
    TComponentButton* b = field->CalendarButton();
    const QPoint centre = b->rect().center();
    EXPECT_EQ(b->grab().toImage().pixelColor(centre), QColor(Qt::red));
    field->setEnabled(false);
    EXPECT_EQ(b->grab().toImage().pixelColor(centre), QColor(Qt::blue));
}

TEST_F(DateFieldTest, KeyboardFocusSelectsTheWholeText) {
    QWidget parent;
    auto* before = new QLineEdit(&parent);
    field->setParent(&parent);
    field->move(0, 40);
    field->setText("2025-03-15");
    parent.show();
    QApplication::setActiveWindow(&parent);
    before->setFocus();
    field->setCursorPosition(0);
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(field->selectedText(), "2025-03-15");
    // The active button shows while the field has the focus: the calendar first, then the arrow last used.
    field->ConfigureAsMainWindowDate(S::Day);
    EXPECT_TRUE(field->CalendarButton()->Highlighted());
    QTest::keyClick(field.get(), Qt::Key_Down);
    EXPECT_TRUE(field->DownButton()->Highlighted());
    EXPECT_FALSE(field->CalendarButton()->Highlighted());
    before->setFocus();
    EXPECT_FALSE(field->DownButton()->Highlighted());
    field->setParent(nullptr);
}

}  // namespace
}  // namespace tolvex
