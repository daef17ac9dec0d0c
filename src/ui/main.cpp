// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTimer>

#include "ui/mensajes_y_dialogos.h"
#include "ui/ventana_principal.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ruvek"));
  ruvek::InstalaTraduccionEspanola(app);

  ruvek::Principal principal;
  principal.show();
  // "ruvek FILE" opens FILE as Abrir would; Qt has already taken its own options out of argv.
  if (argc > 1) {
    const std::string archivo = argv[1];
    QTimer::singleShot(0, &principal,
                       [&principal, archivo] { principal.AbreArchivoDeFuera(archivo); });
  }
  return QApplication::exec();
}
