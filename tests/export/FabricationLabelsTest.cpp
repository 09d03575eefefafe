// Where the workshop drawing's numerals go: the box tests they rest on, and placements on
// small made-up plates whose answer can be worked out by hand.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "export/FabricationLabels.h"

namespace umbrix {
namespace {

TEST(FabricationBoxes, ATextsBoxFollowsItsCharactersAndHeight) {
  const BoxMm one = TextBox("7", 10, {1, 2});
  EXPECT_DOUBLE_EQ(one.xMin, 1 - 4);  // 0.8 of the height per character
  EXPECT_DOUBLE_EQ(one.xMax, 1 + 4);
  EXPECT_DOUBLE_EQ(one.yMin, 2 - 5);
  EXPECT_DOUBLE_EQ(one.yMax, 2 + 5);
  const BoxMm two = TextBox("12", 5, {0, 0});
  EXPECT_DOUBLE_EQ(two.xMax - two.xMin, 8);
  EXPECT_DOUBLE_EQ(TextBox("é", 5, {0, 0}).xMax, 2) << "one character, two bytes";
}

TEST(FabricationBoxes, SegmentsAgainstABox) {
  const BoxMm box{0, 10, 0, 5};
  struct Case {
    PointMm a, b;
    bool meets;
  };
  const std::vector<Case> cases = {
      {{-5, 2}, {15, 2}, true},     // straight across
      {{2, 1}, {3, 2}, true},       // wholly inside
      {{-5, -5}, {-1, 10}, false},  // left of it
      {{-5, 6}, {15, 6}, false},    // above it
      {{-1, -1}, {11, 6}, true},    // across the diagonal
      {{-3, 4}, {1, 8}, false},     // past the top-left corner
      {{10, 5}, {12, 8}, true},     // from the corner itself
      {{5, 5}, {5, 5}, true},       // a point on the edge
      {{11, 0}, {11, 5}, false},    // parallel, outside
  };
  for (const Case& c : cases)
    EXPECT_EQ(SegmentMeetsBox(c.a, c.b, box), c.meets)
        << "(" << c.a.x << ", " << c.a.y << ") to (" << c.b.x << ", " << c.b.y << ")";
}

TEST(FabricationBoxes, BoxesMeetWhenTheyShareAPoint) {
  const BoxMm a{0, 2, 0, 2};
  EXPECT_TRUE(BoxesMeet(a, {1, 3, 1, 3}));
  EXPECT_TRUE(BoxesMeet(a, {2, 3, 0, 2})) << "a shared edge";
  EXPECT_FALSE(BoxesMeet(a, {2.1, 3, 0, 2}));
  EXPECT_FALSE(BoxesMeet(a, {0, 2, -3, -0.1}));
  EXPECT_TRUE(BoxesMeet(a, {-1, 5, -1, 5})) << "one inside the other";
}

bool Inside(const BoxMm& b, const PlateWindow& w, double margin) {
  return b.xMin >= w.XMin + margin && b.xMax <= w.XMax - margin && b.yMin >= w.YMin + margin &&
         b.yMax <= w.YMax - margin;
}

TEST(FabricationNumerals, ALineToTheEdgeGetsItsNumeralBesideItsEndInsideThePlate) {
  const PlateWindow plate{-50, 50, -50, 50};
  const std::vector<LineMm> lines = {{{0, 0}, {50, 0}, false}};
  const std::vector<NumeralRequest> numerals = {{"3", 0, {50, 0}, {1, 0}}};
  const auto placed = PlaceNumerals(plate, lines, numerals, {}, 4, 1);
  ASSERT_EQ(placed.size(), 1u);
  ASSERT_TRUE(placed[0].box);
  const BoxMm b = *placed[0].box;
  EXPECT_FALSE(placed[0].crossesLines);
  EXPECT_TRUE(Inside(b, plate, 1));
  EXPECT_FALSE(SegmentMeetsBox({0, 0}, {50, 0}, b.Grown(1)));
  // Beside the end: near the edge, its near side 1.1 clearances off the line.
  EXPECT_GT(b.Centre().x, 40);
  EXPECT_NEAR(std::min(std::abs(b.yMin), std::abs(b.yMax)), 1.1, 1e-9);
}

TEST(FabricationNumerals, ALineEndingInsideThePlateGetsItsNumeralOnItsExtension) {
  const PlateWindow plate{-50, 50, -50, 50};
  const std::vector<LineMm> lines = {{{0, 0}, {0, 20}, false}};
  const std::vector<NumeralRequest> numerals = {{"12", 0, {0, 20}, {0, 1}}};
  const auto placed = PlaceNumerals(plate, lines, numerals, {}, 4, 1);
  ASSERT_TRUE(placed[0].box);
  EXPECT_NEAR(placed[0].box->Centre().x, 0, 1e-12);
  EXPECT_NEAR(placed[0].box->yMin, 20 + 1.1, 1e-12) << "a clearance off the end, and a tenth more";
}

TEST(FabricationNumerals, NumeralsOfNeighbouringLinesNeverOverlap) {
  // Five lines fanning from the centre toward the top edge, two millimetres apart there.
  const PlateWindow plate{-50, 50, -50, 50};
  std::vector<LineMm> lines;
  std::vector<NumeralRequest> numerals;
  for (int k = -2; k <= 2; ++k) {
    lines.push_back({{0, 0}, {2.0 * k, 50}, false});
    numerals.push_back({std::to_string(10 + k), lines.size() - 1, {2.0 * k, 50}, {0, 1}});
  }
  const auto placed = PlaceNumerals(plate, lines, numerals, {}, 3, 0.6);
  for (std::size_t i = 0; i < placed.size(); ++i) {
    ASSERT_TRUE(placed[i].box) << numerals[i].text;
    EXPECT_TRUE(Inside(*placed[i].box, plate, 0.6));
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_FALSE(BoxesMeet(*placed[i].box, *placed[j].box))
          << numerals[i].text << " and " << numerals[j].text;
    if (!placed[i].crossesLines) {
      for (const LineMm& line : lines)
        EXPECT_FALSE(SegmentMeetsBox(line.from, line.to, *placed[i].box)) << numerals[i].text;
    }
  }
}

TEST(FabricationNumerals, BetweenTooCloseLinesANumeralCrossesTheSubdivisionsFirst) {
  // Parallel lines 3 mm apart: a 4 mm numeral fits between none of them.
  const PlateWindow plate{-20, 20, -20, 20};
  const std::vector<LineMm> lines = {{{-3, -20}, {-3, 20}, true},
                                     {{0, -20}, {0, 20}, false},
                                     {{3, -20}, {3, 20}, true},
                                     {{-6, -20}, {-6, 20}, false},
                                     {{6, -20}, {6, 20}, false}};
  const std::vector<NumeralRequest> numerals = {{"5", 1, {0, 20}, {0, 1}}};
  const auto placed = PlaceNumerals(plate, lines, numerals, {}, 4, 0.5);
  ASSERT_TRUE(placed[0].box);
  EXPECT_TRUE(placed[0].crossesLines);
  for (const std::size_t whole : {1u, 3u, 4u})
    EXPECT_FALSE(SegmentMeetsBox(lines[whole].from, lines[whole].to, *placed[0].box)) << whole;
}

TEST(FabricationNumerals, NoRoomInsideThePlateGivesNoBox) {
  const PlateWindow plate{-2, 2, -2, 2};
  const std::vector<LineMm> lines = {{{0, 0}, {2, 0}, false}};
  const std::vector<NumeralRequest> numerals = {{"6", 0, {2, 0}, {1, 0}}};
  const auto placed = PlaceNumerals(plate, lines, numerals, {}, 5, 0.5);
  EXPECT_FALSE(placed[0].box);
}

TEST(FabricationNumerals, AMarkToKeepClearPushesTheNumeralAway) {
  const PlateWindow plate{-50, 50, -50, 50};
  const std::vector<LineMm> lines = {{{0, 0}, {0, 20}, false}};
  const std::vector<NumeralRequest> numerals = {{"12", 0, {0, 20}, {0, 1}}};
  const BoxMm clear = TextBox("12", 4, {0, 24});  // where the numeral would go first
  const std::vector<BoxMm> keepClear = {clear};
  const auto placed = PlaceNumerals(plate, lines, numerals, keepClear, 4, 1);
  ASSERT_TRUE(placed[0].box);
  EXPECT_FALSE(BoxesMeet(placed[0].box->Grown(1), clear));
}

TEST(FabricationNumerals, ANumeralOfALineNotDrawnFollowsItsDirection) {
  const PlateWindow plate{-50, 50, -50, 50};
  const std::vector<NumeralRequest> numerals = {{"9", std::nullopt, {-30, 0}, {-1, 0}}};
  const auto placed = PlaceNumerals(plate, {}, numerals, {}, 4, 1);
  ASSERT_TRUE(placed[0].box);
  EXPECT_LT(placed[0].box->xMax, -30) << "beyond the end, on its side";
}

}  // namespace
}  // namespace umbrix
