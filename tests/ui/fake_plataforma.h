#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/errors.h"
#include "ui/plataforma.h"

namespace ruvek::test {

inline const char* Nombre(Comando c) {
  switch (c) {
    case Comando::Abrir:
      return "Abrir";
    case Comando::GuardarTM:
      return "GuardarTM";
    case Comando::GuardarSitna:
      return "GuardarSitna";
    case Comando::Analizar:
      return "Analizar";
    case Comando::Copiar:
      return "Copiar";
    case Comando::Copiardesde:
      return "Copiardesde";
    case Comando::Salir:
      return "Salir";
  }
  return "?";
}

// Records every platform call in order, answers dialogs from a queue, keeps written files in
// memory and the menu enabling as a real menu would.
class FakePlataforma : public Plataforma {
 public:
  std::vector<std::string> llamadas;
  std::deque<RespuestaDialogo> respuestas;  // an empty queue answers as a cancelled dialog
  std::map<std::string, std::string> archivos;
  bool falla_escritura = false;
  // When set, files are written through it instead of into `archivos`.
  std::function<void(const std::string&, const std::string&)> escritor;
  // Runs when the user has chosen a name, before the dialog returns it.
  std::function<void()> al_elegir;
  bool portapapeles_acepta = true;
  std::string portapapeles;
  std::string titulo;
  std::map<Comando, bool> habilitado = {
      {Comando::Abrir, true},     {Comando::GuardarTM, false}, {Comando::GuardarSitna, false},
      {Comando::Analizar, false}, {Comando::Copiar, false},    {Comando::Copiardesde, true},
      {Comando::Salir, true}};

  // The four track commands that are on, in menu order.
  std::string Encendidas() const {
    std::string r;
    for (Comando c :
         {Comando::GuardarTM, Comando::GuardarSitna, Comando::Analizar, Comando::Copiar}) {
      if (habilitado.at(c)) r += std::string(r.empty() ? "" : " ") + Nombre(c);
    }
    return r;
  }

  RespuestaDialogo DialogoArchivo(const PeticionDialogo& p) override {
    llamadas.push_back(std::string("Dialogo ") +
                       (p.tipo == TipoDialogo::Abrir ? "abrir" : "guardar") + " | " + p.titulo +
                       " | " + p.filtro + " | " + (p.nombre ? *p.nombre : "-"));
    if (respuestas.empty()) return {};
    const RespuestaDialogo r = respuestas.front();
    respuestas.pop_front();
    if (al_elegir) al_elegir();
    return r;
  }
  void Mensaje(const std::string& texto, const std::string& t) override {
    llamadas.push_back("Mensaje " + t + " | " + texto);
  }
  void Habilita(Comando c, bool on) override {
    llamadas.push_back(std::string("Habilita ") + Nombre(c) + (on ? " on" : " off"));
    habilitado[c] = on;
  }
  void Titulo(const std::string& t) override {
    llamadas.push_back("Titulo " + t);
    titulo = t;
  }
  void LimpiaPortapapeles() override {
    llamadas.push_back("Limpia");
    portapapeles.clear();
  }
  bool TextoAlPortapapeles(const std::string& texto) override {
    llamadas.push_back("Portapapeles " + texto);
    if (portapapeles_acepta) portapapeles = texto;
    return portapapeles_acepta;
  }
  void GuardaArchivo(const std::string& nombre, const std::string& contenido) override {
    llamadas.push_back("Guarda " + nombre);
    if (falla_escritura) throw Error(ErrorKind::FileError, "disk full");
    if (escritor) {
      escritor(nombre, contenido);
    } else {
      archivos[nombre] = contenido;
    }
  }
  void MuestraAnalisis() override { llamadas.push_back("Analisis"); }
  void MuestraPaste() override { llamadas.push_back("Paste"); }
  void Termina() override { llamadas.push_back("Termina"); }
};

inline RespuestaDialogo Elige(const std::string& nombre) { return {false, nombre}; }

}  // namespace ruvek::test
