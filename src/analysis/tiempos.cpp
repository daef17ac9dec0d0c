// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/tiempos.h"

#include <algorithm>
#include <cmath>

#include "core/precision.h"

namespace ruvek {

namespace {

// A run of slow intervals shorter than this is moving.
constexpr double kPausaMinima = 10;
// Above this mean speed a segment is a ride, with its pause speed.
constexpr double kVelocidadDeMarcha = 2.8, kPausaDeMarcha = 0.40, kPausaAPie = 0.15;

// The points of the analysis: their times and segments.
struct Instantes {
  std::vector<double> t;
  std::vector<std::size_t> segmento;
};

// The moving time of one segment, whose points' times are `t` and distances `d`.
double EnMovimiento(std::span<const double> t, std::span<const double> d) {
  const std::size_t n = std::min(t.size(), d.size());
  if (n < 2) return 0;
  const double duracion = t[n - 1] - t[0];
  const double media = duracion > 0 ? (d[n - 1] - d[0]) / duracion : 0;
  const double pausa = media > kVelocidadDeMarcha ? kPausaDeMarcha : kPausaAPie;
  double movimiento = 0, lenta = 0;  // the run of slow intervals under way
  for (std::size_t i = 1; i < n; ++i) {
    const double dt = t[i] - t[i - 1], dd = d[i] - d[i - 1];
    if (dt == 0 || dd <= pausa * dt) {
      lenta += dt;
      continue;
    }
    movimiento += dt + (lenta > kPausaMinima ? 0 : lenta);
    lenta = 0;
  }
  return movimiento + (lenta > kPausaMinima ? 0 : lenta);
}

}  // namespace

std::variant<std::monostate, Movimiento, SinTiempos> MovimientoDe(
    const Recorrido& metros, std::size_t n, std::span<const double> distancias) {
  Instantes p;
  std::optional<SinTiempos> falta;
  bool alguno = false;
  std::size_t k = 0, segmento = 0;
  for (const Traza& t : metros.trazas) {
    for (const Segmento& s : t.segmentos) {
      for (const Posicion& q : s) {
        if (k == n) break;
        ++k;
        alguno = alguno || q.tiempo.has_value();
        if (falta) continue;
        if (!q.tiempo || (!p.t.empty() && q.tiempo->EnSegundos() < p.t.back())) {
          falta = SinTiempos{k, q.linea, q.tiempo.has_value()};
          continue;
        }
        p.t.push_back(q.tiempo->EnSegundos());
        p.segmento.push_back(segmento);
      }
      ++segmento;
    }
  }
  if (!alguno) return std::monostate();
  if (falta) return *falta;
  if (p.t.empty()) return Movimiento{0, 0};
  double movimiento = 0;
  for (std::size_t desde = 0, hasta = 0; desde < p.t.size(); desde = hasta) {
    while (hasta < p.t.size() && p.segmento[hasta] == p.segmento[desde]) ++hasta;
    movimiento += EnMovimiento(std::span(p.t).subspan(desde, hasta - desde),
                               distancias.subspan(desde, hasta - desde));
  }
  return Movimiento{p.t.back() - p.t.front(), movimiento};
}

long TiempoEstimado(double metros, const ResultadoAnalisis& r) {
  const double horizontal = metros / 1000 / 4;
  const double vertical = double(r.total_subida) / kDiezmilesimasPorUnidad / 300 +
                          double(r.total_bajada) / kDiezmilesimasPorUnidad / 500;
  const double horas = std::max(horizontal, vertical) + std::min(horizontal, vertical) / 2;
  return long(std::floor(horas * 60 + 0.5)) * 60;
}

std::string HorasMinutosSegundos(double segundos) {
  const long s = std::lround(segundos);
  const long m = s / 60 % 60, h = s / 3600;
  return std::to_string(h) + (m < 10 ? ":0" : ":") + std::to_string(m) +
         (s % 60 < 10 ? ":0" : ":") + std::to_string(s % 60);
}

std::string HorasMinutos(long segundos) {
  const long m = segundos / 60 % 60;
  return std::to_string(segundos / 3600) + (m < 10 ? ":0" : ":") + std::to_string(m);
}

std::optional<std::string> KilometrosPorHora(double metros, double segundos) {
  if (segundos <= 0) return std::nullopt;
  return Decimales(double(std::llround(metros / segundos * 36)) / 10, 1);
}

}  // namespace ruvek
