// SPDX-License-Identifier: GPL-3.0-or-later
// The paste parse over arbitrary text; what the clipboard export writes of the result parses
// back to the same X and Y values.
#include "formats/lista_xy.h"
#include "fuzz_common.h"

using namespace ruvek;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto t = fuzz::Lee(&LeeListaXYPegada, {reinterpret_cast<const char*>(data), size});
  if (!t) return 0;  // "Error" in the window
  const auto otra = fuzz::Lee(&LeeListaXYPegada, EscribeListaXYPegada(*t));
  fuzz::Exige(otra.has_value(), "the clipboard text of a track does not parse");
  const auto copiados = PuntosHastaElFinal(*t);
  fuzz::Exige(otra->puntos.size() == copiados.size() &&
                  std::equal(copiados.begin(), copiados.end(), otra->puntos.begin()),
              "the clipboard text parses to other values");
  return 0;
}
