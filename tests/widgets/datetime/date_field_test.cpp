#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>

#include "date_field_fixture.h"
#include "widgets/datetime/form_calendar.h"
#include "widgets/datetime/form_set_increment.h"

namespace tolvex::testing {
namespace {

using B = TButtonOption;
using S = TIncrementScale;
using DateFieldTest = DateFieldFixture;

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
        // The stepping rules are the date step's; here the buttons choose the kind of text and the sign.
        // clang-format off
        {"31 January up a month", date, S::Month, 1, "2024-01-31", Up, "2024-01-31", refused},
        {"January down 13 months", date, S::Month, 13, "2024-01-10", Down, "2022-12-10", nullptr},
        {"clock past midnight", B::btnClock | B::btnIncrement, S::Hour, 1, "23:30:00", Up, "00:30:00", nullptr},
        {"date and time by minutes", dateTime, S::Minute, 45, "2024-12-31 23:30:00", Up, "2025-01-01 00:15:00",
         nullptr},
        {"arrows only still a date", TButtonOptions(B::btnIncrement), S::Week, 1, "2024-12-30", Up, "2025-01-06",
         nullptr},
        {"not a time", B::btnClock | B::btnIncrement, S::Second, 1, "12:61", Up, "12:61",
         "'12:61' is not a valid time"},
        // The field keeps to the years its calendar offers, 1 to 5000, at both ends.
        {"last day up a day", date, S::Day, 1, "5000-12-31", Up, "5000-12-31", refused},
        {"into the last day", date, S::Day, 1, "5000-12-30", Up, "5000-12-31", nullptr},
        {"last year up a year", date, S::Year, 1, "5000-06-15", Up, "5000-06-15", refused},
        {"last hour up an hour", dateTime, S::Hour, 1, "5000-12-31 23:30:00", Up, "5000-12-31 23:30:00", refused},
        {"first day down a day", date, S::Day, 1, "0001-01-01", Down, "0001-01-01", refused},
        {"into the first day", date, S::Day, 1, "0001-01-02", Down, "0001-01-01", nullptr},
        {"calendar on the last day", date, S::Day, 1, "5000-12-31", Calendar, "5000-12-31", nullptr},
        {"calendar on the first day", date, S::Day, 1, "0001-01-01", Calendar, "0001-01-01", nullptr},
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
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, Message::Kind::Information);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Select a date or time first"});
}

TEST_F(DateFieldTest, KeysStepTheDateButNeverEditIt) {
    field->ConfigureAsMainWindowDate(S::Day);
    field->setText("2025-03-15");
    QApplication::clipboard()->setText("2030-01-01");
    const std::pair<Qt::Key, Qt::KeyboardModifiers> edits[] = {{Qt::Key_V, Qt::ControlModifier},
                                                               {Qt::Key_X, Qt::ControlModifier},
                                                               {Qt::Key_1, {}},
                                                               {Qt::Key_Backspace, {}},
                                                               {Qt::Key_Delete, {}}};
    for (const auto& [key, modifiers] : edits) {
        field->selectAll();
        QTest::keyClick(field.get(), key, modifiers);
        EXPECT_EQ(Text(), "2025-03-15") << key;
    }
    QTest::keyClick(field.get(), Qt::Key_Up);
    QTest::keyClick(field.get(), Qt::Key_Up);
    EXPECT_EQ(Text(), "2025-03-17");
    QTest::keyClick(field.get(), Qt::Key_Down);
    EXPECT_EQ(Text(), "2025-03-16");
    field->SetButtons(B::btnCalendar);  // no arrows, no stepping
    QTest::keyClick(field.get(), Qt::Key_Up);
    EXPECT_EQ(Text(), "2025-03-16");

    field->SetEnableEditor(true);
    field->selectAll();
    QTest::keyClick(field.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(), "2030-01-01");
}

TEST_F(DateFieldTest, IncrementByOutsideItsRangeIsRefused) {
    for (const auto& [by, kept] : {std::pair{0, 0}, {32766, 32766}, {32767, 32766}, {-1, 32766}, {5, 5}}) {
        SCOPED_TRACE(by);
        field->SetIncrementBy(by);
        EXPECT_EQ(field->IncrementBy(), kept);
        if (by != kept) {
            EXPECT_EQ(sink.messages.at(0).kind, Message::Kind::Warning);
        }
        EXPECT_EQ(Messages(), by == kept
                                  ? std::vector<std::string>{}
                                  : std::vector<std::string>{"\"Increment By\" must be between 0 and 32767"});
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
        // clang-format off
        {B::btnCalendar | B::btnIncrement, {126, 2, 10, 10}, {126, 12, 10, 10}, {136, 2, 21, 20}, {}, 36},
        {B::btnCalendar | B::btnClock | B::btnIncrement, {105, 2, 10, 10}, {105, 12, 10, 10},
         {115, 2, 21, 20}, {136, 2, 21, 20}, 57},
        {TButtonOptions(B::btnClock), {}, {}, {}, {136, 2, 21, 20}, 26},
        {TButtonOptions(), {}, {}, {}, {}, 5},
        // clang-format on
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
}  // namespace tolvex::testing
