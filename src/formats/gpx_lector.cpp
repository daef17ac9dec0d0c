// SPDX-License-Identifier: GPL-3.0-or-later
#include <expat.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

#include "core/devuelve_numero.h"
#include "core/errors.h"
#include "core/lines.h"
#include "formats/gpx.h"
#include "io/entrada.h"

namespace ruvek {

namespace {

constexpr std::size_t kTrozo = 64 * 1024;     // given to expat at a time
constexpr std::size_t kMaxTexto = kMaxLinea;  // an attribute, a text, a comment
constexpr char kSeparador = '\x01';           // between a namespace and a local name
constexpr std::string_view kEspacioGpx = "http://www.topografix.com/GPX/";

struct PuntoGpx {
  double lon, lat;
  std::optional<ValorFijo> ele;
};

// The points of a track, or of the routes, and the first of them outside the area.
struct Puntos {
  std::vector<PuntoGpx> puntos;
  std::optional<Error> fuera;
  // The points near the area's rim, and their lines: whether they are in is known in metres.
  std::vector<std::pair<std::size_t, long>> al_borde;
};

enum class Nodo { Otro, Gpx, Trk, Trkseg, Trkpt, Rte, Rtept, Ele };

// A number of degrees as short as it reads back.
std::string TextoGrados(double g) {
  char texto[32];
  return std::string(texto, std::to_chars(texto, texto + sizeof texto, g).ptr);
}

// The error for point number `numero`, `p`, outside the area.
Error Fuera(const PuntoGpx& p, std::size_t numero, long linea) {
  return FueraDelHuso(numero, "latitud " + TextoGrados(p.lat) + ", longitud " + TextoGrados(p.lon),
                      linea);
}

// The text of an xsd:decimal (blanks around, an optional sign, digits with an optional "."),
// without the blanks and a "+", or nothing: no exponent, no NaN, no infinity.
std::optional<std::string_view> Decimal(std::string_view t) {
  const auto blanco = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!t.empty() && blanco(t.front())) t.remove_prefix(1);
  while (!t.empty() && blanco(t.back())) t.remove_suffix(1);
  const bool mas = !t.empty() && t[0] == '+';
  if (mas) t.remove_prefix(1);
  const std::size_t inicio = !mas && !t.empty() && t[0] == '-' ? 1 : 0;
  bool cifras = false, punto = false;
  for (std::size_t i = inicio; i < t.size(); ++i) {
    if (t[i] == '.' && !punto) {
      punto = true;
    } else if (t[i] >= '0' && t[i] <= '9') {
      cifras = true;
    } else {
      return std::nullopt;
    }
  }
  if (!cifras) return std::nullopt;
  return t;
}

// Degrees as a double, or NaN when the text is not a decimal.
double Grados(const char* texto) {
  double g = NAN;
  if (const auto d = Decimal(texto)) std::from_chars(d->data(), d->data() + d->size(), g);
  return g;
}

class LectorGpx {
 public:
  LectorGpx() : parser_(XML_ParserCreateNS(nullptr, kSeparador)) {
    if (parser_ == nullptr) throw Error(ErrorKind::Malformed, "no hay memoria para leer el XML");
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, &LectorGpx::Abre, &LectorGpx::Cierra);
    XML_SetCharacterDataHandler(parser_, &LectorGpx::Texto);
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
  Puntos Lee(std::string_view bytes);

 private:
  static void XMLCALL Abre(void* yo, const XML_Char* nombre, const XML_Char** atributos);
  static void XMLCALL Cierra(void* yo, const XML_Char* nombre);
  static void XMLCALL Texto(void* yo, const XML_Char* texto, int largo);

  Nodo Clase(std::string_view nombre) const;
  void Punto(Nodo nodo, const XML_Char** atributos);
  void Falla(ErrorKind tipo, const std::string& detalle);
  void Avanza() {
    texto_ = 0;
    evento_ = XML_GetCurrentByteIndex(parser_);
  }
  long Linea() const { return long(XML_GetCurrentLineNumber(parser_)); }
  PuntoGpx* Actual() {  // the point an <ele> belongs to, if it is kept
    Puntos& v = pila_.end()[-2] == Nodo::Trkpt ? trk_ : rte_;
    return v.puntos.empty() || (ruta_desbordada_ && &v == &rte_) ? nullptr : &v.puntos.back();
  }

  XML_Parser parser_;
  std::vector<Nodo> pila_;  // the open elements
  Puntos trk_, rte_;
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

void LectorGpx::Falla(ErrorKind tipo, const std::string& detalle) {
  if (!error_) error_.emplace(tipo, detalle, Linea());
  XML_StopParser(parser_, XML_FALSE);
}

void XMLCALL LectorGpx::Abre(void* yo, const XML_Char* nombre, const XML_Char** atributos) {
  auto& l = *static_cast<LectorGpx*>(yo);
  if (l.error_) return;  // expat may call on within the tag it stopped at
  l.Avanza();
  for (const XML_Char** a = atributos; *a != nullptr; a += 2) {
    if (std::strlen(a[1]) > kMaxTexto) {
      return l.Falla(ErrorKind::TooLong,
                     "un atributo pasa de " + std::to_string(kMaxTexto) + " bytes: no es un track");
    }
  }
  const Nodo nodo = l.Clase(nombre);
  if (l.pila_.empty() && nodo != Nodo::Gpx) {
    const std::string_view n = nombre;
    const std::size_t corte = n.find(kSeparador);
    const std::string_view local = n.substr(corte + 1);  // all of it when there is no namespace
    return l.Falla(ErrorKind::Malformed,
                   local == "gpx" ? "no es un GPX 1.0 ni 1.1: su espacio de nombres es " +
                                        Cita(n.substr(0, corte))
                                  : "no es un GPX: el documento es " + Cita(local));
  }
  if (l.pila_.size() == kMaxAnidado) {
    return l.Falla(ErrorKind::TooLong,
                   "los elementos se anidan a más de " + std::to_string(kMaxAnidado) + " niveles");
  }
  l.pila_.push_back(nodo);
  if (nodo == Nodo::Trkpt || nodo == Nodo::Rtept) l.Punto(nodo, atributos);
  if (nodo == Nodo::Ele) l.ele_.clear();
}

void LectorGpx::Punto(Nodo nodo, const XML_Char** atributos) {
  Puntos& conjunto = nodo == Nodo::Trkpt ? trk_ : rte_;
  std::vector<PuntoGpx>& puntos = conjunto.puntos;
  if (puntos.size() == std::size_t(MaxPuntos)) {
    if (nodo == Nodo::Rtept) {  // a track later in the file still counts
      ruta_desbordada_ = true;
      return;
    }
    return Falla(ErrorKind::SubscriptOutOfRange,
                 "el track tiene más de " + std::to_string(MaxPuntos) + " puntos");
  }
  PuntoGpx p{NAN, NAN, std::nullopt};
  for (const XML_Char** a = atributos; *a != nullptr; a += 2) {
    const std::string_view nombre = a[0];
    double* destino = nombre == "lat" ? &p.lat : nombre == "lon" ? &p.lon : nullptr;
    if (destino == nullptr) continue;
    *destino = Grados(a[1]);
    if (std::isnan(*destino)) return Falla(ErrorKind::Conversion, Cita(a[1]) + " no es un número");
  }
  if (std::isnan(p.lat) || std::isnan(p.lon)) {
    return Falla(ErrorKind::InvalidArgument, std::string("al punto le falta la ") +
                                                 (std::isnan(p.lat) ? "latitud" : "longitud"));
  }
  puntos.push_back(p);
  // Refused only if this turns out to be the track taken: a track may follow a route.
  // Beyond the rim by less than a millionth of a degree, a point may be one written on it with 7
  // decimals: its metres decide. So do they for every point within a rim's width of the rim (a
  // point and its whole metres taken back to degrees are metres apart).
  if (!conjunto.fuera && !EnElHuso(p.lon, p.lat, 1e-6))
    conjunto.fuera = Fuera(p, puntos.size(), Linea());
  if (!EnElHuso(p.lon, p.lat, -2 * kBordeHuso))
    conjunto.al_borde.emplace_back(puntos.size() - 1, Linea());
}

void XMLCALL LectorGpx::Texto(void* yo, const XML_Char* texto, int largo) {
  auto& l = *static_cast<LectorGpx*>(yo);
  if (l.error_) return;
  l.evento_ = XML_GetCurrentByteIndex(l.parser_);
  if ((l.texto_ += std::size_t(largo)) > kMaxTexto) {
    return l.Falla(ErrorKind::TooLong,
                   "un texto pasa de " + std::to_string(kMaxTexto) + " bytes: no es un track");
  }
  if (l.pila_.back() == Nodo::Ele) l.ele_.append(texto, std::size_t(largo));
}

void XMLCALL LectorGpx::Cierra(void* yo, const XML_Char*) {
  auto& l = *static_cast<LectorGpx*>(yo);
  if (l.error_) return;
  l.Avanza();
  PuntoGpx* punto = l.pila_.back() == Nodo::Ele ? l.Actual() : nullptr;
  if (punto != nullptr && !punto->ele) {
    const std::optional<std::string_view> d = Decimal(l.ele_);
    if (!d) {
      return l.Falla(ErrorKind::Conversion, "la altitud " + Cita(l.ele_) + " no es un número");
    }
    try {  // rounded as every field of a text file, but with "-.5" read as "-0.5"
      punto->ele = d->starts_with("-.") ? DevuelveNumero("-0" + std::string(d->substr(1)))
                                        : DevuelveNumero(*d);
    } catch (const Error& e) {
      return l.Falla(e.kind(), "la altitud " + Cita(l.ele_) + ": " + e.detail());
    }
  }
  l.pila_.pop_back();
}

// Why expat refused the document, in Spanish.
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
    default:
      return XML_ErrorString(codigo);
  }
}

Puntos LectorGpx::Lee(std::string_view bytes) {
  for (std::size_t leidos = 0; leidos == 0 || leidos < bytes.size();) {
    const std::size_t n = std::min(kTrozo, bytes.size() - leidos);
    const bool fin = leidos + n == bytes.size();
    const bool bien = XML_Parse(parser_, bytes.data() + leidos, int(n), fin) == XML_STATUS_OK;
    if (error_) throw *error_;
    if (!bien) {
      throw Error(ErrorKind::Malformed,
                  "no es un XML bien formado: " + RazonXml(XML_GetErrorCode(parser_)), Linea());
    }
    // Expat holds an unfinished tag, comment or declaration whole: refuse one beyond the bound.
    if ((leidos += n) - std::size_t(evento_) > kMaxTexto + kTrozo) {
      throw Error(ErrorKind::TooLong,
                  "una etiqueta, un atributo o un comentario pasa de " + std::to_string(kMaxTexto) +
                      " bytes: no es un track",
                  Linea());
    }
    if (fin) break;
  }
  if (trk_.puntos.empty() && ruta_desbordada_) {
    throw Error(ErrorKind::SubscriptOutOfRange,
                "la ruta tiene más de " + std::to_string(MaxPuntos) + " puntos");
  }
  Puntos& tomados = trk_.puntos.empty() ? rte_ : trk_;
  if (tomados.puntos.empty()) {
    throw Error(ErrorKind::Malformed, "el GPX no tiene ningún punto de track ni de ruta");
  }
  if (tomados.fuera) throw *tomados.fuera;
  return std::move(tomados);
}

}  // namespace

std::optional<ResultadoCarga> AbrirGPX(Module1& m, Proyeccion& proyeccion) {
  if (m.ArchivoActual.empty()) return std::nullopt;
  proyeccion.Prepara();  // while the file is read
  return AbrirGPX(m, LeeEntrada(m.ArchivoActual), proyeccion);
}

ResultadoCarga AbrirGPX(Module1& m, std::string_view bytes, Proyeccion& proyeccion) {
  proyeccion.Prepara();  // while the file is parsed
  const Puntos leidos = LectorGpx().Lee(bytes);
  const std::vector<PuntoGpx>& puntos = leidos.puntos;
  std::vector<double> x(puntos.size()), y(puntos.size());
  bool con_altitudes = true;
  for (std::size_t i = 0; i < puntos.size(); ++i) {
    const PuntoGpx& p = puntos[i];
    x[i] = p.lon;
    y[i] = p.lat;
    con_altitudes = con_altitudes && p.ele.has_value();
  }
  const std::size_t malo = proyeccion.AUtm(x, y);
  if (malo < puntos.size()) {
    throw Error(ErrorKind::Projection,
                "PROJ no puede proyectar el punto " + std::to_string(malo + 1));
  }
  // Near the rim, a point is in when its whole metres go back to degrees in, as a writer takes
  // them: so every track read writes back, and every track written reads back.
  std::vector<double> lon, lat;
  for (const auto& [i, linea] : leidos.al_borde) {
    lon.push_back(double(std::llround(x[i])));
    lat.push_back(double(std::llround(y[i])));
  }
  const std::size_t vueltos = proyeccion.AGeograficas(lon, lat);
  for (std::size_t k = 0; k < lon.size(); ++k) {
    const auto [i, linea] = leidos.al_borde[k];
    if (k >= vueltos || !EnElHuso(lon[k], lat[k])) throw Fuera(puntos[i], i + 1, linea);
  }
  m.TablaPuntos.Borra();
  m.NumPuntos = 0;
  for (std::size_t i = 0; i < puntos.size(); ++i) {
    const int fila = NuevoPunto(m);
    m.TablaPuntos.Escribe(fila, ColumnaX, ValorFijo::Whole(std::llround(x[i])));
    m.TablaPuntos.Escribe(fila, ColumnaY, ValorFijo::Whole(std::llround(y[i])));
    if (con_altitudes) m.TablaPuntos.Escribe(fila, ColumnaAltitud, *puntos[i].ele);
  }
  return {.tipo = TipoArchivo::Gpx,
          .habilitar = {{Comando::Analizar, con_altitudes},
                        {Comando::Copiar, true},
                        {Comando::GuardarSitna, true},
                        {Comando::GuardarTM, true}},
          .sufijo_titulo = m.ArchivoActual,
          .mensaje =
              con_altitudes ? "Este track puede ser analizado" : "Este track no puede analizarse",
          .titulo_mensaje = "Track cargado",
          .con_altitudes = con_altitudes};
}

}  // namespace ruvek
