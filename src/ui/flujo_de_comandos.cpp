// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/flujo_de_comandos.h"

#include "ajustes.h"
#include "analysis/analisis.h"
#include "core/nombres.h"
#include "core/simplifica.h"
#include "formats/lista_xy.h"
#include "formats/trackmaker.h"
#include "geo/en_sistema.h"
#include "io/entrada.h"

namespace ruvek {

namespace {

bool SoloEspacios(std::string_view texto) {
  return texto.find_first_not_of(' ') == std::string_view::npos;
}

// The open dialog's filter: the text layouts' entry first, then every other layout's.
std::string FiltroDeAbrir() {
  std::string filtro;
  for (const bool texto : {true, false}) {
    for (const FichaDeFormato& f : Formatos()) {
      if ((f.documento == Documento::Texto) == texto) filtro += f.filtro;
    }
  }
  return filtro;
}

}  // namespace

Track LeeLaTabla(const FichaDeFormato& ficha, std::string_view bytes, Proyeccion& proyeccion) {
  Recorrido r = ficha.lee(bytes);
  // A text's numbers as they are: the windows read no zone or datum of it.
  if (ficha.documento == Documento::Texto) return TablaDe(r);
  // Its tracks in the table's metres: the waypoints are not the table's.
  if (r.trazas.empty() && !r.waypoints.empty()) {
    throw Error(TipoDeError::MalFormado, ficha.sin_track);
  }
  r.waypoints.clear();
  const std::string lineas_de = r.lineas_de;
  return EnSusLineas(lineas_de,
                     [&] { return TablaDe(EnSistema(std::move(r), kMetrosEd50, proyeccion)); });
}

std::string TextoDelFallo(const Error& e) {
  if (e.tipo() == TipoDeError::Archivo) return "No se puede leer el archivo: " + e.detalle() + ".";
  std::string texto = e.linea() > 0 ? "Línea " + std::to_string(e.linea()) : "";
  if (!e.dentro().empty()) texto += (texto.empty() ? "En " : " de ") + e.dentro();
  if (!texto.empty()) texto += ": ";
  texto += e.detalle() + ".";
  if (e.linea() == 0 && texto[0] >= 'a' && texto[0] <= 'z') texto[0] = char(texto[0] - 'a' + 'A');
  return texto;
}

std::string FlujoDeComandos::TituloCon(std::string_view sufijo) const {
  std::string titulo = titulo_ventana_;
  titulo += " - ";
  titulo += sufijo;
  return titulo;
}

void FlujoDeComandos::PonTitulo(std::string_view sufijo) { p_.Titulo(TituloCon(sufijo)); }

void FlujoDeComandos::Inicia() {
  titulo_ventana_ = std::string("Ruvek v ") + kVersionTexto;
  p_.Titulo(titulo_ventana_);
}

bool FlujoDeComandos::PideArchivo(const PeticionDialogo& peticion) {
  const RespuestaDialogo r = p_.DialogoArchivo(peticion);
  if (r.cancelado || SoloEspacios(r.nombre)) return false;
  archivo_actual_ = r.nombre;
  return true;
}

void FlujoDeComandos::Abrir() {
  try {
    if (!PideArchivo({TipoDialogo::Abrir, "Abrir archivo", FiltroDeAbrir(), std::nullopt})) return;
  } catch (const Error&) {
    return;  // silent, as every failure of a file command
  }
  AbreArchivo(archivo_actual_);
}

void FlujoDeComandos::AbreArchivo(const std::string& nombre) {
  archivo_actual_ = nombre;
  // Any other ending (".gtm", none...) leaves everything as it was but the name.
  if (const FichaDeFormato* ficha = FormatoPorExtension(archivo_actual_)) {
    if (ficha->documento == Documento::Texto) {
      CargaTexto();
    } else {
      CargaEntero(*ficha);
    }
  }
}

void FlujoDeComandos::CargaTexto() {
  // The track is cleared and three commands turned off before the file is read. What the reading
  // stored before a failure stays stored: the points before it and the fields of the failing one
  // read before its failing field; a file that cannot be read or is empty leaves the count of
  // points as it was, over the cleared track.
  const std::size_t puntos_antes = track_.puntos.size();
  track_ = {};
  p_.Habilita(Comando::Analizar, false);
  p_.Habilita(Comando::GuardarSitna, false);
  p_.Habilita(Comando::GuardarTrackMaker, false);
  try {
    const std::string bytes = LeeEntrada(archivo_actual_);
    const FichaDeFormato& ficha = FormatoDeTexto(bytes);
    Cargado(ficha, LeeLaTabla(ficha, bytes, proyeccion_));
  } catch (LecturaIncompleta& e) {
    track_ = std::move(e.leido);
  } catch (const Error&) {
    track_.puntos.assign(puntos_antes, Punto{});
  }
}

void FlujoDeComandos::CargaEntero(const FichaDeFormato& ficha) {
  Track track;
  try {
    track = LeeLaTabla(ficha, LeeEntrada(archivo_actual_), proyeccion_);
  } catch (const Error& e) {
    p_.Advertencia(TextoDelFallo(e), "Track no cargado");
    return;
  }
  Cargado(ficha, std::move(track));
}

void FlujoDeComandos::Cargado(const FichaDeFormato& ficha, Track track) {
  track_ = std::move(track);
  // A GPX longer than the table is simplified to fit it, and the message says by how much.
  const Simplificacion simplificada = Simplifica(track_, kMaximoDePuntos);
  const bool analizable = track_.con_altitudes;
  if (ficha.documento == Documento::Texto) {
    // TrackMaker text, with its altitudes, can be analysed and saved for Sitna; an X,Y list,
    // without them, saved for TrackMaker.
    if (analizable) {
      p_.Habilita(Comando::Analizar, true);
      p_.Habilita(Comando::Copiar, true);
      p_.Habilita(Comando::GuardarSitna, true);
    } else {
      p_.Habilita(Comando::GuardarTrackMaker, true);
      p_.Habilita(Comando::Copiar, true);
    }
  } else {
    p_.Habilita(Comando::Analizar, analizable);
    p_.Habilita(Comando::Copiar, true);
    p_.Habilita(Comando::GuardarSitna, true);
    p_.Habilita(Comando::GuardarTrackMaker, true);
  }
  PonTitulo(archivo_actual_);
  std::string mensaje = analizable ? kPuedeAnalizarse : kNoPuedeAnalizarse;
  if (simplificada.despues != simplificada.antes) {
    mensaje.append("\n").append(FraseDeSimplificacion(simplificada));
  }
  p_.Mensaje(mensaje, "Track cargado");
}

struct FlujoDeComandos::Guardado {
  const char* titulo_dialogo;
  const char* filtro;
  Formato formato;
  const char* mensaje;
  bool titulo_antes_del_mensaje;  // as each save has always done it
};

void FlujoDeComandos::Guarda(const Guardado& g) {
  const FichaDeFormato& ficha = Ficha(g.formato);
  try {
    // The current name without its extension: a layout's ending, whatever its length, or its last
    // four characters, whatever they are.
    const std::size_t extension = LargoDeLaExtension(archivo_actual_);
    const std::optional<std::string> propuesta =
        extension > 4
            ? archivo_actual_.substr(0, archivo_actual_.size() - extension) + ficha.final_del_nombre
            : NombrePropuesto(archivo_actual_, ficha.final_del_nombre);
    if (!propuesta) return;  // no name to derive a proposal from
    if (!PideArchivo({TipoDialogo::Guardar, g.titulo_dialogo, g.filtro, propuesta})) return;
    if (ficha.escribe_tabla == nullptr) return;
    p_.GuardaArchivo(archivo_actual_, ficha.escribe_tabla(track_));
    if (g.titulo_antes_del_mensaje) PonTitulo(archivo_actual_);
    p_.Mensaje(g.mensaje, "Track guardado");
    if (!g.titulo_antes_del_mensaje) PonTitulo(archivo_actual_);
  } catch (const Error&) {
    // Silent: the current name is the one chosen, the caption the previous one.
  }
}

void FlujoDeComandos::GuardarSitna() {
  Guarda({"Guadar archivo para Sitna", "TXT Archivo texto Sitna(*.txt)|*.txt|", Formato::ListaXY,
          "Este track se ha guardado para ser utilizado en el web del Sitna", true});
}

void FlujoDeComandos::GuardarTrackMaker() {
  Guarda({"Guardar archivo para TrackMaker", "TXT Archivo texto TrackMaker(*.txt)|*.txt|",
          Formato::TrackMaker, "Este track se ha guardado para ser utilizado por TrackMaker",
          false});
}

void FlujoDeComandos::Analizar() { p_.MuestraAnalisis(); }

void FlujoDeComandos::PegarDesdePortapapeles() { p_.MuestraPaste(); }

void FlujoDeComandos::Salir() { p_.Termina(); }

void FlujoDeComandos::Copiar() {
  const std::string texto = EscribeListaXYPegada(track_);
  // Watchers of the clipboard see it empty, then "error", then empty, then the track, as they
  // always have.
  p_.LimpiaPortapapeles();
  if (!p_.TextoAlPortapapeles("error")) return;
  p_.LimpiaPortapapeles();
  if (!p_.TextoAlPortapapeles(texto)) return;
  p_.Mensaje("El track está en el portapapeles", "Track copiado");
}

bool FlujoDeComandos::UsaTextoPegado(std::string_view texto) {
  // All this before the text is read, whatever it holds.
  PonTitulo("Track Portapapeles");
  archivo_actual_ = kSinNombre;
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
