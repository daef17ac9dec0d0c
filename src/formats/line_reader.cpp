// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/line_reader.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/errors.h"

namespace ruvek {

namespace {
constexpr std::size_t kInitialBuffer = 64 * 1024;

[[noreturn]] void ThrowFileError(const std::string& what, const std::string& path, int err) {
  throw Error(ErrorKind::FileError, what + " " + path + ": " + std::strerror(err));
}
}  // namespace

LineReader::LineReader(const std::string& path) : buffer_(kInitialBuffer) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec) ThrowFileError("cannot open", path, ec.value());
  if (!std::filesystem::is_regular_file(status)) {
    throw Error(ErrorKind::FileError, "not a regular file: " + path);
  }
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ == nullptr) ThrowFileError("cannot open", path, errno);
}

LineReader::~LineReader() {
  if (file_ != nullptr) std::fclose(file_);
}

void LineReader::Rewind() {
  if (std::fseek(file_, 0, SEEK_SET) != 0) ThrowFileError("cannot rewind", "input", errno);
  begin_ = end_ = 0;
  finder_.Reset();
  at_eof_ = false;
  at_start_ = true;
  line_number_ = 0;
}

void LineReader::Fill() {
  finder_.Reset();
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
  if (got == 0) {
    if (std::ferror(file_)) ThrowFileError("cannot read", "input", errno);
    at_eof_ = true;
  }
  end_ += got;
}

bool LineReader::Next(std::string_view& line) {
  if (at_start_) {
    while (end_ < 3 && !at_eof_) Fill();
    if (end_ >= 3 && std::memcmp(buffer_.data(), "\xEF\xBB\xBF", 3) == 0) begin_ = 3;
    at_start_ = false;
  }
  std::size_t scan = begin_;  // bytes before it hold no line end
  for (;;) {
    const char* data = buffer_.data();
    const std::size_t fin = static_cast<std::size_t>(finder_.Find(data + scan, data + end_) - data);
    if (fin < end_) {
      // A CR as the last byte read may be the first half of CR LF: read on before deciding.
      if (data[fin] == '\r' && fin + 1 == end_ && !at_eof_) {
        scan = fin;
      } else {
        line = std::string_view(data + begin_, fin - begin_);
        std::size_t next = fin + 1;
        if (data[fin] == '\r' && next < end_ && data[next] == '\n') ++next;
        begin_ = next;
        ++line_number_;
        return true;
      }
    } else if (at_eof_) {
      if (begin_ == end_) return false;
      line = std::string_view(data + begin_, end_ - begin_);
      begin_ = end_;
      ++line_number_;
      return true;
    } else {
      scan = fin;
    }
    const std::size_t offset = scan - begin_;
    Fill();
    scan = begin_ + offset;
  }
}

}  // namespace ruvek
