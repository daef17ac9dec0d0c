// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"

namespace ruvek {

const char* ErrorKindName(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::Conversion:
      return "conversion";
    case ErrorKind::Overflow:
      return "overflow";
    case ErrorKind::SubscriptOutOfRange:
      return "subscript out of range";
    case ErrorKind::InvalidArgument:
      return "invalid argument";
    case ErrorKind::PastEndOfFile:
      return "past end of file";
    case ErrorKind::FileError:
      return "file error";
  }
  return "unknown";
}

namespace {
std::string Describe(ErrorKind kind, const std::string& detail, long line) {
  std::string text = ErrorKindName(kind);
  if (line > 0) text += " at line " + std::to_string(line);
  if (!detail.empty()) text += ": " + detail;
  return text;
}
}  // namespace

Error::Error(ErrorKind kind, const std::string& detail, long line)
    : std::runtime_error(Describe(kind, detail, line)), kind_(kind), line_(line), detail_(detail) {}

}  // namespace ruvek
