#include "formats/line_reader.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/errors.h"
#include "test_util.h"

namespace ruvek {
namespace {

std::vector<std::string> Lines(const std::string& path) {
  LineReader reader(path);
  std::vector<std::string> lines;
  std::string_view line;
  while (reader.Next(line)) lines.emplace_back(line);
  return lines;
}

using V = std::vector<std::string>;

TEST(LineReader, EveryLineEndAndNoExtraLine) {
  test::TempDir dir;
  const std::pair<std::string, V> cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\r\n\r\n", {"a", ""}},
      {"\r\n", {""}},
      {"\xEF\xBB\xBF"
       "a\r\n",
       {"a"}},
      {"\xEF\xBB\xBF", {}},
      {"a\xEF\xBB\xBF", {"a\xEF\xBB\xBF"}},
      {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
      {"", {}},
  };
  for (const auto& [bytes, expected] : cases) {
    const std::string path = dir.File("f.txt");
    test::WriteFile(path, bytes);
    EXPECT_EQ(Lines(path), expected) << testing::PrintToString(bytes);
  }
}

TEST(LineReader, LongLinesAndCrLfAcrossReads) {
  test::TempDir dir;
  const std::string path = dir.File("long.txt");
  // CR as the last byte of the first read, LF as the first byte of the next.
  const std::string first(64 * 1024 - 1, 'x');
  const std::string second(300 * 1024, 'y');
  test::WriteFile(path, first + "\r\n" + second + "\r" + "z");
  EXPECT_EQ(Lines(path), (V{first, second, "z"}));
}

TEST(LineReader, RewindStartsAgainAndNumbersLines) {
  test::TempDir dir;
  const std::string path = dir.File("f.txt");
  test::WriteFile(path,
                  "\xEF\xBB\xBF"
                  "one\ntwo\n");
  LineReader reader(path);
  std::string_view line;
  ASSERT_TRUE(reader.Next(line));
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(reader.line_number(), 2);
  reader.Rewind();
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "one");
  EXPECT_EQ(reader.line_number(), 1);
}

TEST(LineReader, OnlyRegularFilesThatExist) {
  test::TempDir dir;
  for (const std::string& path : {dir.File("missing.txt"), dir.path().string(),
                                  std::string("/dev/zero"), dir.File("no/such/folder.txt")}) {
    EXPECT_EQ(test::ErrorOf([&] { LineReader reader(path); }), ErrorKind::FileError) << path;
  }
}

}  // namespace
}  // namespace ruvek
