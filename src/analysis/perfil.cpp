// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/perfil.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "analysis/tiempos.h"
#include "core/texto_xml.h"

namespace ruvek {

namespace {

// The space around the plot: the title and summary above, the ticks' labels left and below.
constexpr double kIzquierda = 64, kDerecha = 24, kArriba = 58, kAbajo = 46;

// A number with at most `decimales` decimals.
std::string Numero(double v, int decimales) {
  std::string s;
  AnadeDecimalesCortos(s, v, decimales);
  return s;
}

// Round ticks over [min, max]: a step of 1, 2 or 5 times a power of ten giving at most
// `cuantas` intervals. An altitude axis widens to whole steps (and to 10 m at least); the
// distance axis ends at the track's end, its last tick at or before it.
struct Escala {
  double desde, hasta, paso;
  Escala(double min, double max, int cuantas, bool redondeada) {
    if (redondeada && max - min < 10) {
      min = (min + max) / 2 - 5;
      max = min + 10;
    }
    if (max - min < 1e-9) max = min + 1;  // a single point: a kilometre
    const double bruto = (max - min) / std::max(cuantas, 1);
    const double potencia = std::pow(10, std::floor(std::log10(bruto)));
    paso = potencia;
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
      paso = m * potencia;
      if (paso >= bruto * (1 - 1e-9)) break;
    }
    desde = redondeada ? std::floor(min / paso + 1e-9) * paso : min;
    hasta = redondeada ? std::ceil(max / paso - 1e-9) * paso : max;
  }
  int Intervalos() const { return int(std::floor((hasta - desde) / paso + 1e-6)); }
  int Decimales() const { return paso >= 1 ? 0 : int(std::ceil(-std::log10(paso) - 1e-9)); }
};

// A tick's label: decimals as the step needs, a comma for the separator.
std::string Rotulo(double v, int decimales) { return ConComa(Numero(v, decimales)); }

// A line of text at the top, from the plot's left edge, at `tamano` pixels or smaller so that
// it fits the picture's width (a character of a sans-serif font is some 0.6 of its size wide).
std::string Linea(std::string_view texto, int y, double tamano, int ancho, const char* estilo) {
  std::size_t caracteres = 0;
  for (char c : texto) caracteres += (c & 0xC0) != 0x80;
  const double x = ancho < 480 ? 8 : kIzquierda;
  tamano = std::clamp((ancho - x - 8) / (0.6 * double(caracteres)), 7.0, tamano);
  return "<text x=\"" + Numero(x, 1) + "\" y=\"" + std::to_string(y) + "\" font-size=\"" +
         Numero(tamano, 1) + "\"" + estilo + ">" + TextoXml(texto) + "</text>\n";
}

}  // namespace

std::string Kilometros(double metros) {
  return ConComa(Decimales(std::round(metros / 100) / 10, 1));
}

std::string PerfilSvg(const Track& track, std::span<const double> distancias,
                      std::string_view titulo, int ancho, int alto, std::optional<int> umbral,
                      std::optional<double> duracion) {
  const std::span<const Punto> puntos = PuntosHastaElFinal(track);
  if (!track.con_altitudes || puntos.empty()) {
    throw Error(TipoDeError::FaltaUnCampo, kNoPuedeAnalizarse);
  }
  if (distancias.size() != puntos.size()) {
    throw std::invalid_argument("PerfilSvg: una distancia por punto");
  }
  const std::span<const double> d = distancias;
  const ResultadoAnalisis r = AnalizaAltitudes(track, umbral);
  const double x0 = kIzquierda, x1 = ancho - kDerecha, y0 = kArriba, y1 = alto - kAbajo;
  const Escala ex(0, d.back() / 1000, std::max(2, int((x1 - x0) / 70)), false);
  const Escala ey(r.minima->EnDouble(), r.maxima->EnDouble(), std::max(3, int((y1 - y0) / 32)),
                  true);
  const auto px = [&](double metros) {
    return x0 + (metros / 1000 - ex.desde) / (ex.hasta - ex.desde) * (x1 - x0);
  };
  const auto py = [&](ValorFijo a) {
    return y1 - (a.EnDouble() - ey.desde) / (ey.hasta - ey.desde) * (y1 - y0);
  };

  std::string salida =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
      std::to_string(ancho) + "\" height=\"" + std::to_string(alto) + "\" viewBox=\"0 0 " +
      std::to_string(ancho) + " " + std::to_string(alto) +
      "\" font-family=\"sans-serif\" font-size=\"11\">\n"
      "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
  const std::string resumen = Kilometros(d.back()) + " km · subida total " +
                              EnMetros(r.total_subida) + " · bajada total " +
                              EnMetros(r.total_bajada) +
                              (duracion ? " · duración " + HorasMinutosSegundos(*duracion) : "") +
                              " · tiempo estimado " + HorasMinutos(TiempoEstimado(d.back(), r));
  salida += Linea(titulo, 20, 15, ancho, " font-weight=\"bold\"");
  salida += Linea(resumen, 40, 12, ancho, " fill=\"#333333\"");

  // The grid and the ticks of both axes, and their titles.
  salida += "<g stroke=\"#e3e3e3\" stroke-width=\"1\">";
  std::string rotulos = "<g fill=\"#333333\">";
  for (int k = 0; k <= ey.Intervalos(); ++k) {
    const double v = ey.desde + k * ey.paso;
    const double y = y1 - (v - ey.desde) / (ey.hasta - ey.desde) * (y1 - y0);
    salida += "<line x1=\"" + Numero(x0, 1) + "\" y1=\"" + Numero(y, 1) + "\" x2=\"" +
              Numero(x1, 1) + "\" y2=\"" + Numero(y, 1) + "\"/>";
    rotulos += "<text x=\"" + Numero(x0 - 6, 1) + "\" y=\"" + Numero(y + 4, 1) +
               "\" text-anchor=\"end\">" + Rotulo(v, ey.Decimales()) + "</text>";
  }
  for (int k = 0; k <= ex.Intervalos(); ++k) {
    const double v = ex.desde + k * ex.paso;
    const double x = px(v * 1000);
    salida += "<line x1=\"" + Numero(x, 1) + "\" y1=\"" + Numero(y0, 1) + "\" x2=\"" +
              Numero(x, 1) + "\" y2=\"" + Numero(y1, 1) + "\"/>";
    rotulos += "<text x=\"" + Numero(x, 1) + "\" y=\"" + Numero(y1 + 16, 1) +
               "\" text-anchor=\"middle\">" + Rotulo(v, ex.Decimales()) + "</text>";
  }
  salida += "</g>\n" + rotulos + "</g>\n";
  salida += "<text x=\"" + Numero((x0 + x1) / 2, 1) + "\" y=\"" + Numero(alto - 8.0, 1) +
            "\" text-anchor=\"middle\" font-size=\"12\">Distancia (km)</text>\n";
  salida += "<text transform=\"translate(16 " + Numero((y0 + y1) / 2, 1) +
            ") rotate(-90)\" text-anchor=\"middle\" font-size=\"12\">Altitud (m)</text>\n";

  // The line: of the points in each column of pixels, the first, the lowest, the highest and
  // the last, in their order.
  std::vector<std::pair<double, double>> linea;
  for (std::size_t i = 0; i < puntos.size();) {
    const double columna = std::floor(px(d[i]));
    std::size_t fin = i, bajo = i, alto_ = i;
    while (fin < puntos.size() && std::floor(px(d[fin])) == columna) {
      if (puntos[fin].altitud < puntos[bajo].altitud) bajo = fin;
      if (puntos[fin].altitud > puntos[alto_].altitud) alto_ = fin;
      ++fin;
    }
    std::vector<std::size_t> tomados{i, bajo, alto_, fin - 1};
    std::sort(tomados.begin(), tomados.end());
    tomados.erase(std::unique(tomados.begin(), tomados.end()), tomados.end());
    for (std::size_t k : tomados) linea.emplace_back(px(d[k]), py(puntos[k].altitud));
    i = fin;
  }
  std::string vertices;
  for (const auto& [x, y] : linea) {
    if (!vertices.empty()) vertices += ' ';
    AnadeDecimalesCortos(vertices, x, 1);
    vertices += ',';
    AnadeDecimalesCortos(vertices, y, 1);
  }
  salida += "<polygon fill=\"#d6e6f5\" points=\"" + Numero(linea.front().first, 1) + "," +
            Numero(y1, 1) + " " + vertices + " " + Numero(linea.back().first, 1) + "," +
            Numero(y1, 1) + "\"/>\n";
  salida +=
      "<polyline fill=\"none\" stroke=\"#1f5f9e\" stroke-width=\"1.5\" "
      "stroke-linejoin=\"round\" points=\"" +
      vertices + "\"/>\n";
  salida += "<g stroke=\"#555555\" stroke-width=\"1\"><line x1=\"" + Numero(x0, 1) + "\" y1=\"" +
            Numero(y1, 1) + "\" x2=\"" + Numero(x1, 1) + "\" y2=\"" + Numero(y1, 1) +
            "\"/><line x1=\"" + Numero(x0, 1) + "\" y1=\"" + Numero(y0, 1) + "\" x2=\"" +
            Numero(x0, 1) + "\" y2=\"" + Numero(y1, 1) + "\"/></g>\n";

  // The highest and the lowest point, each at its first place, with its altitude.
  for (const bool maximo : {true, false}) {
    const ValorFijo a = maximo ? *r.maxima : *r.minima;
    std::size_t i = 0;
    while (puntos[i].altitud != a) ++i;
    const double x = px(d[i]), y = py(a);
    const char* ancla = x < x0 + 40 ? "start" : x > x1 - 40 ? "end" : "middle";
    const char* color = maximo ? "#b03a2e" : "#2e7d32";
    // Above the highest and below the lowest, unless that leaves the plot.
    const auto AlturaDelRotulo = [&](bool arriba, double y) {
      if (arriba && y - 7 < y0 - 8) arriba = false;
      if (!arriba && y + 15 > y1 - 2) arriba = true;
      return arriba ? y - 7 : y + 15;
    };
    salida += std::string("<circle cx=\"") + Numero(x, 1) + "\" cy=\"" + Numero(y, 1) +
              "\" r=\"3.5\" fill=\"" + color + "\"/><text x=\"" + Numero(x, 1) + "\" y=\"" +
              Numero(AlturaDelRotulo(maximo, y), 1) + "\" text-anchor=\"" + ancla + "\" fill=\"" +
              color + "\">" + EnMetros(a.diezmilesimas()) + "</text>\n";
  }
  return salida + "</svg>\n";
}

}  // namespace ruvek
