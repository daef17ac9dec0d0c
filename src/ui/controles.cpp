// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controles.h"

#include <QDialog>
#include <QEvent>
#include <QScreen>

#include "ui/geometria.h"

namespace ruvek {

namespace {

class Centrador : public QObject {
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

void PonColorTexto(QWidget* w, const QColor& color) {
  QPalette paleta = w->palette();
  paleta.setColor(QPalette::WindowText, color);
  w->setPalette(paleta);
}

void CentraAlMostrar(QWidget* ventana) { ventana->installEventFilter(new Centrador(ventana)); }

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

QIcon IconoVentana() {
  QIcon icono;
  icono.addFile(QStringLiteral(":/pictures/icon-16.png"), QSize(16, 16));
  icono.addFile(QStringLiteral(":/pictures/icon-32.png"), QSize(32, 32));
  return icono;
}

QPixmap ImagenPrincipal() { return QPixmap(QStringLiteral(":/pictures/principal.png")); }

QPixmap ImagenCerrar() { return QPixmap(QStringLiteral(":/pictures/cerrar.png")); }

}  // namespace ruvek
