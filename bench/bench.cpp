// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of everything that touches a full-size track: 10,000 points with realistic UTM zone
// 30T values, fractional fields and CR LF line ends.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "analysis/analisis.h"
#include "clipboard/portapapeles.h"
#include "formats/abrir_txt.h"
#include "formats/gpx.h"
#include "formats/writers.h"

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
    for (int i = 0; i < MaxPuntos; ++i) {
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
    Module1 m;
    m.ArchivoActual = ruta_trackmaker;
    AbrirTXT(m);
    gpx = TextoGpx(m, "paseo", true, proyeccion());
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

Module1& CargadoDe(const std::string& ruta) {
  static Module1 m;
  m.TablaPuntos.Borra();
  m.ArchivoActual = ruta;
  AbrirTXT(m);
  return m;
}

void Carga(benchmark::State& state, const std::string& ruta, const std::string& texto) {
  Module1 m;
  m.ArchivoActual = ruta;
  for (auto _ : state) {
    benchmark::DoNotOptimize(AbrirTXT(m));
  }
  if (m.NumPuntos != MaxPuntos) state.SkipWithError("the track did not load whole");
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

void BM_CargaGpx(benchmark::State& state) {
  Module1 m;
  m.ArchivoActual = datos().ruta_gpx;
  for (auto _ : state) benchmark::DoNotOptimize(AbrirGPX(m, Datos::proyeccion()));
  if (m.NumPuntos != MaxPuntos) state.SkipWithError("the GPX did not load whole");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * datos().gpx.size()));
}
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

void BM_TextoGpx(benchmark::State& state) {
  const Module1& m = CargadoDe(datos().ruta_trackmaker);
  for (auto _ : state) benchmark::DoNotOptimize(TextoGpx(m, "paseo", true, Datos::proyeccion()));
}
BENCHMARK(BM_TextoGpx)->Unit(benchmark::kMillisecond);

// PROJ's set-up, paid once per process at the first GPX: loading the library and choosing
// the operations from its database.
void BM_PreparaProyeccion(benchmark::State& state) {
  for (auto _ : state) {
    Proyeccion p;
    double x = -1.65, y = 42.8;
    p.AUtm({&x, 1}, {&y, 1});
  }
}
BENCHMARK(BM_PreparaProyeccion)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_TextoSitna(benchmark::State& state) {
  const Module1& m = CargadoDe(datos().ruta_trackmaker);
  for (auto _ : state) benchmark::DoNotOptimize(TextoSitna(m));
}
BENCHMARK(BM_TextoSitna);

void BM_TextoTrackMaker(benchmark::State& state) {
  const Module1& m = CargadoDe(datos().ruta_sitna);
  for (auto _ : state) benchmark::DoNotOptimize(TextoTrackMaker(m));
}
BENCHMARK(BM_TextoTrackMaker);

void BM_TextoPortapapeles(benchmark::State& state) {
  const Module1& m = CargadoDe(datos().ruta_sitna);
  for (auto _ : state) benchmark::DoNotOptimize(TextoPortapapeles(m));
}
BENCHMARK(BM_TextoPortapapeles);

void BM_LeeTextoPegado(benchmark::State& state) {
  Module1 m;
  for (auto _ : state) LeeTextoPegado(datos().pegado, m);
  if (m.NumPuntos != MaxPuntos) state.SkipWithError("the text did not parse whole");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * datos().pegado.size()));
}
BENCHMARK(BM_LeeTextoPegado);

void BM_Analiza(benchmark::State& state) {
  const Module1& m = CargadoDe(datos().ruta_trackmaker);
  for (auto _ : state) benchmark::DoNotOptimize(Analiza(m.TablaPuntos));
}
BENCHMARK(BM_Analiza);

void BM_Borra(benchmark::State& state) {
  TablaPuntos tabla;
  for (auto _ : state) {
    tabla.Borra();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Borra);

}  // namespace
}  // namespace ruvek

BENCHMARK_MAIN();
