// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/errores.h"

namespace ruvek {

// Text for XML: the five special characters as entities, and what XML cannot hold (broken
// UTF-8, control characters) as U+FFFD.
inline std::string TextoXml(std::string_view texto) {
  std::string salida;
  for (char c : Utf8Limpio(texto, "\xEF\xBF\xBD")) {
    switch (c) {
      case '&':
        salida += "&amp;";
        break;
      case '<':
        salida += "&lt;";
        break;
      case '>':
        salida += "&gt;";
        break;
      case '"':
        salida += "&quot;";
        break;
      case '\'':
        salida += "&apos;";
        break;
      case '\r':  // kept: a reader of XML takes a CR as it is written for a line's end
        salida += "&#13;";
        break;
      default:
        salida += c;
    }
  }
  return salida;
}

}  // namespace ruvek
