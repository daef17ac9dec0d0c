// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/gpx_xml.h"

#include <algorithm>
#include <cmath>

#include "core/track.h"
#include "formats/xml.h"

namespace ruvek {

namespace {

constexpr std::string_view kEspacioGpx = "http://www.topografix.com/GPX/";

enum class Nodo { Otro, Gpx, Trk, Trkseg, Trkpt, Rte, Rtept, Ele };

class LectorGpx : public LectorXml {
 public:
  explicit LectorGpx(bool (*con_linea)(double, double)) : con_linea_(con_linea) {}

  // The points of the track, or of the routes when there is no track point.
  std::vector<PuntoEnGrados> Lee(std::string_view bytes);

 private:
  void AlAbrir(std::string_view espacio, std::string_view local, const char** atributos) override;
  void AlCerrar() override;
  void AlLeerTexto(std::string_view texto) override {
    if (pila_.back() == Nodo::Ele) ele_.append(texto);
  }

  Nodo Clase(std::string_view espacio, std::string_view local) const;
  void LeePunto(Nodo nodo, const char** atributos);
  PuntoEnGrados* Actual() {  // the point an <ele> belongs to, if it is kept
    std::vector<PuntoEnGrados>& v = pila_.end()[-2] == Nodo::Trkpt ? trk_ : rte_;
    return v.empty() || (ruta_desbordada_ && &v == &rte_) ? nullptr : &v.back();
  }

  bool (*con_linea_)(double lon, double lat);
  std::vector<Nodo> pila_;                // the open elements
  std::vector<PuntoEnGrados> trk_, rte_;  // the points of the tracks and of the routes
  bool ruta_desbordada_ = false;
  std::string ele_;
};

Nodo LectorGpx::Clase(std::string_view espacio, std::string_view local) const {
  if (!espacio.empty() && !espacio.starts_with(kEspacioGpx)) return Nodo::Otro;
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

void LectorGpx::AlAbrir(std::string_view espacio, std::string_view local, const char** atributos) {
  const Nodo nodo = Clase(espacio, local);
  if (pila_.empty() && nodo != Nodo::Gpx) {
    return Falla(TipoDeError::MalFormado,
                 local == "gpx"
                     ? "no es un GPX 1.0 ni 1.1: su espacio de nombres es " + Cita(espacio)
                     : "no es un GPX: el documento es " + Cita(local));
  }
  pila_.push_back(nodo);
  if (nodo == Nodo::Trkpt || nodo == Nodo::Rtept) LeePunto(nodo, atributos);
  if (nodo == Nodo::Ele) ele_.clear();
}

void LectorGpx::LeePunto(Nodo nodo, const char** atributos) {
  std::vector<PuntoEnGrados>& puntos = nodo == Nodo::Trkpt ? trk_ : rte_;
  if (puntos.size() == std::size_t(kMaximoDePuntosLeidos)) {
    if (nodo == Nodo::Rtept) {  // a track later in the file still counts
      ruta_desbordada_ = true;
      return;
    }
    return Falla(TipoDeError::DemasiadosPuntos, MasDePuntos("el track", kMaximoDePuntosLeidos));
  }
  PuntoEnGrados p{NAN, NAN, std::nullopt, 0};
  for (const char** a = atributos; *a != nullptr; a += 2) {
    const std::string_view nombre = a[0];
    double* destino = nombre == "lat" ? &p.lat : nombre == "lon" ? &p.lon : nullptr;
    if (destino == nullptr) continue;
    *destino = NumeroDelDocumento(a[1]);
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

void LectorGpx::AlCerrar() {
  PuntoEnGrados* punto = pila_.back() == Nodo::Ele ? Actual() : nullptr;
  if (punto != nullptr && !punto->ele) {
    try {
      punto->ele = AltitudDelDocumento(ele_);
    } catch (const Error& e) {
      return Falla(e);
    }
  }
  pila_.pop_back();
}

std::vector<PuntoEnGrados> LectorGpx::Lee(std::string_view bytes) {
  trk_.reserve(std::min<std::size_t>(kMaximoDePuntosLeidos,
                                     bytes.size() / 24 + 1));  // <trkpt lat="" lon=""/>
  LeeDocumento(bytes);
  if (trk_.empty() && ruta_desbordada_) {
    throw Error(TipoDeError::DemasiadosPuntos, MasDePuntos("la ruta", kMaximoDePuntosLeidos));
  }
  std::vector<PuntoEnGrados>& tomados = trk_.empty() ? rte_ : trk_;
  if (tomados.empty()) {
    throw Error(TipoDeError::MalFormado, "el GPX no tiene ningún punto de track ni de ruta");
  }
  return std::move(tomados);
}

}  // namespace

std::vector<PuntoEnGrados> LeeXmlGpx(std::string_view bytes, bool (*con_linea)(double, double)) {
  return LectorGpx(con_linea).Lee(bytes);
}

}  // namespace ruvek
