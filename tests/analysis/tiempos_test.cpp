// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/tiempos.h"

#include <gtest/gtest.h>

#include <sstream>

#include "test_util.h"

using namespace ruvek;

TEST(Tiempos, DurationMovingTimeAndPauses) {
  for (const auto& [puntos, esperado] : test::Casos("movimiento.txt")) {
    Recorrido r = UnSegmento(kMetrosEd50, {});
    std::vector<double> d;
    std::istringstream in(puntos);
    for (std::string p; in >> p;) {
      if (p == "|") {
        r.trazas.front().segmentos.emplace_back();
        continue;
      }
      const std::string t = p.substr(p.find('@') + 1);
      d.push_back(std::stod(p));
      const double s = t == "-" ? 0 : std::stod(t), entero = std::floor(s);
      r.trazas.front().segmentos.back().push_back(
          {d.back(), 0, std::nullopt,
           t == "-"
               ? std::nullopt
               : std::optional(Instante{std::int64_t(entero), std::int32_t((s - entero) * 1e9), 1}),
           std::int32_t(d.size()), 0, 0});
    }
    const auto m = MovimientoDe(r, d.size(), d);
    std::string dicho = "ninguno";
    if (const auto* s = std::get_if<SinTiempos>(&m)) {
      dicho = "sin " + std::to_string(s->punto) + " línea " + std::to_string(s->linea) +
              (s->hacia_atras ? " atrás" : "");
    }
    if (const auto* v = std::get_if<Movimiento>(&m)) {
      std::ostringstream cifras;
      cifras << v->duracion << ' ' << v->en_movimiento;
      dicho = cifras.str();
    }
    EXPECT_EQ(dicho, esperado) << puntos;
  }
}

// DIN 33466: the larger of the horizontal and vertical hours and half the smaller, to the minute.
TEST(Tiempos, WalkingTimeAndHowFiguresAreWritten) {
  const auto estimado = [](double metros, int subida, int bajada) {
    ResultadoAnalisis r;
    r.total_subida = FijoAncho(subida) * kDiezmilesimasPorUnidad;
    r.total_bajada = FijoAncho(bajada) * kDiezmilesimasPorUnidad;
    return HorasMinutos(TiempoEstimado(metros, r));
  };
  EXPECT_EQ(estimado(12000, 0, 0), "3:00");    // flat: 12 km at 4 km/h
  EXPECT_EQ(estimado(8000, 900, 0), "4:00");   // climbing: 3 h up, and half of 2 h
  EXPECT_EQ(estimado(8000, 0, 1000), "3:00");  // descending: 2 h down, and half of 2 h
  EXPECT_EQ(estimado(10, 0, 0), "0:00");
  EXPECT_EQ(estimado(33.3334, 0, 0), "0:01");  // half a minute, up
  EXPECT_EQ(estimado(33.3, 0, 0), "0:00");
  EXPECT_EQ(HorasMinutosSegundos(3909.5), "1:05:10");
  EXPECT_EQ(HorasMinutosSegundos(36000 * 10 + 59.4), "100:00:59");
  EXPECT_EQ(KilometrosPorHora(12530, 3600 * 2.9), "4.3");
  EXPECT_EQ(KilometrosPorHora(125, 100), "4.5");  // 4.5 exactly, away from zero
  EXPECT_EQ(KilometrosPorHora(12530, 0), std::nullopt);
}
