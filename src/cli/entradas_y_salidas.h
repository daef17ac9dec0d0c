// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/errores.h"
#include "core/recorrido.h"
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

// How the zone of the metres an order makes is chosen: the one given (--zone N), the one where
// most of the track lies (--zone auto: see HusoMayoritario), or, for the analysis and the
// profile, zone 30 as the windows' table, but the Canary Islands' own (28, in REGCAN95) for a
// track that lies there.
enum class ElHuso { Dado, DelTrack, DeLaTabla };

// How an order takes what an input holds: the datum of the metres its positions go to (those of
// the windows' table, for X,Y lists and TrackMaker text written, the analysis and the profile),
// or nothing to keep them in degrees (for the layouts in degrees), and their zone; the datum and
// zone of the X,Y lists read (--input-datum, --input-zone; ED50 and 30 when not said); the terrain
// models that give its altitudes (--dem; none when empty or null); the most points it keeps
// (--simplify).
struct ComoCargar {
  std::optional<Datum> metros;
  bool datum_fijo = false;  // the layout written says its datum: TrackMaker text is ED50
  bool con_grados = false;  // keep the degrees read beside the metres (for the length)
  ElHuso como_huso = ElHuso::Dado;
  int huso = kHusoDeSiempre;
  Sistema de_las_listas = kMetrosEd50;
  Terreno* terreno = nullptr;
  std::optional<std::size_t> simplifica;
};

// What an order takes of an input: its tracks and waypoints in degrees, or, in metres, its tracks
// alone with every number rounded to whole ones, as the windows' table holds them (TablaDe makes
// the table), how many waypoints were left out, and the zone where most of the track lies.
struct Cargado {
  Recorrido recorrido;
  std::size_t waypoints_dejados = 0;
  int huso_del_track = 0;
  std::optional<MetrosEtrs89> etrs89;  // its positions in ETRS89, when changed beforehand for --dem
  // In metres, its tracks as read in degrees, when asked for and read so.
  std::optional<Recorrido> grados;
};

// Opens the terrain models `archivos` into `terreno`; false, having said why on standard error
// naming the file, when one cannot be used.
bool AbreModelos(const std::vector<std::string>& archivos, Terreno& terreno);

// What `bytes`, input `nombre`, hold, read in the layout its content shows, as `como` says: in the
// system it goes to, then with the terrain's altitudes, then simplified. A simplification is said
// on standard error; a table beyond kMaximoDePuntos is refused, with the hint of --simplify.
Cargado Carga(const std::string& nombre, std::string_view bytes, const ComoCargar& como,
              Proyeccion& proyeccion);
// Carga in its two steps: read and taken to its system (what needs no terrain model, and may go on
// while the models open), then the rest.
Cargado LeeEnSuSistema(std::string_view bytes, const ComoCargar& como, Proyeccion& proyeccion);
void Termina(Cargado& c, const std::string& nombre, const ComoCargar& como, Proyeccion& proyeccion);

// Writes a file atomically; standard output ("-"), a device (/dev/null) or a named pipe as a
// stream. Error(Archivo) when it cannot.
void Escribe(const std::string& salida, const std::string& bytes);

// Writes out what is left of standard output (the help, the version); a failure is reported like
// any other output's, and returned.
bool VaciaSalidaEstandar();

}  // namespace ruvek::cli
