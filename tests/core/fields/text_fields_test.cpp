#include "core/fields/text_fields.h"

#include <gtest/gtest.h>

#include "core/amount/amount.h"

namespace tolvex {
namespace {

TEST(TextFields, ReadsOwnWritesKeepsTheOrderAndReportsBadTexts) {
    MapFieldSource source;
    source.texts = {{"A", "1,5"}, {"B", "2 zł"}, {"C", "x"}, {"D", "1234"}};
    TextFields f(source);
    EXPECT_DOUBLE_EQ(f.Number("A"), 1.5);
    f.Write("A", "3");
    f.SetVisible("L", false);
    EXPECT_DOUBLE_EQ(f.Number("A"), 3);
    EXPECT_DOUBLE_EQ(f.NumberWithoutSuffix("B"), 2);
    EXPECT_THROW(f.Number("C"), ConversionError);
    EXPECT_THROW(f.Number("missing"), ConversionError);
    EXPECT_DOUBLE_EQ(f.NumberWithoutSuffix("D"), 1);  // shortened even without the suffix
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"nieprawidłowowa konwersja"});
    ASSERT_EQ(f.Effects().size(), 3u);
    EXPECT_EQ(f.Effects()[0].name, "A");
    EXPECT_FALSE(f.Effects()[1].visible);
}

}  // namespace
}  // namespace tolvex
