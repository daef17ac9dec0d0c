// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/archivo_qt.h"

#include <QSaveFile>

#include "core/errors.h"

namespace ruvek {

void GuardaConQSaveFile(const std::string& nombre, const std::string& contenido) {
  QSaveFile archivo(QString::fromStdString(nombre));
  if (!archivo.open(QIODevice::WriteOnly)) {
    throw Error(ErrorKind::FileError, archivo.errorString().toStdString());
  }
  const auto escrito = archivo.write(contenido.data(), static_cast<qint64>(contenido.size()));
  if (escrito != static_cast<qint64>(contenido.size())) {
    archivo.cancelWriting();
    throw Error(ErrorKind::FileError, archivo.errorString().toStdString());
  }
  if (!archivo.commit()) throw Error(ErrorKind::FileError, archivo.errorString().toStdString());
}

}  // namespace ruvek
