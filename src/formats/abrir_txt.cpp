// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/abrir_txt.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/devuelve_numero.h"
#include "core/errors.h"
#include "core/lines.h"
#include "io/entrada.h"

namespace ruvek {

namespace {

// The fields of a line as the text between its commas, found in one scan of the line.
class Campos {
 public:
  Campos(std::string_view linea, long numero) : linea_(linea), numero_(numero) {
    // Eight bytes at a time: a point line is read once, and most of it is its first fields.
    const char* p = linea.data();
    const char* const fin = p + linea.size();
    for (; std::endian::native == std::endian::little && fin - p >= 8 && n_ < kMaxComas; p += 8) {
      std::uint64_t palabra;
      std::memcpy(&palabra, p, 8);
      for (std::uint64_t comas = BytesComa(palabra); comas != 0 && n_ < kMaxComas;
           comas &= comas - 1) {
        comas_[n_++] = p + __builtin_ctzll(comas) / 8;
      }
    }
    for (; p != fin && n_ < kMaxComas; ++p) {
      if (*p == ',') comas_[n_++] = p;
    }
  }

  // Field i (from 0), which must be followed by a comma: InvalidArgument when it is not.
  std::string_view operator[](int i) const {
    if (i >= n_)
      throw Error(ErrorKind::InvalidArgument, "a un campo no le sigue una coma", numero_);
    const char* inicio = i == 0 ? linea_.data() : comas_[i - 1] + 1;
    return std::string_view(inicio, static_cast<std::size_t>(comas_[i] - inicio));
  }

  // Everything after the first comma up to a second one or the end of the line.
  std::string_view SegundoOResto() const {
    const char* inicio = comas_[0] + 1;
    const char* fin = n_ > 1 ? comas_[1] : linea_.data() + linea_.size();
    return std::string_view(inicio, static_cast<std::size_t>(fin - inicio));
  }

 private:
  static constexpr int kMaxComas = 8;

  // The high bit of every byte of `palabra` that is a comma; the lowest set bit is the first
  // comma in memory on a little-endian machine (others take the byte loop).
  static std::uint64_t BytesComa(std::uint64_t palabra) {
    constexpr std::uint64_t kUnos = 0x0101010101010101, kBajos = 0x7F7F7F7F7F7F7F7F;
    const std::uint64_t v = palabra ^ (kUnos * ',');
    return ~(((v & kBajos) + kBajos) | v | kBajos);
  }

  std::string_view linea_;
  long numero_;
  const char* comas_[kMaxComas];
  int n_ = 0;
};

// Converts a field, tagging its errors with the line.
ValorFijo Numero(std::string_view campo, long linea) {
  return Error::AtLine(linea, [campo] { return DevuelveNumero(campo); });
}

// "t,grid,zone,X,Y,any,any,altitude," and anything after; the first three fields are skipped
// by their commas, whatever their length.
void LeePuntoTrackMaker(Module1& m, std::string_view linea, long n) {
  const int fila = Error::AtLine(n, [&m] { return NuevoPunto(m); });
  const Campos campos(linea, n);
  m.TablaPuntos.Escribe(fila, ColumnaX, Numero(campos[3], n));
  m.TablaPuntos.Escribe(fila, ColumnaY, Numero(campos[4], n));
  m.TablaPuntos.Escribe(fila, ColumnaAltitud, Numero(campos[7], n));
}

// "X,Y"; anything from a second comma on is ignored.
void LeePuntoSitna(Module1& m, std::string_view linea, long n) {
  const int fila = Error::AtLine(n, [&m] { return NuevoPunto(m); });
  const Campos campos(linea, n);
  m.TablaPuntos.Escribe(fila, ColumnaX, Numero(campos[0], n));
  m.TablaPuntos.Escribe(fila, ColumnaY, Numero(campos.SegundoOResto(), n));
  m.TablaPuntos.Escribe(fila, ColumnaAltitud, ValorFijo());
}

}  // namespace

std::optional<ResultadoCarga> AbrirTXT(Module1& m) {
  if (m.ArchivoActual.empty()) return std::nullopt;
  return AbrirTXT(m, LeeEntrada(m.ArchivoActual));
}

ResultadoCarga AbrirTXT(Module1& m, std::string_view bytes) {
  std::string_view linea;
  if (!LineasDeArchivo(bytes).Next(linea)) {
    throw Error(ErrorKind::PastEndOfFile, "el archivo está vacío", 1);
  }
  const bool tm = linea.find("Version") != std::string_view::npos;
  TextLines lector = LineasDeArchivo(bytes);
  m.NumPuntos = 0;

  if (tm) {
    while (lector.Next(linea)) {
      if (!linea.empty() && linea.front() == 't') {
        LeePuntoTrackMaker(m, linea, lector.numero());
      }
    }
    return {.tipo = TipoArchivo::TrackMaker,
            .habilitar = {{Comando::Analizar, true},
                          {Comando::Copiar, true},
                          {Comando::GuardarSitna, true}},
            .sufijo_titulo = m.ArchivoActual,
            .mensaje = "Este track puede ser analizado",
            .titulo_mensaje = "Track cargado",
            .con_altitudes = true};
  }
  while (lector.Next(linea)) LeePuntoSitna(m, linea, lector.numero());
  return {.tipo = TipoArchivo::Sitna,
          .habilitar = {{Comando::GuardarTM, true}, {Comando::Copiar, true}},
          .sufijo_titulo = m.ArchivoActual,
          .mensaje = "Este track no puede analizarse",
          .titulo_mensaje = "Track cargado",
          .con_altitudes = false};
}

}  // namespace ruvek
