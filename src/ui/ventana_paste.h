#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ruvek {

class Ordenes;

// "Copia un track desde el portapapeles": "Pegar" brings the clipboard's text into the box,
// "Utilizar" replaces the track with the records of the box and says "Correcto" or "Error".
class Paste : public QDialog {
  Q_OBJECT

 public:
  Paste(Ordenes& ordenes, QWidget* padre);

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  void Command1_Click();
  void Utilizar_Click();

  Ordenes& ordenes_;
  QPlainTextEdit* Caja_;
  QPushButton* Utilizar_;
  QLabel* Aviso_;
  QLabel* Aviso2_;
};

// The picture of the close buttons of both dialogs.
QIcon IconoCerrar();

// A dialog of fixed client size, without minimise, maximise or task-bar entry.
void PreparaDialogo(QDialog* dialogo, const char* nombre, const QString& titulo, QSize cliente);

// A picture-only close button.
QPushButton* BotonCerrar(QDialog* dialogo, const char* nombre, QRect caja);

}  // namespace ruvek
