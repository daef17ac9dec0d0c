// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/grados.h"

#include <charconv>
#include <cmath>

#include "core/numeros.h"
#include "core/precision.h"
#include "core/track.h"

namespace ruvek {

double NumeroDelDocumento(std::string_view texto) {
  // Most numbers are plain ("-1.6543210"): digits and a point, read without a copy, by
  // DecimalCorto or the standard library; any other goes through DecimalSinExponente.
  const std::string_view t = SinBlancosAlrededor(texto);
  if (const std::optional<double> corto = DecimalCorto(t)) return *corto;
  const std::size_t cifra = t.starts_with('-') ? 1 : 0;
  double g = NAN;
  if (t.size() > cifra && t[cifra] >= '0' && t[cifra] <= '9' &&
      std::from_chars(t.data(), t.data() + t.size(), g, std::chars_format::fixed).ptr ==
          t.data() + t.size()) {
    return g;
  }
  const std::optional<std::string> d = DecimalSinExponente(texto);
  if (!d || std::from_chars(d->data(), d->data() + d->size(), g).ptr != d->data() + d->size()) {
    return NAN;
  }
  return g;
}

double AltitudDelDocumento(std::string_view texto) {
  const std::optional<std::string_view> llano = DecimalLlano(texto);
  const std::optional<std::string> d = llano ? std::nullopt : DecimalSinExponente(texto);
  if (!llano && !d) {
    throw Error(TipoDeError::Conversion, "la altitud " + Cita(texto) + " no es un número");
  }
  try {
    return LeeDecimal(llano ? *llano : std::string_view(*d));
  } catch (const Error& e) {
    throw Error(e.tipo(), "la altitud " + Cita(texto) + ": " + e.detalle());
  }
}

void AnadeGrados(std::string& salida, double grados, bool calculados) {
  if (calculados) return AnadeDecimales(salida, grados, kDecimalesGrados);
  AnadeNumeroLeido(salida, grados);
}

void AnadeAltitud(std::string& salida, double altitud) { AnadeNumeroLeido(salida, altitud); }

std::size_t LargoEstimado(const Recorrido& r, std::size_t por_punto) {
  std::size_t largo = 0;
  r.ParaCadaPosicion(
      [&](const Posicion& p) { largo += por_punto + (p.altitud ? 12 : 0) + (p.tiempo ? 40 : 0); });
  return largo;
}

void Acumulador::NuevaTraza(std::string nombre) {
  r_.trazas.push_back({.nombre = std::move(nombre), .segmentos = {}});
}

void Acumulador::NuevoSegmento() {
  if (r_.trazas.empty()) NuevaTraza();
  r_.trazas.back().segmentos.emplace_back().reserve(puntos_ == 0 ? reserva_ : 0);
}

void Acumulador::AnadePunto(const Posicion& p) {
  if (puntos_ == std::size_t(kMaximoDePuntosLeidos)) {
    throw Error(TipoDeError::DemasiadosPuntos, MasDePuntos("el track", kMaximoDePuntosLeidos),
                p.linea);
  }
  if (r_.trazas.empty() || r_.trazas.back().segmentos.empty()) NuevoSegmento();
  r_.trazas.back().segmentos.back().push_back(p);
  ++puntos_;
}

void Acumulador::AnadeWaypoint(Waypoint w) {
  if (r_.waypoints.size() == kMaximoDeWaypoints) {
    throw Error(TipoDeError::DemasiadosPuntos,
                "el archivo tiene más de " + std::to_string(kMaximoDeWaypoints) + " waypoints",
                w.posicion.linea);
  }
  r_.waypoints.push_back(std::move(w));
}

Recorrido Acumulador::Toma() {
  for (Traza& t : r_.trazas) {
    std::erase_if(t.segmentos, [](const Segmento& s) { return s.empty(); });
  }
  std::erase_if(r_.trazas, [](const Traza& t) { return t.segmentos.empty(); });
  return std::move(r_);
}

}  // namespace ruvek
