#include "widgets/amount/amount_field.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "support/recording_message_sink.h"

namespace tolvex {
namespace {

class AmountFieldTest : public ::testing::Test {
  protected:
    AmountFieldTest() { ctx.messages = &sink; }
    QLineEdit* Field(const AmountFieldRule& rule, const QString& text = {}) {
        auto* e = new QLineEdit(text, &parent);
        AttachAmountField(e, rule, ctx);
        return e;
    }

    testing::RecordingMessageSink sink;
    UiContext ctx;
    QWidget parent;
};

TEST_F(AmountFieldTest, CheckVariantsRejectBadTextWithTheirMessage) {
    struct Case {
        ChangeRule rule;
        const char *typed, *message, *after;
    } cases[] = {
        {ChangeRule::Check, "abc", "Błędnie napisana liczba(separator lub wartość)", ""},
        {ChangeRule::CheckShort, "1 200", "Błędnie napisana liczba ", ""},
        {ChangeRule::CheckReset, "x", "Błędnie napisana liczba(separator lub wartość)", "1500"},
        {ChangeRule::Check, "12,5", nullptr, "12,5"},
        {ChangeRule::Check, "", nullptr, ""},
    };
    ctx.mainWindowShown = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        AmountFieldRule rule = rules::Make(c.rule, ClickRule::None, ExitRule::None);
        rule.resetText = "1500";
        QLineEdit* e = Field(rule, "7");
        e->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(e->text().toStdString(), c.after);
        EXPECT_EQ(sink.Take(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
}

TEST_F(AmountFieldTest, CheckLateStaysQuietUntilTheWindowIsShown) {
    QLineEdit* e = Field(rules::CheckLateConvert());
    e->setText("abc");
    EXPECT_EQ(e->text(), "abc");
    EXPECT_TRUE(sink.messages.empty());
    ctx.mainWindowShown = true;
    e->setText("abcd");
    EXPECT_EQ(e->text(), "");
    EXPECT_EQ(sink.Take().size(), 1u);
}

TEST_F(AmountFieldTest, ClickVariantsClearOnlyTheirPlaceholders) {
    struct Case {
        ClickRule rule;
        const char* before;
        const char* after;
    } cases[] = {{ClickRule::ClearAlways, "150", ""},     {ClickRule::ClearPlaceholder, "0,00", ""},
                 {ClickRule::ClearPlaceholder, "0", "0"}, {ClickRule::ClearZero, "0", ""},
                 {ClickRule::ClearZero, "0,00", ""},      {ClickRule::ClearCount, "0,00", "0,00"},
                 {ClickRule::ClearCount, "0", ""},        {ClickRule::ClearCountOrMoney, "0,00", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        QLineEdit* e =
            Field(rules::Make(ChangeRule::None, c.rule, ExitRule::None), QString::fromUtf8(c.before));
        e->show();
        QTest::mouseClick(e, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_EQ(e->text().toStdString(), c.after);
    }
}

TEST_F(AmountFieldTest, ExitAndResultFillOnlyAnEmptyField) {
    QLineEdit* money = Field(rules::Check());
    QLineEdit* count = Field(rules::CheckShort(ClickRule::ClearZero, "0"));
    QLineEdit* kept = Field(rules::Check(), "12");
    for (auto* e : {money, count, kept}) {
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(e, &out);
    }
    EXPECT_EQ(money->text(), "0,00");
    EXPECT_EQ(count->text(), "0");
    EXPECT_EQ(kept->text(), "12");
    QLineEdit* result = Field(rules::Result(), "5 zł");
    result->clear();
    EXPECT_EQ(result->text(), "0,00");
}

}  // namespace
}  // namespace tolvex
