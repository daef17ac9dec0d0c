// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pieces of reading a number from text, shared by ValorFijo::DeTexto and LeeRedondeado so
// both read in one pass and by the same rules.

#include <cstdint>

#include "core/valor_fijo.h"

namespace ruvek::cifras {

struct ParteEntera {
  bool negativo = false;
  bool con_cifras = false;
  int cifras_significativas = 0;  // without leading zeros
  std::uint64_t unidades = 0;     // exact while cifras_significativas <= 19
};

inline const char* SaltaBlancos(const char* p, const char* fin) {
  while (p != fin && EsBlanco(*p)) ++p;
  return p;
}

// Reads an optional sign and decimal digits at `p`, moving `p` past them.
inline ParteEntera LeeParteEntera(const char*& p, const char* fin) {
  ParteEntera w;
  if (p != fin && (*p == '+' || *p == '-')) {
    w.negativo = *p == '-';
    ++p;
  }
  const char* const inicio = p;
  while (p != fin && *p == '0') ++p;
  const char* const significativas = p;
  for (; p != fin; ++p) {
    const unsigned cifra = static_cast<unsigned char>(*p) - unsigned{'0'};
    if (cifra > 9) break;
    w.unidades = w.unidades * 10 + cifra;
  }
  w.con_cifras = p != inicio;
  w.cifras_significativas = static_cast<int>(p - significativas);
  return w;
}

// The value of a whole part plus `diezmilesimas` (0 to 10,000) away from zero; FueraDeRango when
// it leaves the range.
ValorFijo Compone(const ParteEntera& w, std::uint64_t diezmilesimas);

}  // namespace ruvek::cifras
