// SPDX-License-Identifier: GPL-3.0-or-later
#include "clipboard/portapapeles.h"

#include "core/errors.h"
#include "core/lines.h"

namespace ruvek {

namespace {
ValorFijo Numero(std::string_view campo, long linea) {
  return Error::AtLine(linea, [campo] { return ValorFijo::Parse(campo); });
}
}  // namespace

std::string TextoPortapapeles(const Module1& m) {
  std::string texto;
  const int n = m.NumPuntos;
  for (int fila = 1; fila <= n; ++fila) {
    const ValorFijo x = m.TablaPuntos.Lee(fila, ColumnaX);
    if (AcabaElTrack(x)) break;
    if (fila > 1) texto += "\r\n";
    x.AppendText(texto);
    texto += ',';
    m.TablaPuntos.Lee(fila, ColumnaY).AppendText(texto);
  }
  return texto;
}

void LeeTextoPegado(std::string_view texto, Module1& m) {
  m.TablaPuntos.Borra();
  m.NumPuntos = 0;

  // Only the text up to the end of the last line that holds a comma holds records.
  const std::size_t ultima_coma = texto.rfind(',');
  if (ultima_coma == std::string_view::npos) return;
  TextLines lineas(texto.substr(0, texto.find_first_of("\r\n", ultima_coma)));

  std::string_view linea;
  long numero_linea = 0;
  while (lineas.Next(linea)) {
    ++numero_linea;
    if (TrimBlanks(linea).empty()) continue;
    const int fila = Error::AtLine(numero_linea, [&m] { return NuevoPunto(m); });
    const std::size_t coma = linea.find(',');
    if (coma == std::string_view::npos) {
      throw Error(ErrorKind::InvalidArgument, "a record without a comma", numero_linea);
    }
    const std::string_view y = linea.substr(coma + 1);
    m.TablaPuntos.Escribe(fila, ColumnaX, Numero(linea.substr(0, coma), numero_linea));
    m.TablaPuntos.Escribe(fila, ColumnaY, Numero(y.substr(0, y.find(',')), numero_linea));
  }
}

}  // namespace ruvek
