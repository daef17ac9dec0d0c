// SPDX-License-Identifier: GPL-3.0-or-later
// ruvek-cli: converts and analyses tracks from a terminal or a script, with the same reading,
// writing and analysis as the windows. Each order lives in its own file; this one only
// dispatches.
#include <csignal>
#include <cstdlib>

#include "cli/entradas_y_salidas.h"
#include "cli/opciones.h"
#include "cli/orden_analyze.h"
#include "cli/orden_convert.h"
#include "cli/orden_profile.h"

namespace {

int Ejecuta(int argc, char** argv, ruvek::Proyeccion& proyeccion) {
  using namespace ruvek::cli;
  const std::shared_ptr<CLI::App> app = NuevaAplicacion();
  OrdenConvert convert(*app);
  OrdenAnalyze analyze(*app);
  OrdenProfile profile(*app);
  if (const std::optional<int> estado = Interpreta(*app, argc, argv)) return *estado;
  if (convert.Pedida()) return convert.Ejecuta(proyeccion);
  if (analyze.Pedida()) return analyze.Ejecuta(proyeccion);
  if (profile.Pedida()) return profile.Ejecuta(proyeccion);
  return ErrorDeUso("falta la orden: convert, analyze o profile");
}

}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGXFSZ, SIG_IGN);  // a file beyond the size limit fails to write, and says so
  ruvek::Proyeccion proyeccion;   // PROJ, loaded at the first layout in degrees or datum changed
  int estado = Ejecuta(argc, argv, proyeccion);
  if (estado == 0 && !ruvek::cli::VaciaSalidaEstandar()) estado = 1;
  std::_Exit(estado);
}
