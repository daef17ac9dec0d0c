// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of everything that touches a full-size track (bench/datos_bench.h).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "analysis/analisis.h"
#include "datos_bench.h"
#include "formats/lista_xy.h"

namespace ruvek::bench {
namespace {

void Carga(benchmark::State& state, const std::string& ruta, const std::string& texto) {
  std::size_t puntos = 0;
  for (auto _ : state) puntos = LeeArchivo(ruta).puntos.size();
  if (puntos != kMaximoDePuntos) state.SkipWithError("the track did not load whole");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * texto.size()));
}

void BM_CargaTrackMaker(benchmark::State& state) {
  Carga(state, datos().ruta_trackmaker, datos().trackmaker);
}
BENCHMARK(BM_CargaTrackMaker);

void BM_CargaSitna(benchmark::State& state) { Carga(state, datos().ruta_sitna, datos().sitna); }
BENCHMARK(BM_CargaSitna);

// For scale: only reading the same TrackMaker file into memory.
void BM_FreadTrackMaker(benchmark::State& state) {
  std::vector<char> buffer(datos().trackmaker.size() + 1);
  for (auto _ : state) {
    std::FILE* f = std::fopen(datos().ruta_trackmaker.c_str(), "rb");
    benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), f));
    std::fclose(f);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * datos().trackmaker.size()));
}
BENCHMARK(BM_FreadTrackMaker);

void BM_CargaGpx(benchmark::State& state) { Carga(state, datos().ruta_gpx, datos().gpx); }
BENCHMARK(BM_CargaGpx)->Unit(benchmark::kMillisecond);

// For scale: only reading the same GPX file into memory.
void BM_FreadGpx(benchmark::State& state) {
  std::vector<char> buffer(datos().gpx.size() + 1);
  for (auto _ : state) {
    std::FILE* f = std::fopen(datos().ruta_gpx.c_str(), "rb");
    benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), f));
    std::fclose(f);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * datos().gpx.size()));
}
BENCHMARK(BM_FreadGpx);

void BM_EscribeGpx(benchmark::State& state) {
  const Recorrido r = LeeGpx(datos().gpx);
  for (auto _ : state) benchmark::DoNotOptimize(EscribeGpx(r));
}
BENCHMARK(BM_EscribeGpx)->Unit(benchmark::kMillisecond);

// PROJ's set-up, paid once per process at the first GPX: a context and the pipeline with IGN's
// grid (the library stays loaded after the first).
void BM_PreparaProyeccion(benchmark::State& state) {
  for (auto _ : state) {
    Proyeccion p;
    double x = -1.65, y = 42.8;
    p.Transforma(kGradosWgs84, kMetrosEd50, {&x, 1}, {&y, 1});
  }
}
BENCHMARK(BM_PreparaProyeccion)->Unit(benchmark::kMillisecond)->Iterations(5);

// 10,000 points between ED50 and ETRS89 through IGN's grid, and from WGS 84 to each.
void BM_CambiaDatum(benchmark::State& state) {
  const Track t = LeeArchivo(datos().ruta_trackmaker);
  std::vector<double> x0, y0;
  for (const Punto& p : t.puntos) {
    x0.push_back(double(p.x.diezmilesimas()) / kDiezmilesimasPorUnidad);
    y0.push_back(double(p.y.diezmilesimas()) / kDiezmilesimasPorUnidad);
  }
  for (auto _ : state) {
    std::vector<double> x = x0, y = y0;
    Datos::proyeccion().Transforma(kMetrosEd50, kMetrosEtrs89, x, y);
    benchmark::DoNotOptimize(x.data());
  }
}
BENCHMARK(BM_CambiaDatum)->Unit(benchmark::kMillisecond);

void BM_EscribeListaXY(benchmark::State& state) {
  const Track t = LeeArchivo(datos().ruta_trackmaker);
  for (auto _ : state) benchmark::DoNotOptimize(EscribeListaXY(t));
}
BENCHMARK(BM_EscribeListaXY);

void BM_EscribeTrackMaker(benchmark::State& state) {
  const Track t = LeeArchivo(datos().ruta_sitna);
  for (auto _ : state) benchmark::DoNotOptimize(EscribeTrackMaker(t));
}
BENCHMARK(BM_EscribeTrackMaker);

void BM_EscribeListaXYPegada(benchmark::State& state) {
  const Track t = LeeArchivo(datos().ruta_sitna);
  for (auto _ : state) benchmark::DoNotOptimize(EscribeListaXYPegada(t));
}
BENCHMARK(BM_EscribeListaXYPegada);

void BM_LeeListaXYPegada(benchmark::State& state) {
  std::size_t puntos = 0;
  for (auto _ : state) puntos = LeeListaXYPegada(datos().pegado).puntos.size();
  if (puntos != kMaximoDePuntos) state.SkipWithError("the text did not parse whole");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * datos().pegado.size()));
}
BENCHMARK(BM_LeeListaXYPegada);

void BM_Analiza(benchmark::State& state) {
  const Track t = LeeArchivo(datos().ruta_trackmaker);
  for (auto _ : state) benchmark::DoNotOptimize(AnalizaAltitudes(t));
}
BENCHMARK(BM_Analiza);

}  // namespace
}  // namespace ruvek::bench

BENCHMARK_MAIN();
