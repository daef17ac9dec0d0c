// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace ruvek {

// The windows' measures are kept as their tables give them, in twentieths of a point (1/1440
// inch, which older toolkits called twips): 15 make one logical pixel, so high-DPI screens scale
// the windows as a whole.
inline constexpr int kVeinteavosPorPixel = 15;

// A box given in twentieths of a point, in logical pixels.
inline QRect CajaEnVeinteavos(int izquierda, int arriba, int ancho, int alto) {
  return QRect(izquierda / kVeinteavosPorPixel, arriba / kVeinteavosPorPixel,
               ancho / kVeinteavosPorPixel, alto / kVeinteavosPorPixel);
}

// The one place that chooses the program's bold sans-serif face: a face with the metrics of
// the classic Windows sans serif where Debian installs one, else the default sans serif.
inline QFont FuenteNegrita(double puntos) {
  QFont fuente;
  fuente.setFamilies(
      {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")});
  fuente.setStyleHint(QFont::SansSerif);
  fuente.setPointSizeF(puntos);
  fuente.setBold(true);
  return fuente;
}

// The windows' default font: the same face, regular, at 8 points.
inline QFont FuenteVentana() {
  QFont fuente = FuenteNegrita(8);
  fuente.setBold(false);
  return fuente;
}

}  // namespace ruvek
