// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/gpx_xml.h"

#include <expat.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "core/errores.h"
#include "core/lineas.h"
#include "core/numeros.h"
#include "core/track.h"
#include "formats/razon_xml.h"

namespace ruvek {

namespace {

constexpr std::size_t kTrozo = 64 * 1024;                         // given to expat at a time
constexpr std::size_t kLargoMaximoDeTexto = kLargoMaximoDeLinea;  // an attribute, a text, a comment
constexpr char kSeparador = '\x01';  // between a namespace and a local name
constexpr std::string_view kEspacioGpx = "http://www.topografix.com/GPX/";

enum class Nodo { Otro, Gpx, Trk, Trkseg, Trkpt, Rte, Rtept, Ele };

// Degrees as a double, or NaN when the text is not a number (or is one beyond a double's range,
// which from_chars does not store).
double Grados(const char* texto) {
  const auto d = DecimalSinExponente(texto);
  double g = NAN;
  const char* const fin = d ? d->data() + d->size() : nullptr;
  if (d && std::from_chars(d->data(), fin, g).ptr != fin) g = NAN;
  return g;
}

class LectorGpx {
 public:
  explicit LectorGpx(bool (*con_linea)(double, double))
      : parser_(XML_ParserCreateNS(nullptr, kSeparador)), con_linea_(con_linea) {
    if (parser_ == nullptr) throw Error(TipoDeError::MalFormado, "no hay memoria para leer el XML");
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, &LectorGpx::AlAbrirElemento, &LectorGpx::AlCerrarElemento);
    XML_SetCharacterDataHandler(parser_, &LectorGpx::AlLeerTexto);
    // Comments, processing instructions, declarations: each ends the last tag's bound too.
    XML_SetDefaultHandlerExpand(parser_, [](void* yo, const XML_Char*, int) {
      auto& l = *static_cast<LectorGpx*>(yo);
      l.evento_ = XML_GetCurrentByteIndex(l.parser_);
    });
  }
  ~LectorGpx() { XML_ParserFree(parser_); }
  LectorGpx(const LectorGpx&) = delete;
  LectorGpx& operator=(const LectorGpx&) = delete;

  // The points of the track, or of the routes when there is no track point.
  std::vector<PuntoGpx> Lee(std::string_view bytes);

 private:
  static void XMLCALL AlAbrirElemento(void* yo, const XML_Char* nombre, const XML_Char** atributos);
  static void XMLCALL AlCerrarElemento(void* yo, const XML_Char* nombre);
  static void XMLCALL AlLeerTexto(void* yo, const XML_Char* texto, int largo);

  Nodo Clase(std::string_view nombre) const;
  void LeePunto(Nodo nodo, const XML_Char** atributos);
  void Falla(TipoDeError tipo, const std::string& detalle);
  void Avanza() {
    texto_ = 0;
    evento_ = XML_GetCurrentByteIndex(parser_);
  }
  long Linea() const { return long(XML_GetCurrentLineNumber(parser_)); }
  PuntoGpx* Actual() {  // the point an <ele> belongs to, if it is kept
    std::vector<PuntoGpx>& v = pila_.end()[-2] == Nodo::Trkpt ? trk_ : rte_;
    return v.empty() || (ruta_desbordada_ && &v == &rte_) ? nullptr : &v.back();
  }

  XML_Parser parser_;
  bool (*con_linea_)(double lon, double lat);
  std::vector<Nodo> pila_;           // the open elements
  std::vector<PuntoGpx> trk_, rte_;  // the points of the tracks and of the routes
  bool ruta_desbordada_ = false;
  std::string ele_;
  std::size_t texto_ = 0;  // length of the text read since the last tag
  XML_Index evento_ = 0;   // where the last tag or text began
  std::optional<Error> error_;
};

Nodo LectorGpx::Clase(std::string_view nombre) const {
  const std::size_t corte = nombre.find(kSeparador);
  const std::string_view espacio = corte == nombre.npos ? "" : nombre.substr(0, corte);
  const std::string_view local = corte == nombre.npos ? nombre : nombre.substr(corte + 1);
  if (!espacio.empty() && espacio.substr(0, kEspacioGpx.size()) != kEspacioGpx) return Nodo::Otro;
  const Nodo padre = pila_.empty() ? Nodo::Otro : pila_.back();
  struct Regla {
    Nodo padre;
    std::string_view nombre;
    Nodo nodo;
  };
  static constexpr Regla kReglas[] = {
      {Nodo::Gpx, "trk", Nodo::Trk},        {Nodo::Trk, "trkseg", Nodo::Trkseg},
      {Nodo::Trkseg, "trkpt", Nodo::Trkpt}, {Nodo::Gpx, "rte", Nodo::Rte},
      {Nodo::Rte, "rtept", Nodo::Rtept},    {Nodo::Trkpt, "ele", Nodo::Ele},
      {Nodo::Rtept, "ele", Nodo::Ele}};
  if (pila_.empty() && local == "gpx") return Nodo::Gpx;
  for (const Regla& r : kReglas) {
    if (r.padre == padre && r.nombre == local) return r.nodo;
  }
  return Nodo::Otro;
}

void LectorGpx::Falla(TipoDeError tipo, const std::string& detalle) {
  if (!error_) error_.emplace(tipo, detalle, Linea());
  XML_StopParser(parser_, XML_FALSE);
}

void XMLCALL LectorGpx::AlAbrirElemento(void* yo, const XML_Char* nombre,
                                        const XML_Char** atributos) {
  auto& l = *static_cast<LectorGpx*>(yo);
  if (l.error_) return;  // expat may call on within the tag it stopped at
  l.Avanza();
  for (const XML_Char** a = atributos; *a != nullptr; a += 2) {
    if (std::strlen(a[1]) > kLargoMaximoDeTexto) {
      return l.Falla(
          TipoDeError::DemasiadoLargo,
          "un atributo pasa de " + std::to_string(kLargoMaximoDeTexto) + " bytes: no es un track");
    }
  }
  const Nodo nodo = l.Clase(nombre);
  if (l.pila_.empty() && nodo != Nodo::Gpx) {
    const std::string_view n = nombre;
    const std::size_t corte = n.find(kSeparador);
    const std::string_view local = n.substr(corte + 1);  // all of it when there is no namespace
    return l.Falla(TipoDeError::MalFormado,
                   local == "gpx" ? "no es un GPX 1.0 ni 1.1: su espacio de nombres es " +
                                        Cita(n.substr(0, corte))
                                  : "no es un GPX: el documento es " + Cita(local));
  }
  if (l.pila_.size() == kAnidadoMaximo) {
    return l.Falla(TipoDeError::DemasiadoLargo, "los elementos se anidan a más de " +
                                                    std::to_string(kAnidadoMaximo) + " niveles");
  }
  l.pila_.push_back(nodo);
  if (nodo == Nodo::Trkpt || nodo == Nodo::Rtept) l.LeePunto(nodo, atributos);
  if (nodo == Nodo::Ele) l.ele_.clear();
}

void LectorGpx::LeePunto(Nodo nodo, const XML_Char** atributos) {
  std::vector<PuntoGpx>& puntos = nodo == Nodo::Trkpt ? trk_ : rte_;
  if (puntos.size() == std::size_t(kMaximoDePuntosLeidos)) {
    if (nodo == Nodo::Rtept) {  // a track later in the file still counts
      ruta_desbordada_ = true;
      return;
    }
    return Falla(TipoDeError::DemasiadosPuntos, MasDePuntos("el track", kMaximoDePuntosLeidos));
  }
  PuntoGpx p{NAN, NAN, std::nullopt, 0};
  for (const XML_Char** a = atributos; *a != nullptr; a += 2) {
    const std::string_view nombre = a[0];
    double* destino = nombre == "lat" ? &p.lat : nombre == "lon" ? &p.lon : nullptr;
    if (destino == nullptr) continue;
    *destino = Grados(a[1]);
    if (std::isnan(*destino))
      return Falla(TipoDeError::Conversion, Cita(a[1]) + " no es un número");
  }
  if (std::isnan(p.lat) || std::isnan(p.lon)) {
    return Falla(TipoDeError::FaltaUnCampo, std::string("al punto le falta la ") +
                                                (std::isnan(p.lat) ? "latitud" : "longitud"));
  }
  if (con_linea_(p.lon, p.lat)) p.linea = Linea();
  puntos.push_back(p);
}

void XMLCALL LectorGpx::AlLeerTexto(void* yo, const XML_Char* texto, int largo) {
  auto& l = *static_cast<LectorGpx*>(yo);
  if (l.error_) return;
  l.evento_ = XML_GetCurrentByteIndex(l.parser_);
  if ((l.texto_ += std::size_t(largo)) > kLargoMaximoDeTexto) {
    return l.Falla(
        TipoDeError::DemasiadoLargo,
        "un texto pasa de " + std::to_string(kLargoMaximoDeTexto) + " bytes: no es un track");
  }
  if (l.pila_.back() == Nodo::Ele) l.ele_.append(texto, std::size_t(largo));
}

void XMLCALL LectorGpx::AlCerrarElemento(void* yo, const XML_Char*) {
  auto& l = *static_cast<LectorGpx*>(yo);
  if (l.error_) return;
  l.Avanza();
  PuntoGpx* punto = l.pila_.back() == Nodo::Ele ? l.Actual() : nullptr;
  if (punto != nullptr && !punto->ele) {
    const std::optional<std::string> d = DecimalSinExponente(l.ele_);
    if (!d) {
      return l.Falla(TipoDeError::Conversion, "la altitud " + Cita(l.ele_) + " no es un número");
    }
    try {  // rounded as every field of a text file
      punto->ele = LeeRedondeado(*d);
    } catch (const Error& e) {
      return l.Falla(e.tipo(), "la altitud " + Cita(l.ele_) + ": " + e.detalle());
    }
  }
  l.pila_.pop_back();
}

std::vector<PuntoGpx> LectorGpx::Lee(std::string_view bytes) {
  trk_.reserve(std::min<std::size_t>(kMaximoDePuntosLeidos,
                                     bytes.size() / 24 + 1));  // <trkpt lat="" lon=""/>
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
      throw Error(TipoDeError::DemasiadoLargo,
                  "una etiqueta, un atributo o un comentario pasa de " +
                      std::to_string(kLargoMaximoDeTexto) + " bytes: no es un track",
                  Linea());
    }
    if (fin) break;
  }
  if (trk_.empty() && ruta_desbordada_) {
    throw Error(TipoDeError::DemasiadosPuntos, MasDePuntos("la ruta", kMaximoDePuntosLeidos));
  }
  std::vector<PuntoGpx>& tomados = trk_.empty() ? rte_ : trk_;
  if (tomados.empty()) {
    throw Error(TipoDeError::MalFormado, "el GPX no tiene ningún punto de track ni de ruta");
  }
  return std::move(tomados);
}

}  // namespace

std::vector<PuntoGpx> LeeXmlGpx(std::string_view bytes, bool (*con_linea)(double, double)) {
  return LectorGpx(con_linea).Lee(bytes);
}

}  // namespace ruvek
