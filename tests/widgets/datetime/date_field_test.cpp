// The date field on its own and its pickers, with every message recorded and every dialog
// answered by the test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <functional>
#include <memory>
#include <numbers>

#include "support/recording_message_sink.h"
#include "widgets/common/spin_button.h"
#include "widgets/datetime/form_calendar.h"
#include "widgets/datetime/form_clock.h"
#include "widgets/datetime/form_set_increment.h"
#include "widgets/datetime/tdatetimedlg.h"

namespace tolvex::testing {
namespace {

using B = TButtonOption;
using S = TIncrementScale;

std::string Today() {
    return QDate::currentDate().toString("yyyy-MM-dd").toStdString();
}

class DateFieldTest : public ::testing::Test {
  protected:
    DateFieldTest() {
        ctx.messages = &sink;
        ctx.execModal = [this](QDialog& d) {
            ++opened;
            if (answer) return answer(d);
            ADD_FAILURE() << "unexpected dialog " << d.objectName().toStdString();
            return static_cast<int>(QDialog::Rejected);
        };
        field = std::make_unique<TDateTimeDlg>(ctx);
        field->resize(200, 24);
    }
    ~DateFieldTest() override {
        EXPECT_TRUE(sink.messages.empty()) << "unexpected message: " << sink.messages.front().text;
    }
    // Answers a dialog of type D: `choose` runs on it, then its Select or Cancel button is pressed.
    template <class D>
    void Answer(std::function<void(D&)> choose, bool accept = true) {
        answer = [choose, accept](QDialog& d) {
            auto* dlg = qobject_cast<D*>(&d);
            EXPECT_NE(dlg, nullptr);
            if (!dlg) return 0;
            if (choose) choose(*dlg);
            (accept ? dlg->BtnSelect : dlg->BtnCancel)->click();
            return dlg->result();
        };
    }
    std::vector<std::string> Messages() { return sink.Take(); }
    std::string Text() const { return field->text().toStdString(); }

    RecordingMessageSink sink;
    UiContext ctx;
    std::function<int(QDialog&)> answer;
    int opened = 0;
    QWidget host;  // for tests that show the field in a window; outlives it
    std::unique_ptr<TDateTimeDlg> field;
};

TEST_F(DateFieldTest, ButtonsStepTheTextOrKeepIt) {
    enum Press { Up, Down, Calendar };
    const auto date = B::btnCalendar | B::btnIncrement, dateTime = date | B::btnClock;
    const char* refused = "Invalid argument to date encode";
    struct Case {
        const char* label;
        TButtonOptions buttons;
        TIncrementScale scale;
        int by;
        const char* text;
        Press press;
        const char *after, *message;
    } cases[] = {
        // The stepping rules are the date step's; here the buttons choose the kind of text and the sign,
        // and the calendar opens only on a date within the field's years.
        // clang-format off
        {"31 January up a month", date, S::Month, 1, "2024-01-31", Up, "2024-01-31", refused},
        {"January down 13 months", date, S::Month, 13, "2024-01-10", Down, "2022-12-10", nullptr},
        {"clock past midnight", B::btnClock | B::btnIncrement, S::Hour, 1, "23:30:00", Up, "00:30:00", nullptr},
        {"date and time by minutes", dateTime, S::Minute, 45, "2024-12-31 23:30:00", Up, "2025-01-01 00:15:00",
         nullptr},
        {"arrows only still a date", TButtonOptions(B::btnIncrement), S::Week, 1, "2024-12-30", Up, "2025-01-06",
         nullptr},
        {"calendar on the last day", date, S::Day, 1, "5000-12-31", Calendar, "5000-12-31", nullptr},
        {"calendar past the last year", date, S::Day, 1, "5001-01-01", Calendar, "5001-01-01", refused},
        {"calendar on a text not a date", date, S::Day, 1, "15.03.2025", Calendar, "15.03.2025",
         "15.03.2025 is not a valid date"},
        // clang-format on
    };
    Answer<TFormCalendar>(nullptr, false);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        field->SetButtons(c.buttons);
        field->SetIncrementScale(c.scale);
        field->SetIncrementBy(c.by);
        field->setText(c.text);
        const int before = opened;
        TComponentButton* button = c.press == Up     ? field->UpButton()
                                   : c.press == Down ? field->DownButton()
                                                     : field->CalendarButton();
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_EQ(Text(), c.after);
        EXPECT_EQ(opened - before, c.press == Calendar && c.message != refused ? 1 : 0);
        EXPECT_EQ(Messages(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
    field->setText("");
    field->StepForward();
    EXPECT_EQ(sink.messages.at(0).kind, Message::Kind::Information);
    sink.messages.clear();
}

TEST_F(DateFieldTest, KeysStepTheDateButNeverEditIt) {
    field->ConfigureAsMainWindowDate(S::Day);
    field->setText("2025-03-15");
    QApplication::clipboard()->setText("2030-01-01");
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_V, Qt::ControlModifier}, {Qt::Key_1, Qt::NoModifier}}) {
        field->selectAll();
        QTest::keyClick(field.get(), key, modifiers);
        EXPECT_EQ(Text(), "2025-03-15") << key;
    }
    QTest::keyClick(field.get(), Qt::Key_Up);
    EXPECT_EQ(Text(), "2025-03-16");
    QTest::keyClick(field.get(), Qt::Key_Down);
    EXPECT_EQ(Text(), "2025-03-15");
    field->SetButtons(B::btnCalendar);  // no arrows, no stepping
    QTest::keyClick(field.get(), Qt::Key_Up);
    EXPECT_EQ(Text(), "2025-03-15");

    field->SetEnableEditor(true);
    field->selectAll();
    QTest::keyClick(field.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(), "2030-01-01");
}

TEST_F(DateFieldTest, IncrementByOutsideItsRangeIsRefused) {
    for (const auto& [by, kept] : {std::pair{0, 0}, {32766, 32766}, {32767, 32766}, {-1, 32766}}) {
        SCOPED_TRACE(by);
        field->SetIncrementBy(by);
        EXPECT_EQ(field->IncrementBy(), kept);
        EXPECT_TRUE(by == kept || sink.messages.at(0).kind == Message::Kind::Warning);
        EXPECT_EQ(Messages(),
                  std::vector<std::string>(by != kept, "\"Increment By\" must be between 0 and 32767"));
    }
}

TEST_F(DateFieldTest, RightPressOnAnArrowSetsTheStep) {
    field->ConfigureAsMainWindowDate(S::Day);
    // Each dialog opens on the field's step and moves the unit one further down the list.
    answer = [&](QDialog& d) {
        auto* dlg = qobject_cast<TFormSetIncrement*>(&d);
        EXPECT_NE(dlg, nullptr);
        if (!dlg) return 0;
        EXPECT_EQ(dlg->CBIncrementScale->currentIndex(), static_cast<int>(field->IncrementScale()));
        EXPECT_EQ(dlg->SEIncrementBy->value(), field->IncrementBy());
        dlg->CBIncrementScale->setCurrentIndex(dlg->CBIncrementScale->currentIndex() + 1);
        dlg->SEIncrementBy->setValue(40000);  // held within 0..32767
        dlg->BtnClose->click();
        return dlg->result();
    };
    for (TComponentButton* arrow : {field->UpButton(), field->DownButton()}) {
        QTest::mousePress(arrow, Qt::RightButton, {}, QPoint(2, 2));
        QTest::mouseRelease(arrow, Qt::RightButton, {}, QPoint(2, 2));
    }
    // From Day by way of Hour; a right press does not step.
    EXPECT_EQ(std::tuple(opened, field->IncrementScale(), field->IncrementBy(), Text()),
              std::tuple(2, S::Minute, 32767, ""));
}

TEST_F(DateFieldTest, HeldArrowRepeats) {
    field->ConfigureAsMainWindowDate(S::Day);
    EXPECT_FALSE(field->CalendarButton()->autoRepeat());
    field->setText("2025-01-01");
    QSignalSpy steps(field.get(), &QLineEdit::textChanged);
    QTest::mousePress(field->UpButton(), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::qWait(750);
    QTest::mouseRelease(field->UpButton(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_GE(steps.count(), 2);
}

TEST(DateFieldLayout, ButtonsSitInsideTheRightEdge) {
    // Right to left: the clock, the calendar, then the arrows one above the other; the text ends
    // two dots before them.
    const DateFieldButtonLayout l =
        LayoutDateFieldButtons(160, 24, 2, B::btnCalendar | B::btnClock | B::btnIncrement);
    EXPECT_EQ((std::vector{l.up, l.down, l.calendar, l.clock}),
              (std::vector<QRect>{{105, 2, 10, 10}, {105, 12, 10, 10}, {115, 2, 21, 20}, {136, 2, 21, 20}}));
    EXPECT_EQ(l.textRightMargin, 57);
    EXPECT_EQ(LayoutDateFieldButtons(160, 24, 2, {}).textRightMargin, 5);
    EXPECT_EQ(DateFieldMinimumHeight(16, 15), 16 + 3 + 6);
    EXPECT_EQ(DateFieldMinimumHeight(13, 20), 13 + 3 + 6);
}

TEST_F(DateFieldTest, ShowsOnlyItsButtonsAndKeepsTheTextClearOfThem) {
    field->setParent(&host);
    field->ConfigureAsMainWindowDate(S::Year);
    field->resize(180, 30);
    host.show();
    EXPECT_TRUE(field->UpButton()->isVisible());
    EXPECT_FALSE(field->ClockButton()->isVisible());
    EXPECT_EQ(field->CalendarButton()->geometry().right(), 180 - 3 - 1);
    field->setText(QString(40, '8'));
    field->setCursorPosition(40);
    field->grab();  // the edit scrolls its text when it paints
    EXPECT_LT(field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x(),
              field->UpButton()->x() - 1);
    EXPECT_GE(field->minimumHeight(), field->fontMetrics().height() + 6);
}

TEST_F(DateFieldTest, GlyphStripShowsItsDisabledImage) {
    QPixmap strip(20, 10);
    strip.fill(Qt::red);
    QPainter(&strip).fillRect(10, 0, 10, 10, Qt::blue);
    field->ConfigureAsMainWindowDate(S::Day);  // lays the buttons out
    field->SetBtnCalendarGlyph(strip);
    field->SetNumCalendarGlyphs(2);
    TComponentButton* b = field->CalendarButton();
    const QPoint centre = b->rect().center();
    EXPECT_EQ(b->grab().toImage().pixelColor(centre), QColor(Qt::red));
    field->setEnabled(false);
    EXPECT_EQ(b->grab().toImage().pixelColor(centre), QColor(Qt::blue));
}

TEST_F(DateFieldTest, KeyboardFocusSelectsTheWholeText) {
    auto* before = new QLineEdit(&host);
    field->setParent(&host);
    field->move(0, 40);
    field->setText("2025-03-15");
    host.show();
    QApplication::setActiveWindow(&host);
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
}

TEST_F(DateFieldTest, CalendarPicksADay) {
    struct Case {
        const char* label;
        TButtonOptions buttons;
        const char* text;
        std::function<void(TFormCalendar&)> choose;
        bool accept;
        std::string after;
    } cases[] = {
        {"no date shows today", B::btnCalendar, "", nullptr, true, Today()},
        {"cancel with no date writes nothing", B::btnCalendar, "", nullptr, false, ""},
        {"opens on the start day; cancel writes it back in full", B::btnCalendar, "2023-11-5",
         [](TFormCalendar& c) {
             EXPECT_EQ(c.SEYear->value(), 2023);
             EXPECT_EQ(c.CBMonth->currentIndex(), 10);
             EXPECT_EQ(c.Calendar1->selectedDate(), QDate(2023, 11, 5));
         },
         false, "2023-11-05"},
        {"another day keeps the time of day", B::btnCalendar | B::btnClock, "2024-05-07 13:45:10",
         [](TFormCalendar& c) { c.Calendar1->setSelectedDate(QDate(2024, 5, 20)); }, true,
         "2024-05-20 13:45:10"},
        {"date-only field drops the time", B::btnCalendar, "2024-05-07 13:45:10",
         [](TFormCalendar& c) { c.Calendar1->setSelectedDate(QDate(2024, 5, 20)); }, true, "2024-05-20"},
        {"31st into April shows the 30th", B::btnCalendar, "2024-03-31",
         [](TFormCalendar& c) { c.CBMonth->setCurrentIndex(3); }, true, "2024-04-30"},
        {"year before 1900", B::btnCalendar, "2024-06-15", [](TFormCalendar& c) { c.SEYear->setValue(1850); },
         true, "1850-06-15"},
        {"Enter accepts", B::btnCalendar, "2024-06-15",
         [](TFormCalendar& c) {
             c.SEYear->setValue(2030);
             QTest::keyClick(&c, Qt::Key_Return);
             c.SEYear->setValue(2031);  // after closing; not taken
         },
         false, "2030-06-15"},
        {"double click accepts", B::btnCalendar, "2024-06-15",
         [](TFormCalendar& c) {
             c.Calendar1->setSelectedDate(QDate(2024, 6, 3));
             emit c.Calendar1->activated(QDate(2024, 6, 3));
         },
         false, "2024-06-03"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        field->SetButtons(c.buttons);
        field->setText(c.text);
        Answer<TFormCalendar>(c.choose, c.accept);
        field->CalendarButton()->click();
        EXPECT_EQ(Text(), c.after);
    }
    EXPECT_EQ(opened, static_cast<int>(std::size(cases)));
}

TEST_F(DateFieldTest, ClockSpinnersCarry) {
    struct Case {
        const char* label;
        const char* start;
        QSpinBox* TFormClock::*spinner;
        int steps;
        std::vector<int> digits;  // hour, tens and units of minutes, of seconds
        const char* ampm;
        const char* working;
    } cases[] = {
        {"second into the next hour", "10:59:59", &TFormClock::SESec, 1, {11, 0, 0, 0, 0}, "am", "11:00:00"},
        {"second into noon", "11:59:59", &TFormClock::SESec, 1, {0, 0, 0, 0, 0}, "pm", "12:00:00"},
        {"second into midnight", "23:59:59", &TFormClock::SESec, 1, {0, 0, 0, 0, 0}, "am", "00:00:00"},
        {"minute units", "14:09:30", &TFormClock::SEMin, 1, {2, 1, 0, 3, 0}, "pm", "14:10:30"},
        {"no borrow going down", "10:00:00", &TFormClock::SESec, -1, {10, 0, 0, 0, 0}, "am", "10:00:00"},
        {"opened at 23:15", "23:15:00", nullptr, 0, {11, 1, 5, 0, 0}, "pm", "23:15:00"},
        {"opened at 12:30", "12:30:00", nullptr, 0, {0, 3, 0, 0, 0}, "pm", "12:30:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TFormClock clock(ctx);
        clock.SetDateTime(ParseTimeSerial(c.start));
        if (c.spinner) (clock.*c.spinner)->stepBy(c.steps);
        std::vector<int> shown = {clock.SEHour->value(), clock.SEDmin->value(), clock.SEMin->value(),
                                  clock.SEDsec->value(), clock.SESec->value()};
        EXPECT_EQ(shown, c.digits);
        EXPECT_EQ(clock.EditAmPm->text(), c.ampm);
        EXPECT_EQ(FormatTimeSerial(clock.Working()), c.working);
    }
}

TEST_F(DateFieldTest, ClockSpinnersTakeNoTyping) {
    TFormClock clock(ctx);
    clock.SESec->setFocus();
    QTest::keyClicks(clock.SESec, "7");
    EXPECT_EQ(clock.SESec->value(), 0);
    clock.SBAmPm->Down()->click();
    EXPECT_EQ(clock.EditAmPm->text(), "pm");
    EXPECT_EQ(FormatTimeSerial(clock.Working()), "12:00:00");
    clock.SBAmPm->Up()->click();
    EXPECT_EQ(clock.EditAmPm->text(), "am");
}

TEST_F(DateFieldTest, ClockPickerWritesTheField) {
    struct Case {
        const char* label;
        TButtonOptions buttons;
        const char* text;
        bool accept;
        std::string after;
        const char* message;
    } cases[] = {
        {"clock only, one hour on", TButtonOptions(B::btnClock), "10:10:30", true, "11:10:30", nullptr},
        {"empty, cancelled", TButtonOptions(B::btnClock), "", false, "", nullptr},
        {"empty, accepted", TButtonOptions(B::btnClock), "", true, "01:00:00", nullptr},
        {"date and time", B::btnClock | B::btnCalendar, "2024-05-07 10:00:00", true, "2024-05-07 11:00:00",
         nullptr},
        {"time alone gets today", B::btnClock | B::btnCalendar, "10:00", false, Today() + " 10:00:00",
         nullptr},
        {"unreadable", TButtonOptions(B::btnClock), "po południu", false, "po południu",
         "po południu is not a valid time"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        field->SetButtons(c.buttons);
        field->setText(QString::fromUtf8(c.text));
        Answer<TFormClock>([](TFormClock& k) { k.SEHour->stepBy(1); }, c.accept);
        field->ClockButton()->click();
        EXPECT_EQ(Text(), c.after);
        EXPECT_EQ(sink.Take(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
}

TEST(ClockFace, GeometryAndPoints) {
    // centre x and y, margin, hand length; the margin is at least 6
    for (const auto& [w, h, expected] :
         {std::tuple{265, 209, std::vector{132, 104, 13, 89}}, {60, 40, {30, 20, 6, 12}}}) {
        const ClockGeometry g = ComputeClockGeometry(w, h);
        EXPECT_EQ((std::vector{g.cx, g.cy, g.M, g.Rh}), expected) << w << "x" << h;
    }
    constexpr double deg = std::numbers::pi / 180;
    // Truncated toward the centre, not rounded: at 210 degrees the point falls on half a dot.
    for (const auto& [angle, expected] : {std::pair{0, QPoint(132, 15)}, {90, {221, 104}}, {210, {88, 181}}})
        EXPECT_EQ(PointAtAngle(132, 104, angle * deg, 89), expected) << angle;
}

TEST_F(DateFieldTest, ClockHandsFollowTheTime) {
    TFormClock clock(ctx);
    clock.SetDateTime(ParseTimeSerial("03:00:00"));
    const ClockGeometry g = ComputeClockGeometry(clock.PBClock->width(), clock.PBClock->height());
    const QColor hand = clock.palette().color(QPalette::Highlight);
    auto handAt = [&](int dx) {
        return clock.PBClock->grab().toImage().pixelColor(g.cx + dx, g.cy + 2) == hand;
    };
    // The hour hand points right at 3 o'clock, and is gone from there at 9.
    EXPECT_TRUE(handAt(30));
    clock.SEHour->setValue(9);
    EXPECT_FALSE(handAt(30));
    EXPECT_TRUE(handAt(-30));
}

}  // namespace
}  // namespace tolvex::testing
