// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ventana_analisis.h"

#include <QPushButton>

#include "analysis/analisis.h"
#include "ui/controles.h"
#include "ui/medidas_y_fuentes.h"

namespace ruvek {

Analisis::Analisis(const Track& track, QWidget* padre) : QDialog(padre) {
  PreparaDialogo(this, "Analisis", QStringLiteral("Análisis del track"),
                 CajaEnVeinteavos(0, 0, 6210, 3960).size());

  QLabel* altitud =
      Etiqueta(this, "Label1", QStringLiteral("Altitud"), CajaEnVeinteavos(360, 360, 1095, 255));
  altitud->setFont(FuenteNegrita(12));
  PonColores(altitud, QColor(0, 0, 255));

  // Fixed caption on the left, value label on the right; all value labels end at one edge.
  struct Fila {
    const char* rotulo;
    const char* valor;
    QString texto;
    int top;
    int left_valor;
    int ancho;
  };
  const Fila filas[] = {
      {"Label2", "Inicial", QStringLiteral("Inicial"), 720, 3240, 1215},
      {"Label3", "Maxima", QStringLiteral("Máxima"), 1080, 3240, 1215},
      {"Label4", "Minima", QStringLiteral("Mínima"), 1440, 3240, 1215},
      {"Label5", "Final", QStringLiteral("Final"), 1800, 3240, 1215},
      {"Label6", "TSubida", QStringLiteral("Total Subida"), 2400, 2760, 1695},
      {"Label7", "TBajada", QStringLiteral("Total Bajada"), 2760, 2760, 1695},
  };
  for (const Fila& f : filas) {
    for (QLabel* l :
         {Etiqueta(this, f.rotulo, f.texto, CajaEnVeinteavos(960, f.top, f.ancho, 255)),
          Etiqueta(this, f.valor, f.texto, CajaEnVeinteavos(f.left_valor, f.top, f.ancho, 255),
                   Qt::AlignRight)}) {
      l->setFont(FuenteNegrita(9.75));
      PonColores(l, QColor(0, 0, 128));
    }
  }

  BotonCerrar(this, "Command1", CajaEnVeinteavos(5400, 3360, 495, 495));

  // The figures are in place before the window is first shown.
  const TextosDelAnalisis t = TextosDe(AnalizaAltitudes(track));
  const std::pair<const char*, const std::string*> valores[] = {
      {"TSubida", &t.total_subida}, {"TBajada", &t.total_bajada}, {"Maxima", &t.maxima},
      {"Minima", &t.minima},        {"Inicial", &t.inicial},      {"Final", &t.final_}};
  for (const auto& [nombre, texto] : valores) {
    findChild<QLabel*>(QString::fromLatin1(nombre))->setText(QString::fromStdString(*texto));
  }
}

}  // namespace ruvek
