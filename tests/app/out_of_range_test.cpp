// Regression: absurd amounts overflowed to infinity, the texts "INF"/"NAN" reached the loan grid's
// sums and their conversion error escaped the button handler.
#include <QTimer>

#include "app/tolvex_application.h"
#include "core/amount/amount.h"
#include "support/ui_fixture.h"

namespace tolvex::testing {
namespace {

const std::string kOutOfRange(kOutOfRangeMessage);

class OutOfRangeTest : public MainWindowTest {};

TEST_F(OutOfRangeTest, HugeAmountsGiveTheOutOfRangeMessageNotACrash) {
    Start();
    struct Case {
        const char* amountField;
        const char* rateField;
        const char* button;
        const char* value;
    } cases[] = {
        {"KredytBankowy", "ProcentBankowy", "PrzeliczRaty", "1E300"},
        {"KredytBankowy", "ProcentBankowy", "PrzeliczRaty", "99999999999"},
        {"EditKwota1", nullptr, "WyliczOdsetki_Pod_Ust", "1,7E308"},
    };
    Edit("OkresBankowyKredytu")->setText("50");
    Edit("DateTimePocz1")->setText("2022-01-01");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        Edit(c.amountField)->setText(c.value);
        if (c.rateField) Edit(c.rateField)->setText(c.value);
        EXPECT_NO_THROW(Press(c.button));
        EXPECT_EQ(Messages(), std::vector<std::string>{kOutOfRange});
    }
}

TEST(OutOfRange, FormatsRefuseNumbersThatAreNotFinite) {
    for (double v : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(FormatGeneral(v), ConversionError);
        EXPECT_THROW(FormatMoney(v), ConversionError);
        EXPECT_THROW(FormatWholeGrouped(v), ConversionError);
    }
}

// An error no handler caught is shown, and the event loop goes on.
class Throwing : public QObject {
  public:
    bool event(QEvent*) override { throw ConversionError("'x' is not a valid floating point value"); }
};

TEST(TolvexApplicationTest, UncaughtErrorIsShownAsAMessage) {
    RecordingMessageSink sink;
    auto* app = qobject_cast<TolvexApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    app->SetMessageSink(&sink);
    Throwing target;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&target, &event));
    app->SetMessageSink(nullptr);
    EXPECT_EQ(sink.Take(), std::vector<std::string>{"'x' is not a valid floating point value"});
}

}  // namespace
}  // namespace tolvex::testing
