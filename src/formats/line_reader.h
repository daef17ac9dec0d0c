// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "core/lines.h"
#include "formats/fuente.h"

namespace ruvek {

// Reads an input line by line through one buffer of fixed size, so reading makes no allocation
// per line and takes bounded memory whatever the input. CR LF, a lone CR and a lone LF all end a
// line; the line end is not part of the line, and a final line end makes no extra empty line.
// A UTF-8 byte-order mark at the very start is skipped. A line longer than kMaxLinea raises
// Error(TooLong) with its number, without reading further.
class LineReader {
 public:
  explicit LineReader(Fuente& fuente) : fuente_(fuente) {}

  // The next line, valid until the next call; false at the end of the input. Raises FileError
  // when the input cannot be read.
  bool Next(std::string_view& line);

  // Starts again from the first line. The first line is still held after it has been read, so
  // even standard input can start again after it; later, Error(FileError).
  void Rewind();

  // 1-based number of the line last returned by Next.
  long line_number() const { return line_number_; }

 private:
  static constexpr std::size_t kTrozo = 64 * 1024;  // read at a time
  void Fill();  // moves the unread bytes to the front and reads more after them

  Fuente& fuente_;
  std::array<char, kMaxLinea + kTrozo> buffer_;
  std::size_t begin_ = 0;        // first unread byte
  std::size_t end_ = 0;          // one past the last byte read
  std::size_t descartados_ = 0;  // bytes of the input moved out of the buffer
  std::size_t bom_ = 0;          // length of the byte-order mark skipped
  bool at_eof_ = false;
  bool at_start_ = true;  // nothing read yet: a byte-order mark may follow
  long line_number_ = 0;
  LineEndFinder finder_;
};

}  // namespace ruvek
