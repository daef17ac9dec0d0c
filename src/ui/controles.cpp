// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controles.h"

#include <QDialog>
#include <QEvent>
#include <QScreen>

#include "ui/imagenes.h"
#include "ui/medidas_y_fuentes.h"

namespace ruvek {

namespace {

// Centres its window on the screen each time the window is shown.
class CentraAlMostrarse : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (evento->type() == QEvent::Show) {
      auto* ventana = static_cast<QWidget*>(objeto);
      if (const QScreen* pantalla = ventana->screen()) {
        QRect marco = ventana->frameGeometry();
        marco.moveCenter(pantalla->availableGeometry().center());
        ventana->move(marco.topLeft());
      }
    }
    return false;
  }
};

}  // namespace

QLabel* Etiqueta(QWidget* padre, const char* nombre, const QString& texto, QRect caja,
                 Qt::Alignment alineacion) {
  auto* etiqueta = new QLabel(texto, padre);
  etiqueta->setObjectName(QString::fromLatin1(nombre));
  etiqueta->setGeometry(caja);
  etiqueta->setWordWrap(true);
  etiqueta->setAlignment(alineacion | Qt::AlignTop);
  return etiqueta;
}

void PonColores(QWidget* w, const QColor& texto, const QColor& fondo) {
  QPalette paleta = w->palette();
  paleta.setColor(QPalette::WindowText, texto);
  if (fondo.isValid()) paleta.setColor(QPalette::Window, fondo);
  w->setPalette(paleta);
  if (fondo.isValid()) w->setAutoFillBackground(true);
}

void CentraAlMostrar(QWidget* ventana) {
  ventana->installEventFilter(new CentraAlMostrarse(ventana));
}

void PreparaDialogo(QDialog* dialogo, const char* nombre, const QString& titulo, QSize cliente) {
  dialogo->setObjectName(QString::fromLatin1(nombre));
  dialogo->setWindowTitle(titulo);
  dialogo->setFont(FuenteVentana());
  // A dialog frame: no minimise or maximise button, no task-bar entry, not resizable.
  dialogo->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
  dialogo->setFixedSize(cliente);
  dialogo->setModal(true);
  CentraAlMostrar(dialogo);
}

QPushButton* BotonCerrar(QDialog* dialogo, const char* nombre, QRect caja) {
  auto* boton = new QPushButton(dialogo);
  boton->setObjectName(QString::fromLatin1(nombre));
  boton->setGeometry(caja);
  boton->setIcon(QIcon(ImagenCerrar()));
  boton->setIconSize(ImagenCerrar().size());
  boton->setAccessibleName(QStringLiteral("Cerrar"));
  boton->setToolTip(QStringLiteral("Cerrar"));
  boton->setAutoDefault(false);
  QObject::connect(boton, &QPushButton::clicked, dialogo, &QDialog::accept);
  return boton;
}

}  // namespace ruvek
