// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/opciones.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cstdio>
#include <memory>
#include <string_view>

#include "ajustes.h"
#include "core/track.h"
#include "formats/formatos.h"

namespace ruvek::cli {

int ErrorDeUso(const std::string& que) {
  std::fprintf(stderr, "ruvek-cli: %s\nPruebe «ruvek-cli --help» para más información.\n",
               que.c_str());
  return kUso;
}

std::shared_ptr<CLI::App> NuevaAplicacion() {
  auto nueva = std::make_shared<CLI::App>("", "ruvek-cli");
  CLI::App& app = *nueva;
  app.description(
      "Convierte y analiza tracks GPS: listas X,Y del Sitna, texto de TrackMaker (UTM, "
      "datum European 1950), GPX, KML, KMZ y GeoJSON.");
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
  app.option_defaults()->group("Opciones");
  app.set_help_flag("-h,--help", "Muestra esta ayuda y termina");
  app.set_version_flag("--version", std::string("ruvek-cli ") + kVersionTexto,
                       "Muestra la versión y termina");
  app.allow_extras();
  app.footer("Cada orden tiene su ayuda: ruvek-cli ORDEN --help.");
  return nueva;
}

CLI::App* NuevaOrden(CLI::App& app, const char* nombre, const char* descripcion) {
  CLI::App* orden = app.add_subcommand(nombre, descripcion);
  orden->group("Órdenes");
  return orden;
}

bool Pedida(const CLI::App* orden) { return orden->parsed(); }

bool Dada(const CLI::App* orden, const char* nombre) { return orden->count(nombre) > 0; }

void Entrada(CLI::App* orden, std::string& valor, const char* descripcion) {
  orden->add_option("ENTRADA", valor, descripcion)->type_name("");
}

void Entradas(CLI::App* orden, std::vector<std::string>& valores, const char* descripcion) {
  orden->add_option("ENTRADA", valores, descripcion)->type_name("");
}

void Marca(CLI::App* orden, const char* nombre, bool& valor, const char* descripcion) {
  orden->add_flag(nombre, valor, descripcion);
}

CLI::Option* Opcion(CLI::App* orden, const char* nombres, std::string& valor,
                    const std::string& descripcion, const char* tipo) {
  return orden->add_option(nombres, valor, descripcion)
      ->type_name(tipo)
      ->expected(0, 1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

CLI::Option* OpcionRepetible(CLI::App* orden, const char* nombres,
                             std::vector<std::string>& valores, const std::string& descripcion,
                             const char* tipo) {
  return orden->add_option(nombres, valores, descripcion)
      ->type_name(tipo)
      ->expected(0, 1)
      ->allow_extra_args(false)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

void OpcionDem(CLI::App* orden, std::vector<std::string>& archivos) {
  OpcionRepetible(orden, "--dem", archivos,
                  "Toma la altitud de cada punto del modelo del terreno ARCHIVO (GeoTIFF, "
                  "ASCII...); con varios, del primero que lo cubre",
                  "ARCHIVO");
}

void OpcionUmbral::Anade(CLI::App* orden) {
  opcion_ = Opcion(orden, "--threshold", valor_,
                   "Suma solo las subidas y bajadas de N metros o más (las demás son ruido)", "N");
}

std::optional<int> OpcionUmbral::Metros(std::string& error) const {
  if (opcion_->count() == 0) return std::nullopt;
  int n = 0;
  const char* fin = valor_.data() + valor_.size();
  const auto [donde, ec] = std::from_chars(valor_.data(), fin, n);
  if (ec != std::errc() || donde != fin || n < 1) {
    error = "--threshold N pide un número entero de metros, 1 o más: " + valor_;
  }
  return n;
}

void OpcionSimplify::Anade(CLI::App* orden) {
  const std::string maximo = std::to_string(kMaximoDePuntos);
  opcion_ = orden->add_flag(
      "--simplify", valor_,
      "Simplifica un track de más de " + maximo + " puntos a " + maximo + "; --simplify=N, a N");
  orden->get_help_ptr()->group("Opciones");
}

std::optional<std::size_t> OpcionSimplify::Puntos(std::string& error) const {
  if (opcion_->count() == 0) return std::nullopt;
  if (valor_ == "true") return kMaximoDePuntos;  // CLI11's value for a flag given bare
  std::size_t n = 0;
  const char* fin = valor_.data() + valor_.size();
  const auto [donde, ec] = std::from_chars(valor_.data(), fin, n);
  if (ec != std::errc() || donde != fin || n < 2 || n > std::size_t(kMaximoDePuntos)) {
    error = "--simplify=N pide un número de puntos de 2 a " + std::to_string(kMaximoDePuntos) +
            ": " + valor_;
  }
  return n;
}

namespace {

// The name of option `o` as the command line last spells it ("-o" or "--output"): CLI11 keeps
// only that it was given, and the message names it as the user wrote it.
std::string ComoSeEscribio(const CLI::Option* o, int argc, char** argv) {
  std::string escrito = o->get_name();
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    const std::string nombre(a.substr(0, a.find('=')));
    if (nombre.starts_with('-') && o->check_name(nombre)) escrito = nombre;
  }
  return escrito;
}

}  // namespace

std::optional<int> Interpreta(CLI::App& app, int argc, char** argv) {
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {
    return app.exit(e);
  } catch (const CLI::ParseError&) {
    return ErrorDeUso("no se entiende la orden");
  }
  // CLI11 reads "--simplify=" as the bare flag: an empty value is told apart here.
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--simplify=") {
      return ErrorDeUso("--simplify=N pide un número de puntos de 2 a " +
                        std::to_string(kMaximoDePuntos) + ": ");
    }
  }
  std::vector<const CLI::App*> ordenes{&app};
  for (const CLI::App* orden : app.get_subcommands()) ordenes.push_back(orden);
  for (const CLI::App* orden : ordenes) {
    const std::vector<std::string> sobra = orden->remaining();
    if (!sobra.empty()) {
      const bool opcion = sobra[0].size() > 1 && sobra[0][0] == '-';
      return ErrorDeUso((opcion          ? "opción desconocida: "
                         : orden == &app ? "orden desconocida: "
                                         : "argumento de más: ") +
                        sobra[0]);
    }
    for (const CLI::Option* o : orden->get_options()) {
      const bool de_un_valor = o->get_expected_max() == 1 && o->get_expected_min() == 0;
      if (!de_un_valor) continue;  // only those made by Opcion and OpcionRepetible
      const std::string nombre = ComoSeEscribio(o, argc, argv);
      const bool una_vez = o->get_multi_option_policy() == CLI::MultiOptionPolicy::TakeLast;
      if (una_vez && o->count() > 1) return ErrorDeUso("la opción " + nombre + " va una sola vez");
      const std::vector<std::string>& valores = o->results();
      if (std::find(valores.begin(), valores.end(), "") != valores.end()) {
        return ErrorDeUso("a la opción " + nombre + " le falta su valor");
      }
    }
  }
  return std::nullopt;
}

}  // namespace ruvek::cli
