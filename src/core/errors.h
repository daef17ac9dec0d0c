// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace ruvek {

// What went wrong, so callers and tests can tell failures apart without parsing text.
enum class ErrorKind {
  Conversion,           // text that is not a number
  Overflow,             // a value outside the range of ValorFijo
  SubscriptOutOfRange,  // a row outside 1 to MaxPuntos
  InvalidArgument,      // a record that lacks a field it needs
  PastEndOfFile,        // reading beyond the end of a file (an empty file)
  FileError,            // a file that cannot be opened, read or written
  Projection,           // coordinates PROJ cannot transform, or PROJ not set up
  Malformed,            // not the layout it claims: broken XML, not a GPX, no point
  OutOfArea,            // a point that zone 30 cannot hold faithfully
  TooLong,              // a line, a text, a file or a nesting beyond its bound
};

const char* ErrorKindName(ErrorKind kind);

// An error of reading or writing a track: its kind, a Spanish phrase that says what is wrong
// (the faces show it as it is) and the input line.
class Error : public std::runtime_error {
 public:
  // `line` is the 1-based line of the input where it happened, or 0 when no line applies.
  Error(ErrorKind kind, const std::string& detail, long line = 0);

  ErrorKind kind() const noexcept { return kind_; }
  long line() const noexcept { return line_; }
  const std::string& detail() const noexcept { return detail_; }

  // The same error, found at `line` of the input.
  Error AtLine(long line) const { return Error(kind_, detail_, line); }

  // Runs `f`, tagging any Error it raises with `line`.
  template <typename F>
  static auto AtLine(long line, F&& f) -> decltype(f()) {
    try {
      return f();
    } catch (const Error& e) {
      throw e.AtLine(line);
    }
  }

 private:
  ErrorKind kind_;
  long line_;
  std::string detail_;
};

// `texto` quoted for a message: between « and », at most 40 characters, with control bytes and
// broken UTF-8 shown as "?".
std::string Cita(std::string_view texto);

// The text with every byte that is not part of valid UTF-8, or is a control character other
// than tab, CR and LF, replaced by `reemplazo`.
std::string Utf8Limpio(std::string_view texto, std::string_view reemplazo);

// What the system error number `err` means, in Spanish.
std::string TextoErrno(int err);

}  // namespace ruvek
