// SPDX-License-Identifier: GPL-3.0-or-later
// The layouts in degrees read whole, beside the GPX of the same track and, for GeoJSON, beside
// RapidJSON's own parse of the same bytes with nothing done on its events; a KMZ written beside
// the KML it holds.
#include <benchmark/benchmark.h>
#include <rapidjson/reader.h>

#include <string>

#include "datos_bench.h"
#include "formats/kmz.h"

namespace ruvek::bench {
namespace {

void Carga(benchmark::State& state, const std::string& ruta, const std::string& bytes) {
  std::size_t puntos = 0;
  for (auto _ : state) puntos = LeeArchivo(ruta).puntos.size();
  if (puntos != kMaximoDePuntos) state.SkipWithError("the track did not load whole");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void BM_CargaKml(benchmark::State& state) { Carga(state, datos().ruta_kml, datos().kml); }
BENCHMARK(BM_CargaKml)->Unit(benchmark::kMillisecond);

void BM_CargaGeoJson(benchmark::State& state) {
  Carga(state, datos().ruta_geojson, datos().geojson);
}
BENCHMARK(BM_CargaGeoJson)->Unit(benchmark::kMillisecond);

// The GeoJSON's positions alone, as its reader finds them, before any projection.
void BM_LeePosicionesGeoJson(benchmark::State& state) {
  std::size_t puntos = 0;
  for (auto _ : state) puntos = LeeGeoJson(datos().geojson).PuntosDeTraza();
  if (puntos != kMaximoDePuntos) state.SkipWithError("the positions did not read whole");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * datos().geojson.size()));
}
BENCHMARK(BM_LeePosicionesGeoJson)->Unit(benchmark::kMillisecond);

// For scale: RapidJSON's reader over a copy of the same GeoJSON, in place, with nothing done on
// its events: numbers as text, as Ruvek reads them (0), converted to doubles as RapidJSON does
// by default (1), and converted exactly, the closest double to each (2).
void BM_SoloRapidJson(benchmark::State& state) {
  constexpr unsigned kEnSitio = rapidjson::kParseInsituFlag;
  for (auto _ : state) {
    std::string copia = datos().geojson;
    rapidjson::InsituStringStream flujo(copia.data());
    rapidjson::BaseReaderHandler<> nada;
    rapidjson::Reader reader;
    bool error = true;
    switch (state.range(0)) {
      case 0:
        error =
            reader.Parse<kEnSitio | rapidjson::kParseNumbersAsStringsFlag>(flujo, nada).IsError();
        break;
      case 1:
        error = reader.Parse<kEnSitio>(flujo, nada).IsError();
        break;
      case 2:
        error = reader.Parse<kEnSitio | rapidjson::kParseFullPrecisionFlag>(flujo, nada).IsError();
        break;
    }
    if (error) state.SkipWithError("RapidJSON did not parse it");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * datos().geojson.size()));
}
BENCHMARK(BM_SoloRapidJson)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The same track's KML, and its KMZ: the KML deflated into a zip archive.
void BM_Escribe(benchmark::State& state) {
  const Recorrido r = LeeKml(datos().kml);
  std::size_t bytes = 0;
  for (auto _ : state) bytes = (state.range(0) == 0 ? EscribeKml(r) : EscribeKmz(r)).size();
  state.SetLabel(state.range(0) == 0 ? "KML" : "KMZ");
  state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_Escribe)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruvek::bench
