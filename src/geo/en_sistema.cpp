// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/en_sistema.h"

#include <charconv>
#include <map>
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

// The error of position `i`, `p`, outside the area of zone `huso`, given in degrees or in metres.
Error Fuera(const Posicion& p, std::size_t i, std::size_t de_traza, int huso, bool en_grados) {
  return ErrorFueraDelHuso(Nombre(i, de_traza),
                           en_grados
                               ? "latitud " + Numero(p.y, true) + ", longitud " + Numero(p.x, true)
                               : "X " + Numero(p.x, false) + ", Y " + Numero(p.y, false),
                           huso, p.linea);
}

// The positions of a recorrido, and what is being done with them.
struct Posiciones {
  std::vector<Posicion*> todas;
  std::size_t de_traza;
  std::vector<double> x, y;
};

// Degrees to the metres of `a`: the area checked first, and again in whole metres on its rim.
void AMetros(Posiciones& p, Sistema de, Sistema a, Proyeccion& proyeccion) {
  // Beyond the rim by less than a millionth of a degree, a point may be one written on it with 7
  // decimals: its metres decide. So do they for every point within a rim's width of the rim (a
  // point and its whole metres taken back to degrees are metres apart).
  std::vector<std::size_t> al_borde;
  for (std::size_t i = 0; i < p.todas.size(); ++i) {
    const Posicion& q = *p.todas[i];
    if (!EnElHuso(a.huso, q.x, q.y, 1e-6)) throw Fuera(q, i, p.de_traza, a.huso, true);
    if (!EnElHuso(a.huso, q.x, q.y, -2 * kBordeHuso)) al_borde.push_back(i);
  }
  const std::size_t malo = proyeccion.Transforma(de, a, p.x, p.y);
  if (malo < p.todas.size()) {
    throw Error(TipoDeError::Transformacion, "PROJ no puede proyectar " + Nombre(malo, p.de_traza),
                p.todas[malo]->linea);
  }
  // Near the rim, a point is in when its whole metres go back to degrees in, as a writer takes
  // them: so every track read writes back, and every track written reads back.
  std::vector<double> lon, lat;
  for (const std::size_t i : al_borde) {
    lon.push_back(double(std::llround(p.x[i])));
    lat.push_back(double(std::llround(p.y[i])));
  }
  const std::size_t vueltos = proyeccion.Transforma(a, de, lon, lat);
  for (std::size_t k = 0; k < lon.size(); ++k) {
    if (k >= vueltos || !EnElHuso(a.huso, lon[k], lat[k])) {
      throw Fuera(*p.todas[al_borde[k]], al_borde[k], p.de_traza, a.huso, true);
    }
  }
  for (std::size_t i = 0; i < p.todas.size(); ++i) {
    // Far west of the zone its X is below 1, where a track ends: not a track here.
    if (AcabaElTrack(ValorFijo::Redondeado(p.x[i]))) {
      throw Fuera(*p.todas[i], i, p.de_traza, a.huso, true);
    }
  }
}

// Metres, each point in its own zone, to `a`.
void DesdeMetros(Posiciones& p, const Recorrido& r, Sistema a, Proyeccion& proyeccion) {
  std::map<int, std::vector<std::size_t>> por_huso;
  for (std::size_t i = 0; i < p.todas.size(); ++i) {
    const int huso = p.todas[i]->huso == 0 ? r.sistema.huso : p.todas[i]->huso;
    if (huso < 1 || huso > 60) {
      throw Error(TipoDeError::Transformacion, Nombre(i, p.de_traza) + " no está en un huso UTM",
                  p.todas[i]->linea);
    }
    por_huso[huso].push_back(i);
  }
  for (const auto& [huso, cuales] : por_huso) {
    const Sistema de{r.sistema.datum, huso};
    std::vector<double> x, y;
    for (const std::size_t i : cuales) x.push_back(p.x[i]), y.push_back(p.y[i]);
    if (!a.EnGrados() && a.huso != huso) {  // metres made in another zone: within its area
      std::vector<double> lon = x, lat = y;
      const std::size_t bien = proyeccion.Transforma(de, kGradosWgs84, lon, lat);
      for (std::size_t k = 0; k < cuales.size(); ++k) {
        if (k >= bien || !EnElHuso(a.huso, lon[k], lat[k])) {
          throw Fuera(*p.todas[cuales[k]], cuales[k], p.de_traza, a.huso, false);
        }
      }
    }
    const std::size_t malo = proyeccion.Transforma(de, a, x, y);
    if (malo < cuales.size()) {
      const std::size_t i = cuales[malo];
      throw Error(
          TipoDeError::Transformacion,
          a.EnGrados()
              ? Nombre(i, p.de_traza) + " no tiene latitud ni longitud en " + NombreDatum(a.datum)
              : std::string("PROJ no puede llevar de ") + NombreDatum(r.sistema.datum) + " a " +
                    NombreDatum(a.datum) + " " + Nombre(i, p.de_traza),
          p.todas[i]->linea);
    }
    for (std::size_t k = 0; k < cuales.size(); ++k) {
      const std::size_t i = cuales[k];
      // What a reader would refuse is not written; in another zone, an X that ends a track.
      if (a.EnGrados() &&
          (!EnElHuso(huso, x[k], y[k]) || AcabaElTrack(ValorFijo::Redondeado(p.x[i])))) {
        throw Fuera(*p.todas[i], i, p.de_traza, huso, false);
      }
      if (!a.EnGrados() && a.huso != huso && AcabaElTrack(ValorFijo::Redondeado(x[k]))) {
        throw Fuera(*p.todas[i], i, p.de_traza, a.huso, false);
      }
      p.x[i] = x[k];
      p.y[i] = y[k];
    }
  }
}

}  // namespace

Recorrido EnSistema(Recorrido r, Sistema a, Proyeccion& proyeccion) {
  bool ya = r.sistema == a;  // every position in `a` already
  r.ParaCadaPosicion([&](const Posicion& q) { ya = ya && (q.huso == 0 || q.huso == a.huso); });
  if (ya) {
    r.ParaCadaPosicion([](Posicion& q) { q.huso = 0; });
    return r;
  }
  Posiciones p{{}, r.PuntosDeTraza(), {}, {}};
  r.ParaCadaPosicion([&](Posicion& q) {
    p.todas.push_back(&q);
    p.x.push_back(q.x);
    p.y.push_back(q.y);
  });
  if (r.sistema.EnGrados()) {
    AMetros(p, r.sistema, a, proyeccion);
  } else {
    DesdeMetros(p, r, a, proyeccion);
  }
  for (std::size_t i = 0; i < p.todas.size(); ++i) {
    p.todas[i]->x = p.x[i];
    p.todas[i]->y = p.y[i];
    p.todas[i]->huso = 0;
  }
  r.grados_calculados = r.grados_calculados || a.EnGrados();
  r.sistema = a;
  return r;
}

void PonBandas(Recorrido& metros, Proyeccion& proyeccion) {
  if (metros.sistema.EnGrados()) return;
  const Recorrido grados = EnSistema(metros, kGradosWgs84, proyeccion);
  std::vector<char> bandas;
  grados.ParaCadaPunto([&bandas](const Posicion& q) { bandas.push_back(BandaDeLatitud(q.y)); });
  std::size_t i = 0;
  metros.ParaCadaPunto([&](Posicion& q) { q.banda = bandas[i++]; });
}

}  // namespace ruvek
