// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/perfil.h"

#include <expat.h>
#include <gtest/gtest.h>

#include <cmath>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <sstream>
#include <vector>

#include "test_util.h"

using namespace ruvek;

namespace {

// The distances from the first point the analysis takes to each, on the grid.
std::vector<double> EnElPlano(const Track& t) {
  const std::span<const Punto> p = PuntosHastaElFinal(t);
  std::vector<double> d(p.size(), 0.0);
  for (std::size_t i = 1; i < p.size(); ++i) {
    d[i] = d[i - 1] + std::hypot(p[i].x.EnDouble() - p[i - 1].x.EnDouble(),
                                 p[i].y.EnDouble() - p[i - 1].y.EnDouble());
  }
  return d;
}

}  // namespace

namespace {

// What a reader of the picture sees, from the SVG parsed as XML: the tick labels of each axis,
// the vertices of the one polyline, the marks with their altitudes, and the title lines.
struct Lectura {
  std::string abscisas, ordenadas, marcas, textos;
  std::string lados;  // each mark's text above its point, "^", or below, "v"
  int polilineas = 0;
  std::vector<double> xs, ys, cy;          // the line's vertices, the marks' heights
  std::vector<double> ejes;                // the ends of the axes' lines: x1, y1, x2, y2...
  std::vector<double> y_marcas, y_textos;  // the baselines of the marks' texts, of the titles'
  double y = 0;                            // the last text's baseline
  bool en_ejes = false;  // within the group of the axes (drawn darker than the grid)
  bool bien_formado = false;
  std::string* actual = nullptr;
};

Lectura Lee(const std::string& svg) {
  Lectura l;
  XML_Parser p = XML_ParserCreate(nullptr);
  XML_SetUserData(p, &l);
  XML_SetElementHandler(
      p,
      [](void* yo, const char* nombre, const char** a) {
        auto& l = *static_cast<Lectura*>(yo);
        l.actual = nullptr;
        l.polilineas += std::strcmp(nombre, "polyline") == 0;
        for (const char** b = a; *b != nullptr; b += 2) {
          if (std::strcmp(b[0], "cy") == 0) l.cy.push_back(std::stod(b[1]));
          if (std::strcmp(nombre, "g") == 0 && std::strcmp(b[0], "stroke") == 0)
            l.en_ejes = std::strcmp(b[1], "#555555") == 0;
          if (l.en_ejes && std::strcmp(nombre, "line") == 0) l.ejes.push_back(std::stod(b[1]));
          const bool linea = std::strcmp(nombre, "polyline") == 0;
          std::istringstream in(linea && std::strcmp(b[0], "points") == 0 ? b[1] : "");
          for (double x, y; in >> x && in.ignore() >> y;) l.xs.push_back(x), l.ys.push_back(y);
        }
        if (std::strcmp(nombre, "text") != 0) return;
        l.actual = &l.textos;  // the title lines: no anchor, their own colour
        for (; *a != nullptr; a += 2) {
          const std::string_view clave = a[0], valor = a[1];
          if (clave == "y") l.y = std::stod(a[1]);
          if (clave == "text-anchor") l.actual = valor == "end" ? &l.ordenadas : &l.abscisas;
          if (clave == "fill" && valor != "#333333") l.actual = &l.marcas;
        }
        if (!l.actual->empty()) *l.actual += "|";
        if (l.actual == &l.marcas) {
          l.y_marcas.push_back(l.y);
          l.lados += l.y < l.cy.back() ? '^' : 'v';
        }
        if (l.actual == &l.textos) l.y_textos.push_back(l.y);
      },
      [](void* yo, const char*) { static_cast<Lectura*>(yo)->actual = nullptr; });
  XML_SetCharacterDataHandler(p, [](void* yo, const char* s, int n) {
    auto& l = *static_cast<Lectura*>(yo);
    if (l.actual != nullptr) l.actual->append(s, std::size_t(n));
  });
  l.bien_formado = XML_Parse(p, svg.data(), int(svg.size()), 1) == XML_STATUS_OK;
  XML_ParserFree(p);
  return l;
}

// The line within the plot its axes bound, from their left edge to their right, the two marks on
// its extremes; the plot within the picture.
void CompruebaLinea(const Lectura& l, int ancho, int alto) {
  ASSERT_EQ(l.ejes.size(), 8u);  // two lines
  const auto [x0, x1] = std::minmax({l.ejes[0], l.ejes[2], l.ejes[4], l.ejes[6]});
  const auto [y0, y1] = std::minmax({l.ejes[1], l.ejes[3], l.ejes[5], l.ejes[7]});
  // Room left of the plot for the altitudes' labels, below it for the distances', above for the
  // title and summary.
  EXPECT_EQ((std::vector<double>{x0, y0, ancho - x1, alto - y1}),
            (std::vector<double>{64, 58, 24, 46}));
  for (std::size_t i = 0; i < l.xs.size(); ++i) {
    EXPECT_TRUE(l.xs[i] >= x0 && l.xs[i] <= x1 && l.ys[i] >= y0 && l.ys[i] <= y1);
  }
  EXPECT_EQ(l.xs.front(), x0);
  EXPECT_EQ(l.xs.back(), l.xs.size() > 1 ? x1 : x0);
  const auto [arriba, abajo] = std::minmax_element(l.ys.begin(), l.ys.end());
  EXPECT_EQ(l.cy, (std::vector<double>{*arriba, *abajo}));
  // Their altitudes written within the plot: below the title's lines, above the axis.
  for (const double y : l.y_marcas) {
    EXPECT_TRUE(y > *std::max_element(l.y_textos.begin(), l.y_textos.end()) && y < y1) << y;
  }
}

std::string Describe(const Track& t, int ancho = kAnchoPerfil, int alto = kAltoPerfil) {
  const std::string svg = PerfilSvg(t, EnElPlano(t), "paseo <1>.gpx", ancho, alto);
  // Every place in the picture to a tenth of a pixel, and no finer: the text stays small.
  const auto cifra = [&svg](std::size_t i) {
    return i < svg.size() && std::isdigit(static_cast<unsigned char>(svg[i]));
  };
  for (std::size_t i = svg.find('.'); i != std::string::npos; i = svg.find('.', i + 1)) {
    EXPECT_FALSE(i > 0 && cifra(i - 1) && cifra(i + 1) && cifra(i + 2))
        << svg.substr(i - std::min<std::size_t>(i, 8), 20);
  }
  const Lectura l = Lee(svg);
  CompruebaLinea(l, ancho, alto);
  std::string d = l.bien_formado ? "x=" : "roto x=";
  d.append(l.abscisas).append(" y=").append(l.ordenadas).append(" v=");
  d.append(std::to_string(l.xs.size())).append(" marcas=").append(l.marcas).append(" ");
  d.append(l.lados).append(" ");
  return d.append(l.textos);
}

}  // namespace

// Known tracks drawn as they should be (see the table): XML, ticks, vertices, marks and lines.
TEST(Perfil, TicksMarksAndTheLine) {
  for (const auto& [puntos, esperado] : test::Casos("perfil.txt")) {
    EXPECT_EQ(Describe(test::Puntos(puntos)), esperado) << puntos;
  }
  // The narrowest picture: as many distance ticks as fit.
  EXPECT_EQ(Describe(test::Puntos("600000,4700000,100 605000,4700000,1000"), 240, 140).substr(0, 8),
            "x=0|5|Di");
}

// 10,000 points, the lowest within a column of pixels: the same bytes every time, one vertex or a
// few per column, and well within 200 KB.
TEST(Perfil, AWholeTrackIsSmallAndTheSameEveryTime) {
  Track t{.puntos = {}, .con_altitudes = true};
  for (int i = 0; i < kMaximoDePuntos; ++i) {
    t.puntos.push_back({ValorFijo::Entero(600000 + i * 7), ValorFijo::Entero(4700000 + i * 3),
                        ValorFijo::Entero(500 + (i % 40) * (i % 7) + i / 20 - (i == 5003) * 300)});
  }
  const std::string svg = PerfilSvg(t, EnElPlano(t), "largo");
  EXPECT_EQ(svg, PerfilSvg(t, EnElPlano(t), "largo"));
  EXPECT_LT(svg.size(), 200'000u);
  const Lectura l = Lee(svg);
  EXPECT_TRUE(l.bien_formado);
  EXPECT_EQ(l.polilineas, 1);
  CompruebaLinea(l, kAnchoPerfil, kAltoPerfil);
  EXPECT_GT(l.xs.size(), kAnchoPerfil - 100u);
  EXPECT_LE(l.xs.size(), 4u * kAnchoPerfil);
  const auto [bajo, alto] = std::minmax_element(
      t.puntos.begin(), t.puntos.end(), [](auto& a, auto& b) { return a.altitud < b.altitud; });
  EXPECT_EQ(l.marcas, alto->altitud.Texto() + " m|" + bajo->altitud.Texto() + " m");
}

TEST(Perfil, NoAltitudesNoPicture) {
  for (const Track& t : {test::Puntos("600000,4700000", false), test::Puntos(""),
                         test::Puntos("0,4700000,5 600000,4700000,6")}) {
    EXPECT_EQ(test::Resultado([&] { return PerfilSvg(t, EnElPlano(t), "x"); }), "falta un campo@0");
  }
  EXPECT_EQ(Kilometros(1000050), "1000,1");
}
