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
  TextLines lineas(texto);
  for (std::string_view linea; lineas.Next(linea);) {
    const long n = lineas.numero();
    if (AllBlank(linea)) continue;
    const std::size_t coma = linea.find(',');
    // Lines after the last one that holds a comma are not records.
    const auto resto = std::size_t(linea.data() + linea.size() - texto.data());
    if (coma == std::string_view::npos && texto.find(',', resto) == std::string_view::npos) return;
    const int fila = Error::AtLine(n, [&m] { return NuevoPunto(m); });
    if (coma == std::string_view::npos) {
      throw Error(ErrorKind::InvalidArgument, "la línea no tiene coma", n);
    }
    const std::string_view y = linea.substr(coma + 1);
    m.TablaPuntos.Escribe(fila, ColumnaX, Numero(linea.substr(0, coma), n));
    m.TablaPuntos.Escribe(fila, ColumnaY, Numero(y.substr(0, y.find(',')), n));
  }
}

}  // namespace ruvek
