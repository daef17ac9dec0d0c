// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/formatos.h"

#include <algorithm>

#include "formats/geojson.h"
#include "formats/gpx.h"
#include "formats/kml.h"
#include "formats/kmz.h"
#include "formats/lista_xy.h"
#include "formats/trackmaker.h"
#include "formats/xml.h"

namespace ruvek {

namespace {

Reconocimiento Seguro(bool si) { return si ? Reconocimiento::Si : Reconocimiento::No; }

const FichaDeFormato kFormatos[] = {
    {.formato = Formato::ListaXY,
     .nombre = "sitna",
     .que_es = "una lista X,Y",
     .en_que_datum = "",
     .final_del_nombre = " (Sitna).txt",
     .coordenadas = Coordenadas::MetrosADecir,
     .documento = Documento::Texto,
     .extensiones = ".txt",
     .filtro = "",
     .sin_track = "",
     .reconoce = [](std::string_view) { return Reconocimiento::PorDescarte; },
     .lee = &LeeListaXY,
     .escribe = [](const Recorrido& r) { return EscribeListaXY(r); },
     .escribe_tabla = &EscribeListaXY,
     .deja = nullptr},
    {.formato = Formato::TrackMaker,
     .nombre = "trackmaker",
     .que_es = "texto de TrackMaker (siempre ED50)",
     .en_que_datum = "el texto de TrackMaker va siempre en ED50 (European 1950)",
     .final_del_nombre = " (TrackMaker).txt",
     .coordenadas = Coordenadas::MetrosEd50,
     .documento = Documento::Texto,
     .extensiones = ".txt",
     .filtro = "TXT Archivo texto de TM o Sitna(*.txt)|*.txt|",
     .sin_track = "",
     .reconoce = [](std::string_view bytes) { return Seguro(EsTrackMaker(bytes)); },
     .lee = &LeeTrackMaker,
     .escribe = [](const Recorrido& r) { return EscribeTrackMaker(r); },
     .escribe_tabla = &EscribeTrackMaker,
     .deja = nullptr},
    {.formato = Formato::Gpx,
     .nombre = "gpx",
     .que_es = "un GPX (WGS 84)",
     .en_que_datum = "el GPX va siempre en WGS 84",
     .final_del_nombre = ".gpx",
     .coordenadas = Coordenadas::GradosWgs84,
     .documento = Documento::Xml,
     .extensiones = ".gpx",
     .filtro = "GPX Archivo GPX(*.gpx)|*.gpx|",
     .sin_track = kGpxSinPuntos,
     // Any XML no other layout takes: the GPX reader says what it is.
     .reconoce =
         [](std::string_view bytes) {
           return RaizXml(bytes) == "gpx" ? Reconocimiento::Si : Reconocimiento::PorDescarte;
         },
     .lee = &LeeGpx,
     .escribe = &EscribeGpx,
     .escribe_tabla = nullptr,
     .deja = nullptr},
    {.formato = Formato::Kml,
     .nombre = "kml",
     .que_es = "un KML (WGS 84)",
     .en_que_datum = "el KML va siempre en WGS 84",
     .final_del_nombre = ".kml",
     .coordenadas = Coordenadas::GradosWgs84,
     .documento = Documento::Xml,
     .extensiones = ".kml",
     .filtro = "KML Archivo KML(*.kml)|*.kml|",
     .sin_track = kKmlSinTrack,
     .reconoce = [](std::string_view bytes) { return Seguro(EsKml(bytes)); },
     .lee = &LeeKml,
     .escribe = &EscribeKml,
     .escribe_tabla = nullptr,
     .deja = &LoQueElKmlDeja},
    {.formato = Formato::Kmz,
     .nombre = "kmz",
     .que_es = "un KMZ (WGS 84)",
     .en_que_datum = "el KMZ va siempre en WGS 84",
     .final_del_nombre = ".kmz",
     .coordenadas = Coordenadas::GradosWgs84,
     .documento = Documento::Zip,
     .extensiones = ".kmz",
     .filtro = "KMZ Archivo KMZ(*.kmz)|*.kmz|",
     .sin_track = kKmlSinTrack,
     // Any zip archive: the KMZ reader says what it is.
     .reconoce = [](std::string_view) { return Reconocimiento::PorDescarte; },
     .lee = &LeeKmz,
     .escribe = &EscribeKmz,
     .escribe_tabla = nullptr,
     .deja = &LoQueElKmlDeja},
    {.formato = Formato::GeoJson,
     .nombre = "geojson",
     .que_es = "un GeoJSON",
     .en_que_datum = "el GeoJSON va siempre en WGS 84",
     .final_del_nombre = ".geojson",
     .coordenadas = Coordenadas::GradosWgs84,
     .documento = Documento::Json,
     .extensiones = ".geojson .json",
     .filtro = "GeoJSON Archivo GeoJSON(*.geojson *.json)|*.geojson *.json|",
     .sin_track = kKmlSinTrack,
     .reconoce = [](std::string_view) { return Reconocimiento::PorDescarte; },
     .lee = &LeeGeoJson,
     .escribe = &EscribeGeoJson,
     .escribe_tabla = nullptr,
     .deja = nullptr},
};

// The layout of `bytes` among those written as `documento`: the one sure of them, else the one
// that takes what no other does.
const FichaDeFormato& Reconoce(std::string_view bytes, Documento documento) {
  const FichaDeFormato* resto = nullptr;
  for (const FichaDeFormato& f : kFormatos) {
    if (f.documento != documento) continue;
    switch (f.reconoce(bytes)) {
      case Reconocimiento::Si:
        return f;
      case Reconocimiento::PorDescarte:
        resto = &f;
        break;
      case Reconocimiento::No:
        break;
    }
  }
  return resto != nullptr ? *resto : Reconoce(bytes, Documento::Texto);
}

bool TerminaEn(std::string_view nombre, std::string_view final_) {
  return nombre.size() >= final_.size() &&
         std::equal(final_.begin(), final_.end(), nombre.end() - std::ptrdiff_t(final_.size()),
                    [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b); });
}

}  // namespace

std::span<const FichaDeFormato> Formatos() { return kFormatos; }

const FichaDeFormato& Ficha(Formato formato) {
  return *std::find_if(std::begin(kFormatos), std::end(kFormatos),
                       [formato](const FichaDeFormato& f) { return f.formato == formato; });
}

Documento DocumentoDe(std::string_view bytes) {
  if (EsZip(bytes)) return Documento::Zip;
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  const std::size_t p = bytes.substr(0, 1024).find_first_not_of(" \t\r\n");
  if (p == std::string_view::npos) return Documento::Texto;
  return bytes[p] == '<'                      ? Documento::Xml
         : bytes[p] == '{' || bytes[p] == '[' ? Documento::Json
                                              : Documento::Texto;
}

const FichaDeFormato& FormatoPorContenido(std::string_view bytes) {
  return Reconoce(bytes, DocumentoDe(bytes));
}

const FichaDeFormato& FormatoDeTexto(std::string_view bytes) {
  return Reconoce(bytes, Documento::Texto);
}

std::size_t LargoDeLaExtension(std::string_view nombre) {
  const FichaDeFormato* ficha = FormatoPorExtension(nombre);
  for (std::string_view e = ficha ? ficha->extensiones : ""; !e.empty();) {
    const std::string_view una = e.substr(0, e.find(' '));
    if (TerminaEn(nombre, una)) return una.size();
    e.remove_prefix(std::min(e.size(), una.size() + 1));
  }
  return 0;
}

const FichaDeFormato* FormatoPorExtension(std::string_view nombre) {
  for (const FichaDeFormato& f : kFormatos) {
    for (std::string_view e = f.extensiones; !e.empty();) {
      const std::string_view una = e.substr(0, e.find(' '));
      if (TerminaEn(nombre, una)) return &f;
      e.remove_prefix(std::min(e.size(), una.size() + 1));
    }
  }
  return nullptr;
}

const FichaDeFormato* FormatoEscritoLlamado(std::string_view nombre) {
  for (const FichaDeFormato& f : kFormatos) {
    if (nombre == f.nombre) return &f;
  }
  return nullptr;
}

std::string NombresDeFormatosEscritos() {
  std::vector<std::string_view> nombres;
  for (const FichaDeFormato& f : kFormatos) {
    nombres.push_back(f.nombre);
  }
  std::string lista;
  for (std::size_t i = 0; i < nombres.size(); ++i) {
    lista.append(i == 0 ? "" : i + 1 == nombres.size() ? " o " : ", ").append(nombres[i]);
  }
  return lista;
}

}  // namespace ruvek
