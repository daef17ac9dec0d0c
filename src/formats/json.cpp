// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/json.h"

#include <rapidjson/error/en.h>

namespace ruvek {

std::string RazonJson(rapidjson::ParseErrorCode codigo) {
  switch (codigo) {
    case rapidjson::kParseErrorDocumentEmpty:
      return "está vacío";
    case rapidjson::kParseErrorDocumentRootNotSingular:
      return "hay algo más tras el final del documento";
    case rapidjson::kParseErrorValueInvalid:
      return "hay un valor no válido";
    case rapidjson::kParseErrorObjectMissName:
    case rapidjson::kParseErrorObjectMissColon:
    case rapidjson::kParseErrorObjectMissCommaOrCurlyBracket:
      return "a un objeto le falta un nombre, dos puntos, una coma o su cierre";
    case rapidjson::kParseErrorArrayMissCommaOrSquareBracket:
      return "a una lista le falta una coma o su cierre";
    case rapidjson::kParseErrorStringMissQuotationMark:
      return "un texto no se cierra";
    case rapidjson::kParseErrorStringUnicodeEscapeInvalidHex:
    case rapidjson::kParseErrorStringUnicodeSurrogateInvalid:
    case rapidjson::kParseErrorStringEscapeInvalid:
    case rapidjson::kParseErrorStringInvalidEncoding:
      return "un texto tiene un carácter no válido";
    case rapidjson::kParseErrorNumberTooBig:
    case rapidjson::kParseErrorNumberMissFraction:
    case rapidjson::kParseErrorNumberMissExponent:
      return "un número está mal escrito";
    case rapidjson::kParseErrorNone:
    case rapidjson::kParseErrorTermination:
    case rapidjson::kParseErrorUnspecificSyntaxError:
      break;
  }
  // Rare: said in Spanish, with RapidJSON's own words for whoever looks it up.
  return std::string("el lector de JSON lo rechaza (") + rapidjson::GetParseError_En(codigo) + ")";
}

}  // namespace ruvek
