// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ordenes.h"

#include <algorithm>

#include "analysis/analisis.h"
#include "core/nombres.h"
#include "core/simplifica.h"
#include "formats/formatos.h"
#include "formats/lista_xy.h"
#include "formats/trackmaker.h"
#include "io/entrada.h"
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
  if (e.tipo() == TipoDeError::Archivo) return "No se puede leer el archivo: " + e.detalle() + ".";
  std::string texto = e.linea() > 0 ? "Línea " + std::to_string(e.linea()) + ": " : "";
  texto += e.detalle() + ".";
  if (e.linea() == 0 && texto[0] >= 'a' && texto[0] <= 'z') texto[0] = char(texto[0] - 'a' + 'A');
  return texto;
}

std::string Ordenes::TituloCon(std::string_view sufijo) const {
  std::string titulo = titulo_ventana_;
  titulo += " - ";
  titulo += sufijo;
  return titulo;
}

void Ordenes::PonTitulo(std::string_view sufijo) { p_.Titulo(TituloCon(sufijo)); }

void Ordenes::Inicia() {
  titulo_ventana_ = std::string("Ruvek v ") + kVersionTexto;
  p_.Titulo(titulo_ventana_);
}

bool Ordenes::PideArchivo(const PeticionDialogo& peticion) {
  const RespuestaDialogo r = p_.DialogoArchivo(peticion);
  if (r.cancelado || SoloEspacios(r.nombre)) return false;
  archivo_actual_ = r.nombre;
  return true;
}

void Ordenes::Abrir() {
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
  archivo_actual_ = nombre;
  Abre();
}

void Ordenes::Abre() {
  const std::string_view nombre = archivo_actual_;
  const std::size_t inicio = InicioUltimosCaracteres(nombre, 4);
  const std::string extension =
      Mayusculas(nombre.substr(inicio == std::string_view::npos ? 0 : inicio));
  std::optional<TrackLeido> leido;
  if (extension == ".TXT") {
    // The track is cleared before the file is read, and what the reading stored before a failure
    // stays stored: the points before it and the fields of the failing one read before its
    // failing field. A file that cannot be read or is empty leaves the count of points as it was,
    // over a cleared track. Failures are silent.
    const std::size_t puntos_antes = track_.puntos.size();
    track_ = {};
    p_.Habilita(Comando::Analizar, false);
    p_.Habilita(Comando::GuardarSitna, false);
    p_.Habilita(Comando::GuardarTrackMaker, false);
    try {
      const std::string bytes = LeeEntrada(archivo_actual_);
      leido = Lee(FormatoDeTexto(bytes), bytes, proyeccion_);
    } catch (LecturaIncompleta& e) {
      track_ = std::move(e.leido);
      return;
    } catch (const Error&) {
      track_.puntos.assign(puntos_antes, Punto{});
      return;
    }
  } else if (extension == ".GPX") {
    // A GPX is read whole before the track changes; a failure leaves it as it was and says why.
    try {
      leido = Lee(Formato::Gpx, LeeEntrada(archivo_actual_), proyeccion_);
    } catch (const Error& e) {
      p_.Advertencia(TextoDelFallo(e), "Track no cargado");
    }
  }
  // ".GTM" and every other ending leave everything as it was but the name.
  if (!leido) return;
  track_ = std::move(leido->track);
  // A GPX longer than the table is simplified to fit it, and the message says by how much.
  const Simplificacion simplificada = Simplifica(track_, kMaximoDePuntos);
  const bool analizable = track_.con_altitudes;
  switch (leido->formato) {
    case Formato::TrackMaker:
      p_.Habilita(Comando::Analizar, true);
      p_.Habilita(Comando::Copiar, true);
      p_.Habilita(Comando::GuardarSitna, true);
      break;
    case Formato::ListaXY:
      p_.Habilita(Comando::GuardarTrackMaker, true);
      p_.Habilita(Comando::Copiar, true);
      break;
    case Formato::Gpx:
      p_.Habilita(Comando::Analizar, analizable);
      p_.Habilita(Comando::Copiar, true);
      p_.Habilita(Comando::GuardarSitna, true);
      p_.Habilita(Comando::GuardarTrackMaker, true);
      break;
  }
  PonTitulo(archivo_actual_);
  std::string mensaje = analizable ? kPuedeAnalizarse : kNoPuedeAnalizarse;
  if (simplificada.despues != simplificada.antes) {
    mensaje.append("\n").append(FraseDeSimplificacion(simplificada));
  }
  p_.Mensaje(mensaje, "Track cargado");
}

struct Ordenes::Guardado {
  const char* titulo_dialogo;
  const char* filtro;
  const char* sufijo_nombre;
  std::string (*contenido)(const Track&);
  const char* mensaje;
  bool titulo_antes_del_mensaje;
};

void Ordenes::Guarda(const Guardado& g) {
  try {
    const std::optional<std::string> propuesta = NombrePropuesto(archivo_actual_, g.sufijo_nombre);
    if (!propuesta) return;  // no name to derive a proposal from
    if (!PideArchivo({TipoDialogo::Guardar, g.titulo_dialogo, g.filtro, propuesta})) return;
    p_.GuardaArchivo(archivo_actual_, g.contenido(track_));
    if (g.titulo_antes_del_mensaje) PonTitulo(archivo_actual_);
    p_.Mensaje(g.mensaje, "Track guardado");
    if (!g.titulo_antes_del_mensaje) PonTitulo(archivo_actual_);
  } catch (const Error&) {
    // Silent by design: the current name is the one chosen, the caption the previous one.
  }
}

void Ordenes::GuardarSitna() {
  Guarda({"Guadar archivo para Sitna", "TXT Archivo texto Sitna(*.txt)|*.txt|", " (Sitna).txt",
          &EscribeListaXY, "Este track se ha guardado para ser utilizado en el web del Sitna",
          true});
}

void Ordenes::GuardarTrackMaker() {
  Guarda({"Guardar archivo para TrackMaker", "TXT Archivo texto TrackMaker(*.txt)|*.txt|",
          " (TrackMaker).txt", &EscribeTrackMaker,
          "Este track se ha guardado para ser utilizado por TrackMaker", false});
}

void Ordenes::Analizar() { p_.MuestraAnalisis(); }

void Ordenes::PegarDesdePortapapeles() { p_.MuestraPaste(); }

void Ordenes::Salir() { p_.Termina(); }

void Ordenes::Copiar() {
  const std::string texto = EscribeListaXYPegada(track_);
  // Watchers of the clipboard see it empty, then "error", then empty, then the track.
  p_.LimpiaPortapapeles();
  if (!p_.TextoAlPortapapeles("error")) return;
  p_.LimpiaPortapapeles();
  if (!p_.TextoAlPortapapeles(texto)) return;
  p_.Mensaje("El track está en el portapapeles", "Track copiado");
}

bool Ordenes::UsaTextoPegado(std::string_view texto) {
  PonTitulo("Track Portapapeles");
  archivo_actual_ = "sin nombre.txt";
  p_.Habilita(Comando::GuardarSitna, false);
  p_.Habilita(Comando::GuardarTrackMaker, true);
  track_ = {};
  try {
    track_ = LeeListaXYPegada(texto);
  } catch (LecturaIncompleta& e) {
    track_ = std::move(e.leido);  // the records before the failing one, and that one's X
    return false;
  }
  return !track_.puntos.empty();
}

}  // namespace ruvek
