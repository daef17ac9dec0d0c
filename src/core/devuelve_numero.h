// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "core/valor_fijo.h"

namespace ruvek {

// Rounds one numeric field of an input file to a whole ValorFijo. The field is split at its
// first "."; the text before it is read as a number ("0" when empty) and a first decimal digit
// of 5 to 9 moves the result one unit away from zero, so positive and negative fields round
// to the nearest whole number, halves away from zero. Later digits and any other text after
// the "." are never looked at. Raises Conversion for text that is not a number and Overflow
// for a value out of range.
ValorFijo DevuelveNumero(std::string_view campo);

}  // namespace ruvek
