// Windows-1252 at the file boundary, CR LF line ends.

#include <gtest/gtest.h>

#include "files/TextLines.h"

namespace umbrix {
namespace {

TEST(Cp1252, FrenchLettersAndTheDegreeSignTakeOneByteEach) {
  EXPECT_EQ(Utf8ToCp1252("Coté"), "Cot\xE9");
  EXPECT_EQ(Utf8ToCp1252("côté"), "c\xF4t\xE9");
  EXPECT_EQ(Utf8ToCp1252("48°50"),
            "48\xB0"
            "50");
  EXPECT_EQ(Utf8ToCp1252("œuvre à 5 €"), "\x9Cuvre \xE0 5 \x80");
  EXPECT_EQ(Cp1252ToUtf8("Cot\xE9 \x80 \x9C \x92"), "Coté € œ \u2019");
}

TEST(Cp1252, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  bool lossy = false;
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all), &lossy), all);
  EXPECT_FALSE(lossy);
}

TEST(Cp1252, UnrepresentableCharactersBecomeQuestionMarksAndAreReported) {
  bool lossy = false;
  EXPECT_EQ(Utf8ToCp1252("a→b", &lossy), "a?b");
  EXPECT_TRUE(lossy);
  lossy = false;
  EXPECT_EQ(Utf8ToCp1252("日本", &lossy), "??");
  EXPECT_TRUE(lossy);
  EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80!"), "?!");  // outside the basic plane
  lossy = false;
  EXPECT_EQ(Utf8ToCp1252("plain", &lossy), "plain");
  EXPECT_FALSE(lossy);
}

TEST(Cp1252, MalformedUtf8BecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("a\xE9z"), "a?z");          // a lone 1252 byte is not UTF-8
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");              // cut sequence
  EXPECT_EQ(Utf8ToCp1252("\xC0\xA9"), "??");         // overlong form
  EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80x"), "???x");  // surrogate
}

TEST(Lines, EveryKindOfLineEndSplits) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitLines(""), V{});
  EXPECT_EQ(SplitLines("a"), V{"a"});
  EXPECT_EQ(SplitLines("a\r\nb\r\n"), (V{"a", "b"}));
  EXPECT_EQ(SplitLines("a\nb"), (V{"a", "b"}));
  EXPECT_EQ(SplitLines("a\rb\r"), (V{"a", "b"}));
  EXPECT_EQ(SplitLines("\r\n\r\n"), (V{"", ""}));
  EXPECT_EQ(SplitLines("a\n\rb"), (V{"a", "", "b"}));
}

TEST(Lines, EncodeEndsEveryLineWithCrLfAndDecodeReturnsUtf8) {
  const std::vector<std::string> lines = {"Umbrix6", "120 'Coté du cadran", ""};
  const std::string bytes = EncodeLines(lines);
  EXPECT_EQ(bytes, "Umbrix6\r\n120 'Cot\xE9 du cadran\r\n\r\n");
  EXPECT_EQ(DecodeLines(bytes), lines);
}

}  // namespace
}  // namespace umbrix
