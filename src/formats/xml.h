// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <expat.h>

#include <optional>
#include <string>
#include <string_view>

#include "core/errores.h"
#include "core/lineas.h"

namespace ruvek {

// What the layouts written in XML share.

// How deep elements may nest (a GPX track point with its extensions needs about 8).
inline constexpr int kAnidadoMaximo = 64;
// The longest attribute, text, comment or tag taken whole.
inline constexpr std::size_t kLargoMaximoDeTexto = kLargoMaximoDeLinea;

// Why expat refused a document, in Spanish.
std::string RazonXml(XML_Error codigo);

// The local name of the first element of an XML document (after its declaration, comments,
// processing instructions and document type), without its prefix; "" when none is found near
// the start.
std::string_view RaizXml(std::string_view bytes);

// A document read with expat, its namespaces resolved: a reader derived from it is told of each
// element's opening and closing and of its text. Every attribute, text, comment or unfinished tag
// stays within kLargoMaximoDeTexto (a reader may let the text of an element run longer, bounding
// its pieces itself: see TextoLargo), elements nest at most kAnidadoMaximo deep, entities expand
// within expat's amplification limits and no external entity or DTD is ever loaded.
class LectorXml {
 public:
  LectorXml();
  virtual ~LectorXml();
  LectorXml(const LectorXml&) = delete;
  LectorXml& operator=(const LectorXml&) = delete;

 protected:
  // Reads `bytes` whole, telling the reader; Error, with its line, when they are not well-formed
  // XML, break a bound or the reader failed (see Falla).
  void LeeDocumento(std::string_view bytes);

  // An element opens: its namespace ("" for none), its local name, its attributes (name, value,
  // ..., nullptr); Profundidad() counts it already.
  virtual void AlAbrir(std::string_view espacio, std::string_view local,
                       const char** atributos) = 0;
  virtual void AlCerrar() = 0;
  // A piece of the text of the element open (an element's text may come in several pieces).
  virtual void AlLeerTexto(std::string_view texto) = 0;
  // Whether the text of the element open may run beyond kLargoMaximoDeTexto.
  virtual bool TextoLargo() const { return false; }

  // Stops reading with this error, at the current line; the first failure is the one raised.
  void Falla(TipoDeError tipo, const std::string& detalle);
  // The same with an error of the reader's, at its own line when it has one.
  void Falla(const Error& e);
  bool Fallado() const { return error_.has_value(); }
  // The line where the event told began (expat counts lines as it goes, whether asked or not).
  long Linea() const { return long(XML_GetCurrentLineNumber(parser_)); }
  int Profundidad() const { return profundidad_; }

 private:
  static void XMLCALL Abre(void* yo, const XML_Char* nombre, const XML_Char** atributos);
  static void XMLCALL Cierra(void* yo, const XML_Char* nombre);
  static void XMLCALL Texto(void* yo, const XML_Char* texto, int largo);
  void Avanza() {
    texto_ = 0;
    evento_ = XML_GetCurrentByteIndex(parser_);
  }

  XML_Parser parser_;
  int profundidad_ = 0;
  std::size_t texto_ = 0;  // length of the text read since the last tag
  XML_Index evento_ = 0;   // where the last tag or text began
  std::optional<Error> error_;
};

}  // namespace ruvek
