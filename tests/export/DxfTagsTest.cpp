#include "export/DxfTags.h"

#include <gtest/gtest.h>

#include <sstream>

namespace umbrix {
namespace {

std::string Written(void (*write)(DxfTagWriter&)) {
  std::ostringstream out;
  DxfTagWriter tags(out);
  write(tags);
  return out.str();
}

TEST(DxfTagWriter, GroupCodeIsRightAlignedInThreeCharactersAndLinesEndWithCrLf) {
  EXPECT_EQ(Written([](DxfTagWriter& t) { t.Text(0, "LINE"); }), "  0\r\nLINE\r\n");
  EXPECT_EQ(Written([](DxfTagWriter& t) { t.Text(10, "x"); }), " 10\r\nx\r\n");
  EXPECT_EQ(Written([](DxfTagWriter& t) { t.Text(999, "Umbrix dxf 3D"); }),
            "999\r\nUmbrix dxf 3D\r\n");
}

TEST(DxfTagWriter, EmptyValueStillHasItsLine) {
  EXPECT_EQ(Written([](DxfTagWriter& t) { t.Text(4, ""); }), "  4\r\n\r\n");
}

struct MmCase {
  double value;
  const char* text;
};

class DxfMillimetres : public ::testing::TestWithParam<MmCase> {};

TEST_P(DxfMillimetres, RoundedToTenthsTiesToEvenWithoutTrailingZeros) {
  const MmCase c = GetParam();
  std::ostringstream out;
  DxfTagWriter(out).Mm(10, c.value);
  EXPECT_EQ(out.str(), std::string(" 10\r\n") + c.text + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Values, DxfMillimetres,
                         ::testing::Values(MmCase{-50, "-50"}, MmCase{12.25, "12.2"},
                                           MmCase{12.35, "12.3"}, MmCase{0.75, "0.8"},
                                           MmCase{0.04, "0"}, MmCase{-0.04, "0"},
                                           MmCase{55.55, "55.5"}, MmCase{1234.5678, "1234.6"}));

TEST(DxfTagWriter, ExactNumbersAreNotRounded) {
  std::ostringstream out;
  DxfTagWriter t(out);
  t.Exact(30, -0.3);
  t.Exact(40, 2460019.123456789);
  EXPECT_EQ(out.str(), " 30\r\n-0.3\r\n 40\r\n2460019.12345679\r\n");
}

TEST(DxfTagWriter, WholeNumbers) {
  std::ostringstream out;
  DxfTagWriter t(out);
  t.Int(62, 250);
  t.Int(49, -2);
  EXPECT_EQ(out.str(), " 62\r\n250\r\n 49\r\n-2\r\n");
}

}  // namespace
}  // namespace umbrix
