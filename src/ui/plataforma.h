// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "ui/comandos.h"

namespace ruvek {

enum class TipoDialogo { Abrir, Guardar };

// One request to the shared file dialog. `filtro` is a list of description and pattern, each
// followed by "|". `nombre` presets the file name; without it the dialog starts with the name
// the previous request left.
struct PeticionDialogo {
  TipoDialogo tipo = TipoDialogo::Abrir;
  std::string titulo;
  std::string filtro;
  std::optional<std::string> nombre;
};

// What the dialog gave back: a cancelled dialog never returns a name.
struct RespuestaDialogo {
  bool cancelado = true;
  std::string nombre;
};

// The platform services the commands use. The Qt main window implements it; tests use a fake
// that records every call in order.
class Plataforma {
 public:
  virtual ~Plataforma() = default;

  virtual RespuestaDialogo DialogoArchivo(const PeticionDialogo& peticion) = 0;
  // Modal, information icon, one OK button.
  virtual void Mensaje(const std::string& texto, const std::string& titulo) = 0;
  // Modal, warning icon, one OK button.
  virtual void Advertencia(const std::string& texto, const std::string& titulo) = 0;
  virtual void Habilita(Comando comando, bool habilitado) = 0;
  virtual void Titulo(const std::string& titulo) = 0;

  virtual void LimpiaPortapapeles() = 0;
  // False when the clipboard did not take the text.
  virtual bool TextoAlPortapapeles(const std::string& texto) = 0;

  // Replaces the file only once the whole content is written; raises Error(Archivo) on any
  // failure, leaving an existing file as it was and no partial file behind.
  virtual void GuardaArchivo(const std::string& nombre, const std::string& contenido) = 0;

  // Load a fresh window and show it modally; they return when it has been closed.
  virtual void MuestraAnalisis() = 0;
  virtual void MuestraPaste() = 0;

  virtual void Termina() = 0;
};

}  // namespace ruvek
