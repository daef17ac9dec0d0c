// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/razon_xml.h"

namespace ruvek {

std::string RazonXml(XML_Error codigo) {
  switch (codigo) {
    case XML_ERROR_NO_ELEMENTS:
      return "no tiene ningún elemento";
    case XML_ERROR_SYNTAX:
    case XML_ERROR_INVALID_TOKEN:
      return "hay un carácter o una marca no válidos";
    case XML_ERROR_UNCLOSED_TOKEN:
    case XML_ERROR_PARTIAL_CHAR:
      return "el archivo se corta a medias";
    case XML_ERROR_TAG_MISMATCH:
      return "una etiqueta no cierra la que se abrió";
    case XML_ERROR_JUNK_AFTER_DOC_ELEMENT:
      return "hay algo más tras el final del documento";
    case XML_ERROR_UNDEFINED_ENTITY:
      return "usa una entidad que no está definida";
    case XML_ERROR_UNBOUND_PREFIX:
      return "usa un prefijo de espacio de nombres sin declarar";
    case XML_ERROR_AMPLIFICATION_LIMIT_BREACH:
    case XML_ERROR_RECURSIVE_ENTITY_REF:
      return "sus entidades se expanden sin medida";
    case XML_ERROR_UNKNOWN_ENCODING:
    case XML_ERROR_INCORRECT_ENCODING:
      return "su codificación no es UTF-8, UTF-16 ni ISO-8859-1";
    default:  // rare: said in Spanish, with expat's own words for whoever looks it up
      return std::string("el lector de XML lo rechaza (") + XML_ErrorString(codigo) + ")";
  }
}

}  // namespace ruvek
