// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/precision.h"
#include "formats/formatos.h"
#include "test_util.h"

using namespace ruvek;

namespace {

std::string Punto(const Posicion& p) {
  std::string texto;
  AnadeNumeroLeido(texto, p.x);
  texto += ' ';
  AnadeNumeroLeido(texto, p.y);
  if (p.altitud) AnadeNumeroLeido(texto += ' ', *p.altitud);
  if (p.tiempo) texto += " @" + TextoInstante(*p.tiempo);
  return texto;
}

// A recorrido in one line: its tracks, then its waypoints (see ida_y_vuelta.txt).
std::string Resumen(const Recorrido& r) {
  std::string texto;
  for (const Traza& t : r.trazas) {
    texto += (texto.empty() ? "«" : " | «") + t.nombre + "»: ";
    for (std::size_t k = 0; k < t.segmentos.size(); ++k) {
      for (std::size_t i = 0; i < t.segmentos[k].size(); ++i) {
        texto += (i > 0 ? ", " : k > 0 ? " / " : "") + Punto(t.segmentos[k][i]);
      }
    }
  }
  for (const Waypoint& w : r.waypoints) {
    texto += (texto.empty() ? "wpt «" : " | wpt «") + w.nombre + "»: " + Punto(w.posicion);
  }
  return texto;
}

}  // namespace

// What a file in degrees holds is read whole, and written in every layout in degrees reads back
// the same: positions as the numbers they were read as, altitudes, times, names, segments and
// waypoints.
TEST(Recorrido, EveryLayoutInDegreesGivesBackWhatItRead) {
  for (std::vector<std::string>& fila : test::Filas("ida_y_vuelta.txt")) {
    fila.resize(3);
    const std::string &bytes = fila[0], &esperado = fila[1];
    const std::string leido =
        test::Resultado([&] { return Resumen(FormatoPorContenido(bytes).lee(bytes)); });
    ASSERT_EQ(leido, esperado) << bytes;
    if (esperado.find("«") == std::string::npos) continue;  // an error
    const Recorrido r = FormatoPorContenido(bytes).lee(bytes);
    for (const Formato f : {Formato::Gpx, Formato::Kml, Formato::GeoJson}) {
      const FichaDeFormato& ficha = Ficha(f);
      const std::string escrito = ficha.escribe(r);
      EXPECT_EQ(FormatoPorContenido(escrito).formato, f);
      EXPECT_EQ(Resumen(ficha.lee(escrito)),
                f == Formato::Kml && !fila[2].empty() ? fila[2] : esperado)
          << ficha.nombre << ": " << escrito;
    }
  }
}
