// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/flujo_de_comandos.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <map>

#include "ajustes.h"
#include "test_util.h"
#include "ui/plataforma.h"

using namespace ruvek;

namespace {

// The name of a menu command, as the menu's objectName.
const char* NombreDe(Comando c) {
  switch (c) {
    case Comando::Abrir:
      return "Abrir";
    case Comando::GuardarTrackMaker:
      return "GuardarTM";
    case Comando::GuardarSitna:
      return "GuardarSitna";
    case Comando::Analizar:
      return "Analizar";
    case Comando::Copiar:
      return "Copiar";
    case Comando::PegarDesdePortapapeles:
      return "Copiardesde";
    case Comando::Salir:
      return "Salir";
  }
  return "?";
}

// Records every platform call in order, answers dialogs from a queue (an empty queue answers as a
// cancelled dialog), keeps written files in memory and the menu enabling as a real menu would.
// What it records says the folder `carpeta` as nothing and the program's caption as "Titulo".
class FakePlataforma : public Plataforma {
 public:
  explicit FakePlataforma(std::string carpeta) : carpeta_(std::move(carpeta)) {}
  std::deque<RespuestaDialogo> respuestas;
  std::map<std::string, std::string> archivos;
  std::string falla;            // what fails: "escritura" (every file written) or "portapapeles"
  std::string titulo, leyenda;  // the program's caption, and the window's now
  std::map<std::string, std::string> filtros;  // of each dialog, by its title
  std::map<Comando, bool> encendida{
      {Comando::Abrir, true}, {Comando::PegarDesdePortapapeles, true}, {Comando::Salir, true}};

  // The calls since the last look, "; "-separated.
  std::string Llamadas() { return std::exchange(llamadas_, ""); }
  std::string Relativo(std::string s) const {
    for (std::size_t i; !carpeta_.empty() && (i = s.find(carpeta_)) != s.npos;)
      s.erase(i, carpeta_.size());
    return s;
  }

  RespuestaDialogo DialogoArchivo(const PeticionDialogo& p) override {
    Anota("Dialogo " + p.titulo + " " + p.nombre.value_or("-"));
    filtros[p.titulo] = p.filtro;
    if (respuestas.empty()) return {};
    return std::exchange(respuestas, {respuestas.begin() + 1, respuestas.end()}).front();
  }
  void Mensaje(const std::string& texto, const std::string& t) override {
    Anota("Mensaje " + t + ": " + texto);
  }
  void Advertencia(const std::string& texto, const std::string& t) override {
    Anota("Advertencia " + t + ": " + texto);
  }
  void Habilita(Comando c, bool on) override {
    Anota(std::string(on ? "+" : "-").append(NombreDe(c)));
    encendida[c] = on;
  }
  void Titulo(const std::string& t) override {
    if (titulo.empty()) titulo = t;
    leyenda = Relativo(t.substr(titulo.size()));
    Anota("Titulo" + leyenda);
  }
  void LimpiaPortapapeles() override { Anota("Limpia"); }
  bool TextoAlPortapapeles(const std::string& texto) override {
    Anota("Portapapeles " + texto);
    return falla != "portapapeles";
  }
  void GuardaArchivo(const std::string& nombre, const std::string& contenido) override {
    Anota("Guarda " + nombre + (falla == "escritura" ? "" : ": " + contenido));
    if (falla == "escritura") throw Error(TipoDeError::Archivo, "disco lleno");
    archivos[nombre] = contenido;
  }
  void MuestraAnalisis() override { Anota("Analisis"); }
  void MuestraPaste() override { Anota("Paste"); }
  void Termina() override { Anota("Termina"); }

 private:
  // A call, its text by its ends when it runs to a hundred lines or more.
  void Anota(std::string llamada) {
    const std::size_t primera = llamada.find("\r\n"),
                      ultima = llamada.rfind("\r\n", llamada.size() - 3);
    if (std::count(llamada.begin(), llamada.end(), '\n') >= 100) {
      llamada = llamada.substr(0, primera) + " [" +
                std::to_string(std::count(llamada.begin(), llamada.end(), '\n')) + " CR LF] " +
                llamada.substr(ultima + 2);
    }
    llamadas_ += (llamadas_.empty() ? "" : "; ") + Relativo(llamada);
  }
  std::string carpeta_, llamadas_;
};

// The menu's commands, by their objectNames.
const std::map<std::string, void (FlujoDeComandos::*)()> kMenu = {
    {"Abrir", &FlujoDeComandos::Abrir},
    {"GuardarTM", &FlujoDeComandos::GuardarTrackMaker},
    {"GuardarSitna", &FlujoDeComandos::GuardarSitna},
    {"Analizar", &FlujoDeComandos::Analizar},
    {"Copiar", &FlujoDeComandos::Copiar},
    {"Copiardesde", &FlujoDeComandos::PegarDesdePortapapeles},
    {"Salir", &FlujoDeComandos::Salir}};

// A fresh main window over the fake, in a folder of copies of the sample files.
struct Sesion {
  test::CarpetaTemporal dir;
  FakePlataforma p{dir.Archivo("")};
  FlujoDeComandos flujo{p};

  Sesion() {
    const std::pair<const char*, const char*> copias[] = {
        {"a.txt", "trackmaker_crlf.txt"},
        {"b.TXT", "sitna_crlf.txt"},
        {"PASEO.txt", "sitna_crlf.txt"},
        {"paseo.tXt", "sitna_crlf.txt"},
        {"c.txt", "sitna_blank_line.txt"},
        {"p.gpx", "gpx/pamplona.gpx"},
        {"m.GPX", "gpx/madrid_1_0.gpx"},
        {"t.gpx", "trackmaker_crlf.txt"},
        {"k.gpx", "gpx/kml.gpx"},
        {"w.gpx", "gpx/solo_waypoints.gpx"},
        {"vacio.txt", "empty.txt"},
        {"sin_coma.txt", "trackmaker_no_comma_after_altitude.txt"},
        {"tras_y.txt", "trackmaker_ends_after_y.txt"},
        {"r.KML", "kml/pamplona.kml"},
        {"r.kmz", "kmz/pamplona.kmz"},
        {"roto.kmz", "kmz/roto.kmz"},
        {"vacio.kmz", "kmz/vacio.kmz"},
        {"plano.KMZ", "kml/pamplona.kml"},
        {"ruta.geojson", "geojson/pamplona.geojson"},
        {"r.json", "geojson/pamplona.geojson"}};
    for (const auto& [nombre, muestra] : copias)
      test::EscribeArchivo(dir.Archivo(nombre), test::LeeArchivo(test::ArchivoDeDatos(muestra)));
    std::string trackmaker = "Version , 212\r\n", lista;  // a point more than the table holds
    for (int i = 0; i <= kMaximoDePuntos; ++i) {
      trackmaker += "t,utm,30T," + std::to_string(600000 + i) + ",4700000,d,h,7,\r\n";
      lista += std::to_string(600000 + i) + ",4700000\r\n";
    }
    test::EscribeArchivo(dir.Archivo("largo.txt"), trackmaker);
    test::EscribeArchivo(dir.Archivo("largo.xy"), lista);
    std::string gpx = "<gpx><trk><trkseg>";  // a straight line the table takes simplified
    for (int i = 0; i <= kMaximoDePuntos; ++i)
      gpx += "<trkpt lat=\"42.8\" lon=\"" + std::to_string(-1.65 + i * 1e-5) + "\"/>";
    test::EscribeArchivo(dir.Archivo("largo.gpx"), gpx + "</trkseg></trk></gpx>");
    flujo.Inicia();
    p.Llamadas();
  }
  // A file of the session's folder by its name; any other name as it is.
  std::string Nombre(const std::string& n) const {
    return !n.empty() && std::filesystem::exists(dir.Archivo(n)) ? dir.Archivo(n) : n;
  }

  // What the user does, and the calls it makes (see tests/data/cases/flujo.txt).
  std::string Haz(const std::string& orden, const std::string& respuesta) {
    if (orden == "Falla") p.falla = respuesta;
    if (orden == "Nombre") flujo.PonArchivoActual(respuesta);
    if (orden == "Soltar") flujo.AbreArchivo(Nombre(respuesta));
    std::string r;
    if (orden == "Utilizar") {
      const std::string nombre = Nombre(respuesta);
      const std::string texto = nombre != respuesta ? test::LeeArchivo(nombre) : respuesta;
      r = flujo.UsaTextoPegado(texto) ? "Correcto" : "Error";
    }
    if (kMenu.contains(orden)) {
      if (respuesta == "cancelado") p.respuestas.push_back({true, "x.txt"});
      if (respuesta != "cancelado" && !respuesta.empty())
        p.respuestas.push_back({false, respuesta == "\"\"" ? "" : Nombre(respuesta)});
      (flujo.*kMenu.at(orden))();
      EXPECT_TRUE(p.respuestas.empty()) << orden << " " << respuesta;
    }
    const std::string llamadas = p.Llamadas();
    return llamadas.empty() || r.empty() ? llamadas + r : llamadas + "; " + r;
  }
  // The track (its count, first and last point), the current name, the caption's end and the
  // track commands that are on.
  std::string Estado() {
    const std::vector<Punto>& puntos = flujo.track().puntos;
    std::string s = test::Resumen(flujo.track(), 1);
    if (puntos.size() > 1) s += test::Resumen(Track{{puntos.end() - 1, puntos.end()}}).substr(3);
    s += " | " + p.Relativo(flujo.archivo_actual()) + " |" + p.leyenda + " |";
    for (const Comando c :
         {Comando::GuardarTrackMaker, Comando::GuardarSitna, Comando::Analizar, Comando::Copiar})
      if (p.encendida[c]) s += std::string(" ") + NombreDe(c);
    return s;
  }
};

}  // namespace

// Sessions of the main window's commands, as tests/data/cases/flujo.txt tells them.
TEST(FlujoDeComandos, SessionsOfTheMenu) {
  std::unique_ptr<Sesion> s;
  std::map<std::string, std::string> filtros;  // of every dialog shown
  for (std::vector<std::string> fila : test::Filas("flujo.txt")) {
    if (fila[0].starts_with("== ")) {
      if (s) filtros.merge(s->p.filtros);
      s = std::make_unique<Sesion>();
      EXPECT_EQ(s->p.titulo, std::string("Ruvek v ") + kVersionTexto);
      continue;
    }
    fila.resize(4);
    EXPECT_EQ(s->Haz(fila[0], fila[1]), fila[2]) << fila[0] << " " << fila[1];
    if (!fila[3].empty()) {
      EXPECT_EQ(s->Estado(), fila[3]) << fila[0] << " " << fila[1];
    }
  }
  filtros.merge(s->p.filtros);
  const std::map<std::string, std::string> esperados = {
      {"Abrir archivo",
       "TXT Archivo texto de TM o Sitna(*.txt)|*.txt|GPX Archivo GPX(*.gpx)|*.gpx|KML Archivo "
       "KML(*.kml)|*.kml|KMZ Archivo KMZ(*.kmz)|*.kmz|GeoJSON Archivo GeoJSON(*.geojson *.json)|"
       "*.geojson *.json|"},
      {"Guadar archivo para Sitna", "TXT Archivo texto Sitna(*.txt)|*.txt|"},
      {"Guardar archivo para TrackMaker", "TXT Archivo texto TrackMaker(*.txt)|*.txt|"}};
  EXPECT_EQ(filtros, esperados);
}
