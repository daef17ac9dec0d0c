// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/line_reader.h"

#include <algorithm>
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
    // A CR as the last byte read may be the first half of CR LF: read on before deciding.
    const bool cr_partido = fin + 1 == end_ && data[fin] == '\r' && !at_eof_;
    if ((fin < end_ && !cr_partido) || (at_eof_ && begin_ < end_)) {
      if (fin - begin_ > kMaxLinea) LineaDemasiadoLarga(line_number_ + 1);
      line = std::string_view(data + begin_, fin - begin_);
      std::size_t next = std::min(fin + 1, end_);
      if (next < end_ && data[fin] == '\r' && data[next] == '\n') ++next;
      begin_ = next;
      ++line_number_;
      return true;
    }
    if (at_eof_) return false;
    scan = fin;
    if (scan - begin_ > kMaxLinea) LineaDemasiadoLarga(line_number_ + 1);
    const std::size_t offset = scan - begin_;
    Fill();
    scan = begin_ + offset;
  }
}

}  // namespace ruvek
