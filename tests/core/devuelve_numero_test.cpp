#include "core/devuelve_numero.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "test_util.h"

namespace ruvek {
namespace {

struct Case {
  const char* field;
  std::int64_t whole;
};

TEST(DevuelveNumero, RoundsAtTheFirstDecimalDigit) {
  const Case cases[] = {
      {"612345.6", 612346},
      {"4734567.4", 4734567},
      {"456.5", 457},
      {"456.49", 456},
      {"2.9999", 3},
      {"12", 12},
      {"12.", 12},
      {".7", 1},
      {".", 0},
      {"1.2.3", 1},
      {"7.x", 7},
      {"4734567.8,100", 4734568},
      {" 12.5", 13},
      {"0.5", 1},
      {"0.4", 0},
      {"9.5", 10},
      {"612345.50000", 612346},
      {"612345.49999", 612345},
      {"12.5.9", 13},
      {"12.5 ", 13},
      {"+2.5", 3},
      // Negative fields round to the nearest whole number, halves away from zero.
      {"-3.7", -4},
      {"-0.7", -1},
      {"-3.2", -3},
      {"-3.5", -4},
      {"-0.4", 0},
      {"-12", -12},
      {" -0.5", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DevuelveNumero(c.field), ValorFijo::Whole(c.whole)) << '"' << c.field << '"';
  }
}

TEST(DevuelveNumero, PassesOnTheErrorsOfTheIntegerText) {
  const std::pair<const char*, ErrorKind> cases[] = {
      {"", ErrorKind::Conversion},
      {" ", ErrorKind::Conversion},
      {"abc", ErrorKind::Conversion},
      {"abc.5", ErrorKind::Conversion},
      {" .5", ErrorKind::Conversion},  // a blank is not an empty integer text
      {"-.7", ErrorKind::Conversion},
      {"4734567,100", ErrorKind::Conversion},
      {"922337203685478", ErrorKind::Overflow},
      {"922337203685477.5", ErrorKind::Overflow},  // adding 1 leaves the range
      {"-922337203685477.9", ErrorKind::Overflow},
  };
  for (const auto& [field, kind] : cases) {
    EXPECT_EQ(test::ErrorOf([&] { DevuelveNumero(field); }), kind) << '"' << field << '"';
  }
  EXPECT_EQ(DevuelveNumero("922337203685477.4"), ValorFijo::Whole(922337203685477));
}

}  // namespace
}  // namespace ruvek
