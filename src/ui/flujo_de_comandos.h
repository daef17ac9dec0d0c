// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/track.h"
#include "formats/formatos.h"
#include "geo/proyeccion.h"
#include "ui/plataforma.h"

namespace ruvek {

// The command flow of the main window and the state it works on: the track, the current file's
// name and the caption. What each command of the "Archivo" menu reads, changes, enables,
// captions and shows, in plain C++ over the Plataforma interface, so it runs and is tested
// without a display.
//
// Rules kept from Ruvek's first windows, which users and their files rely on (see
// docs/ARCHITECTURE.md): the commands on text files end silently on any failure, and what they
// did before it stays done, the points a load or a paste stored before it included; a message
// only ever confirms a success. A GPX, or any layout opened by its own ending, replaces the track
// only when read whole, and a failure to read it is told.
class FlujoDeComandos {
 public:
  explicit FlujoDeComandos(Plataforma& plataforma) : p_(plataforma) {}
  // Makes the caption from the program's version.
  void Inicia();
  // Asks for a name with the open dialog and opens it (see AbreArchivo).
  void Abrir();
  // Opens `nombre` as the current file: by its ending, as text (".txt", in any case) or as the
  // layout of that ending; any other name is only kept as the current file's. Also a file
  // dropped on the window, or named on the command line.
  void AbreArchivo(const std::string& nombre);
  void GuardarTrackMaker();
  void GuardarSitna();
  void Analizar();
  void Copiar();
  void PegarDesdePortapapeles();
  void Salir();
  // "Utilizar" of the Paste window: captions the main window, renames the track, switches the
  // save commands, then replaces the track with the points of `texto`. True for "Correcto",
  // false for "Error".
  bool UsaTextoPegado(std::string_view texto);

  const Track& track() const { return track_; }
  const std::string& archivo_actual() const { return archivo_actual_; }
  // The current file's name becomes `nombre`, as when a dialog returns it.
  void PonArchivoActual(std::string nombre) { archivo_actual_ = std::move(nombre); }
  // The caption for a track: the program's, " - ", then the suffix.
  std::string TituloCon(std::string_view sufijo) const;

 private:
  struct Guardado;
  void Guarda(const Guardado& g);
  // Runs the file dialog; on acceptance keeps the name as the current file's and returns true.
  bool PideArchivo(const PeticionDialogo& peticion);
  void PonTitulo(std::string_view sufijo);
  // The current file as text: TrackMaker or an X,Y list by its first line, into a cleared track.
  void CargaTexto();
  // The current file in `ficha`'s layout, read whole.
  void CargaEntero(const FichaDeFormato& ficha);
  // The track read becomes the current one: commands, caption and message follow it.
  void Cargado(const FichaDeFormato& ficha, Track track);

  Plataforma& p_;
  Track track_;
  std::string archivo_actual_;
  std::string titulo_ventana_;
  Proyeccion proyeccion_;  // PROJ, loaded at the first layout in degrees
};

// What the windows' table holds of `bytes` in `ficha`'s layout: the numbers of a text as read,
// whatever zone or datum it names, rounded (LecturaIncompleta, with the table of what was read,
// when it fails part-way); the tracks of a layout in degrees or in metres of another datum in ED50
// metres, rounded, without its waypoints (a file of waypoints alone is refused as the layout's
// reader refuses a file without a point).
Track LeeLaTabla(const FichaDeFormato& ficha, std::string_view bytes, Proyeccion& proyeccion);

// What a warning says of a failed load, in Spanish: what is wrong and, where there is one, on
// which line.
std::string TextoDelFallo(const Error& e);

}  // namespace ruvek
