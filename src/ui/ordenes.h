// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/module1.h"
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

  void Abrir_Click();
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

  Module1& m_;
  Plataforma& p_;
};

// The caption for a track: TituloVentana, " - ", then the suffix.
std::string TituloCon(const Module1& m, std::string_view sufijo);

// Where the last `n` characters of UTF-8 text begin, or npos when it has fewer.
std::size_t InicioUltimosCaracteres(std::string_view texto, int n);

}  // namespace ruvek
