// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstring>
#include <string_view>

namespace ruvek {

// Finds where lines end: CR LF, a lone CR and a lone LF all end a line. It remembers where the
// next LF lies, so text whose lines end in CR alone is still scanned once, not once per line.
class LineEndFinder {
 public:
  // The first CR or LF in [p, end), or `end`. Successive calls over the same bytes must not go
  // backwards; call Reset when the bytes move.
  const char* Find(const char* p, const char* end) {
    if (lf_ == nullptr || lf_ < p || end_ != end) {
      const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
      lf_ = lf != nullptr ? static_cast<const char*>(lf) : end;
      end_ = end;
    }
    const void* cr = std::memchr(p, '\r', static_cast<std::size_t>(lf_ - p));
    return cr != nullptr ? static_cast<const char*>(cr) : lf_;
  }
  void Reset() { lf_ = end_ = nullptr; }

 private:
  const char* lf_ = nullptr;
  const char* end_ = nullptr;
};

// The lines of in-memory text, front to back; text ending in a line end makes no extra empty
// line.
class TextLines {
 public:
  explicit TextLines(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

  bool Next(std::string_view& line) {
    if (p_ == end_) return false;
    const char* fin = finder_.Find(p_, end_);
    line = std::string_view(p_, static_cast<std::size_t>(fin - p_));
    p_ = fin;
    if (p_ != end_) {
      ++p_;
      if (*fin == '\r' && p_ != end_ && *p_ == '\n') ++p_;
    }
    return true;
  }

 private:
  const char* p_;
  const char* end_;
  LineEndFinder finder_;
};

}  // namespace ruvek
