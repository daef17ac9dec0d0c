// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sistemas.h"

#include <cstdio>
#include <tuple>

#include "cli/opciones.h"

namespace ruvek::cli {

namespace {

std::string Minusculas(std::string texto) {
  for (char& c : texto) c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
  return texto;
}

// A datum by the name the options give it, in either case.
std::optional<Datum> DatumLlamado(const std::string& nombre) {
  if (Minusculas(nombre) == "ed50") return Datum::Ed50;
  if (Minusculas(nombre) == "etrs89") return Datum::Etrs89;
  return std::nullopt;
}

// A zone of Spain by its number, or 0 for "auto" when `auto_vale`.
std::optional<int> HusoLlamado(const std::string& texto, bool auto_vale) {
  if (auto_vale && Minusculas(texto) == "auto") return 0;
  for (int h = kPrimerHuso; h <= kUltimoHuso; ++h) {
    if (texto == std::to_string(h)) return h;
  }
  return std::nullopt;
}

// The names of the layouts whose metres are in a datum and zone the user says.
std::string ConDatum() {
  std::string con;
  for (const FichaDeFormato& f : Formatos()) {
    if (f.coordenadas == Coordenadas::MetrosADecir) con += f.nombre;
  }
  return con;
}

const char* const kCanarias = "en Canarias (huso 28) no se usa ED50: va con ";

}  // namespace

std::optional<std::string> SistemasPedidos(const OpcionesDeSistema& o, const FichaDeFormato& salida,
                                           ComoCargar& como) {
  const bool en_metros = salida.coordenadas != Coordenadas::GradosWgs84;
  if (en_metros) como.metros = Datum::Ed50;
  como.datum_fijo = salida.coordenadas == Coordenadas::MetrosEd50;
  if (o.datum) {
    const auto d = DatumLlamado(*o.datum);
    if (!d) return "datum desconocido para --datum: " + *o.datum + " (ed50 o etrs89)";
    if (salida.coordenadas != Coordenadas::MetrosADecir) {
      return "--datum solo vale con --to " + ConDatum() + ": " + salida.en_que_datum;
    }
    como.metros = *d;
  }
  if (o.huso) {
    const auto h = HusoLlamado(*o.huso, true);
    if (!h) return "huso desconocido para --zone: " + *o.huso + " (28, 29, 30, 31 o auto)";
    if (!en_metros) return "--zone solo vale para las listas X,Y y el texto de TrackMaker";
    como.como_huso = *h == 0 ? ElHuso::DelTrack : ElHuso::Dado;
    como.huso = *h == 0 ? kHusoDeSiempre : *h;
    if (*h == 28 && como.metros == Datum::Ed50) {
      return std::string(kCanarias) +
             (o.datum || salida.coordenadas == Coordenadas::MetrosADecir
                  ? "--datum etrs89"
                  : "--to " + ConDatum() + " --datum etrs89, y " + salida.en_que_datum);
    }
  }
  if (o.datum_de_listas) {
    const auto d = DatumLlamado(*o.datum_de_listas);
    if (!d) {
      return "datum desconocido para --input-datum: " + *o.datum_de_listas + " (ed50 o etrs89)";
    }
    como.de_las_listas.datum = *d;
  }
  if (o.huso_de_listas) {
    const auto h = HusoLlamado(*o.huso_de_listas, false);
    if (!h) return "huso desconocido para --input-zone: " + *o.huso_de_listas + " (28 a 31)";
    como.de_las_listas.huso = *h;
    if (*h == 28 && como.de_las_listas.datum == Datum::Ed50) {
      return std::string(kCanarias) + "--input-datum etrs89";
    }
  }
  return std::nullopt;
}

std::string ComoEnSuHuso(int huso, Datum datum, bool datum_fijo) {
  if (huso != 28 || datum != Datum::Ed50) {
    return "--zone " + std::to_string(huso) + " lo escribe en su huso";
  }
  return datum_fijo ? "en Canarias no se usa ED50, en que va siempre el texto de TrackMaker"
                    : "--zone 28 --datum etrs89 lo escribe en su huso";
}

void AvisosDeSistema(const std::string& nombre, const Cargado& c, const FichaDeFormato& salida) {
  if (c.waypoints_dejados > 0) {
    const std::string cuantos =
        c.waypoints_dejados == 1
            ? "se deja fuera su waypoint"
            : "se dejan fuera sus " + std::to_string(c.waypoints_dejados) + " waypoints";
    std::fprintf(stderr, "ruvek-cli: %s: %s, que --to %s no lleva\n", nombre.c_str(),
                 cuantos.c_str(), salida.nombre);
  }
  const LoQueSeDeja dejado = salida.deja ? salida.deja(c.recorrido) : LoQueSeDeja{};
  for (const auto& [cuantos, una, varias, de] :
       {std::tuple{dejado.tiempos, "la hora", "las horas", "track"},
        {dejado.altitudes, "la altitud", "las altitudes", "segmento"}}) {
    if (cuantos == 0) continue;
    std::fprintf(stderr,
                 "ruvek-cli: %s: se deja%s fuera %s de %zu punto%s: --to %s las lleva solo cuando "
                 "todos los puntos del %s las tienen\n",
                 nombre.c_str(), cuantos == 1 ? "" : "n", cuantos == 1 ? una : varias, cuantos,
                 cuantos == 1 ? "" : "s", salida.nombre, de);
  }
  const Sistema escrito = c.recorrido.sistema;
  if (escrito.EnGrados() || c.huso_del_track == 0 || c.huso_del_track == escrito.huso) return;
  std::fprintf(
      stderr,
      "ruvek-cli: %s: la mayor parte del track está en el huso %d, y se escribe en el %d: %s\n",
      nombre.c_str(), c.huso_del_track, escrito.huso,
      ComoEnSuHuso(c.huso_del_track, escrito.datum, salida.coordenadas == Coordenadas::MetrosEd50)
          .c_str());
}

}  // namespace ruvek::cli
