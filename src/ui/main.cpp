// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "ui/plataforma_qt.h"
#include "ui/ventana_principal.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ruvek"));
  ruvek::InstalaTraduccionEspanola(app);

  ruvek::Principal principal;
  principal.show();
  return QApplication::exec();
}
