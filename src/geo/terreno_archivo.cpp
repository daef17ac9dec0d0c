// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/terreno_archivo.h"

#include <cctype>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "core/numeros.h"

namespace ruvek {

std::string MotivoDeGdal(std::string_view mensaje) {
  if (mensaje.empty()) return "";
  // Fragments of GDAL's messages, and what they mean to whoever gave Ruvek the file.
  static constexpr std::pair<std::string_view, std::string_view> kConocidos[] = {
      {"Invalid dataset dimensions", "no tiene ninguna celda"},
      {"not recognized as", "no está en ningún formato de ráster que GDAL conozca"},
      {"TIFFReadDirectory", "el GeoTIFF está cortado o dañado"},
      {"Cannot read TIFF header", "el GeoTIFF está cortado o dañado"},
      {"TIFFRead", "sus celdas están cortadas o dañadas"},
      {"File short", "tiene menos valores de los que dice su cabecera"},
      {"Permission denied", "no tiene permiso de lectura"},
  };
  for (const auto& [fragmento, motivo] : kConocidos) {
    if (mensaje.find(fragmento) != std::string_view::npos) return ": " + std::string(motivo);
  }
  return " (GDAL: " + std::string(mensaje) + ")";
}

long long ValoresDeRejillaAscii(const std::string& archivo) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(archivo.c_str(), "rb"),
                                                          &std::fclose);
  if (f == nullptr) return -1;
  enum { InicioDeLinea, LineaDeCabecera, Valores } donde = InicioDeLinea;
  bool en_valor = false;
  long long valores = 0;
  std::vector<char> trozo(1 << 20);
  for (std::size_t n; (n = std::fread(trozo.data(), 1, trozo.size(), f.get())) > 0;) {
    for (const char c : std::string_view(trozo.data(), n)) {
      const bool blanco = EsBlancoDeDocumento(c);
      if (donde == LineaDeCabecera) {
        if (c == '\n') donde = InicioDeLinea;
        continue;
      }
      if (donde == InicioDeLinea) {
        if (blanco) continue;
        donde = std::isalpha(static_cast<unsigned char>(c)) ? LineaDeCabecera : Valores;
        if (donde == LineaDeCabecera) continue;
      }
      valores += !blanco && !en_valor;
      en_valor = !blanco;
    }
  }
  return std::ferror(f.get()) ? -1 : valores;
}

}  // namespace ruvek
