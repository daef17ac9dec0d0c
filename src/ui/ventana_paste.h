// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ruvek {

class FlujoDeComandos;

// "Copia un track desde el portapapeles": "Pegar" brings the clipboard's text into the box,
// "Utilizar" replaces the track with the records of the box and says "Correcto" or "Error".
class Paste : public QDialog {
  Q_OBJECT

 public:
  Paste(FlujoDeComandos& ordenes, QWidget* padre);

 private:
  void PegaDelPortapapeles();
  void Utiliza();  // "Utilizar"

  FlujoDeComandos& flujo_;
  QPlainTextEdit* caja_;
  QPushButton* utilizar_;
  QLabel* aviso_correcto_;
  QLabel* aviso_error_;
};

}  // namespace ruvek
