// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/orden_convert.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "cli/entradas_y_salidas.h"
#include "cli/sistemas.h"
#include "core/nombres.h"
#include "formats/formatos.h"
#include "geo/en_sistema.h"

namespace ruvek::cli {

namespace {

namespace fs = std::filesystem;

// The file's name without its folder and its extension, for a track's name.
std::string NombreDelTrack(const std::string& archivo) {
  const std::string nombre = fs::path(archivo).stem().string();
  return nombre.empty() ? "sin nombre" : nombre;
}

bool MismoArchivo(const std::string& a, const std::string& b) {
  struct stat sa {
  }, sb{};
  return a != "-" && stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 &&
         sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace

OrdenConvert::OrdenConvert(CLI::App& app)
    : orden_(NuevaOrden(
          app, "convert",
          "Convierte cada ENTRADA al FORMATO pedido (el de la entrada se ve en su contenido)")) {
  Opcion(orden_, "--to", formato_, "Formato de salida: " + NombresDeFormatosEscritos(), "FORMATO");
  Opcion(orden_, "-o,--output", salida_,
         "Escribe en SALIDA (\"-\": la salida estándar); con una sola ENTRADA", "SALIDA");
  Opcion(orden_, "--output-dir", carpeta_,
         "Escribe cada conversión en CARPETA, con el nombre de su ENTRADA", "CARPETA");
  Opcion(orden_, "--datum", datum_,
         "Datum de la lista X,Y que escribe: ed50 (el de siempre) o etrs89 (el oficial, "
         "EPSG:25830; en Canarias, REGCAN95)",
         "DATUM");
  Opcion(orden_, "--zone", huso_,
         "Huso UTM de la lista X,Y o el texto de TrackMaker que escribe: 28 (Canarias), 29, 30 "
         "(el de siempre), 31, o auto: el de la mayor parte del track",
         "HUSO");
  Opcion(orden_, "--input-datum", datum_de_listas_,
         "Datum de las listas X,Y que lee: ed50 (el de siempre) o etrs89", "DATUM");
  Opcion(orden_, "--input-zone", huso_de_listas_,
         "Huso UTM de las listas X,Y que lee: 28 a 31 (30 si no se dice)", "HUSO");
  Entradas(orden_, entradas_, "Archivos de track (\"-\": la entrada estándar)");
  OpcionDem(orden_, dem_);
  simplify_.Anade(orden_);
}

int OrdenConvert::Ejecuta(Proyeccion& proyeccion) {
  ComoCargar como;
  std::string error;
  como.simplifica = simplify_.Puntos(error);
  if (!error.empty()) return ErrorDeUso(error);
  const FichaDeFormato* salida_en = FormatoEscritoLlamado(formato_);
  if (salida_en == nullptr) {
    return ErrorDeUso(formato_.empty() ? "falta --to FORMATO"
                                       : "formato desconocido: " + formato_ + " (" +
                                             NombresDeFormatosEscritos() + ")");
  }
  const auto dada = [this](const char* opcion, const std::string& valor) {
    return Dada(orden_, opcion) ? std::optional(valor) : std::nullopt;
  };
  const OpcionesDeSistema sistemas{dada("--datum", datum_), dada("--zone", huso_),
                                   dada("--input-datum", datum_de_listas_),
                                   dada("--input-zone", huso_de_listas_)};
  if (const auto uso = SistemasPedidos(sistemas, *salida_en, como)) return ErrorDeUso(*uso);
  if (entradas_.empty()) return ErrorDeUso("falta la ENTRADA que convertir");
  if (!salida_.empty() && !carpeta_.empty()) return ErrorDeUso("-o y --output-dir no van juntos");
  if (entradas_.size() > 1 && carpeta_.empty()) {
    return ErrorDeUso("con varias entradas hace falta --output-dir");
  }

  // With a datum or a zone for the X,Y lists read, every input must be one: checked before any
  // is converted (standard input is read once, and kept, or why it could not be).
  std::optional<std::string> estandar;
  std::optional<Error> fallo_del_estandar;
  if (sistemas.datum_de_listas || sistemas.huso_de_listas) {
    for (const std::string& entrada : entradas_) {
      try {
        const std::string bytes = Bytes(entrada);
        if (entrada == "-") estandar = bytes;
        const FichaDeFormato& f = FormatoPorContenido(bytes);
        if (f.coordenadas == Coordenadas::MetrosADecir) continue;
        return ErrorDeUso(std::string(sistemas.datum_de_listas ? "--input-datum" : "--input-zone") +
                          " solo vale para listas X,Y, y " + NombreDeEntrada(entrada) + " es " +
                          f.que_es);
      } catch (const Error& e) {  // said when it is converted
        if (entrada == "-") fallo_del_estandar = e;
      }
    }
  }

  if (!AbreModelos(dem_, terreno_)) return 1;
  como.terreno = &terreno_;
  bool todo = true;
  std::map<std::string, std::string> escritas;  // each output of a batch, and its input
  for (const std::string& entrada : entradas_) {
    const std::string nombre = NombreDeEntrada(entrada);
    std::string salida = salida_.empty() ? "-" : salida_;
    // In a folder: the input's name without its folder and extension, then the layout's.
    if (!carpeta_.empty()) {
      salida =
          (fs::path(carpeta_) / (fs::path(entrada == "-" ? kSinNombre : entrada).stem().string() +
                                 salida_en->final_del_nombre))
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
      if (entrada == "-" && fallo_del_estandar) throw *fallo_del_estandar;
      Cargado c =
          Carga(nombre, entrada == "-" && estandar ? *estandar : Bytes(entrada), como, proyeccion);
      AvisosDeSistema(nombre, c, *salida_en);
      if (salida_en->formato == Formato::TrackMaker) PonBandas(c.recorrido, proyeccion);
      // A track without a name is named as the file written, or read.
      const std::string por_defecto = NombreDelTrack(salida != "-"    ? salida
                                                     : entrada == "-" ? kSinNombre
                                                                      : entrada);
      for (Traza& t : c.recorrido.trazas) {
        if (t.nombre.empty()) t.nombre = por_defecto;
      }
      const std::string bytes = salida_en->escribe(c.recorrido);
      try {
        Escribe(salida, bytes);
        if (!carpeta_.empty()) escritas.emplace(salida, entrada);
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
