// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/recorrido.h"
#include "core/track.h"

namespace ruvek {

// The layouts of a track that Ruvek reads or writes. Each has its module in this folder and its
// row in the table of formatos.cpp, which holds everything else the program knows of it: the
// faces take names, endings, messages and rules from there, never from a list of their own.
enum class Formato { ListaXY, TrackMaker, Gpx, Kml, Kmz, GeoJson };

// What the X,Y of a layout are.
enum class Coordenadas {
  MetrosEd50,    // UTM zone 30 north metres, on ED50 always (TrackMaker's text)
  MetrosADecir,  // UTM zone 30 north metres on the datum the user says, ED50 unless told
  GradosWgs84,   // WGS 84 degrees (a GeoJSON's legacy "crs" may say metres instead)
};

// The kind of document a layout is written in: a zip archive by how it begins, otherwise by its
// first character that is not blank: "<" for XML, "{" or "[" for JSON, anything else for text. An
// input is read as the layout of its kind whose recogniser is sure of it, else as the one of its
// kind that takes what no other does. The windows open text layouts by the ending ".txt", with the
// first line telling which, a failure silent and what was read before it kept, as the text commands
// have always done; the others by their own endings, read whole, a failure told and the track kept.
enum class Documento { Texto, Xml, Json, Zip };

// How sure a layout's recogniser is that bytes of its kind of document are in it: not at all,
// only when no other layout of that kind takes them (the layout whose reader says what a
// document of its kind is not), or sure.
enum class Reconocimiento { No, PorDescarte, Si };

// A layout's row.
struct FichaDeFormato {
  Formato formato;
  const char* nombre;            // as --to, the man page and the completion name it: "sitna"
  const char* que_es;            // for messages: "un GPX (WGS 84)"
  const char* en_que_datum;      // why no datum is asked of it, or "" when one is
  const char* final_del_nombre;  // what ends the name of a file written in it: ".gpx"
  Coordenadas coordenadas;
  Documento documento;
  const char* extensiones;  // the endings the windows open it by, blank-separated: ".gpx"
  const char* filtro;       // its entry in the open dialog ("description|pattern|"), or ""
  // What is said of a file of it with waypoints but no point of a track, where one is needed; ""
  // for a layout without waypoints.
  const char* sin_track;
  // Whether `bytes`, of the layout's kind of document, are in the layout.
  Reconocimiento (*reconoce)(std::string_view bytes);
  // What `bytes` hold, in the layout's own system (metres of a layout whose datum is told are
  // read as ED50 until told otherwise), or a typed Error with its line.
  Recorrido (*lee)(std::string_view bytes);
  // The bytes of a recorrido in the layout's system (degrees, or metres of zone 30, which are
  // rounded here, in the layout's convention); named as its tracks are.
  std::string (*escribe)(const Recorrido& r);
  // The bytes of the windows' table, for a layout the windows save; nullptr for the others.
  std::string (*escribe_tabla)(const Track& t);
  // What `escribe` leaves out of a recorrido in degrees that holds it for some points only;
  // nullptr for a layout that keeps it all, or holds none of it.
  LoQueSeDeja (*deja)(const Recorrido& r);
};

// Every layout, in the order help and messages list them and recognisers are tried.
std::span<const FichaDeFormato> Formatos();
const FichaDeFormato& Ficha(Formato formato);

// The kind of document of `bytes` (after a UTF-8 byte-order mark).
Documento DocumentoDe(std::string_view bytes);

// The layout of any input by its content (see Documento).
const FichaDeFormato& FormatoPorContenido(std::string_view bytes);

// The layout of `bytes` among the text layouts, as the windows read a ".txt": TrackMaker when its
// first line holds "Version", else the X,Y list.
const FichaDeFormato& FormatoDeTexto(std::string_view bytes);

// The layout the windows open a file named `nombre` as, by its ending in any case; nullptr for a
// name no layout is opened by. For the text layouts it is the first of them.
const FichaDeFormato* FormatoPorExtension(std::string_view nombre);

// How long the ending of `nombre` is that the windows open it by (".geojson": 8), or 0.
std::size_t LargoDeLaExtension(std::string_view nombre);

// The written layout called `nombre`, or nullptr.
const FichaDeFormato* FormatoEscritoLlamado(std::string_view nombre);

// The names of the written layouts, joined as a list in Spanish: "sitna, trackmaker o gpx".
std::string NombresDeFormatosEscritos();

}  // namespace ruvek
