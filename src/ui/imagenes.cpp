// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/imagenes.h"

namespace ruvek {

QIcon IconoVentana() {
  QIcon icono;
  icono.addFile(QStringLiteral(":/pictures/icon-16.png"), QSize(16, 16));
  icono.addFile(QStringLiteral(":/pictures/icon-32.png"), QSize(32, 32));
  return icono;
}

QPixmap ImagenPrincipal() { return QPixmap(QStringLiteral(":/pictures/principal.png")); }

QPixmap ImagenCerrar() { return QPixmap(QStringLiteral(":/pictures/cerrar.png")); }

}  // namespace ruvek
