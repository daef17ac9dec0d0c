// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace ruvek {

// Layout measures are kept in twips, as the window tables give them: 15 twips make one logical
// pixel, so high-DPI screens scale the windows as a whole.
inline constexpr int kTwipsPorPixel = 15;

inline QRect Twips(int left, int top, int width, int height) {
  return QRect(left / kTwipsPorPixel, top / kTwipsPorPixel, width / kTwipsPorPixel,
               height / kTwipsPorPixel);
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
