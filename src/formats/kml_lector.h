// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reader of a KML's XML: what LeeKml tells. Its events are in kml_xml.cpp; the numbers of its
// coordinates, and what each Track and Placemark becomes, in kml_coordenadas.cpp.
#include <optional>
#include <string>
#include <vector>

#include "formats/grados.h"
#include "formats/xml.h"

namespace ruvek {

enum class NodoKml {
  Otro,
  Kml,
  Placemark,
  Name,
  LineString,
  Track,
  MultiTrack,
  Point,
  Coordinates,
  Coord,
  When,
  TimeStamp,
  AltitudeMode
};

// Where the altitudes of a line are decided: its segment, its altitude mode and its MultiTrack's
// (an index of the multitracks), when it has them.
struct ModoDeAltitud {
  std::size_t traza, segmento;
  std::string modo;
  int multitrack = -1;
};

class LectorKml : public LectorXml {
 public:
  Recorrido Lee(std::string_view bytes);

 private:
  void AlAbrir(std::string_view espacio, std::string_view local, const char** atributos) override;
  void AlCerrar() override;
  void AlLeerTexto(std::string_view texto) override;
  // A LineString's coordinates may be a whole track long: their tuples are bounded one by one.
  bool TextoLargo() const override { return pila_.back() == NodoKml::Coordinates; }

  NodoKml Padre() const { return pila_.size() < 2 ? NodoKml::Otro : pila_.end()[-2]; }
  void AbreLinea(NodoKml nodo, NodoKml padre);
  void CierraTrack();
  void CierraPlacemark();
  void Punto(const std::vector<std::string_view>& campos, std::string_view tupla, long linea);
  void Tuplas(std::string_view texto, bool al_final);

  std::vector<NodoKml> pila_;
  Acumulador r_;
  bool en_placemark_ = false, traza_del_placemark_ = false;
  std::string nombre_;                    // of the Placemark open
  std::optional<Instante> cuando_;        // of its TimeStamp
  std::vector<Waypoint> puntos_;          // its Points' places, and those of a Point outside one
  std::size_t primer_punto_ = 0;          // of the Point open
  std::string modo_del_punto_;            // the Point's altitude mode
  std::vector<ModoDeAltitud> modos_;      // of every line
  std::vector<std::string> multitracks_;  // their altitude modes
  std::vector<std::pair<Instante, long>> whens_;  // of the Track open, and their lines
  long linea_track_ = 0;
  std::string texto_;     // of a name, a when, an altitudeMode or a coord, or a tuple cut short
  long linea_texto_ = 0;  // the line where texto_ begins
};

}  // namespace ruvek
