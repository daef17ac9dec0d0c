// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/grados.h"

#include <charconv>
#include <cmath>

#include "core/numeros.h"
#include "core/precision.h"

namespace ruvek {

namespace {

// A number of degrees as short as it reads back.
std::string TextoGrados(double g) {
  char texto[32];
  return std::string(texto, std::to_chars(texto, texto + sizeof texto, g).ptr);
}

// Zone 30's X is 1 or more east of this longitude at every latitude of the area (9,886 m at the
// equator, more further north), so a point whose X ends a track lies west of it.
constexpr double kLonXMenorQue1 = -7.4;

// The error for point number `numero`, `p`, outside the area.
Error Fuera(const PuntoEnGrados& p, std::size_t numero) {
  return ErrorFueraDelHuso(
      numero, "latitud " + TextoGrados(p.lat) + ", longitud " + TextoGrados(p.lon), p.linea);
}

}  // namespace

bool PuedeFallar(double lon, double lat) {
  return !EnElHuso(lon, lat, -2 * kBordeHuso) || lon < kLonXMenorQue1;
}

double NumeroDelDocumento(std::string_view texto) {
  // Most numbers are plain ("-1.6543210"): digits and a point, which the standard library reads
  // without a copy; any other goes through DecimalSinExponente.
  const std::string_view t = SinBlancosAlrededor(texto);
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

ValorFijo AltitudDelDocumento(std::string_view texto) {
  const std::optional<std::string_view> llano = DecimalLlano(texto);
  const std::optional<std::string> d = llano ? std::nullopt : DecimalSinExponente(texto);
  if (!llano && !d) {
    throw Error(TipoDeError::Conversion, "la altitud " + Cita(texto) + " no es un número");
  }
  try {
    return LeeRedondeado(llano ? *llano : std::string_view(*d));
  } catch (const Error& e) {
    throw Error(e.tipo(), "la altitud " + Cita(texto) + ": " + e.detalle());
  }
}

Track TrackDeGrados(const std::vector<PuntoEnGrados>& puntos, Proyeccion& proyeccion, Datum datum,
                    const std::function<long(std::size_t)>& linea_del_punto) {
  std::vector<double> x(puntos.size()), y(puntos.size());
  bool con_altitudes = true;
  // Beyond the rim by less than a millionth of a degree, a point may be one written on it with 7
  // decimals: its metres decide. So do they for every point within a rim's width of the rim (a
  // point and its whole metres taken back to degrees are metres apart).
  std::vector<std::size_t> al_borde;
  for (std::size_t i = 0; i < puntos.size(); ++i) {
    const PuntoEnGrados& p = puntos[i];
    if (!EnElHuso(p.lon, p.lat, 1e-6)) throw Fuera(p, i + 1);
    if (!EnElHuso(p.lon, p.lat, -2 * kBordeHuso)) al_borde.push_back(i);
    x[i] = p.lon;
    y[i] = p.lat;
    con_altitudes = con_altitudes && p.ele.has_value();
  }
  const std::size_t malo = proyeccion.AUtm(datum, x, y);
  if (malo < puntos.size()) {
    throw Error(TipoDeError::Transformacion,
                "PROJ no puede proyectar el punto " + std::to_string(malo + 1),
                linea_del_punto(malo));
  }
  // Near the rim, a point is in when its whole metres go back to degrees in, as a writer takes
  // them: so every track read writes back, and every track written reads back.
  std::vector<double> lon, lat;
  for (const std::size_t i : al_borde) {
    lon.push_back(double(std::llround(x[i])));
    lat.push_back(double(std::llround(y[i])));
  }
  const std::size_t vueltos = proyeccion.AGeograficas(datum, lon, lat);
  for (std::size_t k = 0; k < lon.size(); ++k) {
    if (k >= vueltos || !EnElHuso(lon[k], lat[k]))
      throw Fuera(puntos[al_borde[k]], al_borde[k] + 1);
  }
  Track track{.puntos = std::vector<Punto>(puntos.size()), .con_altitudes = con_altitudes};
  for (std::size_t i = 0; i < puntos.size(); ++i) {
    Punto& p = track.puntos[i];
    p.x = ValorFijo::Entero(std::llround(x[i]));
    p.y = ValorFijo::Entero(std::llround(y[i]));
    // West of about 9 degrees west zone 30's X is below 1, where a track ends: not a track here.
    if (AcabaElTrack(p.x)) throw Fuera(puntos[i], i + 1);
    if (con_altitudes) p.altitud = *puntos[i].ele;
  }
  return track;
}

std::vector<LonLat> GradosDelTrack(const Track& track, Proyeccion& proyeccion, Datum datum) {
  const std::vector<Punto>& puntos = track.puntos;
  const std::size_t n = puntos.size();
  std::vector<double> lon(n), lat(n);
  for (std::size_t i = 0; i < n; ++i) {
    lon[i] = puntos[i].x.EnDouble();
    lat[i] = puntos[i].y.EnDouble();
  }
  const std::size_t malo = proyeccion.AGeograficas(datum, lon, lat);
  if (malo < n) {
    throw Error(TipoDeError::Transformacion,
                "el punto " + std::to_string(malo + 1) + " no tiene latitud ni longitud en WGS 84");
  }
  std::vector<LonLat> grados(n);
  for (std::size_t i = 0; i < n; ++i) {  // what a reader would refuse is not written
    if (!EnElHuso(lon[i], lat[i]) || AcabaElTrack(puntos[i].x)) {
      throw ErrorFueraDelHuso(i + 1, "X " + puntos[i].x.Texto() + ", Y " + puntos[i].y.Texto());
    }
    grados[i] = {lon[i], lat[i]};
  }
  return grados;
}

void AnadeGrados(std::string& salida, double grados) {
  AnadeDecimales(salida, grados, kDecimalesGrados);
}

}  // namespace ruvek
