#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "dialog_rules/list_columns.h"

namespace fenx {
namespace {

TEST(LineFields, AreTheWordsBetweenBlanks) {
    EXPECT_EQ(LineFields("■  97/08/26 21:07  12x4  4829"),
              (std::vector<std::string_view>{"■", "97/08/26", "21:07", "12x4", "4829"}));
    EXPECT_EQ(LineFields(" 65513 : 65535"), (std::vector<std::string_view>{"65513", ":", "65535"}));
    EXPECT_EQ(LineFields("        日付     時刻 サイズ  面"),
              (std::vector<std::string_view>{"日付", "時刻", "サイズ", "面"}));
    EXPECT_TRUE(LineFields("   ").empty());
    EXPECT_TRUE(LineFields("").empty());
}

TEST(LayOutColumns, ShareTheSpareRoomSoTheLastEndsAtTheEdge) {
    // 150 pixels of fields in 176: 26 spare over four gaps, the odd two to
    // the first gaps.
    const std::vector<int> widths = {12, 48, 30, 30, 30};
    const std::vector<ColumnSpan> columns = LayOutColumns(widths, 176, 2);
    EXPECT_EQ(columns,
              (std::vector<ColumnSpan>{{0, 12}, {19, 48}, {74, 30}, {110, 30}, {146, 30}}));
    EXPECT_EQ(columns.back().right(), 176);
    // Too narrow: the smallest gap, running past the room.
    const std::vector<ColumnSpan> tight = LayOutColumns(widths, 100, 2);
    EXPECT_EQ(tight.back(), (ColumnSpan{128, 30}));
    // One column stays at the left; none give none.
    EXPECT_EQ(LayOutColumns(std::vector<int>{40}, 176, 2), (std::vector<ColumnSpan>{{0, 40}}));
    EXPECT_TRUE(LayOutColumns({}, 176, 2).empty());
}

TEST(FieldLeft, AlignsAFieldInItsColumn) {
    const ColumnSpan column{100, 30};
    EXPECT_EQ(FieldLeft(column, 18, FieldAlign::Left), 100);
    EXPECT_EQ(FieldLeft(column, 18, FieldAlign::Centre), 106);
    EXPECT_EQ(FieldLeft(column, 18, FieldAlign::Right), 112);
    // A field wider than its column overhangs it on the side it does not
    // align to.
    EXPECT_EQ(FieldLeft(column, 36, FieldAlign::Right), 94);
}

TEST(TitleLefts, TitlesStandOverTheLastColumnsInsideTheLine) {
    const std::vector<ColumnSpan> columns = {{0, 12}, {19, 48}, {74, 30}, {110, 30}, {146, 30}};
    // Four titles over the five columns of a line with a mark in front; the
    // last, wider than its column, is kept inside the line's right edge.
    EXPECT_EQ(TitleLefts(columns, std::vector<int>{24, 24, 32, 40}),
              (std::vector<int>{31, 77, 109, 136}));
    // More titles than columns: the extra ones get no place.
    EXPECT_EQ(TitleLefts(std::vector<ColumnSpan>{{10, 20}}, std::vector<int>{30, 8}),
              (std::vector<int>{10}));
    EXPECT_TRUE(TitleLefts({}, std::vector<int>{8}).empty());
}

} // namespace
} // namespace fenx
