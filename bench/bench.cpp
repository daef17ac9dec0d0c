// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of everything that touches a full-size track: 10,000 points with realistic UTM zone
// 30T values, fractional fields and CR LF line ends.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "analysis/analisis.h"
#include "formats/formatos.h"
#include "formats/gpx.h"
#include "formats/lista_xy.h"
#include "formats/trackmaker.h"
#include "io/entrada.h"

namespace ruvek {
namespace {

// A walk over a hillside near Pamplona's latitude: 612,000 E, 4,734,000 N, 400 to 1,600 m.
struct Datos {
  std::string trackmaker;
  std::string sitna;
  std::string pegado;
  std::string ruta_trackmaker;
  std::string ruta_sitna;
  std::string gpx;
  std::string ruta_gpx;

  Datos() {
    trackmaker =
        "Version , 212\r\n\r\nWGS 1984 (GPS) ,217, 6378137, 298.257223563, 0, 0, 0\r\n"
        "USER GRID, 0, 0, 0, 0, 0\r\n\r\n";
    unsigned semilla = 12345;
    const auto azar = [&semilla](int n) {
      semilla = semilla * 1103515245u + 12345u;
      return static_cast<int>((semilla >> 16) % static_cast<unsigned>(n));
    };
    double x = 612000.0, y = 4734000.0, z = 400.0;
    for (int i = 0; i < kMaximoDePuntos; ++i) {
      x += (azar(200) - 80) / 10.0;
      y += (azar(200) - 90) / 10.0;
      z += (azar(100) - 45) / 10.0;
      char linea[160];
      std::snprintf(linea, sizeof linea,
                    "t,utm,30T,%.1f,%.1f,01/05/2009,%02d:%02d:%02d,%.1f,%d\r\n", x, y,
                    (i / 3600) % 24, (i / 60) % 60, i % 60, z, i == 0 ? 1 : 0);
      trackmaker += linea;
      std::snprintf(linea, sizeof linea, "%.1f,%.1f\r\n", x, y);
      sitna += linea;
      std::snprintf(linea, sizeof linea, "%s%.0f,%.0f", i == 0 ? "" : "\r\n", x, y);
      pegado += linea;
    }
    ruta_trackmaker = Guarda("trackmaker", trackmaker);
    ruta_sitna = Guarda("sitna", sitna);
    gpx = EscribeGpx(LeeTrackMaker(trackmaker), "paseo", proyeccion());
    ruta_gpx = Guarda("gpx", gpx);
  }
  ~Datos() {
    std::remove(ruta_trackmaker.c_str());
    std::remove(ruta_sitna.c_str());
    std::remove(ruta_gpx.c_str());
  }

  // PROJ's transformation, made once for every benchmark that reads or writes GPX.
  static Proyeccion& proyeccion() {
    static Proyeccion p;
    return p;
  }

  static std::string Guarda(const char* nombre, const std::string& texto) {
    const std::string ruta = "/tmp/ruvek-bench-" + std::to_string(getpid()) + "-" + nombre + ".txt";
    std::FILE* f = std::fopen(ruta.c_str(), "wb");
    std::fwrite(texto.data(), 1, texto.size(), f);
    std::fclose(f);
    return ruta;
  }
};

const Datos& datos() {
  static const Datos d;
  return d;
}

// The track of a file, read as the open command reads it.
Track LeeArchivo(const std::string& ruta) {
  const std::string bytes = LeeEntrada(ruta);
  return Lee(FormatoPorContenido(bytes), bytes, Datos::proyeccion()).track;
}

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
  const Track t = LeeArchivo(datos().ruta_trackmaker);
  for (auto _ : state) benchmark::DoNotOptimize(EscribeGpx(t, "paseo", Datos::proyeccion()));
}
BENCHMARK(BM_EscribeGpx)->Unit(benchmark::kMillisecond);

// PROJ's set-up, paid once per process at the first GPX: a context and the pipeline with IGN's
// grid (the library stays loaded after the first).
void BM_PreparaProyeccion(benchmark::State& state) {
  for (auto _ : state) {
    Proyeccion p;
    double x = -1.65, y = 42.8;
    p.AUtm(Datum::Ed50, {&x, 1}, {&y, 1});
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
    Datos::proyeccion().CambiaDatum(Datum::Ed50, Datum::Etrs89, x, y);
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
}  // namespace ruvek

BENCHMARK_MAIN();
