// SPDX-License-Identifier: GPL-3.0-or-later
// The paste parse over arbitrary text; what the clipboard export writes of the result parses
// back to the same X and Y values.
#include <string_view>

#include "clipboard/portapapeles.h"
#include "core/errors.h"
#include "fuzz_common.h"

using namespace ruvek;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Module1& m = *new Module1;
  static Module1& otra = *new Module1;
  try {
    LeeTextoPegado(std::string_view(reinterpret_cast<const char*>(data), size), m);
  } catch (const Error&) {
    // "Error" in the window; the table keeps what was stored before.
  }
  fuzz::CompruebaTabla(m);
  try {
    LeeTextoPegado(TextoPortapapeles(m), otra);
  } catch (const Error&) {
    fuzz::Exige(false, "the clipboard text of a track does not parse");
  }
  int copiadas = 0;
  while (copiadas < m.NumPuntos && !AcabaElTrack(m.TablaPuntos.Lee(copiadas + 1, ColumnaX))) {
    ++copiadas;
  }
  fuzz::Exige(otra.NumPuntos == copiadas && fuzz::MismasFilas(m, otra, copiadas, 2),
              "the clipboard text parses to other values");
  return 0;
}
