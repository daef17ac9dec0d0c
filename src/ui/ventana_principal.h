// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <map>

#include "ui/flujo_de_comandos.h"
#include "ui/plataforma.h"

class QAction;
class QFileDialog;

namespace ruvek {

// The main window: an information page under the "Archivo" menu. It owns the program state
// and the command flow, and gives the flow its platform services.
class Principal : public QMainWindow, private Plataforma {
  Q_OBJECT

 public:
  explicit Principal(QWidget* padre = nullptr);
  ~Principal() override;

  FlujoDeComandos& flujo() { return flujo_; }

  // Opens a file named on the command line or dropped on the window, as Abrir would open it;
  // the next file dialog starts in its folder.
  void AbreArchivoDeFuera(const std::string& nombre);

 protected:
  // A track file dropped on the window opens as Abrir would open that name.
  void dragEnterEvent(QDragEnterEvent* evento) override;
  void dropEvent(QDropEvent* evento) override;

 private:
  void CreaMenu();
  void CreaEtiquetas();
  QFileDialog& DialogoDeArchivos();  // the one file dialog, made at its first use

  // Plataforma
  RespuestaDialogo DialogoArchivo(const PeticionDialogo& peticion) override;
  void Mensaje(const std::string& texto, const std::string& titulo) override;
  void Advertencia(const std::string& texto, const std::string& titulo) override;
  void Habilita(Comando comando, bool habilitado) override;
  void Titulo(const std::string& titulo) override;
  void LimpiaPortapapeles() override;
  bool TextoAlPortapapeles(const std::string& texto) override;
  void GuardaArchivo(const std::string& nombre, const std::string& contenido) override;
  void MuestraAnalisis() override;
  void MuestraPaste() override;
  void Termina() override;

  FlujoDeComandos flujo_;
  std::map<Comando, QAction*> acciones_;
  QFileDialog* dialogo_ = nullptr;
  QString ultimo_nombre_;  // the name the last dialog request preset or returned
};

}  // namespace ruvek
