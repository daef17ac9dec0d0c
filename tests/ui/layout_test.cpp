// The three windows as laid out, control by control, in twips (15 to a logical pixel).
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/controles.h"
#include "ui/ventana_analisis.h"
#include "ui/ventana_paste.h"
#include "ui/ventana_principal.h"

namespace ruvek {
namespace {

enum class Fondo { Transparente, Normal, AmarilloClaro };

struct Control {
  const char* nombre;
  QString texto;  // null: not checked
  int left, top, width, height;
  double puntos;  // 0: the window's default font, regular
  QColor color;   // invalid: the default text colour
  Qt::Alignment alineacion;
  Fondo fondo;
  bool visible;
};

const QColor kAzul(0, 0, 255), kRojo(255, 0, 0), kNegro(0, 0, 0), kMarino(0, 0, 128);
constexpr auto L = Qt::AlignLeft, C = Qt::AlignHCenter, R = Qt::AlignRight;
constexpr auto T = Fondo::Transparente, N = Fondo::Normal, A = Fondo::AmarilloClaro;

void CompruebaControles(const QWidget* ventana, const QWidget* cliente,
                        const std::vector<Control>& controles) {
  const QPalette normal = QApplication::palette();
  for (const Control& c : controles) {
    SCOPED_TRACE(c.nombre);
    const auto* w = ventana->findChild<QWidget*>(QString::fromLatin1(c.nombre));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget(), cliente);
    EXPECT_EQ(w->geometry(), QRect(c.left / 15, c.top / 15, c.width / 15, c.height / 15));
    EXPECT_EQ(w->isVisibleTo(ventana), c.visible);
    if (!c.texto.isNull()) {
      if (const auto* b = qobject_cast<const QPushButton*>(w)) {
        EXPECT_EQ(b->text(), c.texto);
      } else {
        EXPECT_EQ(qobject_cast<const QLabel*>(w)->text(), c.texto);
      }
    }
    const QFont f = w->font();
    EXPECT_DOUBLE_EQ(f.pointSizeF(), c.puntos > 0 ? c.puntos : 8);
    EXPECT_EQ(f.bold(), c.puntos > 0);
    EXPECT_FALSE(f.italic() || f.underline() || f.strikeOut());
    EXPECT_EQ(QFontInfo(f).family(), "Liberation Sans") << "the sans serif tools/test installs";
    EXPECT_EQ(w->palette().color(QPalette::WindowText),
              c.color.isValid() ? c.color : normal.color(QPalette::WindowText));
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
      EXPECT_EQ(l->alignment() & Qt::AlignHorizontal_Mask, c.alineacion);
      EXPECT_TRUE(l->wordWrap());
      EXPECT_EQ(l->autoFillBackground(), c.fondo == A);
      if (c.fondo == A) {
        EXPECT_EQ(l->palette().color(QPalette::Window), QColor(255, 255, 128));
      }
      EXPECT_EQ(l->focusPolicy(), Qt::NoFocus);
    }
  }
}

void CompruebaMarco(const QWidget* ventana, QSize cliente, Qt::WindowType tipo) {
  EXPECT_EQ(ventana->windowType(), tipo);
  const Qt::WindowFlags f = ventana->windowFlags();
  EXPECT_FALSE(f & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(f & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(f & Qt::WindowCloseButtonHint);
  EXPECT_EQ(ventana->minimumSize(), ventana->maximumSize()) << "not resizable";
  if (tipo == Qt::Dialog) {
    EXPECT_EQ(ventana->size(), cliente);
  }
}

TEST(Layout, Principal) {
  Principal principal;
  principal.show();
  const QWidget* cliente = principal.centralWidget();
  EXPECT_EQ(cliente->size(), QSize(480, 402));
  CompruebaMarco(&principal, QSize(480, 402), Qt::Window);
  EXPECT_EQ(principal.size().width(), 480);
  EXPECT_FALSE(principal.windowIcon().isNull());

  CompruebaControles(
      &principal, cliente,
      {
          {"Label1", "Utilidad para transformar archivos de:", 960, 2760, 5175, 375, 12, kAzul, L,
           T, true},
          {"Label6", "- TrackMaker (formato txt) a texto X,Y", 1680, 3120, 5175, 375, 12, kAzul, L,
           T, true},
          {"Label7", "- Texto X,Y a formato txt de TrackMaker", 1680, 3480, 5175, 375, 12, kAzul, L,
           T, true},
          {"Label8", "Lo que posibilita interactuar entre TrackMaker y el Web del Sitna", 960, 3840,
           5655, 615, 12, kAzul, L, T, true},
          {"Label2", "Webs de interés:", 1080, 4440, 5535, 255, 0, {}, L, T, true},
          {"Label3", {}, 2400, 4440, 1935, 255, 0, {}, L, T, true},
          {"Label4", {}, 4320, 4440, 1695, 255, 0, {}, L, T, true},
          {"Label10", "Datum European 1950 (GPS)", 1800, 4800, 3615, 615, 12, {}, L, T, true},
          {"Label5", {}, 480, 5280, 6375, 255, 9.75, kRojo, C, T, true},
          {"Label9", {}, 480, 5640, 6375, 255, 8.25, kNegro, C, T, true},
      });

  // Label8 takes two lines within its box; the free texts fit on one.
  const auto lineas = [&](const char* nombre) {
    const auto* l = principal.findChild<QLabel*>(nombre);
    return l->heightForWidth(l->width()) / QFontMetrics(l->font()).lineSpacing();
  };
  EXPECT_EQ(lineas("Label8"), 2);
  for (const char* n : {"Label1", "Label6", "Label7", "Label3", "Label4", "Label5", "Label9"}) {
    EXPECT_EQ(lineas(n), 1) << n;
  }

  const auto* imagen = principal.findChild<QLabel*>("Image1");
  ASSERT_NE(imagen, nullptr);
  EXPECT_EQ(imagen->geometry(), QRect(136, -8, 200, 181)) << "natural size, top 8 rows cut off";
  EXPECT_EQ(imagen->pixmap().size(), QSize(200, 181));
  EXPECT_FALSE(imagen->hasScaledContents());
}

TEST(Layout, Analisis) {
  Module1 m;
  Analisis ventana(m, nullptr);
  CompruebaMarco(&ventana, QSize(414, 264), Qt::Dialog);
  CompruebaControles(
      &ventana, &ventana,
      {
          {"Label1", "Altitud", 360, 360, 1095, 255, 12, kAzul, L, N, true},
          {"Label2", "Inicial", 960, 720, 1215, 255, 9.75, kMarino, L, N, true},
          {"Inicial", " m", 3240, 720, 1215, 255, 9.75, kMarino, R, N, true},
          {"Label3", "Máxima", 960, 1080, 1215, 255, 9.75, kMarino, L, N, true},
          {"Maxima", " m", 3240, 1080, 1215, 255, 9.75, kMarino, R, N, true},
          {"Label4", "Mínima", 960, 1440, 1215, 255, 9.75, kMarino, L, N, true},
          {"Minima", " m", 3240, 1440, 1215, 255, 9.75, kMarino, R, N, true},
          {"Label5", "Final", 960, 1800, 1215, 255, 9.75, kMarino, L, N, true},
          {"Final", " m", 3240, 1800, 1215, 255, 9.75, kMarino, R, N, true},
          {"Label6", "Total Subida", 960, 2400, 1695, 255, 9.75, kMarino, L, N, true},
          {"TSubida", "0 m", 2760, 2400, 1695, 255, 9.75, kMarino, R, N, true},
          {"Label7", "Total Bajada", 960, 2760, 1695, 255, 9.75, kMarino, L, N, true},
          {"TBajada", "0 m", 2760, 2760, 1695, 255, 9.75, kMarino, R, N, true},
          {"Command1", "", 5400, 3360, 495, 495, 0, {}, L, N, true},
      });
  for (const char* n : {"Inicial", "Maxima", "Minima", "Final", "TSubida", "TBajada"}) {
    EXPECT_EQ(ventana.findChild<QLabel*>(n)->geometry().right(), 4455 / 15 - 1) << n;
  }
}

TEST(Layout, Paste) {
  Principal principal;
  Paste ventana(principal.ordenes(), &principal);
  CompruebaMarco(&ventana, QSize(312, 213), Qt::Dialog);
  CompruebaControles(&ventana, &ventana,
                     {
                         {"Caja", {}, 120, 240, 2775, 2655, 0, {}, L, N, true},
                         {"Command1", "Pegar", 3360, 360, 975, 495, 0, {}, L, N, true},
                         {"Utilizar", "Utilizar", 3360, 960, 975, 495, 0, {}, L, N, false},
                         {"Command3", "", 3840, 2520, 495, 495, 0, {}, L, N, true},
                         {"Aviso", "Correcto", 3120, 1680, 1455, 375, 13.5, kAzul, C, A, false},
                         {"Aviso2", "Error", 3120, 1680, 1455, 375, 13.5, kRojo, C, A, false},
                     });
  auto* caja = ventana.findChild<QPlainTextEdit*>("Caja");
  EXPECT_EQ(caja->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(caja->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

  // Tab order: Caja, Pegar, Utilizar, the close button.
  ventana.show();
  ventana.findChild<QPushButton*>("Utilizar")->show();
  QWidget* w = caja;
  QStringList orden;
  do {
    if (w->focusPolicy() & Qt::TabFocus) orden << w->objectName();
    w = w->nextInFocusChain();
  } while (w != caja);
  EXPECT_EQ(orden, (QStringList{"Caja", "Command1", "Utilizar", "Command3"}));
}

TEST(Layout, PictureButtonsSpeakForThemselves) {
  Module1 m;
  Analisis analisis(m, nullptr);
  Principal principal;
  Paste paste(principal.ordenes(), &principal);
  for (QPushButton* b :
       {analisis.findChild<QPushButton*>("Command1"), paste.findChild<QPushButton*>("Command3")}) {
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->text().isEmpty());
    EXPECT_EQ(b->accessibleName(), "Cerrar");
    EXPECT_EQ(b->toolTip(), "Cerrar");
    EXPECT_EQ(b->iconSize(), QSize(32, 32));
    EXPECT_TRUE(b->focusPolicy() & Qt::TabFocus);
  }
}

TEST(Layout, PicturesHaveTheirSizesAndColours) {
  struct Imagen {
    const char* recurso;
    QSize tamano;
    int colores;
    int transparentes;
  };
  const Imagen imagenes[] = {
      {":/pictures/icon-32.png", {32, 32}, 16, 1},
      {":/pictures/icon-16.png", {16, 16}, 16, 1},
      {":/pictures/principal.png", {200, 181}, 256, 1},
      {":/pictures/cerrar.png", {32, 32}, 8, 0},
  };
  for (const Imagen& i : imagenes) {
    const QImage imagen(QString::fromLatin1(i.recurso));
    EXPECT_EQ(imagen.size(), i.tamano) << i.recurso;
    EXPECT_EQ(imagen.format(), QImage::Format_Indexed8) << i.recurso;
    EXPECT_EQ(imagen.colorCount(), i.colores) << i.recurso;
    const QList<QRgb> tabla = imagen.colorTable();
    EXPECT_EQ(std::count_if(tabla.begin(), tabla.end(), [](QRgb c) { return qAlpha(c) == 0; }),
              i.transparentes)
        << i.recurso;
  }
}

}  // namespace
}  // namespace ruvek
