#include <gtest/gtest.h>

#include <optional>

#include "dialog_rules/edit_number.h"

namespace fenx {
namespace {

TEST(EditNumber, ReadsUnsignedDecimalText) {
    EXPECT_EQ(ReadEditNumber("0"), 0u);
    EXPECT_EQ(ReadEditNumber("00712"), 712u);
    EXPECT_EQ(ReadEditNumber("99999"), 99999u);
    EXPECT_EQ(ReadEditNumber("  42"), 42u);
    EXPECT_EQ(ReadEditNumber("4294967295"), 4294967295u);
}

TEST(EditNumber, AnythingButDigitsIsNoNumber) {
    EXPECT_EQ(ReadEditNumber(""), std::nullopt);
    EXPECT_EQ(ReadEditNumber("   "), std::nullopt);
    EXPECT_EQ(ReadEditNumber("-1"), std::nullopt);
    EXPECT_EQ(ReadEditNumber("+1"), std::nullopt);
    EXPECT_EQ(ReadEditNumber("12a"), std::nullopt);
    EXPECT_EQ(ReadEditNumber("12 "), std::nullopt);
    EXPECT_EQ(ReadEditNumber("1 2"), std::nullopt);
    // Full-width digits are not decimal digits here.
    EXPECT_EQ(ReadEditNumber("\xEF\xBC\x91"), std::nullopt);
    EXPECT_EQ(ReadEditNumber("4294967296"), std::nullopt);
}

TEST(EditNumber, AnEditHoldsAtMostFiveDigits) {
    EXPECT_TRUE(IsEditText(""));
    EXPECT_TRUE(IsEditText("0"));
    EXPECT_TRUE(IsEditText("99999"));
    EXPECT_FALSE(IsEditText("100000"));
    EXPECT_FALSE(IsEditText("12a"));
    EXPECT_FALSE(IsEditText(" 1"));
    EXPECT_FALSE(IsEditText("-1"));
}

TEST(EditNumber, StepsStayWithinWhatFiveDigitsHold) {
    EXPECT_EQ(StepEditNumber(std::nullopt, 1), 1u);
    EXPECT_EQ(StepEditNumber(std::nullopt, -1), 0u);
    EXPECT_EQ(StepEditNumber(12u, -1), 11u);
    EXPECT_EQ(StepEditNumber(0u, -1), 0u);
    EXPECT_EQ(StepEditNumber(99998u, 1), 99999u);
    EXPECT_EQ(StepEditNumber(99999u, 1), 99999u);
    // A number too large for the edit (set by hand) comes back within it.
    EXPECT_EQ(StepEditNumber(4294967295u, 1), 99999u);
}

} // namespace
} // namespace fenx
