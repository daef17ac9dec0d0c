// SPDX-License-Identifier: GPL-3.0-or-later
// The track loader over arbitrary file bytes; a complete Sitna load written back loads again
// to the same table.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "core/errors.h"
#include "formats/abrir_txt.h"
#include "formats/writers.h"
#include "fuzz_common.h"

using namespace ruvek;

namespace {

// Loads `bytes` through a file of this process in the working folder, removed afterwards.
std::optional<ResultadoCarga> Carga(Module1& m, const std::string& bytes) {
  m.ArchivoActual = "ruvek-fuzz-" + std::to_string(getpid()) + ".txt";
  std::FILE* f = std::fopen(m.ArchivoActual.c_str(), "wb");
  fuzz::Exige(f != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() &&
                  std::fclose(f) == 0,
              "cannot write the input file");
  m.TablaPuntos.Borra();
  std::optional<ResultadoCarga> carga;
  try {
    carga = AbrirTXT(m);
    fuzz::Exige(carga.has_value(), "a named file gave no result");
  } catch (const Error&) {
    // Every kind of Error is a way out the loader has; anything else is a finding.
  }
  std::remove(m.ArchivoActual.c_str());
  return carga;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Module1& m = *new Module1;
  static Module1& otra = *new Module1;
  m.NumPuntos = 0;
  const auto carga = Carga(m, std::string(reinterpret_cast<const char*>(data), size));
  fuzz::CompruebaTabla(m);
  if (carga && carga->tipo == TipoArchivo::Sitna) {
    fuzz::Exige(Carga(otra, TextoSitna(m)).has_value(), "a written Sitna file does not load");
    fuzz::Exige(otra.NumPuntos == m.NumPuntos && fuzz::MismasFilas(m, otra, m.NumPuntos),
                "the written file loads to another table");
  }
  return 0;
}
