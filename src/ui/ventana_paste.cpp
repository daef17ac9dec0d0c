// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ventana_paste.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "clipboard/portapapeles.h"
#include "ui/controles.h"
#include "ui/geometria.h"
#include "ui/ordenes.h"

namespace ruvek {

Paste::Paste(Ordenes& ordenes, QWidget* padre) : QDialog(padre), ordenes_(ordenes) {
  PreparaDialogo(this, "Paste", QStringLiteral("Copia un track desde el portapapeles"),
                 Twips(0, 0, 4680, 3195).size());

  Caja_ = new QPlainTextEdit(this);
  Caja_->setObjectName(QStringLiteral("Caja"));
  Caja_->setGeometry(Twips(120, 240, 2775, 2655));
  Caja_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Caja_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Caja_->setTabChangesFocus(true);

  auto* pegar = new QPushButton(QStringLiteral("Pegar"), this);
  pegar->setObjectName(QStringLiteral("Command1"));
  pegar->setGeometry(Twips(3360, 360, 975, 495));
  pegar->setAutoDefault(false);
  connect(pegar, &QPushButton::clicked, this, &Paste::Command1_Click);

  Utilizar_ = new QPushButton(QStringLiteral("Utilizar"), this);
  Utilizar_->setObjectName(QStringLiteral("Utilizar"));
  Utilizar_->setGeometry(Twips(3360, 960, 975, 495));
  Utilizar_->setAutoDefault(false);
  Utilizar_->hide();
  connect(Utilizar_, &QPushButton::clicked, this, &Paste::Utilizar_Click);

  QPushButton* cerrar = BotonCerrar(this, "Command3", Twips(3840, 2520, 495, 495));

  const auto aviso = [this](const char* nombre, const QString& texto, const QColor& color) {
    QLabel* l = Etiqueta(this, nombre, texto, Twips(3120, 1680, 1455, 375), Qt::AlignHCenter);
    l->setFont(FuenteNegrita(13.5));
    QPalette paleta = l->palette();
    paleta.setColor(QPalette::WindowText, color);
    paleta.setColor(QPalette::Window, QColor(255, 255, 128));
    l->setPalette(paleta);
    l->setAutoFillBackground(true);
    l->hide();
    return l;
  };
  Aviso_ = aviso("Aviso", QStringLiteral("Correcto"), QColor(0, 0, 255));
  Aviso2_ = aviso("Aviso2", QStringLiteral("Error"), QColor(255, 0, 0));

  setTabOrder(Caja_, pegar);
  setTabOrder(pegar, Utilizar_);
  setTabOrder(Utilizar_, cerrar);

  // Form_Load
  Caja_->setPlainText(QString());
}

void Paste::Command1_Click() {
  Caja_->setPlainText(QString());
  const QString texto = QGuiApplication::clipboard()->text();
  Aviso_->hide();
  // A text far larger than any track would take the box seconds and hundreds of megabytes to
  // show: it is refused at once.
  const bool cabe = texto.size() <= qsizetype(kMaxTextoPegado);
  Aviso2_->setVisible(!cabe);
  Utilizar_->setVisible(cabe);
  if (cabe) Caja_->setPlainText(texto);
}

void Paste::Utilizar_Click() {
  // The box holds its line ends as typed or pasted; the parse accepts CR LF, LF and CR alike.
  const bool correcto = ordenes_.Utilizar(Caja_->toPlainText().toStdString());
  QLabel* aviso = correcto ? Aviso_ : Aviso2_;
  aviso->show();
  aviso->repaint();
}

}  // namespace ruvek
