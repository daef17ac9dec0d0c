#include "core/valor_fijo.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "core/errors.h"
#include "test_util.h"

namespace ruvek {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

struct ParseCase {
  const char* text;
  std::int64_t raw;
};

TEST(ValorFijoParse, ReadsFixedConventionExactly) {
  const ParseCase cases[] = {
      {"612346", 6123460000},
      {" 612346 ", 6123460000},
      {"\t612346\t", 6123460000},
      {"-0", 0},
      {"+5", 50000},
      {"-3", -30000},
      {"12.5", 125000},
      {"7.25", 72500},
      {"0.0001", 1},
      {"0000000000000000000000001", 10000},
      {"1.23456", 12346},     // fifth digit 5 rounds up
      {"1.23454999", 12345},  // only the fifth digit decides
      {"0.00005", 1},         // half away from zero
      {"-0.00005", -1},
      {"-0.00004", 0},
      {"922337203685477.5807", kMax},
      {"-922337203685477.5808", kMin},
      {"922337203685477.58069", kMax},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ValorFijo::Parse(c.text).raw(), c.raw) << '"' << c.text << '"';
  }
}

TEST(ValorFijoParse, RejectsWhatIsNotANumber) {
  const char* const cases[] = {"",
                               "   ",
                               "abc",
                               "12,5",
                               "1,234",
                               "1e5",
                               "1.",
                               ".5",
                               "--1",
                               "+-1",
                               "-",
                               "+",
                               "1 2",
                               "12.5.9",
                               "0x10",
                               "1.5x",
                               "\xD9\xA1",
                               "12\r",
                               "\xEF\xBB\xBF"
                               "1",
                               "1_000"};
  for (const char* text : cases) {
    EXPECT_EQ(test::ErrorOf([&] { ValorFijo::Parse(text); }), ErrorKind::Conversion)
        << '"' << text << '"';
  }
}

TEST(ValorFijoParse, RaisesOverflowOutsideTheRange) {
  const char* const cases[] = {"922337203685477.5808",  "-922337203685477.5809",
                               "922337203685478",       "99999999999999999999999999",
                               "922337203685477.58075", "-922337203685477.58085"};
  for (const char* text : cases) {
    EXPECT_EQ(test::ErrorOf([&] { ValorFijo::Parse(text); }), ErrorKind::Overflow)
        << '"' << text << '"';
  }
}

TEST(ValorFijoText, PlainDigitsAndTrimmedFraction) {
  const ParseCase cases[] = {
      {"612346", 6123460000},
      {"-3", -30000},
      {"0", 0},
      {"12.5", 125000},
      {"7.25", 72500},
      {"0.0001", 1},
      {"-0.5", -5000},
      {"10000", 100000000},
      {"922337203685477.5807", kMax},
      {"-922337203685477.5808", kMin},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ValorFijo::FromRaw(c.raw).Text(), c.text);
    EXPECT_EQ(ValorFijo::Parse(c.text).raw(), c.raw) << "round trip of " << c.text;
  }
}

TEST(ValorFijoText, WideSumsPrintExactly) {
  const WideFixed two_to_64_units = (WideFixed(1) << 64) * kScale;
  EXPECT_EQ(FixedText(two_to_64_units), "18446744073709551616");
  EXPECT_EQ(FixedText(-two_to_64_units - 5), "-18446744073709551616.0005");
}

TEST(ValorFijoArithmetic, ExactOrOverflow) {
  EXPECT_EQ((ValorFijo::Whole(2) + ValorFijo::FromRaw(5)).raw(), 20005);
  EXPECT_EQ((ValorFijo::Whole(2) - ValorFijo::Whole(5)).raw(), -30000);
  const auto overflow = [](auto op) { return test::ErrorOf(op) == ErrorKind::Overflow; };
  EXPECT_TRUE(overflow([] { ValorFijo::FromRaw(kMax) + ValorFijo::FromRaw(1); }));
  EXPECT_TRUE(overflow([] { ValorFijo::FromRaw(kMin) - ValorFijo::FromRaw(1); }));
  EXPECT_TRUE(overflow([] { ValorFijo::FromRaw(kMin) + ValorFijo::FromRaw(-1); }));
  EXPECT_TRUE(overflow([] { ValorFijo::Whole(922337203685478); }));
  EXPECT_LT(ValorFijo::FromRaw(9999), ValorFijo::Whole(1));
  EXPECT_EQ(ValorFijo::Parse("1"), ValorFijo::Whole(1));
}

}  // namespace
}  // namespace ruvek
