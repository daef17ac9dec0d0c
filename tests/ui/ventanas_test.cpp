// SPDX-License-Identifier: GPL-3.0-or-later
// What only Qt can get wrong: controls named and laid out, signals connected, the real dialogs
// and message boxes answered, the windows actually opening.
#include <gtest/gtest.h>

#include <QtWidgets>

#include "ajustes.h"
#include "formats/lista_xy.h"
#include "test_util.h"
#include "ui/mensajes_y_dialogos.h"
#include "ui/ventana_analisis.h"
#include "ui/ventana_paste.h"
#include "ui/ventana_principal.h"

using namespace ruvek;

const std::string kTitulo = std::string("Ruvek v ") + kVersionTexto;

// Triggers the menu item `orden` (or drops the file `orden`) and answers each modal window it
// opens, in turn: a file dialog with the name given (as it stands for "", cancelled for "-"), a
// message box with its button; returns what each window showed.
std::string Responde(Principal& principal, const char* orden, QStringList respuestas) {
  QString visto;
  QWidget* ultimo = nullptr;
  QTimer reloj;
  QObject::connect(&reloj, &QTimer::timeout, [&] {
    auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (w == nullptr || w == ultimo || respuestas.isEmpty()) return;
    const QString respuesta = respuestas.takeFirst();
    const auto* caja = qobject_cast<QMessageBox*>(ultimo = w);
    const auto* d = qobject_cast<QFileDialog*>(w);
    visto += w->windowTitle() + (caja ? ": " + caja->text() : " " + d->nameFilters().join(';')) +
             " " +
             (caja ? caja->buttons()[0]->text() + QString::number(caja->icon())
                   : QString::number(d->acceptMode())) +
             "\n";
    if (d && !respuesta.isEmpty()) w->findChild<QLineEdit*>("fileNameEdit")->setText(respuesta);
    respuesta == "-" ? w->reject() : w->accept();
  });
  reloj.start(10);
  if (auto* accion = principal.findChild<QAction*>(orden)) {
    accion->trigger();
  } else {  // a file dropped on the window, opened once the drop is over
    QMimeData datos;
    datos.setUrls({QUrl::fromLocalFile(orden)});
    QDropEvent soltar(QPointF(9, 9), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject&>(principal).event(&soltar);  // Qt delivers drops only in a drag
    QApplication::processEvents();
  }
  EXPECT_TRUE(respuestas.isEmpty()) << orden;
  return visto.toStdString();
}

TEST(Principal, MenuThenOpenAndSaveThroughTheRealDialogs) {
  Principal principal;
  principal.show();
  EXPECT_EQ(principal.windowTitle().toStdString(), kTitulo);
  QString textos, encendidas;  // what the menu shows
  for (const QAction* a : principal.menuBar()->actions().value(0)->menu()->actions()) {
    textos += a->text() + "|";
    if (a->isEnabled()) encendidas += a->objectName() + " ";
  }
  EXPECT_EQ(textos.toStdString(),
            "Abrir|Guardar para TrackMaker|Guardar para Sitna|Analizar el track|Copiar el track "
            "al portapapeles|Copiar un track desde el portapapeles|Salir|");
  EXPECT_EQ(encendidas.toStdString(), "Abrir Copiardesde Salir ");
  test::CarpetaTemporal dir;
  test::EscribeArchivo(dir.Archivo("paseo.txt"),
                       test::LeeArchivo(test::ArchivoDeDatos("trackmaker_crlf.txt")));
  std::string vistos =
      Responde(principal, "Abrir", {QString::fromStdString(dir.Archivo("paseo.txt")), ""});
  vistos += Responde(principal, "GuardarSitna", {"", ""});
  EXPECT_EQ(
      vistos,
      "Abrir archivo TXT Archivo texto de TM o Sitna(*.txt);GPX Archivo GPX(*.gpx);KML Archivo "
      "KML(*.kml);KMZ Archivo KMZ(*.kmz);GeoJSON Archivo GeoJSON(*.geojson *.json) 0\n"
      "Track cargado: Este track puede ser analizado Aceptar1\n"
      "Guadar archivo para Sitna TXT Archivo texto Sitna(*.txt) 1\n"
      "Track guardado: Este track se ha guardado para ser utilizado en el web del Sitna "
      "Aceptar1\n");
  EXPECT_EQ(test::LeeArchivo(dir.Archivo("paseo (Sitna).txt")),
            "612346,4734567\r\n612350,4734571\r\n612361,4734581\r\n");
  EXPECT_EQ(principal.windowTitle().toStdString(),
            kTitulo + " - " + dir.Archivo("paseo (Sitna).txt"));
  // A pasted track is proposed in the last folder used; a cancelled dialog changes nothing.
  principal.flujo().UsaTextoPegado("612345,4745678");
  Responde(principal, "GuardarTM", {"", ""});
  Responde(principal, "Abrir", {"-"});
  EXPECT_EQ(test::LeeArchivo(principal.flujo().archivo_actual()).size(), 148u);
  // A GPX dropped on the window opens as Abrir would open it.
  const std::string gpx = test::ArchivoDeDatos("gpx/pamplona.gpx");
  EXPECT_EQ(Responde(principal, gpx.c_str(), {""}),
            "Track cargado: Este track puede ser analizado Aceptar1\n");
  EXPECT_EQ(principal.windowTitle().toStdString(), kTitulo + " - " + gpx);
}

TEST(Ventanas, AnalisisShowsItsFiguresAndPasteTakesTheClipboard) {
  Principal principal;
  Analisis analisis(test::Puntos("1,0,100 1,0,200 1,0,100 1,0,400"), &principal);
  QString textos;
  for (const char* n : {"Label3", "Inicial", "Maxima", "Minima", "Final", "TSubida", "TBajada"})
    textos += analisis.findChild<QLabel*>(n)->text() + "|";
  EXPECT_EQ(textos.toStdString(), "Máxima|100 m|400 m|100 m|400 m|400 m|100 m|");
  analisis.show();
  analisis.findChild<QPushButton*>("Command1")->click();
  EXPECT_FALSE(analisis.isVisible());

  Paste paste(principal.flujo(), &principal);
  paste.show();
  const auto pulsa = [&](const char* boton) {  // then what shows: Utilizar, Aviso, Aviso2, Caja
    if (boton != nullptr) paste.findChild<QPushButton*>(boton)->click();
    QString r;
    for (const char* n : {"Utilizar", "Aviso", "Aviso2"})
      r += QString::number(paste.findChild<QWidget*>(n)->isVisible());
    return (r + " " + paste.findChild<QPlainTextEdit*>("Caja")->toPlainText()).toStdString();
  };
  EXPECT_EQ(pulsa(nullptr), "000 ");
  QGuiApplication::clipboard()->setText("612345,4745678\r\n612350,4745680\r\n");
  EXPECT_EQ(pulsa("Command1"), "100 612345,4745678\n612350,4745680\n");
  EXPECT_EQ(pulsa("Utilizar").substr(0, 3), "110");
  EXPECT_EQ(principal.windowTitle().toStdString(), kTitulo + " - Track Portapapeles");
  paste.findChild<QPlainTextEdit*>("Caja")->setPlainText("X,Y");
  EXPECT_EQ(pulsa("Utilizar"), "111 X,Y") << "Utilizar hides neither label";
  EXPECT_EQ(pulsa("Command1").substr(0, 3), "100");
  QGuiApplication::clipboard()->setText(QString(kLargoMaximoDePegado + 1, u'1'));
  EXPECT_EQ(pulsa("Command1"), "001 ") << "a text no track can be is refused, not shown";
  paste.findChild<QPushButton*>("Command3")->click();
  EXPECT_FALSE(paste.isVisible());
}

// The controls of a fixed-size window, by name; each lies inside the client area (the picture's
// top is cut off by design) in the house face, and no text or control covers another but for
// those `solapes` names.
std::string Layout(const QWidget* cliente, const QString& solapes) {
  EXPECT_EQ(cliente->window()->minimumSize(), cliente->window()->maximumSize()) << "fixed size";
  EXPECT_FALSE(cliente->window()->windowFlags() & Qt::WindowMinMaxButtonsHint);
  const auto ocupa = [](const QWidget* w) {
    const auto* l = qobject_cast<const QLabel*>(w);
    const int como = l ? int(l->alignment()) | Qt::TextWordWrap : 0;
    return l && l->pixmap().isNull()
               ? QFontMetrics(l->font()).boundingRect(l->geometry(), como, l->text())
               : w->geometry();
  };
  QStringList nombres, solapados;
  for (const QWidget* w : cliente->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    nombres << w->objectName();
    EXPECT_TRUE(nombres.back() == "Image1" || cliente->rect().contains(w->geometry()));
    EXPECT_EQ(QFontInfo(w->font()).family(), "Liberation Sans");
    for (const QWidget* otro : cliente->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (w->objectName() < otro->objectName() && ocupa(w).intersects(ocupa(otro)))
        solapados << w->objectName() + "/" + otro->objectName();
    }
  }
  EXPECT_EQ(solapados.join(' ').toStdString(), solapes.toStdString());
  nombres.sort();
  return nombres.join(' ').toStdString();
}

TEST(Layout, EveryWindowHoldsItsNamedControls) {
  Principal principal;
  principal.show();
  EXPECT_EQ(Layout(principal.centralWidget(), ""),
            "Image1 Label1 Label10 Label2 Label3 Label4 Label5 Label6 Label7 Label8 Label9");
  EXPECT_FALSE(principal.findChild<QLabel*>("Image1")->pixmap().isNull());
  Analisis analisis(Track{}, nullptr);
  EXPECT_EQ(Layout(&analisis, ""),
            "Command1 Final Inicial Label1 Label2 Label3 Label4 Label5 Label6 Label7 Maxima "
            "Minima TBajada TSubida");
  const int derecha = analisis.findChild<QLabel*>("Inicial")->geometry().right();
  for (const char* n : {"Maxima", "Minima", "Final", "TSubida", "TBajada"})
    EXPECT_EQ(analisis.findChild<QLabel*>(n)->geometry().right(), derecha) << "one right edge";
  Paste paste(principal.flujo(), &principal);
  EXPECT_EQ(Layout(&paste, "Aviso/Aviso2"), "Aviso Aviso2 Caja Command1 Command3 Utilizar");
  QString orden;
  for (QWidget* w = paste.findChild<QWidget*>("Caja"); orden.size() < 30; w = w->nextInFocusChain())
    if (w->focusPolicy() & Qt::TabFocus) orden += w->objectName() + " ";
  EXPECT_EQ(orden, "Caja Command1 Utilizar Command3 ") << "tab order";
  const auto* caja = paste.findChild<QPlainTextEdit*>("Caja");
  for (const Qt::ScrollBarPolicy s :
       {caja->verticalScrollBarPolicy(), caja->horizontalScrollBarPolicy()})
    EXPECT_EQ(s, Qt::ScrollBarAlwaysOff) << "a box without scroll bars";
}

// Window tests run without a display unless told otherwise.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  InstalaTraduccionEspanola(app);
  return RUN_ALL_TESTS();
}
