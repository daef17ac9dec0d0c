// The track loader over arbitrary file bytes; a complete Sitna load written back loads again
// to the same table.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/errors.h"
#include "formats/abrir_txt.h"
#include "formats/writers.h"
#include "fuzz_common.h"

using namespace ruvek;

namespace {

// In the working folder (the fuzz build folder under CTest), one pair per process.
std::string ArchivoTemporal(const char* nombre) {
  return "ruvek-fuzz-" + std::to_string(getpid()) + "-" + nombre + ".txt";
}

void BorraTemporales();

void Escribe(const std::string& path, const void* data, size_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) fuzz::Falla("cannot write the input file");
  if (size > 0 && std::fwrite(data, 1, size, f) != size) fuzz::Falla("cannot write the input file");
  std::fclose(f);
}

void BorraTemporales() {
  std::remove(ArchivoTemporal("entrada").c_str());
  std::remove(ArchivoTemporal("salida").c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string entrada = ArchivoTemporal("entrada");
  static const std::string salida = ArchivoTemporal("salida");
  static const bool borrado_al_salir = std::atexit(BorraTemporales) == 0;
  (void)borrado_al_salir;
  static Module1& m = *new Module1;
  static Module1& otra = *new Module1;

  Escribe(entrada, data, size);
  m.TablaPuntos.Borra();
  m.NumPuntos = 0;
  m.ArchivoActual = entrada;
  std::optional<ResultadoCarga> carga;
  try {
    carga = AbrirTXT(m);
    fuzz::Exige(carga.has_value(), "a named file gave no result");
  } catch (const Error&) {
    // Every kind of Error is a specified way out; anything else escapes and is a finding.
  }
  fuzz::CompruebaTabla(m);

  if (carga && carga->tipo == TipoArchivo::Sitna) {
    const std::string texto = TextoSitna(m);
    Escribe(salida, texto.data(), texto.size());
    otra.TablaPuntos.Borra();
    otra.ArchivoActual = salida;
    try {
      AbrirTXT(otra);
    } catch (const Error&) {
      fuzz::Falla("a written Sitna file does not load");
    }
    fuzz::Exige(otra.NumPuntos == m.NumPuntos, "the written file has another number of points");
    for (int fila = 1; fila <= m.NumPuntos; ++fila) {
      for (Columna c : {ColumnaX, ColumnaY, ColumnaAltitud}) {
        fuzz::Exige(otra.TablaPuntos.Lee(fila, c) == m.TablaPuntos.Lee(fila, c),
                    "the written file loads to another table");
      }
    }
  }
  return 0;
}
