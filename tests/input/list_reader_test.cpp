#include "input/list_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>

namespace torva {
namespace {

// Targets of an integer-real-word record. They start as markers so that a target the record
// leaves alone is visible.
struct Mixed {
  int i = -99;
  double x = -99.0;
  std::string w = "unset";
};

TEST(ListReaderRecord, FillsIntRealWordTargets) {
  struct Case {
    const char* name;
    const char* content;
    Mixed want;
  };
  const Case cases[] = {
      {"blanks", "7 2.5 abc", {7, 2.5, "abc"}},
      {"tabs and commas", "7\t, 1e3,abc", {7, 1000.0, "abc"}},
      {"spread over three lines", "7\n 2.5\n  abc\n", {7, 2.5, "abc"}},
      {"blank line inside", "7\n\n2.5 abc", {7, 2.5, "abc"}},
      {"comma ending a line", "7,\n2.5,abc", {7, 2.5, "abc"}},
      {"values beyond the record ignored", "7 2.5 abc def x/9", {7, 2.5, "abc"}},
      {"empty value between commas", "7,,abc", {7, -99.0, "abc"}},
      {"empty value with blanks around commas", "7 , , abc", {7, -99.0, "abc"}},
      {"leading comma", ",2.5,abc", {-99, 2.5, "abc"}},
      {"empty value across a line end", "7,\n,abc", {7, -99.0, "abc"}},
      {"slash after blank", "7 /", {7, -99.0, "unset"}},
      {"slash ends the value before it", "7 2.5/abc", {7, 2.5, "unset"}},
      {"slash first", "/ 7 2.5 abc", {-99, -99.0, "unset"}},
      {"repeat count alone", "2* abc", {-99, -99.0, "abc"}},
      {"apostrophes", "7 2.5 'a b, c/d'", {7, 2.5, "a b, c/d"}},
      {"quotation marks", "7 2.5 \"it's, ok\"", {7, 2.5, "it's, ok"}},
      {"doubled apostrophe", "7 2.5 'it''s'", {7, 2.5, "it's"}},
      {"doubled quotation mark", R"(7 2.5 "say ""hi"" now")", {7, 2.5, R"(say "hi" now)"}},
      {"empty quoted word", "7 2.5 ''", {7, 2.5, ""}},
      {"number into a word", "7 2.5 1.5e3", {7, 2.5, "1.5e3"}},
      {"word ends at a slash", "7 2.5 ab/cd", {7, 2.5, "ab"}},
      {"CRLF lines", "7\r\n2.5 abc\r\n", {7, 2.5, "abc"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ListReader reader(c.content);
    Mixed got;
    ASSERT_EQ(reader.record({&got.i, &got.x, &got.w}), ReadStatus::kOk);
    EXPECT_EQ(got.i, c.want.i);
    EXPECT_EQ(got.x, c.want.x);
    EXPECT_EQ(got.w, c.want.w);
  }
}

TEST(ListReaderRecord, RepeatsValues) {
  struct Case {
    const char* content;
    std::array<double, 3> want;
  };
  const Case cases[] = {
      {"3*0.5", {0.5, 0.5, 0.5}},
      {"2*0.5 1", {0.5, 0.5, 1.0}},
      {"1 4*2", {1.0, 2.0, 2.0}},
      {"2*,1", {-1.0, -1.0, 1.0}},
      {"1 2*", {1.0, -1.0, -1.0}},
      {"2*/ 5", {-1.0, -1.0, -1.0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content);
    ListReader reader(c.content);
    std::array<double, 3> got{-1.0, -1.0, -1.0};
    ASSERT_EQ(reader.record({&got[0], &got[1], &got[2]}), ReadStatus::kOk);
    EXPECT_EQ(got, c.want);
  }

  ListReader words("2*'a b' c");
  std::string a, b, c;
  ASSERT_EQ(words.record({&a, &b, &c}), ReadStatus::kOk);
  EXPECT_EQ(a, "a b");
  EXPECT_EQ(b, "a b");
  EXPECT_EQ(c, "c");
}

// A record of one value: read as `want`, or (nullopt) rejected as a bad value naming what was
// due and the token found.
template <typename T>
void expect_single_value(const std::string& text, const std::optional<T>& want,
                         const std::string& due) {
  SCOPED_TRACE(text);
  ListReader reader(text);
  T got{-99};
  const ReadStatus status = reader.record({&got});
  if (want) {
    ASSERT_EQ(status, ReadStatus::kOk);
    EXPECT_EQ(got, *want);
  } else {
    ASSERT_EQ(status, ReadStatus::kBadValue);
    EXPECT_EQ(reader.expected(), due);
    EXPECT_EQ(reader.found(), text);
  }
}

TEST(ListReaderRecord, IntegerNotation) {
  struct Case {
    const char* text;
    std::optional<int> want;  // nullopt: a bad value
  };
  const Case cases[] = {
      {"42", 42},           {"+5", 5},         {"-0", 0},           {"007", 7},
      {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
      {"2147483648", {}},   {"1.5", {}},       {"1.", {}},          {"1e3", {}},
      {"abc", {}},          {"'5'", {}},       {"+-1", {}},         {"-", {}},
  };
  for (const auto& c : cases) expect_single_value<int>(c.text, c.want, "an integer");
}

TEST(ListReaderRecord, RealNotation) {
  const std::string zeros(400, '0');
  struct Case {
    std::string text;
    std::optional<double> want;  // nullopt: a bad value
  };
  const Case cases[] = {
      {"1.", 1.0},
      {".5", 0.5},
      {"1e3", 1000.0},
      {"-2.5D-1", -0.25},
      {"2d0", 2.0},
      {"+4", 4.0},
      {"1E+2", 100.0},
      {"-7", -7.0},
      {"1e-400", 0.0},             // too small reads as zero
      {"0." + zeros + "1", 0.0},   // also without an exponent
      {"0." + zeros + "1e50", 0.0},
      {"1" + zeros + "e-400", 1.0},
      {"1e400", {}},               // too large is a bad value
      {"-1D309", {}},
      {"1" + zeros, {}},
      {"1" + zeros + "e-50", {}},
      {"e3", {}},
      {".", {}},
      {"1.2.3", {}},
      {"1e", {}},
      {"1e+", {}},
      {"--1", {}},
      {"1.5x", {}},
      {"inf", {}},
      {"0x10", {}},
      {"'1.5'", {}},
  };
  for (const auto& c : cases) expect_single_value<double>(c.text, c.want, "a real number");
}

TEST(ListReaderRecord, BadValueNamesItsLine) {
  struct Case {
    const char* name;
    const char* content;
    int line_number;
    const char* line;
    const char* expected;
    const char* found;
  };
  const Case cases[] = {
      {"word for an integer", "1\nabc 3  \r\n", 2, "abc 3", "an integer", "abc"},
      {"real for an integer", "1.5 2 3", 1, "1.5 2 3", "an integer", "1.5"},
      {"inside a repeat", "1\n\n2*x", 3, "2*x", "an integer", "x"},
      {"zero repeat count", "0*1", 1, "0*1", "a positive repeat count", "0*"},
      {"unclosed quote", "1 2 'ab c", 1, "1 2 'ab c", "a closing quote", "'ab c"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ListReader reader(c.content);
    int a = 0, b = 0, d = 0;
    ASSERT_EQ(reader.record({&a, &b, &d}), ReadStatus::kBadValue);
    EXPECT_EQ(reader.line_number(), c.line_number);
    EXPECT_EQ(reader.line(), c.line);
    EXPECT_EQ(reader.expected(), c.expected);
    EXPECT_EQ(reader.found(), c.found);
  }
}

TEST(ListReader, EachReadStartsOnANewLine) {
  ListReader reader("TITLE  \r\n1 2 3\n4\n5 9\n6 x\n7\nEND");
  int a = 0, b = 0;

  EXPECT_EQ(reader.text_line(), "TITLE");
  ASSERT_EQ(reader.record({&a, &b}), ReadStatus::kOk);  // 3 is left over
  EXPECT_EQ(std::pair(a, b), std::pair(1, 2));
  EXPECT_EQ(reader.line_number(), 2);
  ASSERT_EQ(reader.record({&a, &b}), ReadStatus::kOk);  // runs onto the next line; 9 is left over
  EXPECT_EQ(std::pair(a, b), std::pair(4, 5));
  EXPECT_EQ(reader.line_number(), 4);
  ASSERT_EQ(reader.record({&a, &b}), ReadStatus::kBadValue);
  ASSERT_EQ(reader.record({&a}), ReadStatus::kOk);  // after a bad value too
  EXPECT_EQ(a, 7);
  ASSERT_EQ(reader.record({}), ReadStatus::kOk);  // an empty record skips a line
  EXPECT_EQ(reader.line(), "END");
  EXPECT_TRUE(reader.at_end());
  EXPECT_EQ(reader.text_line(), std::nullopt);
  EXPECT_EQ(reader.record({&a}), ReadStatus::kEndOfFile);
  EXPECT_EQ(reader.line_number(), 7);
}

TEST(ListReader, EndOfFileInsideARecordKeepsWhatWasRead) {
  for (const char* content : {"1 2", "1 2\n", "1\n2\n\n"}) {
    SCOPED_TRACE(content);
    ListReader reader(content);
    int a = 0, b = 0, c = -1;
    EXPECT_EQ(reader.record({&a, &b, &c}), ReadStatus::kEndOfFile);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, -1);
  }

  ListReader empty("");
  int a = 0;
  EXPECT_TRUE(empty.at_end());
  EXPECT_EQ(empty.record({&a}), ReadStatus::kEndOfFile);
  EXPECT_EQ(empty.text_line(), std::nullopt);
  EXPECT_EQ(empty.line_number(), 0);
}

TEST(ListReader, TextLinesAreCutAndTrimmed) {
  const std::string cut_blanks = std::string(250, 'a') + "          X";  // X in column 261
  const std::string cut_word = std::string(255, 'b') + "cdef";
  ListReader reader(cut_blanks + "\n" + cut_word + "\r\n  KEY  \r\n\r\n\nlast");

  EXPECT_EQ(reader.text_line(), std::string(250, 'a'));
  EXPECT_EQ(reader.text_line(), std::string(255, 'b') + "c");
  EXPECT_EQ(reader.line(), std::string(255, 'b') + "c");
  EXPECT_EQ(reader.text_line(), "  KEY");
  EXPECT_EQ(reader.text_line(), "");
  EXPECT_EQ(reader.text_line(), "");
  EXPECT_EQ(reader.text_line(), "last");
  EXPECT_EQ(reader.line_number(), 6);
  EXPECT_EQ(reader.text_line(), std::nullopt);
}

TEST(ListReader, FromFile) {
  const std::string path = ::testing::TempDir() + "list_reader_test_input.dat";
  std::ofstream(path, std::ios::binary) << "KEY\r\n1 2.5\r\n";
  std::optional<ListReader> reader = ListReader::from_file(path);
  std::remove(path.c_str());

  ASSERT_TRUE(reader.has_value());
  EXPECT_EQ(reader->text_line(), "KEY");
  int i = 0;
  double x = 0.0;
  ASSERT_EQ(reader->record({&i, &x}), ReadStatus::kOk);
  EXPECT_EQ(i, 1);
  EXPECT_EQ(x, 2.5);
  EXPECT_TRUE(reader->at_end());

  EXPECT_FALSE(ListReader::from_file(path).has_value());
}

TEST(ReadFixedReal, ReadsAnFw0Field) {
  struct Case {
    const char* line;
    int first_col;
    int last_col;
    std::optional<double> want;
  };
  const Case cases[] = {
      {"  100.", 1, 6, 100.0},
      {"   100", 1, 6, 100.0},
      {"1 0 0 ", 1, 6, 100.0},   // blanks inside are ignored
      {"      ", 1, 6, 0.0},
      {"", 1, 6, 0.0},           // columns past the end are blank
      {"12", 1, 6, 12.0},
      {"ab 12.5 cd", 3, 8, 12.5},
      {"1234567", 2, 4, 234.0},
      {"99 -2.5e1", 4, 9, -25.0},
      {"  1a  ", 1, 6, std::nullopt},
      {"1.2.3", 1, 5, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(read_fixed_real(c.line, c.first_col, c.last_col), c.want);
  }
}

}  // namespace
}  // namespace torva
