// SPDX-License-Identifier: GPL-3.0-or-later
// The simplifier over long recordings: a walk at a point a second, 100,000 points (a day and
// more) and 1,000,000, down to the 10,000 of the table.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "core/simplifica.h"

namespace ruvek {
namespace {

Track Paseo(int n) {
  std::mt19937 azar(12345);
  std::uniform_real_distribution<double> paso(-1, 1);
  Track t{.puntos = {}, .con_altitudes = true};
  double x = 612000, y = 4734000, z = 400, rumbo = 0;
  for (int i = 0; i < n; ++i) {
    rumbo += 0.2 * paso(azar);
    x += 1.4 * std::cos(rumbo);
    y += 1.4 * std::sin(rumbo);
    z += 0.3 * paso(azar) + 0.05 * std::sin(i / 3000.0);
    t.puntos.push_back({ValorFijo::Entero(std::llround(x)), ValorFijo::Entero(std::llround(y)),
                        ValorFijo::Entero(std::llround(z))});
  }
  return t;
}

void BM_Simplifica(benchmark::State& state) {
  const Track original = Paseo(int(state.range(0)));
  Simplificacion s;
  for (auto _ : state) {
    state.PauseTiming();
    Track t = original;
    state.ResumeTiming();
    s = Simplifica(t, kMaximoDePuntos);
    benchmark::DoNotOptimize(t.puntos.data());
  }
  state.counters["quedan"] = double(s.despues);
  state.counters["distancia_m"] = s.distancia;
}
BENCHMARK(BM_Simplifica)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruvek
