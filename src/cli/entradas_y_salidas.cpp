// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/entradas_y_salidas.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>

#include "core/simplifica.h"
#include "formats/formatos.h"
#include "geo/cambio_de_datum.h"
#include "io/entrada.h"
#include "io/guarda_archivo.h"

namespace ruvek::cli {

std::string NombreDeEntrada(const std::string& entrada) {
  return entrada == "-" ? kEntradaEstandar : entrada;
}

void Informa(const std::string& nombre, const Error& e) {
  if (e.linea() > 0) {
    std::fprintf(stderr, "ruvek-cli: %s:%ld: %s\n", nombre.c_str(), e.linea(), e.detalle().c_str());
  } else {
    std::fprintf(stderr, "ruvek-cli: %s: %s\n", nombre.c_str(), e.detalle().c_str());
  }
}

std::string Bytes(const std::string& entrada) {
  return entrada == "-" ? LeeDescriptor(STDIN_FILENO) : LeeEntrada(entrada);
}

TrackCargado LeeEnSuDatum(std::string_view bytes, const ComoCargar& como, Proyeccion& proyeccion) {
  const FichaDeFormato& ficha = FormatoPorContenido(bytes);
  Datum leido = Datum::Ed50;
  switch (ficha.coordenadas) {
    case Coordenadas::MetrosEd50:
      break;
    case Coordenadas::MetrosADecir:
      leido = como.datum_de_listas.value_or(Datum::Ed50);
      break;
    case Coordenadas::GradosWgs84:
      leido = como.datum.value_or(Datum::Ed50);
      break;
  }
  TrackCargado t{ficha.lee(bytes, proyeccion, leido), como.datum.value_or(leido), {}};
  // Before a simplification, so that a point is named by its own line.
  CambiaDatumDelTrack(t.track, leido, t.datum, proyeccion,
                      [&](std::size_t i) { return ficha.linea_del_punto(bytes, i); });
  return t;
}

void Termina(TrackCargado& t, const std::string& nombre, std::string_view bytes,
             const ComoCargar& como, Proyeccion& proyeccion) {
  if (como.terreno != nullptr && !como.terreno->vacio()) {
    std::string por_que;
    const std::size_t malo = como.terreno->PonAltitudes(t.track, t.datum, proyeccion, por_que,
                                                        t.etrs89 ? &*t.etrs89 : nullptr);
    if (malo < t.track.puntos.size()) {
      const Punto& p = t.track.puntos[malo];
      throw Error(TipoDeError::FueraDelTerreno,
                  "el punto " + std::to_string(malo + 1) + " (X " + p.x.Texto() + ", Y " +
                      p.y.Texto() + ") " + por_que,
                  FormatoPorContenido(bytes).linea_del_punto(bytes, malo));
    }
  }
  if (como.simplifica) {
    const Simplificacion s = Simplifica(t.track, *como.simplifica);
    if (s.despues != s.antes) {
      std::fprintf(stderr, "ruvek-cli: %s: %s\n", nombre.c_str(), FraseDeSimplificacion(s).c_str());
    }
  }
  if (t.track.puntos.size() > std::size_t(kMaximoDePuntos)) {
    throw Error(TipoDeError::DemasiadosPuntos,
                MasDePuntos("el track", kMaximoDePuntos, t.track.puntos.size()) +
                    ": --simplify lo reduce a " + std::to_string(kMaximoDePuntos));
  }
}

TrackCargado Carga(const std::string& nombre, std::string_view bytes, const ComoCargar& como,
                   Proyeccion& proyeccion) {
  TrackCargado t = LeeEnSuDatum(bytes, como, proyeccion);
  Termina(t, nombre, bytes, como, proyeccion);
  return t;
}

bool AbreModelos(const std::vector<std::string>& archivos, Terreno& terreno) {
  for (const std::string& archivo : archivos) {
    try {
      terreno.Anade(archivo);
    } catch (const Error& e) {
      Informa(archivo, e);
      return false;
    }
  }
  return true;
}

void Escribe(const std::string& salida, const std::string& bytes) {
  struct stat estado {};
  const bool flujo = salida == "-" || (stat(salida.c_str(), &estado) == 0 &&
                                       (S_ISCHR(estado.st_mode) || S_ISFIFO(estado.st_mode)));
  if (!flujo) return GuardaArchivo(salida, bytes);
  std::FILE* f = salida == "-" ? stdout : std::fopen(salida.c_str(), "wb");
  const bool bien = f != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() &&
                    std::fflush(f) == 0;
  const int err = errno;
  if (f != nullptr && f != stdout) std::fclose(f);
  if (!bien) throw Error(TipoDeError::Archivo, "no se puede escribir: " + TextoErrno(err));
}

bool VaciaSalidaEstandar() {
  if (std::cout.flush() && std::fflush(stdout) == 0) return true;
  Informa(kSalidaEstandar,
          Error(TipoDeError::Archivo, "no se puede escribir: " + TextoErrno(errno)));
  return false;
}

}  // namespace ruvek::cli
