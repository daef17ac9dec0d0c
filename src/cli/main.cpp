// SPDX-License-Identifier: GPL-3.0-or-later
// ruvek-cli: converts and analyses tracks from a terminal or a script, with the same reading,
// writing and analysis as the windows.
#include <CLI/CLI.hpp>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "analysis/perfil.h"
#include "cli/acciones.h"
#include "cli/tamano.h"
#include "ruvek_version.h"

namespace {

using ruvek::Formato;

using ruvek::cli::ErrorDeUso;

// A datum by the name the options give it, in either case.
std::optional<ruvek::Datum> DatumDe(std::string nombre) {
  for (char& c : nombre) c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
  if (nombre == "ed50") return ruvek::Datum::Ed50;
  if (nombre == "etrs89") return ruvek::Datum::Etrs89;
  return std::nullopt;
}

// CLI11's help in Spanish.
void Traduce(CLI::App& app) {
  const auto f = app.get_formatter();
  for (auto [clave, texto] : {std::pair{"Usage", "Uso"},
                              {"OPTIONS", "OPCIONES"},
                              {"SUBCOMMAND", "ORDEN"},
                              {"Positionals", "Argumentos"},
                              {"REQUIRED", "OBLIGATORIO"},
                              {"TEXT", "TEXTO"}}) {
    f->label(clave, texto);
  }
  f->column_width(26);
}

int Ejecuta(std::vector<char*> argumentos, ruvek::Proyeccion& proyeccion) {
  const ruvek::cli::Simplificar simplificar = ruvek::cli::SacaSimplificar(argumentos);
  const int argc = int(argumentos.size());
  char** argv = argumentos.data();
  const std::string version = std::string("ruvek-cli ") + ruvek::kVersionTexto;
  CLI::App app(
      "Convierte y analiza tracks GPS: listas X,Y del Sitna, texto de TrackMaker (UTM "
      "huso 30, datum European 1950) y GPX.",
      "ruvek-cli");
  Traduce(app);
  app.option_defaults()->group("Opciones");
  app.set_help_flag("-h,--help", "Muestra esta ayuda y termina");
  app.set_version_flag("--version", version, "Muestra la versión y termina");
  app.allow_extras();
  app.footer("Cada orden tiene su ayuda: ruvek-cli ORDEN --help.");

  ruvek::cli::Conversion conversion;
  std::string formato;
  CLI::App* convert = app.add_subcommand(
      "convert",
      "Convierte cada ENTRADA al FORMATO pedido (el de la entrada se ve en su contenido)");
  convert->group("Órdenes");
  convert->add_option("--to", formato, "Formato de salida: sitna, trackmaker o gpx")
      ->type_name("FORMATO");
  convert
      ->add_option("-o,--output", conversion.salida,
                   "Escribe en SALIDA (\"-\": la salida estándar); con una sola ENTRADA")
      ->type_name("SALIDA");
  convert
      ->add_option("--output-dir", conversion.carpeta,
                   "Escribe cada conversión en CARPETA, con el nombre de su ENTRADA")
      ->type_name("CARPETA");
  std::string datum, datum_entrada;
  convert
      ->add_option("--datum", datum,
                   "Datum de la lista X,Y que escribe: ed50 (el de siempre) o etrs89 (el "
                   "oficial, EPSG:25830)")
      ->type_name("DATUM");
  convert
      ->add_option("--input-datum", datum_entrada,
                   "Datum de las listas X,Y que lee: ed50 (el de siempre) o etrs89")
      ->type_name("DATUM");
  convert
      ->add_option("ENTRADA", conversion.entradas,
                   "Archivos de track (\"-\": la entrada "
                   "estándar)")
      ->type_name("");

  std::string entrada;
  bool json = false;
  CLI::App* analyze =
      app.add_subcommand("analyze", "Escribe las seis cifras del análisis de altitudes de ENTRADA");
  analyze->group("Órdenes");
  analyze->add_flag("--json", json, "Las escribe como un objeto JSON, en metros");
  analyze->add_option("ENTRADA", entrada, "Archivo de track (\"-\": la entrada estándar)")
      ->type_name("");
  std::string salida_perfil, entrada_perfil, ancho, alto;
  CLI::App* profile = app.add_subcommand(
      "profile", "Dibuja el perfil de altitudes de ENTRADA: una imagen SVG, con su longitud");
  profile->group("Órdenes");
  profile
      ->add_option("-o,--output", salida_perfil,
                   "Escribe en SALIDA (\"-\" o sin decir: la salida estándar)")
      ->type_name("SALIDA");
  profile->add_option("--width", ancho, "Ancho en píxeles, de 240 a 8000 (800 si no se dice)")
      ->type_name("ANCHO");
  profile->add_option("--height", alto, "Alto en píxeles, de 140 a 8000 (300 si no se dice)")
      ->type_name("ALTO");
  profile->add_option("ENTRADA", entrada_perfil, "Archivo de track (\"-\": la entrada estándar)")
      ->type_name("");
  const std::initializer_list<CLI::App*> ordenes{convert, analyze, profile};
  for (CLI::App* orden : ordenes) {
    // Shown in the help only: taken out of the arguments before they are parsed.
    orden->add_flag("--simplify")
        ->description("Simplifica un track de más de 10000 puntos a 10000; --simplify=N, a N");
    orden->get_help_ptr()->group("Opciones");
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {
    return app.exit(e);
  } catch (const CLI::ArgumentMismatch&) {
    // Said in our own words, whatever CLI11's: an option that takes a value is last on the line,
    // or given twice.
    std::map<std::string, int> vistas;
    for (int i = 1; i < argc; ++i) {
      const std::string a = argv[i];
      for (const CLI::App* orden : ordenes) {
        for (const CLI::Option* o : orden->get_options()) {
          if (o->get_expected_min() == 0 || !a.starts_with('-') || !o->check_name(a)) continue;
          if (i + 1 == argc) return ErrorDeUso("a la opción " + a + " le falta su valor");
          if (++vistas[o->get_name()] > 1) return ErrorDeUso("la opción " + a + " va una sola vez");
        }
      }
    }
    return ErrorDeUso("una opción lleva más valores de los que admite");
  } catch (const CLI::ParseError&) {
    return ErrorDeUso("no se entiende la orden");
  }

  for (const CLI::App* orden : {&app, convert, analyze, profile}) {
    const std::vector<std::string> sobra = orden->remaining();
    if (sobra.empty()) continue;
    const bool opcion = sobra[0].size() > 1 && sobra[0][0] == '-';
    return ErrorDeUso((opcion          ? "opción desconocida: "
                       : orden == &app ? "orden desconocida: "
                                       : "argumento de más: ") +
                      sobra[0]);
  }
  if (!simplificar.error.empty()) return ErrorDeUso(simplificar.error);
  conversion.simplifica = simplificar.puntos;
  if (analyze->parsed()) {
    if (entrada.empty()) return ErrorDeUso("falta la ENTRADA que analizar");
    return ruvek::cli::Analiza(entrada, json, proyeccion, simplificar.puntos) ? 0 : 1;
  }
  if (profile->parsed()) {
    if (entrada_perfil.empty()) return ErrorDeUso("falta la ENTRADA del perfil");
    int lados[] = {ruvek::kAnchoPerfil, ruvek::kAltoPerfil};
    for (auto [opcion, texto, minimo, lado] :
         {std::tuple{"--width", &ancho, ruvek::kAnchoMinimo, &lados[0]},
          {"--height", &alto, ruvek::kAltoMinimo, &lados[1]}}) {
      if (profile->count(opcion) == 0) continue;
      const auto [fin, ec] = std::from_chars(texto->data(), texto->data() + texto->size(), *lado);
      if (ec != std::errc() || fin != texto->data() + texto->size() || *lado < minimo ||
          *lado > ruvek::kLadoMaximo) {
        return ErrorDeUso(std::string(opcion) + " va de " + std::to_string(minimo) + " a " +
                          std::to_string(ruvek::kLadoMaximo) + " píxeles: " + *texto);
      }
    }
    return ruvek::cli::Perfil(entrada_perfil, salida_perfil, lados[0], lados[1], proyeccion,
                              simplificar.puntos)
               ? 0
               : 1;
  }
  if (!convert->parsed()) return ErrorDeUso("falta la orden: convert, analyze o profile");
  if (formato == "sitna") {
    conversion.formato = Formato::ListaXY;
  } else if (formato == "trackmaker") {
    conversion.formato = Formato::TrackMaker;
  } else if (formato == "gpx") {
    conversion.formato = Formato::Gpx;
  } else {
    return ErrorDeUso(formato.empty()
                          ? "falta --to FORMATO"
                          : "formato desconocido: " + formato + " (sitna, trackmaker o gpx)");
  }
  const auto desconocido = [](const char* opcion, const std::string& texto) {
    return ErrorDeUso("datum desconocido para " + std::string(opcion) + ": " + texto +
                      " (ed50 o etrs89)");
  };
  if (convert->count("--datum") > 0) {
    const auto d = DatumDe(datum);
    if (!d) return desconocido("--datum", datum);
    if (conversion.formato != Formato::ListaXY) {
      return ErrorDeUso(conversion.formato == Formato::TrackMaker
                            ? "--datum solo vale con --to sitna: el texto de TrackMaker va "
                              "siempre en ED50 (European 1950)"
                            : "--datum solo vale con --to sitna: el GPX va siempre en WGS 84");
    }
    conversion.datum = *d;
  }
  if (convert->count("--input-datum") > 0) {
    conversion.datum_entrada = DatumDe(datum_entrada);
    if (!conversion.datum_entrada) return desconocido("--input-datum", datum_entrada);
  }
  if (conversion.entradas.empty()) return ErrorDeUso("falta la ENTRADA que convertir");
  if (!conversion.salida.empty() && !conversion.carpeta.empty()) {
    return ErrorDeUso("-o y --output-dir no van juntos");
  }
  if (conversion.entradas.size() > 1 && conversion.carpeta.empty()) {
    return ErrorDeUso("con varias entradas hace falta --output-dir");
  }
  return ruvek::cli::Convierte(conversion, proyeccion);
}

}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGXFSZ, SIG_IGN);  // a file beyond the size limit fails to write, and says so
  ruvek::Proyeccion proyeccion;   // PROJ, loaded at the first GPX or change of datum
  int estado = Ejecuta(std::vector<char*>(argv, argv + argc), proyeccion);
  if (estado == 0 && !ruvek::cli::VaciaSalidaEstandar()) estado = 1;
  std::_Exit(estado);
}
