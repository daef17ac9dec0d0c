// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/entradas_y_salidas.h"
#include "cli/sistemas.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <iostream>

#include "core/precision.h"
#include "core/simplifica.h"
#include "formats/formatos.h"
#include "geo/en_sistema.h"
#include "io/entrada.h"
#include "io/guarda_archivo.h"

namespace ruvek::cli {

std::string NombreDeEntrada(const std::string& entrada) {
  return entrada == "-" ? kEntradaEstandar : entrada;
}

void Informa(const std::string& nombre, const Error& e) {
  if (!e.dentro().empty()) {  // "ruta.kmz: doc.kml:144: ..."
    std::fprintf(stderr, "ruvek-cli: %s: %s", nombre.c_str(), e.dentro().c_str());
    if (e.linea() > 0) std::fprintf(stderr, ":%ld", e.linea());
    std::fprintf(stderr, ": %s\n", e.detalle().c_str());
  } else if (e.linea() > 0) {
    std::fprintf(stderr, "ruvek-cli: %s:%ld: %s\n", nombre.c_str(), e.linea(), e.detalle().c_str());
  } else {
    std::fprintf(stderr, "ruvek-cli: %s: %s\n", nombre.c_str(), e.detalle().c_str());
  }
}

std::string Bytes(const std::string& entrada) {
  return entrada == "-" ? LeeDescriptor(STDIN_FILENO) : LeeEntrada(entrada);
}

namespace {

// TrackMaker text in ED50, in zones 29 to 31 of Spain, each point in its own, or an Error naming
// what is not.
void CompruebaTrackMaker(const Recorrido& r) {
  if (r.datum_declarado && !r.datum_declarado->nombre.starts_with("European 1950")) {
    throw Error(TipoDeError::MalFormado,
                "su datum es " + Cita(r.datum_declarado->nombre) +
                    ", y Ruvek solo lee texto de TrackMaker en European 1950 (ED50)",
                r.datum_declarado->linea);
  }
  r.ParaCadaPunto([](const Posicion& p) {
    if (p.huso >= 29 && p.huso <= 31) return;
    const std::string huso = std::to_string(p.huso) + p.banda;
    throw Error(
        TipoDeError::MalFormado,
        p.huso < 0 ? "el huso de un punto no es un huso UTM, un número y una letra como «30T»"
        : p.huso == 28
            ? "el huso «28" + std::string(1, p.banda) + "» es el de Canarias, donde no se usa ED50"
            : "el huso " + Cita(huso) + " no es de España: en ED50 solo 29, 30 y 31",
        p.linea);
  });
}

}  // namespace

Cargado LeeEnSuSistema(std::string_view bytes, const ComoCargar& como, Proyeccion& proyeccion) {
  const FichaDeFormato& ficha = FormatoPorContenido(bytes);
  Cargado c{ficha.lee(bytes), 0, 0, {}, {}};
  Recorrido& r = c.recorrido;
  switch (ficha.coordenadas) {
    case Coordenadas::MetrosADecir:
      r.sistema = como.de_las_listas;
      break;
    case Coordenadas::MetrosEd50:
      CompruebaTrackMaker(r);
      break;
    case Coordenadas::GradosWgs84:
      break;
  }
  c.huso_del_track = HusoMayoritario(r);
  if (!como.metros) {
    const std::string lineas_de = r.lineas_de;
    r = EnSusLineas(lineas_de, [&] { return EnSistema(std::move(r), kGradosWgs84, proyeccion); });
    return c;
  }
  // The windows' table, with its segments and times: no waypoint, every number a whole one.
  if (r.trazas.empty() && !r.waypoints.empty()) {
    throw Error(TipoDeError::MalFormado, ficha.sin_track);
  }
  c.waypoints_dejados = r.waypoints.size();
  r.waypoints.clear();
  if (como.con_grados && r.sistema == kGradosWgs84) c.grados = r;
  Sistema a{*como.metros, como.huso};
  if (como.como_huso == ElHuso::DelTrack && c.huso_del_track == 0 && r.PuntosDeTraza() > 0) {
    throw Error(TipoDeError::FueraDelHuso,
                "el track no está en ninguno de los husos de España (28 a 31): --zone auto no "
                "tiene dónde escribirlo");
  }
  if (como.como_huso == ElHuso::DelTrack && c.huso_del_track != 0) a.huso = c.huso_del_track;
  if (como.como_huso == ElHuso::DeLaTabla && c.huso_del_track == 28) a = {Datum::Etrs89, 28};
  if (a.huso == 28 && a.datum == Datum::Ed50) {
    throw Error(TipoDeError::FueraDelHuso,
                std::string("el track está en Canarias, donde no se usa ED50: ") +
                    (como.datum_fijo ? "el texto de TrackMaker no puede llevarlo"
                                     : "--zone 28 --datum etrs89 lo escribe en REGCAN95"));
  }
  const std::string lineas_de = r.lineas_de;
  try {
    // The analysis may try another zone: it keeps what it read until one takes it.
    r = EnSusLineas(lineas_de, [&] {
      return EnSistema(como.como_huso == ElHuso::DeLaTabla ? r : std::move(r), a, proyeccion);
    });
  } catch (const Error& e) {
    // Outside the zone's area, and most of the track in another: the table of the analysis takes
    // that one; a conversion says the option that writes it there.
    const int suyo = c.huso_del_track;
    if (e.tipo() != TipoDeError::FueraDelHuso || suyo == 0 || suyo == a.huso ||
        como.como_huso == ElHuso::DelTrack) {
      throw;
    }
    if (como.como_huso == ElHuso::DeLaTabla) {
      r = EnSusLineas(lineas_de, [&] { return EnSistema(r, {a.datum, suyo}, proyeccion); });
    } else {
      throw Error(e.tipo(),
                  e.detalle() + "; la mayor parte del track está en el huso " +
                      std::to_string(suyo) + ": " + ComoEnSuHuso(suyo, a.datum, como.datum_fijo),
                  e.linea())
          .EnArchivo(e.dentro());
    }
  }
  RedondeaMetros(r);
  return c;
}

namespace {

// The points of `r`'s tracks in metres, for a simplification: its own, or, in degrees, those of a
// projection centred on them.
std::vector<Punto3D> Metros(const Recorrido& r, Proyeccion& proyeccion) {
  std::vector<double> x, y, z;
  const bool altitudes = r.TodosConAltitud();
  r.ParaCadaPunto([&](const Posicion& p) {
    x.push_back(p.x);
    y.push_back(p.y);
    z.push_back(altitudes ? *p.altitud : 0);
  });
  if (r.sistema.EnGrados() && !x.empty()) {
    const auto [oeste, este] = std::minmax_element(x.begin(), x.end());
    if (proyeccion.AMetrosLocales(std::round((*oeste + *este) / 2), x, y) < x.size()) {
      throw Error(TipoDeError::Transformacion, "PROJ no puede medir el track para simplificarlo");
    }
  }
  std::vector<Punto3D> metros(x.size());
  for (std::size_t i = 0; i < x.size(); ++i) metros[i] = {x[i], y[i], z[i]};
  return metros;
}

// How a message names point `i` of `r`'s tracks, and where it is.
std::string QuePunto(const Recorrido& r, std::size_t i, long& linea) {
  const Posicion* p = nullptr;
  std::size_t k = 0;
  r.ParaCadaPunto([&](const Posicion& q) { p = k++ == i ? &q : p; });
  linea = p->linea;
  std::string x, y;
  AnadeNumeroLeido(x, p->x);
  AnadeNumeroLeido(y, p->y);
  return "el punto " + std::to_string(i + 1) +
         (r.sistema.EnGrados() ? " (latitud " + y + ", longitud " + x : " (X " + x + ", Y " + y) +
         ")";
}

}  // namespace

void Termina(Cargado& c, const std::string& nombre, const ComoCargar& como,
             Proyeccion& proyeccion) {
  Recorrido& r = c.recorrido;
  if (como.terreno != nullptr && !como.terreno->vacio()) {
    std::string por_que;
    const std::size_t n = r.PuntosDeTraza();
    const std::size_t malo =
        como.terreno->PonAltitudes(r, proyeccion, por_que, c.etrs89 ? &*c.etrs89 : nullptr);
    if (malo < n) {
      long linea = 0;
      const std::string que = QuePunto(r, malo, linea);
      throw Error(TipoDeError::FueraDelTerreno, que + " " + por_que, linea).EnArchivo(r.lineas_de);
    }
  }
  if (como.simplifica) {
    const Simplificacion s =
        Simplifica(r, *como.simplifica, Metros(r, proyeccion), c.grados ? &*c.grados : nullptr);
    if (s.despues != s.antes) {
      std::fprintf(stderr, "ruvek-cli: %s: %s\n", nombre.c_str(), FraseDeSimplificacion(s).c_str());
    }
  }
  const std::size_t puntos = r.PuntosDeTraza();
  if (como.metros && puntos > std::size_t(kMaximoDePuntos)) {
    throw Error(TipoDeError::DemasiadosPuntos, MasDePuntos("el track", kMaximoDePuntos, puntos) +
                                                   ": --simplify lo reduce a " +
                                                   std::to_string(kMaximoDePuntos));
  }
}

Cargado Carga(const std::string& nombre, std::string_view bytes, const ComoCargar& como,
              Proyeccion& proyeccion) {
  Cargado c = LeeEnSuSistema(bytes, como, proyeccion);
  Termina(c, nombre, como, proyeccion);
  return c;
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
  bool bien = f != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() &&
              std::fflush(f) == 0;
  int err = errno;
  if (f != nullptr && f != stdout && std::fclose(f) != 0 && bien) bien = false, err = errno;
  if (!bien) throw Error(TipoDeError::Archivo, "no se puede escribir: " + TextoErrno(err));
}

bool VaciaSalidaEstandar() {
  if (std::cout.flush() && std::fflush(stdout) == 0) return true;
  Informa(kSalidaEstandar,
          Error(TipoDeError::Archivo, "no se puede escribir: " + TextoErrno(errno)));
  return false;
}

}  // namespace ruvek::cli
