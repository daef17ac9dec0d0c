// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/module1.h"
#include "geo/proyeccion.h"
#include "ui/plataforma.h"

namespace ruvek {

// The command flow of the main window: what each command of the "Archivo" menu reads, changes,
// enables, captions and shows. Plain C++ over the Plataforma interface, so it runs and is
// tested without a display.
//
// The file commands end silently on any failure: no message, and everything done before the
// failure stays done.
class Ordenes {
 public:
  Ordenes(Module1& m, Plataforma& plataforma) : m_(m), p_(plataforma) {}

  // Builds TituloVentana from the program's version and makes it the caption.
  void Form_Load();

  // Asks for a name with the open dialog and opens it: a ".TXT" name (in any case) is loaded by
  // the text loader, whose failures are silent; a ".GPX" name is loaded whole or not at all, and a
  // failure is told in a warning; any other name is only kept in ArchivoActual.
  void Abrir_Click();
  // Opens `nombre` as Abrir_Click does with a chosen name: a file dropped on the window, or named
  // on the command line.
  void AbreArchivo(const std::string& nombre);
  void GuardarTM_Click();
  void GuardarSitna_Click();
  void Analizar_Click();
  void Copiar_Click();
  void Copiardesde_Click();
  void Salir_Click();

  // "Utilizar" of the Paste window: captions the main window, renames the track, switches the
  // save commands, then replaces the track with the records of `texto`. True for "Correcto",
  // false for "Error"; nothing is rolled back.
  bool Utilizar(std::string texto);

 private:
  struct Guardado;
  void Guarda(const Guardado& g);
  // Runs the file dialog; on acceptance stores the name in ArchivoActual and returns true.
  bool PideArchivo(const PeticionDialogo& peticion);
  void PonTitulo(std::string_view sufijo);
  void Abre();  // the name chosen is in ArchivoActual

  Module1& m_;
  Plataforma& p_;
  Proyeccion proyeccion_;  // made at the first GPX
};

// What a warning says of a failed load, in Spanish: what is wrong and, where there is one, on
// which line.
std::string TextoDelFallo(const Error& e);

// The caption for a track: TituloVentana, " - ", then the suffix.
std::string TituloCon(const Module1& m, std::string_view sufijo);

}  // namespace ruvek
