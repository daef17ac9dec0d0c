// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/orden_analyze.h"

#include <cmath>

#include "analysis/analisis.h"
#include "analysis/tiempos.h"
#include "cli/entradas_y_salidas.h"
#include "core/precision.h"

namespace ruvek::cli {

namespace {

// What the analysis says of a track: the six figures, its length, and how long it took and will
// take.
struct Cifras {
  ResultadoAnalisis altitudes;
  double distancia;
  std::optional<Movimiento> movimiento;
  long estimado;
};

std::string Texto(const Cifras& c) {
  const TextosDelAnalisis t = TextosDe(c.altitudes);
  std::string texto = "Inicial\t" + t.inicial + "\nMáxima\t" + t.maxima + "\nMínima\t" + t.minima +
                      "\nFinal\t" + t.final_ + "\nTotal Subida\t" + t.total_subida +
                      "\nTotal Bajada\t" + t.total_bajada + "\nDistancia\t" +
                      ConComa(Decimales(c.distancia / 1000, 2)) + " km\n";
  if (c.movimiento) {
    const Movimiento& m = *c.movimiento;
    texto += "Duración\t" + HorasMinutosSegundos(m.duracion) + "\nEn movimiento\t" +
             HorasMinutosSegundos(m.en_movimiento) + "\n";
    for (const auto& [que, segundos] : {std::pair{"Velocidad media\t", m.duracion},
                                        {"Velocidad en movimiento\t", m.en_movimiento}}) {
      if (const auto v = KilometrosPorHora(c.distancia, segundos)) {
        texto += que + ConComa(*v) + " km/h\n";
      }
    }
  }
  return texto + "Tiempo estimado (DIN 33466)\t" + HorasMinutos(c.estimado) + "\n";
}

std::string Json(const Cifras& c) {
  const ResultadoAnalisis& r = c.altitudes;
  const auto cifra = [](std::optional<ValorFijo> v) { return v ? v->Texto() : "null"; };
  const std::optional<Movimiento>& m = c.movimiento;
  const auto segundos = [&m](double Movimiento::*que) {
    return m ? std::to_string(std::llround((*m).*que)) : "null";
  };
  const auto velocidad = [&](double Movimiento::*que) {
    return m ? KilometrosPorHora(c.distancia, (*m).*que).value_or("null") : "null";
  };
  return "{\"inicial\": " + cifra(r.inicial) + ", \"maxima\": " + cifra(r.maxima) +
         ", \"minima\": " + cifra(r.minima) + ", \"final\": " + cifra(r.final_) +
         ", \"total_subida\": " + TextoFijo(r.total_subida) +
         ", \"total_bajada\": " + TextoFijo(r.total_bajada) +
         ", \"distancia\": " + std::to_string(std::llround(c.distancia)) +
         ", \"duracion\": " + segundos(&Movimiento::duracion) +
         ", \"en_movimiento\": " + segundos(&Movimiento::en_movimiento) +
         ", \"velocidad_media\": " + velocidad(&Movimiento::duracion) +
         ", \"velocidad_en_movimiento\": " + velocidad(&Movimiento::en_movimiento) +
         ", \"tiempo_estimado\": " + std::to_string(c.estimado) + "}\n";
}

}  // namespace

OrdenAnalyze::OrdenAnalyze(CLI::App& app)
    : orden_(NuevaOrden(app, "analyze",
                        "Escribe las seis cifras del análisis de altitudes de ENTRADA, su "
                        "distancia y sus tiempos")) {
  Marca(orden_, "--json", json_, "Las escribe como un objeto JSON, en metros y segundos");
  umbral_.Anade(orden_);
  entrada_.AnadeEntrada(orden_);
  entrada_.AnadeOpciones(orden_);
}

int OrdenAnalyze::Ejecuta(Proyeccion& proyeccion) {
  if (const std::optional<int> uso = entrada_.Comprueba("que analizar")) return *uso;
  std::string error;
  const std::optional<int> umbral = umbral_.Metros(error);
  if (!error.empty()) return ErrorDeUso(error);
  if (!entrada_.AbreModelos(proyeccion)) return 1;
  std::string texto;
  try {
    const Cargado cargado = entrada_.Carga(proyeccion);
    const Recorrido& metros = cargado.recorrido;
    const Track track = TablaDe(metros);
    if (!track.con_altitudes) throw Error(TipoDeError::FaltaUnCampo, kNoPuedeAnalizarse);
    Cifras c{AnalizaAltitudes(track, umbral), 0, std::nullopt, 0};
    if (!c.altitudes.inicial) {  // the window shows blanks; a script is told
      throw Error(TipoDeError::FaltaUnCampo,
                  track.puntos.empty()
                      ? "el track no tiene ningún punto que analizar"
                      : "el track no tiene ningún punto que analizar: el primero tiene una X "
                        "menor que 1, que acaba el track");
    }
    const std::span<const Punto> puntos = PuntosHastaElFinal(track);
    const std::vector<double> d = entrada_.Distancias(cargado, puntos.size(), proyeccion);
    c.distancia = d.back();
    c.estimado = TiempoEstimado(c.distancia, c.altitudes);
    c.movimiento = entrada_.Tiempos(metros, d);
    texto = json_ ? Json(c) : Texto(c);
  } catch (const Error& e) {
    Informa(entrada_.Nombre(), e);
    return 1;
  }
  try {
    Escribe("-", texto);
  } catch (const Error& e) {
    Informa(kSalidaEstandar, e);
    return 1;
  }
  return 0;
}

}  // namespace ruvek::cli
