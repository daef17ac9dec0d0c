// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/line_reader.h"

#include <cstring>

#include "core/errors.h"

namespace ruvek {

void LineReader::Rewind() {
  if (descartados_ > bom_) throw Error(ErrorKind::FileError, "no se puede volver al principio");
  begin_ = bom_ - descartados_;
  finder_.Reset();
  line_number_ = 0;
}

void LineReader::Fill() {
  finder_.Reset();
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    descartados_ += begin_;
    begin_ = 0;
  }
  const std::size_t got = fuente_.Lee(buffer_.data() + end_, buffer_.size() - end_);
  at_eof_ = got == 0;
  end_ += got;
}

bool LineReader::Next(std::string_view& line) {
  if (at_start_) {
    while (end_ < 3 && !at_eof_) Fill();
    if (end_ >= 3 && std::memcmp(buffer_.data(), "\xEF\xBB\xBF", 3) == 0) begin_ = bom_ = 3;
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
        if (fin - begin_ > kMaxLinea) LineaDemasiadoLarga(line_number_ + 1);
        line = std::string_view(data + begin_, fin - begin_);
        std::size_t next = fin + 1;
        if (data[fin] == '\r' && next < end_ && data[next] == '\n') ++next;
        begin_ = next;
        ++line_number_;
        return true;
      }
    } else if (at_eof_) {
      if (begin_ == end_) return false;
      if (end_ - begin_ > kMaxLinea) LineaDemasiadoLarga(line_number_ + 1);
      line = std::string_view(data + begin_, end_ - begin_);
      begin_ = end_;
      ++line_number_;
      return true;
    } else {
      scan = fin;
    }
    if (scan - begin_ > kMaxLinea) LineaDemasiadoLarga(line_number_ + 1);
    const std::size_t offset = scan - begin_;
    Fill();
    scan = begin_ + offset;
  }
}

}  // namespace ruvek
