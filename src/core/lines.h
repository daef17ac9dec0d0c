#pragma once

#include <string_view>

namespace ruvek {

// Cuts the next line off the front of in-memory text. CR LF, a lone CR and a lone LF all end
// a line and are not part of it; text ending in a line end makes no extra empty line.
// Returns false when `rest` is empty.
inline bool CutLine(std::string_view& rest, std::string_view& line) {
  if (rest.empty()) return false;
  const std::size_t end = rest.find_first_of("\r\n");
  if (end == std::string_view::npos) {
    line = rest;
    rest = {};
    return true;
  }
  line = rest.substr(0, end);
  std::size_t next = end + 1;
  if (rest[end] == '\r' && next < rest.size() && rest[next] == '\n') ++next;
  rest.remove_prefix(next);
  return true;
}

}  // namespace ruvek
