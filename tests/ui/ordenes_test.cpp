// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ordenes.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "ruvek_version.h"
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
    if (falla == "escritura") throw Error(ErrorKind::FileError, "disco lleno");
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
const std::map<std::string, void (Ordenes::*)()> kOrdenes = {
    {"Inicia", &Ordenes::Inicia},
    {"Abrir", &Ordenes::Abrir},
    {"GuardarTM", &Ordenes::GuardarTrackMaker},
    {"GuardarSitna", &Ordenes::GuardarSitna},
    {"Analizar", &Ordenes::Analizar},
    {"Copiar", &Ordenes::Copiar},
    {"Copiardesde", &Ordenes::PegarDesdePortapapeles},
    {"Salir", &Ordenes::Salir}};

// A session of the main window's commands over the fake platform, as tests/data/cases/ordenes.txt
// tells it: each line an action, then the platform calls it makes and what it reports.
TEST(Ordenes, ASession) {
  test::TempDir dir;
  FakePlataforma p;
  Ordenes ordenes{p};
  const auto carpeta =
      [&](std::string s) {  // "@" stands for the test's folder, "{v}" for the version
        for (std::size_t i; (i = s.find('@')) != std::string::npos;) s.replace(i, 1, dir.File(""));
        for (std::size_t i; (i = s.find("{v}")) != std::string::npos;)
          s.replace(i, 3, kVersionTexto);
        return s;
      };
  for (const auto& [accion, esperado] : test::Cases("ordenes.txt")) {
    const std::string verbo = accion.substr(0, accion.find(' '));
    std::string arg = carpeta(accion.substr(std::min(accion.size(), verbo.size() + 1)));
    if (arg.size() >= 2 && arg.front() == '"') arg = arg.substr(1, arg.size() - 2);
    std::string informe;
    if (verbo == "copia") {
      test::WriteFile(dir.File(arg.substr(arg.find(' ') + 1)),
                      test::ReadFile(test::DataFile(arg.substr(0, arg.find(' ')))));
    } else if (verbo == "estado") {
      informe = test::Track(ordenes.track(), 2) + " | " + ordenes.archivo_actual() + " | " +
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
TEST(Ordenes, ALongGpxIsSimplifiedToFitTheTable) {
  test::TempDir dir;
  FakePlataforma p;
  Ordenes ordenes{p};
  for (const int n : {11804, 11948, 10000}) {
    std::string gpx = "<gpx><trk><trkseg>\n";
    for (int i = 0; i < n; ++i) {  // a walk north-east with a wave of altitude
      gpx += "<trkpt lat=\"" + std::to_string(42.8 + i * 2e-5) + "\" lon=\"" +
             std::to_string(-1.65 + i * 1e-5 + (i * 7919 % 13) * 3e-6) + "\"><ele>" +
             std::to_string(450 + i * 7919 % 37) + "</ele></trkpt>\n";
    }
    test::WriteFile(dir.File("largo.gpx"), gpx + "</trkseg></trk></gpx>\n");
    ordenes.AbreArchivo(dir.File("largo.gpx"));
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
