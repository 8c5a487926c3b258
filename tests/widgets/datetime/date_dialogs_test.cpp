#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <numbers>

#include "date_field_fixture.h"
#include "widgets/common/spin_button.h"
#include "widgets/datetime/form_calendar.h"
#include "widgets/datetime/form_clock.h"

namespace tolvex::testing {
namespace {

using B = TButtonOption;
using PickerTest = DateFieldFixture;

std::string Today() {
    return QDate::currentDate().toString("yyyy-MM-dd").toStdString();
}

TEST_F(PickerTest, CalendarPicksADay) {
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
             EXPECT_EQ(c.windowTitle(), QString::fromUtf8("Wybierz Datę"));
             EXPECT_EQ(c.SEYear->value(), 2023);
             EXPECT_EQ(c.CBMonth->currentIndex(), 10);
             EXPECT_EQ(c.CBMonth->currentText(), "Listopad");
             EXPECT_EQ(c.Calendar1->selectedDate(), QDate(2023, 11, 5));
             EXPECT_EQ(c.Calendar1->firstDayOfWeek(), Qt::Sunday);
         },
         false, "2023-11-05"},
        {"another day keeps the time of day", B::btnCalendar | B::btnClock, "2024-05-07 13:45:10",
         [](TFormCalendar& c) { c.Calendar1->setSelectedDate(QDate(2024, 5, 20)); }, true,
         "2024-05-20 13:45:10"},
        {"date-only field drops the time", B::btnCalendar, "2024-05-07 13:45:10",
         [](TFormCalendar& c) { c.Calendar1->setSelectedDate(QDate(2024, 5, 20)); }, true, "2024-05-20"},
        {"31st into April shows the 30th", B::btnCalendar, "2024-03-31",
         [](TFormCalendar& c) { c.CBMonth->setCurrentIndex(3); }, true, "2024-04-30"},
        {"29 February into a common year", B::btnCalendar, "2024-02-29",
         [](TFormCalendar& c) { c.SEYear->setValue(2023); }, true, "2023-02-28"},
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
             c.Calendar1->setSelectedDate(QDate(2024, 6, 9));
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

TEST_F(PickerTest, ClockSpinnersCarry) {
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
        {"tens of minutes", "09:50:00", &TFormClock::SEDmin, 1, {10, 0, 0, 0, 0}, "am", "10:00:00"},
        {"minute units", "14:09:30", &TFormClock::SEMin, 1, {2, 1, 0, 3, 0}, "pm", "14:10:30"},
        {"hour into pm", "11:15:00", &TFormClock::SEHour, 1, {0, 1, 5, 0, 0}, "pm", "12:15:00"},
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

TEST_F(PickerTest, ClockSpinnersTakeNoTyping) {
    TFormClock clock(ctx);
    clock.SESec->setFocus();
    QTest::keyClicks(clock.SESec, "7");
    EXPECT_EQ(clock.SESec->value(), 0);
    QTest::keyClick(clock.SESec, Qt::Key_Up);
    EXPECT_EQ(clock.SESec->value(), 1);
    EXPECT_TRUE(clock.EditAmPm->isReadOnly());
    clock.SBAmPm->Down()->click();
    EXPECT_EQ(clock.EditAmPm->text(), "pm");
    EXPECT_EQ(FormatTimeSerial(clock.Working()), "12:00:01");
    clock.SBAmPm->Up()->click();
    EXPECT_EQ(clock.EditAmPm->text(), "am");
}

TEST_F(PickerTest, ClockPickerWritesTheField) {
    struct Case {
        const char* label;
        TButtonOptions buttons;
        const char* text;
        bool accept;
        std::string after;
        const char* message;
    } cases[] = {
        {"clock only, one hour on", TButtonOptions(B::btnClock), "10:10:30", true, "11:10:30", nullptr},
        {"clock only, cancelled", TButtonOptions(B::btnClock), "10:10:30", false, "10:10:30", nullptr},
        {"empty, cancelled", TButtonOptions(B::btnClock), "", false, "", nullptr},
        {"empty, accepted", TButtonOptions(B::btnClock), "", true, "01:00:00", nullptr},
        {"date and time", B::btnClock | B::btnCalendar, "2024-05-07 10:00:00", true, "2024-05-07 11:00:00",
         nullptr},
        {"time alone gets today", B::btnClock | B::btnCalendar, "10:00", false, Today() + " 10:00:00",
         nullptr},
        {"time alone, accepted", B::btnClock | B::btnCalendar, "10:00", true, Today() + " 11:00:00", nullptr},
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
    struct Case {
        int w, h;
        ClockGeometry g;
    } cases[] = {{265, 209, {132, 104, 13, 89}}, {60, 40, {30, 20, 6, 12}}, {200, 200, {100, 100, 12, 86}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        ClockGeometry g = ComputeClockGeometry(c.w, c.h);
        EXPECT_EQ(g.cx, c.g.cx);
        EXPECT_EQ(g.cy, c.g.cy);
        EXPECT_EQ(g.M, c.g.M);
        EXPECT_EQ(g.Rh, c.g.Rh);
    }
    constexpr double deg = std::numbers::pi / 180;
    struct Point {
        double angle;
        QPoint expected;
    } points[] = {{0, {132, 15}},         {90 * deg, {221, 104}}, {180 * deg, {132, 193}},
                  {270 * deg, {43, 104}}, {30 * deg, {176, 27}},  {210 * deg, {88, 181}}};
    for (const auto& p : points) {
        SCOPED_TRACE(p.angle / deg);
        EXPECT_EQ(PointAtAngle(132, 104, p.angle, 89), p.expected);
    }
}

TEST(ClockFace, HandsFollowTheTime) {
    RecordingMessageSink sink;
    UiContext ctx;
    ctx.messages = &sink;
    TFormClock clock(ctx);
    EXPECT_EQ(clock.PBClock->size(), QSize(265, 209));
    auto grab = [&] { return clock.PBClock->grab().toImage(); };
    clock.SetDateTime(ParseTimeSerial("03:00:00"));
    QImage three = grab();
    const ClockGeometry g = ComputeClockGeometry(265, 209);
    const QColor hand = clock.palette().color(QPalette::Highlight);
    // The hour hand points right at 3 o'clock, and is gone from there at 9.
    EXPECT_EQ(three.pixelColor(g.cx + 30, g.cy + 2), hand);
    clock.SEHour->setValue(9);
    QImage nine = grab();
    EXPECT_NE(nine.pixelColor(g.cx + 30, g.cy + 2), hand);
    EXPECT_EQ(nine.pixelColor(g.cx - 30, g.cy + 2), hand);
    EXPECT_TRUE(sink.messages.empty());
}

}  // namespace
}  // namespace tolvex::testing
