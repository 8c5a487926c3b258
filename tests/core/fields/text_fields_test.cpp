#include "core/fields/text_fields.h"

#include <gtest/gtest.h>

#include "core/amount/amount.h"

namespace tolvex {
namespace {

TEST(TextFields, ReadsOwnWritesAndKeepsOrder) {
    MapFieldSource source;
    source.texts["A"] = "1,5";
    source.texts["B"] = "2 zł";
    TextFields f(source);
    EXPECT_DOUBLE_EQ(f.Number("A"), 1.5);
    f.Write("A", "3");
    f.SetVisible("L", false);
    EXPECT_DOUBLE_EQ(f.Number("A"), 3);
    EXPECT_DOUBLE_EQ(f.NumberWithoutSuffix("B"), 2);
    ASSERT_EQ(f.Effects().size(), 2u);
    EXPECT_EQ(f.Effects()[0].name, "A");
    EXPECT_FALSE(f.Effects()[1].visible);
}

TEST(TextFields, BadTexts) {
    MapFieldSource source;
    source.texts["A"] = "x";
    source.texts["B"] = "1234";
    TextFields f(source);
    EXPECT_THROW(f.Number("A"), ConversionError);
    EXPECT_THROW(f.Number("missing"), ConversionError);
    // A missing suffix is reported and the text shortened anyway.
    EXPECT_DOUBLE_EQ(f.NumberWithoutSuffix("B"), 1);
    EXPECT_EQ(f.Messages(), std::vector<std::string>{"nieprawidłowowa konwersja"});
}

}  // namespace
}  // namespace tolvex
