// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nombres.h"

namespace ruvek {

std::size_t InicioUltimosCaracteres(std::string_view texto, int n) {
  const auto continuacion = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
  std::size_t inicio = texto.size();
  for (int i = 0; i < n; ++i) {
    if (inicio == 0) return std::string_view::npos;
    --inicio;
    while (inicio > 0 && continuacion(texto[inicio])) --inicio;
  }
  return inicio;
}

std::optional<std::string> NombrePropuesto(std::string_view actual, std::string_view sufijo) {
  const std::size_t corte = InicioUltimosCaracteres(actual, 4);
  if (corte == std::string_view::npos) return std::nullopt;
  return std::string(actual.substr(0, corte)) + std::string(sufijo);
}

}  // namespace ruvek
