// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ordenes.h"

#include <algorithm>

#include "clipboard/portapapeles.h"
#include "core/errors.h"
#include "core/nombres.h"
#include "formats/abrir_txt.h"
#include "formats/gpx.h"
#include "formats/writers.h"
#include "ruvek_version.h"

namespace ruvek {

namespace {

std::string Mayusculas(std::string_view texto) {
  std::string r(texto);
  std::transform(r.begin(), r.end(), r.begin(), [](char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  });
  return r;
}

bool SoloEspacios(std::string_view texto) {
  return texto.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

std::string TextoDelFallo(const Error& e) {
  if (e.kind() == ErrorKind::FileError) return "No se puede leer el archivo: " + e.detail() + ".";
  std::string texto = e.line() > 0 ? "Línea " + std::to_string(e.line()) + ": " : "";
  texto += e.detail() + ".";
  if (e.line() == 0 && texto[0] >= 'a' && texto[0] <= 'z') texto[0] = char(texto[0] - 'a' + 'A');
  return texto;
}

std::string TituloCon(const Module1& m, std::string_view sufijo) {
  std::string titulo = m.TituloVentana;
  titulo += " - ";
  titulo += sufijo;
  return titulo;
}

void Ordenes::PonTitulo(std::string_view sufijo) { p_.Titulo(TituloCon(m_, sufijo)); }

void Ordenes::Form_Load() {
  m_.TituloVentana = std::string("Ruvek v ") + kVersionTexto;
  p_.Titulo(m_.TituloVentana);
}

bool Ordenes::PideArchivo(const PeticionDialogo& peticion) {
  const RespuestaDialogo r = p_.DialogoArchivo(peticion);
  if (r.cancelado || SoloEspacios(r.nombre)) return false;
  m_.ArchivoActual = r.nombre;
  return true;
}

void Ordenes::Abrir_Click() {
  try {
    if (!PideArchivo({TipoDialogo::Abrir, "Abrir archivo",
                      "TXT Archivo texto de TM o Sitna(*.txt)|*.txt|GPX Archivo GPX(*.gpx)|*.gpx|",
                      std::nullopt})) {
      return;
    }
  } catch (const Error&) {
    return;  // silent, as every failure of a file command
  }
  Abre();
}

void Ordenes::AbreArchivo(const std::string& nombre) {
  m_.ArchivoActual = nombre;
  Abre();
}

void Ordenes::Abre() {
  const std::string_view nombre = m_.ArchivoActual;
  const std::size_t inicio = InicioUltimosCaracteres(nombre, 4);
  const std::string extension =
      Mayusculas(nombre.substr(inicio == std::string_view::npos ? 0 : inicio));
  std::optional<ResultadoCarga> carga;
  if (extension == ".TXT") {
    try {
      m_.TablaPuntos.Borra();
      p_.Habilita(Comando::Analizar, false);
      p_.Habilita(Comando::GuardarSitna, false);
      p_.Habilita(Comando::GuardarTM, false);
      carga = AbrirTXT(m_);
    } catch (const Error&) {
      // Silent by design: the state stays as the failure left it.
    }
  } else if (extension == ".GPX") {
    // A GPX is read whole before the track changes; a failure leaves it as it was and says why.
    try {
      carga = AbrirGPX(m_, proyeccion_);
    } catch (const Error& e) {
      p_.Advertencia(TextoDelFallo(e), "Track no cargado");
    }
  }
  // ".GTM" and every other ending leave everything as it was but the name.
  if (!carga) return;
  for (const auto& [comando, encendido] : carga->habilitar) p_.Habilita(comando, encendido);
  PonTitulo(carga->sufijo_titulo);
  p_.Mensaje(carga->mensaje, carga->titulo_mensaje);
}

struct Ordenes::Guardado {
  const char* titulo_dialogo;
  const char* filtro;
  const char* sufijo_nombre;
  std::string (*contenido)(const Module1&);
  const char* mensaje;
  bool titulo_antes_del_mensaje;
};

void Ordenes::Guarda(const Guardado& g) {
  try {
    const std::optional<std::string> propuesta = NombrePropuesto(m_.ArchivoActual, g.sufijo_nombre);
    if (!propuesta) return;  // no name to derive a proposal from
    if (!PideArchivo({TipoDialogo::Guardar, g.titulo_dialogo, g.filtro, propuesta})) return;
    p_.GuardaArchivo(m_.ArchivoActual, g.contenido(m_));
    if (g.titulo_antes_del_mensaje) PonTitulo(m_.ArchivoActual);
    p_.Mensaje(g.mensaje, "Track guardado");
    if (!g.titulo_antes_del_mensaje) PonTitulo(m_.ArchivoActual);
  } catch (const Error&) {
    // Silent by design: ArchivoActual keeps the chosen name, the caption the previous one.
  }
}

void Ordenes::GuardarSitna_Click() {
  Guarda({"Guadar archivo para Sitna", "TXT Archivo texto Sitna(*.txt)|*.txt|", " (Sitna).txt",
          &TextoSitna, "Este track se ha guardado para ser utilizado en el web del Sitna", true});
}

void Ordenes::GuardarTM_Click() {
  Guarda({"Guardar archivo para TrackMaker", "TXT Archivo texto TrackMaker(*.txt)|*.txt|",
          " (TrackMaker).txt", &TextoTrackMaker,
          "Este track se ha guardado para ser utilizado por TrackMaker", false});
}

void Ordenes::Analizar_Click() { p_.MuestraAnalisis(); }

void Ordenes::Copiardesde_Click() { p_.MuestraPaste(); }

void Ordenes::Salir_Click() { p_.Termina(); }

void Ordenes::Copiar_Click() {
  const std::string texto = TextoPortapapeles(m_);
  // Watchers of the clipboard see it empty, then "error", then empty, then the track.
  p_.LimpiaPortapapeles();
  if (!p_.TextoAlPortapapeles("error")) return;
  p_.LimpiaPortapapeles();
  if (!p_.TextoAlPortapapeles(texto)) return;
  p_.Mensaje("El track está en el portapapeles", "Track copiado");
}

bool Ordenes::Utilizar(std::string texto) {
  PonTitulo("Track Portapapeles");
  m_.ArchivoActual = "sin nombre.txt";
  p_.Habilita(Comando::GuardarSitna, false);
  p_.Habilita(Comando::GuardarTM, true);
  try {
    LeeTextoPegado(texto, m_);
  } catch (const Error&) {
    return false;
  }
  return m_.NumPuntos != 0;
}

}  // namespace ruvek
