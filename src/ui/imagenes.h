// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace ruvek {

// The program's pictures, drawn by tools/make_pictures.py into src/ui/pictures.
QIcon IconoVentana();
QPixmap ImagenPrincipal();
QPixmap ImagenCerrar();

}  // namespace ruvek
