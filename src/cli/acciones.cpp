// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/acciones.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <map>

#include "cli/flujos.h"
#include "cli/tamano.h"
#include "core/errores.h"
#include "formats/cambio_datum.h"
#include "formats/formatos.h"

namespace ruvek::cli {

namespace {

namespace fs = std::filesystem;

const char* const kSinNombre = "sin nombre.txt";  // the name standard input goes by

// The track of `bytes` for a conversion to `c.formato`, in the datum that layout takes, and the
// datum it was read in (for a GPX, where it goes).
Track CargaParaConvertir(const Conversion& c, const std::string& nombre, const std::string& bytes,
                         Proyeccion& proyeccion, Datum& datum) {
  const Formato formato = FormatoDe(bytes);
  const Datum destino = c.formato == Formato::ListaXY ? c.datum : Datum::Ed50;
  datum = formato == Formato::Gpx       ? destino
          : formato == Formato::ListaXY ? c.datum_entrada.value_or(Datum::Ed50)
                                        : Datum::Ed50;
  Track track = Lee(formato, bytes, proyeccion, datum).track;
  if (c.formato != Formato::Gpx && datum != destino) {  // before a simplification: lines named
    const std::size_t malo = CambiaDatum(track, datum, destino, proyeccion);
    if (malo < track.puntos.size()) {
      throw Error(TipoDeError::Transformacion,
                  std::string("PROJ no puede llevar de ") + NombreDatum(datum) + " a " +
                      NombreDatum(destino) + " el punto " + std::to_string(malo + 1),
                  LineaDelPunto(formato, bytes, malo));
    }
    datum = destino;
  }
  AjustaTamano(track, c.simplifica, nombre);
  return track;
}

// With a datum for the X,Y lists read, the first input that is not one, and what it is.
std::optional<std::string> EntradaSinDatum(const Conversion& c, std::string& estandar) {
  if (!c.datum_entrada) return std::nullopt;
  for (const std::string& entrada : c.entradas) {
    try {
      const std::string leidos = Bytes(entrada);
      if (entrada == "-") estandar = leidos;
      const Formato f = FormatoDe(leidos);
      if (f == Formato::ListaXY) continue;
      return (entrada == "-" ? kEntradaEstandar : entrada) +
             (f == Formato::Gpx ? std::string(" es un GPX (WGS 84)")
                                : " es texto de TrackMaker (siempre ED50)");
    } catch (const Error&) {  // said when it is converted
    }
  }
  return std::nullopt;
}

// The file's name without its folder and its extension, for a GPX track's name.
std::string NombreDelTrack(const std::string& archivo) {
  const std::string nombre = fs::path(archivo).stem().string();
  return nombre.empty() ? "sin nombre" : nombre;
}

// The name of a converted file: the input's without its folder and its extension, then the
// layout's ending, as the window names saved files.
std::string NombreDeSalida(const std::string& entrada, Formato f) {
  const std::string sufijo = f == Formato::ListaXY      ? " (Sitna).txt"
                             : f == Formato::TrackMaker ? " (TrackMaker).txt"
                                                        : ".gpx";
  return fs::path(entrada).stem().string() + sufijo;
}

bool MismoArchivo(const std::string& a, const std::string& b) {
  struct stat sa {
  }, sb{};
  return a != "-" && stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 &&
         sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace

int Convierte(const Conversion& c, Proyeccion& proyeccion) {
  std::string estandar;  // standard input, when read to tell its layout
  if (const auto sin_datum = EntradaSinDatum(c, estandar)) {
    return ErrorDeUso("--input-datum solo vale para listas X,Y, y " + *sin_datum);
  }
  bool todo = true;
  std::map<std::string, std::string> escritas;  // each output of a batch, and its input
  for (const std::string& entrada : c.entradas) {
    const std::string nombre = entrada == "-" ? kEntradaEstandar : entrada;
    std::string salida = c.salida.empty() ? "-" : c.salida;
    if (!c.carpeta.empty()) {
      salida =
          (fs::path(c.carpeta) / NombreDeSalida(entrada == "-" ? kSinNombre : entrada, c.formato))
              .string();
    }
    try {
      if (MismoArchivo(entrada, salida)) {
        throw Error(TipoDeError::Archivo,
                    "la salida " + salida + " es el mismo archivo que la entrada: no se toca");
      }
      if (const auto otra = escritas.find(salida);
          otra != escritas.end() && otra->second != entrada) {
        throw Error(TipoDeError::Archivo,
                    "la salida " + salida + " es ya la de " + otra->second + ": no se toca");
      }
      Datum datum;
      const Track track = CargaParaConvertir(
          c, nombre, entrada == "-" && c.datum_entrada ? estandar : Bytes(entrada), proyeccion,
          datum);
      const std::string nombre_track = NombreDelTrack(salida != "-"    ? salida
                                                      : entrada == "-" ? kSinNombre
                                                                       : entrada);
      const std::string bytes =
          DisposicionDe(c.formato).escribe(track, nombre_track, proyeccion, datum);
      try {
        Escribe(salida, bytes);
        if (!c.carpeta.empty()) escritas.emplace(salida, entrada);
      } catch (const Error& e) {
        Informa(salida == "-" ? kSalidaEstandar : salida, e);
        todo = false;
      }
    } catch (const Error& e) {
      Informa(nombre, e);
      todo = false;
    }
  }
  return todo ? 0 : 1;
}

}  // namespace ruvek::cli
