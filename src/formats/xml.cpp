// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/xml.h"

#include <algorithm>
#include <cstring>

namespace ruvek {

namespace {

constexpr std::size_t kTrozo = 64 * 1024;  // given to expat at a time
constexpr char kSeparador = '\x01';        // between a namespace and a local name

[[noreturn]] void DemasiadoLargo(const char* que, long linea) {
  throw Error(TipoDeError::DemasiadoLargo,
              std::string(que) + " pasa de " + std::to_string(kLargoMaximoDeTexto) +
                  " bytes: no es un track",
              linea);
}

}  // namespace

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
    // Rare: said in Spanish, with expat's own words for whoever looks it up. Not every code is
    // named: expat adds codes in its releases, and a newer one must not stop the build.
    default:
      return std::string("el lector de XML lo rechaza (") + XML_ErrorString(codigo) + ")";
  }
}

std::string_view RaizXml(std::string_view bytes) {
  bytes = bytes.substr(0, 4096);
  for (std::size_t p = bytes.find('<'); p != bytes.npos; p = bytes.find('<', p + 1)) {
    const std::string_view resto = bytes.substr(p + 1);
    if (resto.starts_with("!--")) {
      p = bytes.find("-->", p);
      if (p == bytes.npos) break;
      continue;
    }
    if (resto.starts_with('?') || resto.starts_with('!')) continue;
    std::string_view nombre = resto.substr(0, resto.find_first_of(" \t\r\n/>"));
    return nombre.substr(nombre.find(':') == nombre.npos ? 0 : nombre.find(':') + 1);
  }
  return {};
}

LectorXml::LectorXml() : parser_(XML_ParserCreateNS(nullptr, kSeparador)) {
  if (parser_ == nullptr) throw Error(TipoDeError::MalFormado, "no hay memoria para leer el XML");
  XML_SetUserData(parser_, this);
  XML_SetElementHandler(parser_, &LectorXml::Abre, &LectorXml::Cierra);
  XML_SetCharacterDataHandler(parser_, &LectorXml::Texto);
  // Comments, processing instructions, declarations: each ends the last tag's bound too.
  XML_SetDefaultHandlerExpand(parser_, [](void* yo, const XML_Char*, int) {
    auto& l = *static_cast<LectorXml*>(yo);
    l.evento_ = XML_GetCurrentByteIndex(l.parser_);
  });
}

LectorXml::~LectorXml() { XML_ParserFree(parser_); }

void LectorXml::Falla(TipoDeError tipo, const std::string& detalle) {
  if (!error_) error_.emplace(tipo, detalle, Linea());
  XML_StopParser(parser_, XML_FALSE);
}

void LectorXml::Falla(const Error& e) {
  if (!error_) error_.emplace(e.linea() > 0 ? e : e.EnLinea(Linea()));
  XML_StopParser(parser_, XML_FALSE);
}

void XMLCALL LectorXml::Abre(void* yo, const XML_Char* nombre, const XML_Char** atributos) {
  auto& l = *static_cast<LectorXml*>(yo);
  if (l.error_) return;  // expat may call on within the tag it stopped at
  l.Avanza();
  for (const XML_Char** a = atributos; *a != nullptr; a += 2) {
    if (std::strlen(a[1]) > kLargoMaximoDeTexto) {
      return l.Falla(
          TipoDeError::DemasiadoLargo,
          "un atributo pasa de " + std::to_string(kLargoMaximoDeTexto) + " bytes: no es un track");
    }
  }
  if (l.profundidad_ == kAnidadoMaximo) {
    return l.Falla(TipoDeError::DemasiadoLargo, "los elementos se anidan a más de " +
                                                    std::to_string(kAnidadoMaximo) + " niveles");
  }
  ++l.profundidad_;
  const std::string_view n = nombre;
  const std::size_t corte = n.find(kSeparador);
  if (corte == n.npos) return l.AlAbrir({}, n, atributos);
  l.AlAbrir(n.substr(0, corte), n.substr(corte + 1), atributos);
}

void XMLCALL LectorXml::Texto(void* yo, const XML_Char* texto, int largo) {
  auto& l = *static_cast<LectorXml*>(yo);
  if (l.error_) return;
  l.evento_ = XML_GetCurrentByteIndex(l.parser_);
  if ((l.texto_ += std::size_t(largo)) > kLargoMaximoDeTexto && !l.TextoLargo()) {
    return l.Falla(
        TipoDeError::DemasiadoLargo,
        "un texto pasa de " + std::to_string(kLargoMaximoDeTexto) + " bytes: no es un track");
  }
  l.AlLeerTexto(std::string_view(texto, std::size_t(largo)));
}

void XMLCALL LectorXml::Cierra(void* yo, const XML_Char*) {
  auto& l = *static_cast<LectorXml*>(yo);
  if (l.error_) return;
  l.Avanza();
  l.AlCerrar();
  --l.profundidad_;
}

void LectorXml::LeeDocumento(std::string_view bytes) {
  for (std::size_t leidos = 0; leidos == 0 || leidos < bytes.size();) {
    const std::size_t n = std::min(kTrozo, bytes.size() - leidos);
    const bool fin = leidos + n == bytes.size();
    const bool bien = XML_Parse(parser_, bytes.data() + leidos, int(n), fin) == XML_STATUS_OK;
    if (error_) throw *error_;
    if (!bien) {
      throw Error(TipoDeError::MalFormado,
                  "no es un XML bien formado: " + RazonXml(XML_GetErrorCode(parser_)), Linea());
    }
    // Expat holds an unfinished tag, comment or declaration whole: refuse one beyond the bound.
    if ((leidos += n) - std::size_t(evento_) > kLargoMaximoDeTexto + kTrozo) {
      DemasiadoLargo("una etiqueta, un atributo o un comentario", Linea());
    }
    if (fin) break;
  }
}

}  // namespace ruvek
