// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/errores.h"
#include "core/recorrido.h"
#include "core/valor_fijo.h"

namespace ruvek {

// The most points a track holds: the text readers and the clipboard refuse a longer one.
inline constexpr int kMaximoDePuntos = 10000;

// The most points a GPX is read with, more than a day at a point a second; one of more than
// kMaximoDePuntos is simplified to fit (see Simplifica) before it is used.
inline constexpr int kMaximoDePuntosLeidos = 100000;

// One point of the windows' table: UTM zone 30 metres and, when its track has them, the altitude.
struct Punto {
  ValorFijo x, y;
  ValorFijo altitud;  // 0 in a track without altitudes
  friend bool operator==(const Punto&, const Punto&) = default;
};

// A track: its points in order (at most kMaximoDePuntos, or kMaximoDePuntosLeidos as read from a
// GPX) and whether they carry their altitudes.
struct Track {
  std::vector<Punto> puntos;
  bool con_altitudes = false;
  friend bool operator==(const Track&, const Track&) = default;
};

// The windows' table of a recorrido whose positions are metres: the points of all its tracks in
// order, each number rounded to whole metres (see ValorFijo::Redondeado); with altitudes when
// every point has one, and all 0 otherwise. FueraDeRango for a number beyond the
// table's range.
Track TablaDe(const Recorrido& metros);

// Every number of a recorrido in metres rounded to whole ones, as TablaDe rounds them: what the
// table will hold, with the recorrido's segments and times.
void RedondeaMetros(Recorrido& metros);

// A point whose X is less than 1 ends the track for the clipboard and the analysis.
constexpr bool AcabaElTrack(ValorFijo x) {
  return x < ValorFijo::DeDiezmilesimas(kDiezmilesimasPorUnidad);
}

// The points that the clipboard and the analysis take: those before the first that ends the track.
inline std::span<const Punto> PuntosHastaElFinal(const Track& t) {
  std::size_t n = 0;
  while (n < t.puntos.size() && !AcabaElTrack(t.puntos[n].x)) ++n;
  return std::span<const Punto>(t.puntos).first(n);
}

// Room for the points of `bytes` of text, a point at most every four bytes: a track that grows by
// copies costs a fresh allocation, and its page faults, at every doubling.
inline void ReservaPuntos(Track& t, std::size_t bytes) {
  t.puntos.reserve(std::min<std::size_t>(kMaximoDePuntos, bytes / 4 + 1));
}
inline void ReservaPuntos(Segmento& s, std::size_t bytes) {
  s.reserve(std::min<std::size_t>(kMaximoDePuntos, bytes / 4 + 1));
}

// What messages say of `que` ("el track", "la ruta") beyond `maximo` points: "el track tiene más
// de 10000 puntos", or, knowing how many it has, "el track tiene 11804 puntos, más de los 10000
// que caben".
inline std::string MasDePuntos(std::string_view que, std::size_t maximo, std::size_t tiene = 0) {
  std::string texto(que);
  if (tiene == 0) return texto + " tiene más de " + std::to_string(maximo) + " puntos";
  return texto + " tiene " + std::to_string(tiene) + " puntos, más de los " +
         std::to_string(maximo) + " que caben";
}

// Adds a point to a track being read; Error(DemasiadosPuntos) when it holds kMaximoDePuntos
// already.
inline void AnadePunto(Track& t, const Punto& p) {
  if (t.puntos.size() >= std::size_t(kMaximoDePuntos)) {
    throw Error(TipoDeError::DemasiadosPuntos, MasDePuntos("el track", kMaximoDePuntos));
  }
  t.puntos.push_back(p);
}

// The same for a segment being read.
inline void AnadePunto(Segmento& s, const Posicion& p) {
  if (s.size() >= std::size_t(kMaximoDePuntos)) {
    throw Error(TipoDeError::DemasiadosPuntos, MasDePuntos("el track", kMaximoDePuntos));
  }
  s.push_back(p);
}

// The error of a text reader that stopped part-way, with what it had read: the points before the
// failure and, counted among them, the failing point with the fields read before the failing one
// (the others 0). A caller that takes only whole tracks catches it as any Error; the windows keep
// those points, as a load that stops has always left them.
class LecturaIncompleta : public Error {
 public:
  LecturaIncompleta(const Error& e, Track leido) : Error(e), leido(std::move(leido)) {}
  Track leido;
};

// Runs `lee`, which fills `track` point by point, and raises any Error it meets as a
// LecturaIncompleta with the points filled so far.
template <typename F>
void LeeHastaUnError(Track& track, F&& lee) {
  try {
    lee();
  } catch (const Error& e) {
    throw LecturaIncompleta(e, std::move(track));
  }
}

// The same for a text reader that fills `puntos`, in metres of `sistema`: the LecturaIncompleta
// holds the windows' table of them.
template <typename F>
void LeeHastaUnError(Sistema sistema, Segmento& puntos, F&& lee) {
  try {
    lee();
  } catch (const Error& e) {
    throw LecturaIncompleta(e, TablaDe(UnSegmento(sistema, std::move(puntos))));
  }
}

}  // namespace ruvek
