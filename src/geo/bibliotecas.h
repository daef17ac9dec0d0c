// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/bibliotecas.h"

namespace ruvek {

// The libraries of PROJ and GDAL, by the SONAMEs Ruvek was built with (see core/bibliotecas.h);
// Error(Transformacion) when one cannot be loaded.
void* CargaProj();
void* CargaGdal();

}  // namespace ruvek
