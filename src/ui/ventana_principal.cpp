// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ventana_principal.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>

#include "ajustes.h"
#include "io/guarda_archivo.h"
#include "ui/controles.h"
#include "ui/imagenes.h"
#include "ui/medidas_y_fuentes.h"
#include "ui/mensajes_y_dialogos.h"
#include "ui/ventana_analisis.h"
#include "ui/ventana_paste.h"

namespace ruvek {

namespace {

struct ItemDelMenu {
  Comando comando;
  const char* nombre;
  const char* texto;
  bool habilitada_al_abrir;
  void (FlujoDeComandos::*orden)();
};

const ItemDelMenu kMenu[] = {
    {Comando::Abrir, "Abrir", "Abrir", true, &FlujoDeComandos::Abrir},
    {Comando::GuardarTrackMaker, "GuardarTM", "Guardar para TrackMaker", false,
     &FlujoDeComandos::GuardarTrackMaker},
    {Comando::GuardarSitna, "GuardarSitna", "Guardar para Sitna", false,
     &FlujoDeComandos::GuardarSitna},
    {Comando::Analizar, "Analizar", "Analizar el track", false, &FlujoDeComandos::Analizar},
    {Comando::Copiar, "Copiar", "Copiar el track al portapapeles", false, &FlujoDeComandos::Copiar},
    {Comando::PegarDesdePortapapeles, "Copiardesde", "Copiar un track desde el portapapeles", true,
     &FlujoDeComandos::PegarDesdePortapapeles},
    {Comando::Salir, "Salir", "Salir", true, &FlujoDeComandos::Salir},
};

const QColor kAzul(0, 0, 255);

}  // namespace

Principal::Principal(QWidget* padre) : QMainWindow(padre), flujo_(*this) {
  setObjectName(QStringLiteral("Principal"));
  setWindowTitle(QStringLiteral("Ruvek"));
  setFont(FuenteVentana());
  setWindowIcon(IconoVentana());
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  CreaMenu();
  CreaEtiquetas();
  layout()->setSizeConstraint(QLayout::SetFixedSize);  // client area fixed, not resizable
  CentraAlMostrar(this);
  setAcceptDrops(true);

  flujo_.Inicia();
}

Principal::~Principal() = default;

void Principal::CreaMenu() {
  QMenu* archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
  archivo->setObjectName(QStringLiteral("Archivo"));
  for (const ItemDelMenu& o : kMenu) {
    QAction* accion = archivo->addAction(QString::fromUtf8(o.texto));
    accion->setObjectName(QString::fromLatin1(o.nombre));
    accion->setEnabled(o.habilitada_al_abrir);
    connect(accion, &QAction::triggered, this, [this, &o] { (flujo_.*o.orden)(); });
    acciones_[o.comando] = accion;
  }
}

void Principal::CreaEtiquetas() {
  auto* cliente = new QWidget(this);
  cliente->setObjectName(QStringLiteral("Cliente"));
  cliente->setFixedSize(CajaEnVeinteavos(0, 0, 7200, 6030).size());
  setCentralWidget(cliente);

  // The picture at its natural size; its top rows lie above the client area, cut off there.
  auto* imagen = new QLabel(cliente);
  imagen->setObjectName(QStringLiteral("Image1"));
  imagen->setPixmap(ImagenPrincipal());
  imagen->setGeometry(
      QRect(CajaEnVeinteavos(2040, -120, 0, 0).topLeft(), ImagenPrincipal().size()));

  struct Texto {
    const char* nombre;
    QString texto;
    QRect caja;
    double puntos;  // 0: the window's default font
    QColor color;   // invalid: the default text colour
    Qt::Alignment alineacion;
  };
  const Texto textos[] = {
      {"Label1", QStringLiteral("Utilidad para transformar archivos de:"),
       CajaEnVeinteavos(960, 2760, 5175, 375), 12, kAzul, Qt::AlignLeft},
      {"Label6", QStringLiteral("- TrackMaker (formato txt) a texto X,Y"),
       CajaEnVeinteavos(1680, 3120, 5175, 375), 12, kAzul, Qt::AlignLeft},
      {"Label7", QStringLiteral("- Texto X,Y a formato txt de TrackMaker"),
       CajaEnVeinteavos(1680, 3480, 5175, 375), 12, kAzul, Qt::AlignLeft},
      {"Label8",
       QStringLiteral("Lo que posibilita interactuar entre TrackMaker y el Web del Sitna"),
       CajaEnVeinteavos(960, 3840, 5655, 615), 12, kAzul, Qt::AlignLeft},
      {"Label2",
       QStringLiteral("Webs de interés:"),
       CajaEnVeinteavos(1080, 4440, 5535, 255),
       0,
       {},
       Qt::AlignLeft},
      {"Label3",
       QString::fromUtf8(kWebSitna),
       CajaEnVeinteavos(2400, 4440, 1935, 255),
       0,
       {},
       Qt::AlignLeft},
      {"Label4",
       QString::fromUtf8(kWebTrackMaker),
       CajaEnVeinteavos(4320, 4440, 1695, 255),
       0,
       {},
       Qt::AlignLeft},
      {"Label10",
       QStringLiteral("Datum European 1950 (GPS)"),
       CajaEnVeinteavos(1800, 4800, 3615, 615),
       12,
       {},
       Qt::AlignLeft},
      {"Label5",
       QStringLiteral("Ruvek, hecho por el equipo de Ruvek. Revisión: ") +
           QString::fromUtf8(kFechaRevision),
       CajaEnVeinteavos(480, 5280, 6375, 255), 9.75, QColor(255, 0, 0), Qt::AlignHCenter},
      {"Label9", QStringLiteral("Envíe sus sugerencias a ") + QString::fromUtf8(kContacto),
       CajaEnVeinteavos(480, 5640, 6375, 255), 8.25, QColor(0, 0, 0), Qt::AlignHCenter},
  };
  for (const Texto& t : textos) {
    QLabel* etiqueta = Etiqueta(cliente, t.nombre, t.texto, t.caja, t.alineacion);
    if (t.puntos > 0) etiqueta->setFont(FuenteNegrita(t.puntos));
    if (t.color.isValid()) PonColores(etiqueta, t.color);
  }
}

QFileDialog& Principal::DialogoDeArchivos() {
  // Made at the first file command, then shared by all of them.
  if (dialogo_ == nullptr) {
    dialogo_ = new QFileDialog(this);
    dialogo_->setObjectName(QStringLiteral("CommonDialog1"));
    dialogo_->setOption(QFileDialog::DontUseNativeDialog);
    dialogo_->setFileMode(QFileDialog::AnyFile);
  }
  return *dialogo_;
}

RespuestaDialogo Principal::DialogoArchivo(const PeticionDialogo& peticion) {
  QFileDialog& d = DialogoDeArchivos();
  d.setWindowTitle(QString::fromStdString(peticion.titulo));
  d.setNameFilters(FiltrosQt(peticion.filtro));
  const bool guardar = peticion.tipo == TipoDialogo::Guardar;
  d.setAcceptMode(guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (peticion.nombre) ultimo_nombre_ = QString::fromStdString(*peticion.nombre);
  // The name goes into the name box and its folder, if it names one, becomes the dialog's
  // folder; a bare name such as "sin nombre (TrackMaker).txt" stays in the last folder used.
  const QFileInfo nombre(ultimo_nombre_);
  if (ultimo_nombre_.contains(u'/') && nombre.dir().exists()) d.setDirectory(nombre.absolutePath());
  d.selectFile(nombre.fileName());
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
  ultimo_nombre_ = d.selectedFiles().constFirst();
  d.setDirectory(QFileInfo(ultimo_nombre_).absolutePath());  // the next request starts there
  return {false, ultimo_nombre_.toStdString()};
}

void Principal::Mensaje(const std::string& texto, const std::string& titulo) {
  MuestraMensaje(this, QString::fromStdString(texto), QString::fromStdString(titulo));
}

void Principal::Advertencia(const std::string& texto, const std::string& titulo) {
  MuestraMensaje(this, QString::fromStdString(texto), QString::fromStdString(titulo), true);
}

namespace {
// The one local track file being dropped (a name some layout opens by), or nothing.
QString ArchivoSoltado(const QMimeData* datos) {
  const QList<QUrl> urls = datos->urls();
  const QString nombre = urls.size() == 1 && urls[0].isLocalFile() ? urls[0].toLocalFile() : "";
  return FormatoPorExtension(nombre.toStdString()) != nullptr ? nombre : QString();
}
}  // namespace

void Principal::dragEnterEvent(QDragEnterEvent* evento) {
  if (!ArchivoSoltado(evento->mimeData()).isEmpty()) evento->acceptProposedAction();
}

void Principal::dropEvent(QDropEvent* evento) {
  const QString nombre = ArchivoSoltado(evento->mimeData());
  if (nombre.isEmpty()) return;
  evento->acceptProposedAction();
  // Opened once the drop is over, so the program the file came from is not kept waiting.
  QTimer::singleShot(0, this, [this, nombre] { AbreArchivoDeFuera(nombre.toStdString()); });
}

void Principal::AbreArchivoDeFuera(const std::string& nombre) {
  ultimo_nombre_ = QString::fromStdString(nombre);
  flujo_.AbreArchivo(nombre);
}

void Principal::Habilita(Comando comando, bool habilitado) {
  acciones_.at(comando)->setEnabled(habilitado);
}

void Principal::Titulo(const std::string& titulo) {
  setWindowTitle(QString::fromStdString(titulo));
}

void Principal::LimpiaPortapapeles() { QGuiApplication::clipboard()->clear(); }

bool Principal::TextoAlPortapapeles(const std::string& texto) {
  const QString q = QString::fromStdString(texto);
  QGuiApplication::clipboard()->setText(q);
  return QGuiApplication::clipboard()->text() == q;
}

void Principal::GuardaArchivo(const std::string& nombre, const std::string& contenido) {
  ruvek::GuardaArchivo(nombre, contenido);
}

void Principal::MuestraAnalisis() {
  Analisis ventana(flujo_.track(), this);
  ventana.exec();
}

void Principal::MuestraPaste() {
  Paste ventana(flujo_, this);
  ventana.exec();
}

void Principal::Termina() { QApplication::quit(); }

}  // namespace ruvek
