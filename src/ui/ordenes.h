// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/errores.h"
#include "core/track.h"
#include "geo/proyeccion.h"
#include "ui/plataforma.h"

namespace ruvek {

// The command flow of the main window and the state it works on: the track, the current file's
// name and the caption. What each command of the "Archivo" menu reads, changes, enables,
// captions and shows, in plain C++ over the Plataforma interface, so it runs and is tested
// without a display.
//
// The commands on text files end silently on any failure: no message, and everything done before
// the failure stays done, the points a load or a paste stored before it included. A GPX replaces
// the track only when read whole.
class Ordenes {
 public:
  explicit Ordenes(Plataforma& plataforma) : p_(plataforma) {}
  // Makes the caption from the program's version.
  void Inicia();
  // Asks for a name with the open dialog and opens it: a ".TXT" name (in any case) is read as
  // TrackMaker text or an X,Y list into a cleared track, its failures silent; a ".GPX" name
  // replaces the track only when read whole, and a failure is told in a warning; any other name
  // is only kept as the current file's.
  void Abrir();
  // Opens `nombre` as Abrir does with a chosen name: a file dropped on the window, or named on the
  // command line.
  void AbreArchivo(const std::string& nombre);
  void GuardarTrackMaker();
  void GuardarSitna();
  void Analizar();
  void Copiar();
  void PegarDesdePortapapeles();
  void Salir();
  // "Utilizar" of the Paste window: captions the main window, renames the track, switches the
  // save commands, then replaces the track with the points of `texto` (with none when it is not
  // an X,Y list). True for "Correcto", false for "Error".
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
  void Abre();  // the name chosen is the current file's
  Plataforma& p_;
  Track track_;
  std::string archivo_actual_;
  std::string titulo_ventana_;
  Proyeccion proyeccion_;  // made at the first GPX
};

// What a warning says of a failed load, in Spanish: what is wrong and, where there is one, on
// which line.
std::string TextoDelFallo(const Error& e);

}  // namespace ruvek
