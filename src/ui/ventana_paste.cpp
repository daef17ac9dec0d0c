// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ventana_paste.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "formats/lista_xy.h"
#include "ui/controles.h"
#include "ui/flujo_de_comandos.h"
#include "ui/medidas_y_fuentes.h"

namespace ruvek {

Paste::Paste(FlujoDeComandos& ordenes, QWidget* padre) : QDialog(padre), flujo_(ordenes) {
  PreparaDialogo(this, "Paste", QStringLiteral("Copia un track desde el portapapeles"),
                 CajaEnVeinteavos(0, 0, 4680, 3195).size());

  caja_ = new QPlainTextEdit(this);
  caja_->setObjectName(QStringLiteral("Caja"));
  caja_->setGeometry(CajaEnVeinteavos(120, 240, 2775, 2655));
  caja_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  caja_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  caja_->setTabChangesFocus(true);

  auto* pegar = new QPushButton(QStringLiteral("Pegar"), this);
  pegar->setObjectName(QStringLiteral("Command1"));
  pegar->setGeometry(CajaEnVeinteavos(3360, 360, 975, 495));
  pegar->setAutoDefault(false);
  connect(pegar, &QPushButton::clicked, this, &Paste::PegaDelPortapapeles);

  utilizar_ = new QPushButton(QStringLiteral("Utilizar"), this);
  utilizar_->setObjectName(QStringLiteral("Utilizar"));
  utilizar_->setGeometry(CajaEnVeinteavos(3360, 960, 975, 495));
  utilizar_->setAutoDefault(false);
  utilizar_->hide();
  connect(utilizar_, &QPushButton::clicked, this, &Paste::Utiliza);

  QPushButton* cerrar = BotonCerrar(this, "Command3", CajaEnVeinteavos(3840, 2520, 495, 495));

  const auto aviso = [this](const char* nombre, const QString& texto, const QColor& color) {
    QLabel* l =
        Etiqueta(this, nombre, texto, CajaEnVeinteavos(3120, 1680, 1455, 375), Qt::AlignHCenter);
    l->setFont(FuenteNegrita(13.5));
    PonColores(l, color, QColor(255, 255, 128));
    l->hide();
    return l;
  };
  aviso_correcto_ = aviso("Aviso", QStringLiteral("Correcto"), QColor(0, 0, 255));
  aviso_error_ = aviso("Aviso2", QStringLiteral("Error"), QColor(255, 0, 0));

  setTabOrder(caja_, pegar);
  setTabOrder(pegar, utilizar_);
  setTabOrder(utilizar_, cerrar);
}

void Paste::PegaDelPortapapeles() {
  caja_->setPlainText(QString());
  const QString texto = QGuiApplication::clipboard()->text();
  aviso_correcto_->hide();
  // A text far larger than any track would take the box seconds and hundreds of megabytes to
  // show: it is refused at once.
  const bool cabe = texto.size() <= qsizetype(kLargoMaximoDePegado);
  aviso_error_->setVisible(!cabe);
  utilizar_->setVisible(cabe);
  if (cabe) caja_->setPlainText(texto);
}

void Paste::Utiliza() {
  // The box holds its line ends as typed or pasted; the parse accepts CR LF, LF and CR alike.
  const bool correcto = flujo_.UsaTextoPegado(caja_->toPlainText().toStdString());
  QLabel* aviso = correcto ? aviso_correcto_ : aviso_error_;
  aviso->show();
  aviso->repaint();
}

}  // namespace ruvek
