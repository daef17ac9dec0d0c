// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/en_sistema.h"

#include <charconv>
#include <string>
#include <vector>

#include "core/precision.h"
#include "core/track.h"

namespace ruvek {

namespace {

// How messages name position `i` of those, of which the first `de_traza` are a track's points.
std::string Nombre(std::size_t i, std::size_t de_traza) {
  return i < de_traza ? "el punto " + std::to_string(i + 1)
                      : "el waypoint " + std::to_string(i - de_traza + 1);
}

// Metres as written, degrees as short as they read back.
std::string Numero(double v, bool en_grados) {
  std::string texto;
  if (!en_grados) {
    AnadeNumeroLeido(texto, v);
    return texto;
  }
  char grados[32];
  return std::string(grados, std::to_chars(grados, grados + sizeof grados, v).ptr);
}

// The error of position `i`, `p`, outside the area, given in degrees or in metres.
Error Fuera(const Posicion& p, std::size_t i, std::size_t de_traza, bool en_grados) {
  return ErrorFueraDelHuso(Nombre(i, de_traza),
                           en_grados
                               ? "latitud " + Numero(p.y, true) + ", longitud " + Numero(p.x, true)
                               : "X " + Numero(p.x, false) + ", Y " + Numero(p.y, false),
                           p.linea);
}

// Degrees to metres: the area checked first, and again in whole metres on its rim.
void AMetros(const std::vector<Posicion*>& todas, std::size_t de_traza, Sistema de, Sistema a,
             Proyeccion& proyeccion, std::vector<double>& x, std::vector<double>& y) {
  // Beyond the rim by less than a millionth of a degree, a point may be one written on it with 7
  // decimals: its metres decide. So do they for every point within a rim's width of the rim (a
  // point and its whole metres taken back to degrees are metres apart).
  std::vector<std::size_t> al_borde;
  for (std::size_t i = 0; i < todas.size(); ++i) {
    const Posicion& p = *todas[i];
    if (!EnElHuso(p.x, p.y, 1e-6)) throw Fuera(p, i, de_traza, true);
    if (!EnElHuso(p.x, p.y, -2 * kBordeHuso)) al_borde.push_back(i);
  }
  const std::size_t malo = proyeccion.Transforma(de, a, x, y);
  if (malo < todas.size()) {
    throw Error(TipoDeError::Transformacion, "PROJ no puede proyectar " + Nombre(malo, de_traza),
                todas[malo]->linea);
  }
  // Near the rim, a point is in when its whole metres go back to degrees in, as a writer takes
  // them: so every track read writes back, and every track written reads back.
  std::vector<double> lon, lat;
  for (const std::size_t i : al_borde) {
    lon.push_back(double(std::llround(x[i])));
    lat.push_back(double(std::llround(y[i])));
  }
  const std::size_t vueltos = proyeccion.Transforma(a, de, lon, lat);
  for (std::size_t k = 0; k < lon.size(); ++k) {
    if (k >= vueltos || !EnElHuso(lon[k], lat[k])) {
      throw Fuera(*todas[al_borde[k]], al_borde[k], de_traza, true);
    }
  }
  // West of about 9 degrees west zone 30's X is below 1, where a track ends: not a track here.
  for (std::size_t i = 0; i < todas.size(); ++i) {
    if (AcabaElTrack(ValorFijo::Redondeado(x[i]))) throw Fuera(*todas[i], i, de_traza, true);
  }
}

}  // namespace

Recorrido EnSistema(Recorrido r, Sistema a, Proyeccion& proyeccion) {
  if (r.sistema == a) return r;
  std::vector<Posicion*> todas;
  todas.reserve(r.PuntosDeTraza() + r.waypoints.size());
  r.ParaCadaPosicion([&todas](Posicion& p) { todas.push_back(&p); });
  const std::size_t de_traza = r.PuntosDeTraza();
  std::vector<double> x(todas.size()), y(todas.size());
  for (std::size_t i = 0; i < todas.size(); ++i) {
    x[i] = todas[i]->x;
    y[i] = todas[i]->y;
  }
  if (r.sistema.EnGrados()) {
    AMetros(todas, de_traza, r.sistema, a, proyeccion, x, y);
  } else {
    const std::size_t malo = proyeccion.Transforma(r.sistema, a, x, y);
    if (malo < todas.size()) {
      throw Error(
          TipoDeError::Transformacion,
          a.EnGrados()
              ? Nombre(malo, de_traza) + " no tiene latitud ni longitud en " + NombreDatum(a.datum)
              : std::string("PROJ no puede llevar de ") + NombreDatum(r.sistema.datum) + " a " +
                    NombreDatum(a.datum) + " " + Nombre(malo, de_traza),
          todas[malo]->linea);
    }
    for (std::size_t i = 0; a.EnGrados() && i < todas.size(); ++i) {
      // What a reader would refuse is not written.
      if (!EnElHuso(x[i], y[i]) || AcabaElTrack(ValorFijo::Redondeado(todas[i]->x))) {
        throw Fuera(*todas[i], i, de_traza, false);
      }
    }
  }
  for (std::size_t i = 0; i < todas.size(); ++i) {
    todas[i]->x = x[i];
    todas[i]->y = y[i];
  }
  r.grados_calculados = a.EnGrados();
  r.sistema = a;
  return r;
}

}  // namespace ruvek
