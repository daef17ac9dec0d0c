// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/flujo_de_comandos.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "ajustes.h"
#include "test_util.h"
#include "ui/plataforma.h"

using namespace ruvek;

// Records every platform call in order, answers dialogs from a queue (an empty queue answers as
// a cancelled dialog), keeps written files in memory and the menu enabling as a real menu would.
// `falla` names what fails: "escritura" (every file written) or "portapapeles".
class FakePlataforma : public Plataforma {
 public:
  std::deque<RespuestaDialogo> respuestas;
  std::map<std::string, std::string> archivos;
  std::string falla, titulo;

  // The four track commands that are on, in menu order.
  std::string Encendidas() const {
    std::string r;
    for (int c = 1; c <= 4; ++c) r += encendida_[c] ? kNombres[c] + std::string(" ") : "";
    return r;
  }
  // The calls since the last look, "; "-separated.
  std::string Llamadas() { return std::exchange(llamadas_, ""); }

  RespuestaDialogo DialogoArchivo(const PeticionDialogo& p) override {
    Anota("Dialogo " + p.titulo + " [" + p.filtro + "] " + p.nombre.value_or("-"));
    if (respuestas.empty()) return {};
    const RespuestaDialogo r = respuestas.front();
    respuestas.pop_front();
    return r;
  }
  void Mensaje(const std::string& texto, const std::string& t) override {
    Anota("Mensaje " + t + ": " + texto);
  }
  void Advertencia(const std::string& texto, const std::string& t) override {
    Anota("Advertencia " + t + ": " + texto);
  }
  void Habilita(Comando c, bool on) override {
    Anota(std::string(on ? "+" : "-").append(kNombres[static_cast<int>(c)]));
    encendida_[static_cast<int>(c)] = on;
  }
  void Titulo(const std::string& t) override { Anota("Titulo " + (titulo = t)); }
  void LimpiaPortapapeles() override { Anota("Limpia"); }
  bool TextoAlPortapapeles(const std::string& texto) override {
    Anota("Portapapeles " + texto);
    return falla != "portapapeles";
  }
  void GuardaArchivo(const std::string& nombre, const std::string& contenido) override {
    Anota("Guarda " + nombre);
    if (falla == "escritura") throw Error(TipoDeError::Archivo, "disco lleno");
    archivos[nombre] = contenido;
  }
  void MuestraAnalisis() override { Anota("Analisis"); }
  void MuestraPaste() override { Anota("Paste"); }
  void Termina() override { Anota("Termina"); }

 private:
  static constexpr const char* kNombres[] = {"Abrir",  "GuardarTM",   "GuardarSitna", "Analizar",
                                             "Copiar", "Copiardesde", "Salir"};
  void Anota(const std::string& llamada) { llamadas_ += (llamadas_.empty() ? "" : "; ") + llamada; }

  std::string llamadas_;
  bool encendida_[7] = {true, false, false, false, false, true, true};
};

// The start and the menu commands, by the names of the menu's actions.
const std::map<std::string, void (FlujoDeComandos::*)()> kOrdenes = {
    {"Inicia", &FlujoDeComandos::Inicia},
    {"Abrir", &FlujoDeComandos::Abrir},
    {"GuardarTM", &FlujoDeComandos::GuardarTrackMaker},
    {"GuardarSitna", &FlujoDeComandos::GuardarSitna},
    {"Analizar", &FlujoDeComandos::Analizar},
    {"Copiar", &FlujoDeComandos::Copiar},
    {"Copiardesde", &FlujoDeComandos::PegarDesdePortapapeles},
    {"Salir", &FlujoDeComandos::Salir}};

// A session of the main window's commands over the fake platform, as tests/data/cases/ordenes.txt
// tells it: each line an action, then the platform calls it makes and what it reports.
TEST(FlujoDeComandos, ASession) {
  test::CarpetaTemporal dir;
  FakePlataforma p;
  FlujoDeComandos ordenes{p};
  const auto carpeta =
      [&](std::string s) {  // "@" stands for the test's folder, "{v}" for the version
        for (std::size_t i; (i = s.find('@')) != std::string::npos;)
          s.replace(i, 1, dir.Archivo(""));
        for (std::size_t i; (i = s.find("{v}")) != std::string::npos;)
          s.replace(i, 3, kVersionTexto);
        return s;
      };
  for (const auto& [accion, esperado] : test::Casos("ordenes.txt")) {
    const std::string verbo = accion.substr(0, accion.find(' '));
    std::string arg = carpeta(accion.substr(std::min(accion.size(), verbo.size() + 1)));
    if (arg.size() >= 2 && arg.front() == '"') arg = arg.substr(1, arg.size() - 2);
    std::string informe;
    if (verbo == "copia") {
      test::EscribeArchivo(dir.Archivo(arg.substr(arg.find(' ') + 1)),
                           test::LeeArchivo(test::ArchivoDeDatos(arg.substr(0, arg.find(' ')))));
    } else if (verbo == "estado") {
      informe = test::Resumen(ordenes.track(), 2) + " | " + ordenes.archivo_actual() + " | " +
                p.titulo + " | " + p.Encendidas();
    } else if (verbo == "actual") {
      ordenes.PonArchivoActual(arg);
    } else if (verbo == "archivo") {
      informe = p.archivos[arg];
    } else if (verbo == "falla") {
      p.falla = arg;
    } else if (verbo == "Suelta") {
      ordenes.AbreArchivo(arg);
    } else if (verbo == "Utilizar") {
      informe = ordenes.UsaTextoPegado(arg) ? " -> Correcto" : " -> Error";
    } else {  // a menu command; its dialog answers the name given, or is cancelled
      if (arg == "cancelar") p.respuestas.push_back({true, "x.txt"});
      if (arg != "cancelar" && accion.size() > verbo.size()) p.respuestas.push_back({false, arg});
      (ordenes.*kOrdenes.at(verbo))();
      EXPECT_TRUE(p.respuestas.empty()) << accion;
    }
    EXPECT_EQ(p.Llamadas() + informe, carpeta(esperado)) << accion;
  }
}

// A GPX longer than the table (the sizes of two real tracks) is simplified to fit it and loaded,
// and the message says by how much; one of 10,000 points is loaded as it is, without it.
TEST(FlujoDeComandos, ALongGpxIsSimplifiedToFitTheTable) {
  test::CarpetaTemporal dir;
  FakePlataforma p;
  FlujoDeComandos ordenes{p};
  for (const int n : {11804, 11948, 10000}) {
    std::string gpx = "<gpx><trk><trkseg>\n";
    for (int i = 0; i < n; ++i) {  // a walk north-east with a wave of altitude
      gpx += "<trkpt lat=\"" + std::to_string(42.8 + i * 2e-5) + "\" lon=\"" +
             std::to_string(-1.65 + i * 1e-5 + (i * 7919 % 13) * 3e-6) + "\"><ele>" +
             std::to_string(450 + i * 7919 % 37) + "</ele></trkpt>\n";
    }
    test::EscribeArchivo(dir.Archivo("largo.gpx"), gpx + "</trkseg></trk></gpx>\n");
    ordenes.AbreArchivo(dir.Archivo("largo.gpx"));
    const std::string llamadas = p.Llamadas();
    const std::size_t quedan = ordenes.track().puntos.size();
    EXPECT_LE(quedan, 10000u) << n;  // fewer when the rest lie on the track
    const std::string frase = "\nSe ha simplificado de " + std::to_string(n) + " a " +
                              std::to_string(quedan) + " puntos; ningún punto quitado se aparta";
    EXPECT_EQ(llamadas.find(frase) != std::string::npos, n > 10000) << llamadas;
    EXPECT_NE(llamadas.find("Mensaje Track cargado: Este track puede ser analizado"),
              std::string::npos)
        << llamadas;
  }
}

// What the commands after a failed load or paste see: the points stored before the failure, the
// failing point's fields read before its failing one, and for a file that cannot be read or is
// empty the count of points from before, over a cleared track. Each row starts a new session.
TEST(FlujoDeComandos, AFailedLoadOrPasteKeepsWhatItStored) {
  std::string diez_mil_uno = "Version , 212\r\n", pegado_largo;
  for (int i = 0; i <= kMaximoDePuntos; ++i) {
    diez_mil_uno += "t,utm,30T," + std::to_string(600000 + i) + ",4700000,d,h,7,\r\n";
    pegado_largo += std::to_string(600000 + i) + ",4700000\r\n";
  }
  const std::string cinco =
      "612345,4712345\r\n612346,4712346\r\n612347,4712347\r\n612348,4712348\r\n";
  const std::string cabecera =
      "Version , 212\r\n\r\nEuropean 1950 (GPS) ,64, 6378388, 297,-87,-98,"
      "-121\r\nUSER GRID, 0, 0, 0, 0, 0\r\n\r\n";
  const std::string puntos_tm =
      "t,utm,30T,612345,4712345\r\nt,utm,30T,612346,4712346\r\n"
      "t,utm,30T,612347,4712347\r\nt,utm,30T,612348,4712348\r\n";
  struct Caso {
    std::string antes;  // a file loaded first, or nothing
    std::string que;    // "abre" a file of these bytes ("-" for none), or "pega" this text
    std::string bytes;
    const char* despues;  // the command run next
    std::string estado, salida;
  };
  const std::string tres = test::LeeArchivo(test::ArchivoDeDatos("trackmaker_crlf.txt"));
  const Caso casos[] = {
      {"", "abre", diez_mil_uno, "Copiar", "n=10000 600000,4700000,7 609999,4700000,7 | ",
       "10000 lines 600000,4700000 ... 609999,4700000"},
      {"", "abre", test::LeeArchivo(test::ArchivoDeDatos("sitna_blank_line.txt")), "Copiar",
       "n=4 612346,4734567,0 0,0,0 | ", "612346,4734567\r\n612350,4734570\r\n612355,4734568"},
      {"", "abre", test::LeeArchivo(test::ArchivoDeDatos("trackmaker_no_comma_after_altitude.txt")),
       "Copiar", "n=1 612346,4734567,0 612346,4734567,0 | ", "612346,4734567"},
      {"", "abre", "Version , 212\r\nt,utm,30T,612345,4734567\r\n", "Copiar",
       "n=1 612345,0,0 612345,0,0 | ", "612345,0"},
      {"", "pega", cinco + "612349,abc\r\n612350,4712350", "GuardarTM",
       "n=5 612345,4712345,0 612349,0,0 | GuardarTM ",
       cabecera + puntos_tm + "t,utm,30T,612349,0\r\n \r\nn,ACTIVE LOG,65280,1\r\n"},
      {"", "pega", cinco + "abc,4712349\r\n", "GuardarTM",
       "n=5 612345,4712345,0 0,0,0 | GuardarTM ",
       cabecera + puntos_tm + "t,utm,30T,0,0\r\n \r\nn,ACTIVE LOG,65280,1\r\n"},
      {"", "pega", pegado_largo, "Copiar", "n=10000 600000,4700000,0 609999,4700000,0 | GuardarTM ",
       "10000 lines 600000,4700000 ... 609999,4700000"},
      {tres, "abre", "612345,4734567\r\n612350,4734570\r\nX,Y\r\n", "Copiar",
       "n=3 612345,4734567,0 0,0,0 | Copiar ", "612345,4734567\r\n612350,4734570"},
      {tres, "abre", "612345,4734567\r\n612350,4734570\r\nX,Y\r\n", "GuardarSitna",
       "n=3 612345,4734567,0 0,0,0 | Copiar ", "612345,4734567\r\n612350,4734570\r\n0,0\r\n"},
      {tres, "abre", "-", "Copiar", "n=3 0,0,0 0,0,0 | Copiar ", ""},
      {tres, "abre", "", "GuardarSitna", "n=3 0,0,0 0,0,0 | Copiar ", "0,0\r\n0,0\r\n0,0\r\n"},
  };
  const auto resumen = [](const std::string& texto) {  // a long output by its ends
    const auto n = std::count(texto.begin(), texto.end(), '\n') + 1;
    if (n < 100) return texto;
    return std::to_string(n) + " lines " + texto.substr(0, texto.find('\r')) + " ... " +
           texto.substr(texto.rfind('\n') + 1);
  };
  test::CarpetaTemporal dir;
  for (const Caso& c : casos) {
    FakePlataforma p;
    FlujoDeComandos ordenes{p};
    if (!c.antes.empty()) test::EscribeArchivo(dir.Archivo("antes.txt"), c.antes);
    if (!c.antes.empty()) ordenes.AbreArchivo(dir.Archivo("antes.txt"));
    std::filesystem::remove(dir.Archivo("caso.txt"));
    if (c.bytes != "-") test::EscribeArchivo(dir.Archivo("caso.txt"), c.bytes);
    if (c.que == "abre") ordenes.AbreArchivo(dir.Archivo("caso.txt"));
    if (c.que == "pega") ordenes.UsaTextoPegado(c.bytes);
    const std::vector<Punto>& puntos = ordenes.track().puntos;  // n, the first and the last
    EXPECT_EQ(test::Resumen(ordenes.track(), 1) + " " +
                  test::Resumen(Track{{puntos.end() - 1, puntos.end()}}).substr(4) + " | " +
                  p.Encendidas(),
              c.estado)
        << c.bytes;
    p.respuestas.push_back({false, "salida.txt"});
    (ordenes.*kOrdenes.at(c.despues))();
    const std::string llamadas = p.Llamadas();
    const std::string salida = c.despues == std::string("Copiar")
                                   ? llamadas.substr(llamadas.rfind("Portapapeles ") + 13)
                                   : p.archivos["salida.txt"];
    EXPECT_EQ(resumen(salida.substr(0, salida.find("; Mensaje"))), c.salida) << c.bytes;
  }
}
