#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "core/errors.h"
#include "test_util.h"
#include "ui/ventana_analisis.h"
#include "ui/ventana_paste.h"
#include "ui/ventana_principal.h"

namespace ruvek {
namespace {

// Answers the modal windows a command opens, one handler per window, in order.
class Respondedor {
 public:
  explicit Respondedor(std::vector<std::function<void(QWidget*)>> pasos)
      : pasos_(std::move(pasos)) {
    Programa();
  }
  bool terminado() const { return siguiente_ == pasos_.size(); }

 private:
  void Programa() {
    QTimer::singleShot(10, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal != nullptr && modal != ultimo_ && siguiente_ < pasos_.size()) {
        ultimo_ = modal;
        const std::size_t paso = siguiente_++;
        // Keep looking first: a step may open a window of its own and wait for it.
        if (siguiente_ < pasos_.size()) Programa();
        pasos_[paso](modal);
      } else if (siguiente_ < pasos_.size()) {
        Programa();
      }
    });
  }
  std::vector<std::function<void(QWidget*)>> pasos_;
  std::size_t siguiente_ = 0;
  QWidget* ultimo_ = nullptr;
};

QString Texto(const QWidget* ventana, const char* nombre) {
  const auto* l = ventana->findChild<QLabel*>(QString::fromLatin1(nombre));
  return l != nullptr ? l->text() : QStringLiteral("<missing %1>").arg(nombre);
}

TEST(Principal, StartsWithCaptionAndMenu) {
  Principal principal;
  EXPECT_EQ(principal.objectName(), "Principal");
  EXPECT_EQ(principal.windowTitle(), "Ruvek v 1.2.0");
  const QList<QAction*> menus = principal.menuBar()->actions();
  ASSERT_EQ(menus.size(), 1);
  EXPECT_EQ(menus[0]->text(), "&Archivo");
  const QList<QAction*> items = menus[0]->menu()->actions();
  const std::tuple<const char*, QString, bool> esperados[] = {
      {"Abrir", "Abrir", true},
      {"GuardarTM", "Guardar para TrackMaker", false},
      {"GuardarSitna", "Guardar para Sitna", false},
      {"Analizar", "Analizar el track", false},
      {"Copiar", "Copiar el track al portapapeles", false},
      {"Copiardesde", "Copiar un track desde el portapapeles", true},
      {"Salir", "Salir", true},
  };
  ASSERT_EQ(items.size(), 7);
  for (int i = 0; i < 7; ++i) {
    const auto& [nombre, texto, habilitada] = esperados[i];
    EXPECT_EQ(items[i]->objectName(), nombre);
    EXPECT_EQ(items[i]->text(), texto);
    EXPECT_EQ(items[i]->isEnabled(), habilitada) << nombre;
    EXPECT_TRUE(items[i]->shortcut().isEmpty());
    EXPECT_FALSE(items[i]->isSeparator());
  }
}

TEST(Principal, OpenThroughTheDialogThenSaveForSitna) {
  test::TempDir dir;
  const std::string entrada = dir.File("paseo.txt");
  std::filesystem::copy_file(test::DataFile("trackmaker_crlf.txt"), entrada);
  Principal principal;
  principal.show();

  QString titulo_mensaje, texto_mensaje, boton;
  const auto acepta_mensaje = [&](QWidget* w) {
    auto* caja = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(caja, nullptr);
    titulo_mensaje = caja->windowTitle();
    texto_mensaje = caja->text();
    EXPECT_EQ(caja->icon(), QMessageBox::Information);
    ASSERT_EQ(caja->buttons().size(), 1);
    boton = caja->buttons()[0]->text();
    caja->accept();
  };
  {
    Respondedor r(
        {[&](QWidget* w) {
           auto* d = qobject_cast<QFileDialog*>(w);
           ASSERT_NE(d, nullptr);
           EXPECT_EQ(d->windowTitle(), "Abrir archivo");
           EXPECT_EQ(d->nameFilters(), QStringList{"TXT Archivo texto de TM o Sitna(*.txt)"});
           // Typed into the name box, as a user would.
           d->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(entrada));
           static_cast<QDialog*>(d)->accept();
         },
         acepta_mensaje});
    principal.findChild<QAction*>("Abrir")->trigger();
    EXPECT_TRUE(r.terminado());
  }
  EXPECT_EQ(titulo_mensaje, "Track cargado");
  EXPECT_EQ(texto_mensaje, "Este track puede ser analizado");
  EXPECT_EQ(boton.remove('&'), "Aceptar");
  EXPECT_EQ(principal.windowTitle(), QString::fromStdString("Ruvek v 1.2.0 - " + entrada));
  for (const char* n : {"Analizar", "Copiar", "GuardarSitna"}) {
    EXPECT_TRUE(principal.findChild<QAction*>(n)->isEnabled()) << n;
  }
  EXPECT_FALSE(principal.findChild<QAction*>("GuardarTM")->isEnabled());

  const std::string salida = dir.File("paseo (Sitna).txt");
  {
    Respondedor r({[&](QWidget* w) {
                     auto* d = qobject_cast<QFileDialog*>(w);
                     ASSERT_NE(d, nullptr);
                     EXPECT_EQ(d->windowTitle(), "Guadar archivo para Sitna");
                     EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
                     static_cast<QDialog*>(d)->accept();  // the proposed name as it stands
                   },
                   acepta_mensaje});
    principal.findChild<QAction*>("GuardarSitna")->trigger();
    EXPECT_TRUE(r.terminado());
  }
  EXPECT_EQ(test::ReadFile(salida), "612346,4734567\r\n612350,4734571\r\n612361,4734581\r\n");
  EXPECT_EQ(texto_mensaje, "Este track se ha guardado para ser utilizado en el web del Sitna");
  EXPECT_EQ(principal.windowTitle(), QString::fromStdString("Ruvek v 1.2.0 - " + salida));
}

TEST(Principal, APastedTrackIsSavedInTheLastFolderUsed) {
  test::TempDir dir;
  const std::string entrada = dir.File("paseo.txt");
  std::filesystem::copy_file(test::DataFile("sitna_crlf.txt"), entrada);
  Principal principal;
  const auto cierra_mensaje = [](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); };
  {
    Respondedor r(
        {[&](QWidget* w) {
           w->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(entrada));
           static_cast<QDialog*>(qobject_cast<QFileDialog*>(w))->accept();
         },
         cierra_mensaje});
    principal.findChild<QAction*>("Abrir")->trigger();
    ASSERT_TRUE(r.terminado());
  }
  ASSERT_TRUE(principal.ordenes().Utilizar("612345,4745678"));
  {
    Respondedor r(
        {[](QWidget* w) { static_cast<QDialog*>(qobject_cast<QFileDialog*>(w))->accept(); },
         cierra_mensaje});
    principal.findChild<QAction*>("GuardarTM")->trigger();
    ASSERT_TRUE(r.terminado());
  }
  EXPECT_EQ(test::ReadFile(dir.File("sin nombre (TrackMaker).txt")).size(), 148u);
}

TEST(Principal, CancelledDialogChangesNothing) {
  Principal principal;
  principal.estado().ArchivoActual = "/tmp/x.txt";
  Respondedor r({[](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); }});
  principal.findChild<QAction*>("Abrir")->trigger();
  EXPECT_TRUE(r.terminado());
  EXPECT_EQ(principal.estado().ArchivoActual, "/tmp/x.txt");
}

TEST(Analisis, ShowsTheFiguresOfTheTable) {
  Module1 m;
  const int altitudes[] = {100, 150, 120, 180};
  for (int i = 0; i < 4; ++i) {
    m.TablaPuntos.Escribe(i + 1, ColumnaX, ValorFijo::Whole(612345));
    m.TablaPuntos.Escribe(i + 1, ColumnaAltitud, ValorFijo::Whole(altitudes[i]));
  }
  Analisis ventana(m, nullptr);
  EXPECT_EQ(ventana.objectName(), "Analisis");
  EXPECT_EQ(ventana.windowTitle(), "Análisis del track");
  const std::pair<const char*, const char*> valores[] = {{"TSubida", "110 m"}, {"TBajada", "30 m"},
                                                         {"Maxima", "180 m"},  {"Minima", "100 m"},
                                                         {"Inicial", "100 m"}, {"Final", "180 m"}};
  for (const auto& [nombre, texto] : valores) EXPECT_EQ(Texto(&ventana, nombre), texto);
  EXPECT_EQ(Texto(&ventana, "Label3"), "Máxima");
  EXPECT_EQ(m.AltitudMaxima, ValorFijo::Whole(180));

  ventana.show();
  auto* cerrar = ventana.findChild<QPushButton*>("Command1");
  ASSERT_NE(cerrar, nullptr);
  EXPECT_EQ(cerrar->accessibleName(), "Cerrar");
  cerrar->click();
  EXPECT_FALSE(ventana.isVisible());
}

TEST(Paste, PegarThenUtilizar) {
  Principal principal;
  Paste ventana(principal.ordenes(), &principal);
  auto* caja = ventana.findChild<QPlainTextEdit*>("Caja");
  auto* utilizar = ventana.findChild<QPushButton*>("Utilizar");
  auto* aviso = ventana.findChild<QLabel*>("Aviso");
  auto* aviso2 = ventana.findChild<QLabel*>("Aviso2");
  ASSERT_TRUE(caja && utilizar && aviso && aviso2);
  ventana.show();
  EXPECT_TRUE(caja->toPlainText().isEmpty());
  EXPECT_FALSE(utilizar->isVisible());
  EXPECT_FALSE(aviso->isVisible());
  EXPECT_FALSE(aviso2->isVisible());

  QGuiApplication::clipboard()->setText("612345,4745678\r\n612350,4745680\r\n");
  ventana.findChild<QPushButton*>("Command1")->click();
  EXPECT_TRUE(utilizar->isVisible());
  EXPECT_TRUE(caja->toPlainText().startsWith("612345,4745678"));
  utilizar->click();
  EXPECT_TRUE(aviso->isVisible());
  EXPECT_FALSE(aviso2->isVisible());
  EXPECT_EQ(principal.estado().NumPuntos, 2);
  EXPECT_EQ(principal.windowTitle(), "Ruvek v 1.2.0 - Track Portapapeles");
  EXPECT_TRUE(principal.findChild<QAction*>("GuardarTM")->isEnabled());

  caja->setPlainText("X,Y");
  utilizar->click();
  EXPECT_TRUE(aviso->isVisible()) << "neither label is hidden by Utilizar";
  EXPECT_TRUE(aviso2->isVisible());
  ventana.findChild<QPushButton*>("Command1")->click();
  EXPECT_FALSE(aviso->isVisible());
  EXPECT_FALSE(aviso2->isVisible());

  ventana.findChild<QPushButton*>("Command3")->click();
  EXPECT_FALSE(ventana.isVisible());
}

}  // namespace
}  // namespace ruvek
