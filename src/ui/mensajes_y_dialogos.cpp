// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mensajes_y_dialogos.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

namespace ruvek {

QStringList FiltrosQt(const std::string& filtro) {
  const QStringList partes = QString::fromStdString(filtro).split(u'|');
  QStringList filtros;
  for (qsizetype i = 0; i + 1 < partes.size(); i += 2) {
    const QString descripcion = partes[i];
    const QString patron = partes[i + 1];
    // Qt reads the patterns from the parentheses that end the description.
    filtros << (descripcion.endsWith(u'(' + patron + u')') ? descripcion
                                                           : descripcion + " (" + patron + ")");
  }
  return filtros;
}

void InstalaTraduccionEspanola(QApplication& app) {
  auto* traductor = new QTranslator(&app);
  if (traductor->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(traductor);
  }
}

void MuestraMensaje(QWidget* padre, const QString& texto, const QString& titulo, bool advertencia) {
  QMessageBox caja(advertencia ? QMessageBox::Warning : QMessageBox::Information, titulo, texto,
                   QMessageBox::Ok, padre);
  caja.setObjectName(QStringLiteral("Mensaje"));
  caja.exec();
}

}  // namespace ruvek
