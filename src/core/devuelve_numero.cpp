// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/devuelve_numero.h"

#include "core/errors.h"
#include "core/number_scan.h"

namespace ruvek {

// One pass over the field, by the rules of reading a number: the integer text before the first
// "." (blanks around, an optional sign, digits) must be a number, except that an empty
// integer text reads as 0; only the first character after the "." is looked at.
ValorFijo DevuelveNumero(std::string_view campo) {
  const char* p = campo.data();
  const char* const end = p + campo.size();
  detail::WholePart entero;
  if (p != end && *p == '.') {
    entero.has_digits = true;  // "." first: the integer text is empty and reads as 0
  } else {
    p = detail::SkipBlanks(p, end);
    entero = detail::ScanWhole(p, end);
    p = detail::SkipBlanks(p, end);
  }
  if (!entero.has_digits || (p != end && *p != '.')) {
    throw Error(ErrorKind::Conversion, Cita(campo) + " no es un número");
  }
  // A first decimal digit of 5 to 9 moves the value one unit away from zero, so "-0.7" rounds
  // to -1 although its integer part is 0.
  const bool redondea = p != end && p + 1 != end && p[1] >= '5' && p[1] <= '9';
  return detail::Compose(entero, redondea ? kScale : 0);
}

}  // namespace ruvek
