// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/tamano.h"

#include <charconv>
#include <cstdio>
#include <cstring>

#include "core/errores.h"
#include "core/simplifica.h"

namespace ruvek::cli {

Simplificar SacaSimplificar(std::vector<char*>& argumentos) {
  Simplificar s;
  std::erase_if(argumentos, [&](const char* a) {
    constexpr std::string_view kOpcion = "--simplify";
    const std::string_view palabra = a;
    if (palabra == kOpcion) {
      s.puntos = kMaximoDePuntos;
      return true;
    }
    if (!palabra.starts_with(kOpcion) || palabra[kOpcion.size()] != '=') return false;
    const std::string_view valor = palabra.substr(kOpcion.size() + 1);
    std::size_t n = 0;
    const auto [fin, ec] = std::from_chars(valor.data(), valor.data() + valor.size(), n);
    if (ec != std::errc() || fin != valor.data() + valor.size() || n < 2 ||
        n > std::size_t(kMaximoDePuntos)) {
      s.error = "--simplify=N pide un número de puntos de 2 a " + std::to_string(kMaximoDePuntos) +
                ": " + std::string(valor);
    }
    s.puntos = n;
    return true;
  });
  return s;
}

void AjustaTamano(Track& track, std::optional<std::size_t> maximo, const std::string& nombre) {
  if (maximo) {
    const Simplificacion s = Simplifica(track, *maximo);
    if (s.despues != s.antes) {
      std::fprintf(stderr, "ruvek-cli: %s: %s\n", nombre.c_str(), FraseDeSimplificacion(s).c_str());
    }
  }
  if (track.puntos.size() > std::size_t(kMaximoDePuntos)) {
    throw Error(TipoDeError::DemasiadosPuntos,
                "el track tiene " + std::to_string(track.puntos.size()) + " puntos, más de los " +
                    std::to_string(kMaximoDePuntos) + " que caben: --simplify lo reduce a " +
                    std::to_string(kMaximoDePuntos));
  }
}

}  // namespace ruvek::cli
