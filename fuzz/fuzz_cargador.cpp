// SPDX-License-Identifier: GPL-3.0-or-later
// The text readers over arbitrary file bytes; an X,Y list written back reads again to the same
// table.
#include "formats/formatos.h"
#include "formats/lista_xy.h"
#include "fuzz_common.h"

using namespace ruvek;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const FichaDeFormato& ficha = FormatoDeTexto(bytes);
  const auto r = fuzz::Lee(ficha.lee, bytes);
  if (r && ficha.formato == Formato::ListaXY) {
    const Track t = TablaDe(*r);
    const auto otra = fuzz::Lee(&LeeListaXY, EscribeListaXY(t));
    fuzz::Exige(otra.has_value() || t.puntos.empty(), "a written X,Y list does not read");
    fuzz::Exige(!otra || TablaDe(*otra) == t, "the written X,Y list reads to another track");
  }
  return 0;
}
