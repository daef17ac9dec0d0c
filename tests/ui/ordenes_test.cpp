#include "ui/ordenes.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "clipboard/portapapeles.h"
#include "fake_plataforma.h"
#include "formats/writers.h"
#include "test_util.h"

namespace ruvek {
namespace {

using V = std::vector<std::string>;

const std::string kTitulo = "Ruvek v 1.2.0";
const std::string kFiltroAbrir = "TXT Archivo texto de TM o Sitna(*.txt)|*.txt|";
const std::string kDialogoAbrir = "Dialogo abrir | Abrir archivo | " + kFiltroAbrir + " | -";

class OrdenesTest : public testing::Test {
 protected:
  OrdenesTest() {
    ordenes.Form_Load();
    p.llamadas.clear();
  }

  // Opens `path` through the dialog, with the calls made since the last look.
  V Abre(const std::string& path) {
    p.llamadas.clear();
    p.respuestas.push_back(test::Elige(path));
    ordenes.Abrir_Click();
    return p.llamadas;
  }
  // A copy of a sample file under another name.
  std::string Copia(const char* muestra, const std::string& nombre) {
    const std::string path = dir.File(nombre);
    std::filesystem::copy_file(test::DataFile(muestra), path,
                               std::filesystem::copy_options::overwrite_existing);
    return path;
  }

  test::TempDir dir;
  Module1 m;
  test::FakePlataforma p;
  Ordenes ordenes{m, p};
};

TEST_F(OrdenesTest, StartsWithTheVersionInTheCaption) {
  EXPECT_EQ(m.TituloVentana, kTitulo);
  EXPECT_EQ(p.titulo, kTitulo);
  EXPECT_EQ(p.Encendidas(), "");
}

TEST_F(OrdenesTest, OpeningATrackMakerFile) {
  const std::string path = Copia("trackmaker_crlf.txt", "paseo.txt");
  EXPECT_EQ(Abre(path), (V{kDialogoAbrir, "Habilita Analizar off", "Habilita GuardarSitna off",
                           "Habilita GuardarTM off", "Habilita Analizar on", "Habilita Copiar on",
                           "Habilita GuardarSitna on", "Titulo " + kTitulo + " - " + path,
                           "Mensaje Track cargado | Este track puede ser analizado"}));
  EXPECT_EQ(m.NumPuntos, 3);
  EXPECT_EQ(m.ArchivoActual, path);
}

TEST_F(OrdenesTest, EnablingFollowsEachEvent) {
  Abre(Copia("trackmaker_crlf.txt", "a.txt"));
  EXPECT_EQ(p.Encendidas(), "GuardarSitna Analizar Copiar");
  const V sitna = Abre(Copia("sitna_crlf.txt", "b.txt"));
  EXPECT_EQ(sitna.back(), "Mensaje Track cargado | Este track no puede analizarse");
  EXPECT_EQ(p.Encendidas(), "GuardarTM Copiar");
  Abre(Copia("trackmaker_crlf.txt", "c.txt"));
  EXPECT_EQ(p.Encendidas(), "GuardarSitna Analizar Copiar");
  EXPECT_TRUE(ordenes.Utilizar("612345,4745678"));
  EXPECT_EQ(p.Encendidas(), "GuardarTM Analizar Copiar");
}

TEST_F(OrdenesTest, PasteFirstTurnsOnOnlyGuardarTM) {
  p.llamadas.clear();
  EXPECT_FALSE(ordenes.Utilizar("sin comas"));
  EXPECT_EQ(p.llamadas, (V{"Titulo " + kTitulo + " - Track Portapapeles",
                           "Habilita GuardarSitna off", "Habilita GuardarTM on"}));
  EXPECT_EQ(p.Encendidas(), "GuardarTM");
  EXPECT_EQ(m.ArchivoActual, "sin nombre.txt");
  EXPECT_EQ(m.NumPuntos, 0);
}

TEST_F(OrdenesTest, UtilizarKeepsWhatAFailedParseStored) {
  m.NumPuntos = 9;
  EXPECT_FALSE(ordenes.Utilizar("612345,4745678\n612350,abc\n"));
  EXPECT_EQ(m.NumPuntos, 2);
  EXPECT_EQ(m.TablaPuntos.Lee(2, ColumnaX), ValorFijo::Whole(612350));
  EXPECT_EQ(p.titulo, kTitulo + " - Track Portapapeles");
  EXPECT_TRUE(ordenes.Utilizar("612345,4745678"));
  EXPECT_TRUE(ordenes.Utilizar("612345,4745678"));
  EXPECT_EQ(m.NumPuntos, 1);
}

TEST_F(OrdenesTest, OnlyTxtInAnyCaseIsLoaded) {
  for (const char* nombre : {"PASEO.txt", "paseo.TXT", "paseo.tXt"}) {
    EXPECT_EQ(Abre(Copia("sitna_crlf.txt", nombre)).size(), 8u) << nombre;
    EXPECT_EQ(m.NumPuntos, 3);
  }
  m.TablaPuntos.Escribe(1, ColumnaAltitud, ValorFijo::Whole(5));
  for (std::string nombre : {"paseo.gtm", "paseo.GTM", "paseo.csv", "paseo", "txt", "ab", ".tx",
                             " paseo.txt ", "paseo.txt."}) {
    EXPECT_EQ(Abre(nombre), V{kDialogoAbrir}) << nombre;
    EXPECT_EQ(m.ArchivoActual, nombre) << "stored exactly as returned";
    EXPECT_EQ(m.NumPuntos, 3);
    EXPECT_EQ(m.TablaPuntos.Lee(1, ColumnaAltitud), ValorFijo::Whole(5));
    EXPECT_EQ(p.titulo, kTitulo + " - " + dir.File("paseo.tXt"));
  }
}

TEST_F(OrdenesTest, CancelOrBlankNamesChangeNothing) {
  m.ArchivoActual = "antes.txt";
  for (const RespuestaDialogo& r : {RespuestaDialogo{}, RespuestaDialogo{true, "x.txt"},
                                    RespuestaDialogo{false, ""}, RespuestaDialogo{false, "    "}}) {
    p.llamadas.clear();
    p.respuestas.push_back(r);
    ordenes.Abrir_Click();
    p.respuestas.push_back(r);
    ordenes.GuardarSitna_Click();
    p.respuestas.push_back(r);
    ordenes.GuardarTM_Click();
    EXPECT_EQ(p.llamadas.size(), 3u) << "only the three dialogs";
    EXPECT_EQ(m.ArchivoActual, "antes.txt");
  }
}

TEST_F(OrdenesTest, AMissingTxtFailsSilentlyAfterClearing) {
  Abre(Copia("trackmaker_crlf.txt", "a.txt"));
  const std::string antes = p.titulo;
  const std::string missing = dir.File("no existe.txt");
  EXPECT_EQ(Abre(missing), (V{kDialogoAbrir, "Habilita Analizar off", "Habilita GuardarSitna off",
                              "Habilita GuardarTM off"}));
  EXPECT_EQ(m.ArchivoActual, missing);
  EXPECT_EQ(m.NumPuntos, 3) << "no line was read";
  EXPECT_EQ(m.TablaPuntos.Lee(1, ColumnaX).raw(), 0);
  EXPECT_EQ(p.Encendidas(), "Copiar");
  EXPECT_EQ(p.titulo, antes);
  // The failed load closed its file: the next one works.
  Abre(Copia("sitna_blank_line.txt", "b.txt"));
  EXPECT_EQ(m.NumPuntos, 4);
  EXPECT_EQ(p.Encendidas(), "Copiar");
  Abre(Copia("sitna_crlf.txt", "b.txt"));
  EXPECT_EQ(p.Encendidas(), "GuardarTM Copiar");
}

TEST_F(OrdenesTest, SavesProposeNamesFromTheCurrentOne) {
  struct Caso {
    std::string actual;
    std::string sitna;  // "" when no dialog may be shown
    std::string trackmaker;
  };
  const Caso casos[] = {
      {"C:\\rutas\\paseo.txt", "C:\\rutas\\paseo (Sitna).txt", "C:\\rutas\\paseo (TrackMaker).txt"},
      {"C:\\rutas\\PASEO.TXT", "C:\\rutas\\PASEO (Sitna).txt", "C:\\rutas\\PASEO (TrackMaker).txt"},
      {"sin nombre.txt", "sin nombre (Sitna).txt", "sin nombre (TrackMaker).txt"},
      {"/home/ana/montaña.gtm", "/home/ana/montaña (Sitna).txt",
       "/home/ana/montaña (TrackMaker).txt"},
      {"/rutas/año", "/rutas (Sitna).txt", "/rutas (TrackMaker).txt"},
      {"abcd", " (Sitna).txt", " (TrackMaker).txt"},
      {"abc", "", ""},
      {"año", "", ""},
      {"", "", ""},
  };
  for (const Caso& c : casos) {
    m.ArchivoActual = c.actual;
    p.llamadas.clear();
    ordenes.GuardarSitna_Click();
    ordenes.GuardarTM_Click();
    if (c.sitna.empty()) {
      EXPECT_TRUE(p.llamadas.empty()) << c.actual;
    } else {
      EXPECT_EQ(p.llamadas, (V{"Dialogo guardar | Guadar archivo para Sitna | "
                               "TXT Archivo texto Sitna(*.txt)|*.txt| | " +
                                   c.sitna,
                               "Dialogo guardar | Guardar archivo para TrackMaker | "
                               "TXT Archivo texto TrackMaker(*.txt)|*.txt| | " +
                                   c.trackmaker}));
    }
    EXPECT_EQ(m.ArchivoActual, c.actual);
  }
}

TEST_F(OrdenesTest, SitnaSaveCaptionsBeforeItsMessage) {
  Abre(Copia("trackmaker_crlf.txt", "paseo.txt"));
  p.llamadas.clear();
  p.respuestas.push_back(test::Elige("/salida/paseo (Sitna).txt"));
  ordenes.GuardarSitna_Click();
  EXPECT_EQ(p.llamadas[1], "Guarda /salida/paseo (Sitna).txt");
  EXPECT_EQ(p.llamadas[2], "Titulo " + kTitulo + " - /salida/paseo (Sitna).txt");
  EXPECT_EQ(
      p.llamadas[3],
      "Mensaje Track guardado | Este track se ha guardado para ser utilizado en el web del Sitna");
  EXPECT_EQ(p.llamadas.size(), 4u);
  EXPECT_EQ(p.archivos["/salida/paseo (Sitna).txt"], TextoSitna(m));
  EXPECT_EQ(m.ArchivoActual, "/salida/paseo (Sitna).txt");
  ordenes.GuardarSitna_Click();
  EXPECT_EQ(p.llamadas.back(),
            "Dialogo guardar | Guadar archivo para Sitna | "
            "TXT Archivo texto Sitna(*.txt)|*.txt| | /salida/paseo (Sitna) (Sitna).txt");
}

TEST_F(OrdenesTest, TrackMakerSaveShowsItsMessageBeforeTheCaption) {
  ordenes.Utilizar("612345,4712345");
  p.llamadas.clear();
  p.respuestas.push_back(test::Elige("sin nombre (TrackMaker).txt"));
  ordenes.GuardarTM_Click();
  EXPECT_EQ(
      p.llamadas,
      (V{"Dialogo guardar | Guardar archivo para TrackMaker | "
         "TXT Archivo texto TrackMaker(*.txt)|*.txt| | sin nombre (TrackMaker).txt",
         "Guarda sin nombre (TrackMaker).txt",
         "Mensaje Track guardado | Este track se ha guardado para ser utilizado por TrackMaker",
         "Titulo " + kTitulo + " - sin nombre (TrackMaker).txt"}));
  EXPECT_EQ(p.archivos["sin nombre (TrackMaker).txt"].size(), 148u);
}

TEST_F(OrdenesTest, AFailedWriteKeepsTheChosenNameAndTheOldCaption) {
  ordenes.Utilizar("612345,4712345");
  const std::string antes = p.titulo;
  p.falla_escritura = true;
  for (auto guardar : {&Ordenes::GuardarSitna_Click, &Ordenes::GuardarTM_Click}) {
    p.llamadas.clear();
    p.respuestas.push_back(test::Elige("/sin/permiso.txt"));
    (ordenes.*guardar)();
    EXPECT_EQ(p.llamadas.size(), 2u) << "dialog and write, nothing after";
    EXPECT_EQ(m.ArchivoActual, "/sin/permiso.txt");
    EXPECT_EQ(p.titulo, antes);
  }
}

TEST_F(OrdenesTest, CopyPassesTheClipboardThroughFourStates) {
  ordenes.Utilizar("612345,4712345\r\n612350,4712360\r\n");
  p.llamadas.clear();
  ordenes.Copiar_Click();
  EXPECT_EQ(p.llamadas, (V{"Limpia", "Portapapeles error", "Limpia",
                           "Portapapeles 612345,4712345\r\n612350,4712360",
                           "Mensaje Track copiado | El track está en el portapapeles"}));
  p.portapapeles_acepta = false;
  p.llamadas.clear();
  ordenes.Copiar_Click();
  EXPECT_EQ(p.llamadas, (V{"Limpia", "Portapapeles error"})) << "no message without the text";
}

TEST_F(OrdenesTest, WindowCommandsOnlyOpenTheirWindows) {
  ordenes.Analizar_Click();
  ordenes.Copiardesde_Click();
  ordenes.Salir_Click();
  EXPECT_EQ(p.llamadas, (V{"Analisis", "Paste", "Termina"}));
}

}  // namespace
}  // namespace ruvek
