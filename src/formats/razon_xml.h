// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <expat.h>

#include <string>

namespace ruvek {

// Why expat refused a document, in Spanish.
std::string RazonXml(XML_Error codigo);

}  // namespace ruvek
