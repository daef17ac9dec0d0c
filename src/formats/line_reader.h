// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/lines.h"

namespace ruvek {

// Reads a text file line by line through one reusable buffer, so reading makes no allocation
// per line. CR LF, a lone CR and a lone LF all end a line; the line end is not part of the
// line, and a final line end makes no extra empty line. A UTF-8 byte-order mark at the very
// start is skipped. Only regular files are read (a folder, a device or a pipe is a FileError,
// so nothing can block). The file is closed when the reader goes, on every way out.
class LineReader {
 public:
  explicit LineReader(const std::string& path);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The next line, valid until the next call; false at the end of the file. Raises FileError
  // when the file cannot be read.
  bool Next(std::string_view& line);

  // Starts again from the first line.
  void Rewind();

  // 1-based number of the line last returned by Next.
  long line_number() const { return line_number_; }

 private:
  void Fill();  // reads more bytes after the unread ones, growing the buffer when it is full

  std::FILE* file_ = nullptr;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;  // first unread byte
  std::size_t end_ = 0;    // one past the last byte read from the file
  bool at_eof_ = false;
  bool at_start_ = true;  // nothing read yet: a byte-order mark may follow
  long line_number_ = 0;
  LineEndFinder finder_;
};

}  // namespace ruvek
