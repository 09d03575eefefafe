// Windows-1252 at the file boundary, CR LF line ends.

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// A file re-saved by a text editor as UTF-8 is told from Windows-1252 text by its bytes alone.
TEST(FileEncoding, Utf8IsValidUtf8HoldingSomethingBeyondAscii) {
  struct Row {
    std::string bytes;
    bool utf8;
  };
  const Row rows[] = {
      {"48\xC2\xB0"
       "50 'Latitude",
       true},                                               // "°" in UTF-8
      {"Cot\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", true},  // 2, 3 and 4-byte characters
      {"48\xB0"
       "50 'Latitude",
       false},                               // "°" in 1252: a lone continuation byte
      {"Cot\xE9 du cadran", false},          // "é" in 1252: a lead byte without its follower
      {"Trac\xE9 \xE0 l'\xE9t\xE9", false},  // several accents in 1252
      {"plain ASCII only", false},           // nothing beyond ASCII: either reading is the same
      {"", false},
      {"\xC3\xA9\xC3", false},      // a sequence cut at the end
      {"\xC0\xAF", false},          // an overlong "/"
      {"\xED\xA0\x80", false},      // a surrogate
      {"\xF4\x90\x80\x80", false},  // beyond U+10FFFF
  };
  for (const Row& r : rows) EXPECT_EQ(IsUtf8Text(r.bytes), r.utf8) << r.bytes;
}

TEST(FileEncoding, EachFileIsReadInItsOwnEncoding) {
  const std::vector<std::string> expected = {"48°50 'Latitude", "Coté du cadran"};
  EXPECT_EQ(DecodeTextFileLines("48\xC2\xB0"
                                "50 'Latitude\r\nCot\xC3\xA9 du cadran\r\n"),
            expected);
  EXPECT_EQ(DecodeTextFileLines("48\xB0"
                                "50 'Latitude\r\nCot\xE9 du cadran\r\n"),
            expected);
  // a byte-order mark goes, whatever follows it
  EXPECT_EQ(DecodeTextFileLines("\xEF\xBB\xBF"
                                "48\xC2\xB0"
                                "50 'Latitude\nCot\xC3\xA9 du cadran"),
            expected);
  EXPECT_EQ(DecodeTextFileLines("\xEF\xBB\xBFUmbrix6\r\n"), std::vector<std::string>{"Umbrix6"});
  // one 1252 accent among UTF-8 ones makes the whole file 1252, as it was written
  EXPECT_EQ(DecodeTextFileLines("\xC3\xA9\xE9"), std::vector<std::string>{"Ã©é"});
}

}  // namespace
}  // namespace umbrix
