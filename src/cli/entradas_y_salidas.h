// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/errores.h"
#include "core/track.h"
#include "geo/proyeccion.h"
#include "geo/terreno.h"

namespace ruvek::cli {

// How messages name standard input and output.
inline const char* const kEntradaEstandar = "entrada estándar";
inline const char* const kSalidaEstandar = "salida estándar";

// The name messages give input `entrada`: standard input's for "-".
std::string NombreDeEntrada(const std::string& entrada);

// Says a failure of `nombre` on standard error: "ruvek-cli: NAME:LINE: what is wrong".
void Informa(const std::string& nombre, const Error& e);

// The bytes of an input, "-" for standard input.
std::string Bytes(const std::string& entrada);

// How an order takes the track of an input: the datum of its metres, where degrees are projected
// to and metres in another datum are changed to (nothing: degrees to ED50, metres as read); that of
// the X,Y lists read (--input-datum; ED50 when not said); the terrain models that give its
// altitudes (--dem; none when empty or null); the most points it keeps (--simplify).
struct ComoCargar {
  std::optional<Datum> datum;
  std::optional<Datum> datum_de_listas;
  Terreno* terreno = nullptr;
  std::optional<std::size_t> simplifica;
};

// Opens the terrain models `archivos` into `terreno`; false, having said why on standard error
// naming the file, when one cannot be used.
bool AbreModelos(const std::vector<std::string>& archivos, Terreno& terreno);

// A track as an order takes it, and the datum of its metres.
struct TrackCargado {
  Track track;
  Datum datum;
  std::optional<MetrosEtrs89> etrs89;  // its metres in ETRS89, when changed beforehand for --dem
};

// The track of `bytes`, input `nombre`, read in the layout its content shows, as `como` says: in
// its datum, then with the terrain's altitudes, then simplified (all before a point's line may be
// lost). A simplification is said on standard error; a track beyond kMaximoDePuntos is refused,
// with the hint of --simplify.
TrackCargado Carga(const std::string& nombre, std::string_view bytes, const ComoCargar& como,
                   Proyeccion& proyeccion);
// Carga in its two steps: the track read in its datum (what needs no terrain model, and may go on
// while the models open), then the rest.
TrackCargado LeeEnSuDatum(std::string_view bytes, const ComoCargar& como, Proyeccion& proyeccion);
void Termina(TrackCargado& t, const std::string& nombre, std::string_view bytes,
             const ComoCargar& como, Proyeccion& proyeccion);

// Writes a file atomically; standard output ("-"), a device (/dev/null) or a named pipe as a
// stream. Error(Archivo) when it cannot.
void Escribe(const std::string& salida, const std::string& bytes);

// Writes out what is left of standard output (the help, the version); a failure is reported like
// any other output's, and returned.
bool VaciaSalidaEstandar();

}  // namespace ruvek::cli
