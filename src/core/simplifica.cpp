// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/simplifica.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <queue>
#include <stdexcept>
#include <vector>

namespace ruvek {

namespace {

// The square of the distance from `p` to the segment from `a` to `b`.
double Distancia2(const Punto3D& p, const Punto3D& a, const Punto3D& b) {
  const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
  const double vx = p.x - a.x, vy = p.y - a.y, vz = p.z - a.z;
  const double largo2 = ux * ux + uy * uy + uz * uz;
  const double t = largo2 > 0 ? std::clamp((ux * vx + uy * vy + uz * vz) / largo2, 0.0, 1.0) : 0;
  const double dx = vx - t * ux, dy = vy - t * uy, dz = vz - t * uz;
  return dx * dx + dy * dy + dz * dz;
}

// A step of the kept track, from point `desde` to `hasta`, and the point between them farthest
// from it.
struct Tramo {
  std::size_t desde, hasta, lejano;
  double distancia;
  // The farthest first; of two as far, the earlier, so that the result never depends on chance.
  bool operator<(const Tramo& o) const {
    return distancia != o.distancia ? distancia < o.distancia : desde > o.desde;
  }
};

Tramo Mide(const std::vector<Punto3D>& p, std::size_t desde, std::size_t hasta) {
  std::size_t lejano = desde;
  double mayor = 0;
  for (std::size_t i = desde + 1; i < hasta; ++i) {
    const double d = Distancia2(p[i], p[desde], p[hasta]);
    if (d > mayor) mayor = d, lejano = i;
  }
  return {desde, hasta, lejano, std::sqrt(mayor)};
}

// Closer to the kept track than half the precision of a coordinate, a point lies on it: the rest
// is the rounding of the arithmetic.
constexpr double kEnElTrack = 0.5 / kDiezmilesimasPorUnidad;

// Which of `p` are kept: the `fijos` (in order; the first and the last among them), then the
// farthest from the kept track until `maximo` are kept or the rest lie on it.
Simplificacion Guardados(const std::vector<Punto3D>& p, std::size_t maximo,
                         const std::vector<std::size_t>& fijos, std::vector<bool>& guardado) {
  const std::size_t n = p.size();
  guardado.assign(n, false);
  std::priority_queue<Tramo> tramos;
  for (std::size_t k = 0; k < fijos.size(); ++k) {
    guardado[fijos[k]] = true;
    if (k > 0) tramos.push(Mide(p, fijos[k - 1], fijos[k]));
  }
  std::size_t guardados = fijos.size();
  for (; guardados < maximo && !tramos.empty() && tramos.top().distancia > kEnElTrack;
       ++guardados) {
    const Tramo t = tramos.top();
    tramos.pop();
    guardado[t.lejano] = true;
    tramos.push(Mide(p, t.desde, t.lejano));
    tramos.push(Mide(p, t.lejano, t.hasta));
  }
  const double resto = tramos.empty() ? 0 : tramos.top().distancia;
  return {n, guardados, resto > kEnElTrack ? resto : 0};
}

}  // namespace

Simplificacion Simplifica(Track& track, std::size_t maximo) {
  const std::size_t n = track.puntos.size();
  maximo = std::max<std::size_t>(maximo, 2);
  if (n <= maximo) return {n, n, 0};
  std::vector<Punto3D> p(n);
  for (std::size_t i = 0; i < n; ++i) {
    const Punto& q = track.puntos[i];
    p[i] = {q.x.EnDouble(), q.y.EnDouble(), track.con_altitudes ? q.altitud.EnDouble() : 0};
  }
  std::vector<bool> guardado;
  const Simplificacion s = Guardados(p, maximo, {0, n - 1}, guardado);
  std::size_t k = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (guardado[i]) track.puntos[k++] = track.puntos[i];
  }
  track.puntos.resize(k);
  return s;
}

Simplificacion Simplifica(Recorrido& r, std::size_t maximo, const std::vector<Punto3D>& metros,
                          Recorrido* tambien) {
  const std::size_t n = r.PuntosDeTraza();
  if (metros.size() != n) throw std::invalid_argument("Simplifica: una medida por punto");
  maximo = std::max<std::size_t>(maximo, 2);
  if (n <= maximo) return {n, n, 0};
  std::vector<std::size_t> fijos;  // the ends of every segment
  std::size_t i = 0;
  for (const Traza& t : r.trazas) {
    for (const Segmento& s : t.segmentos) {
      fijos.push_back(i);
      if (s.size() > 1) fijos.push_back(i + s.size() - 1);
      i += s.size();
    }
  }
  std::vector<bool> guardado;
  const Simplificacion hecha = Guardados(metros, maximo, fijos, guardado);
  for (Recorrido* cual : {&r, tambien}) {
    if (cual == nullptr || cual->PuntosDeTraza() != n) continue;
    i = 0;
    for (Traza& t : cual->trazas) {
      for (Segmento& s : t.segmentos) {
        std::size_t k = 0;
        for (const Posicion& p : s) {
          if (guardado[i++]) s[k++] = p;
        }
        s.resize(k);
      }
    }
  }
  return hecha;
}

std::string FraseDeSimplificacion(const Simplificacion& s) {
  // Rounded up: the sentence says no point lies farther.
  const std::string metros =
      ConComa(Decimales(std::ceil(std::max(0.0, s.distancia * 10 - 1e-9)) / 10, 1));
  return "Se ha simplificado de " + std::to_string(s.antes) + " a " + std::to_string(s.despues) +
         " puntos; ningún punto quitado se aparta más de " + metros + " m del track.";
}

}  // namespace ruvek
