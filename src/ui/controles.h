// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QString>

class QDialog;

namespace ruvek {

// A label placed by twips, wrapping at word boundaries within its box.
QLabel* Etiqueta(QWidget* padre, const char* nombre, const QString& texto, QRect caja,
                 Qt::Alignment alineacion = Qt::AlignLeft);

// The colours of a control's text and, when given, of its background, which it then fills.
void PonColores(QWidget* w, const QColor& texto, const QColor& fondo = QColor());

// Centres the window on its screen each time it is shown.
void CentraAlMostrar(QWidget* ventana);

// A dialog of fixed client size, centred, without minimise or maximise buttons and without a
// task-bar entry.
void PreparaDialogo(QDialog* dialogo, const char* nombre, const QString& titulo, QSize cliente);

// A picture-only button that closes its dialog; its accessible name and tooltip say "Cerrar".
QPushButton* BotonCerrar(QDialog* dialogo, const char* nombre, QRect caja);

}  // namespace ruvek
