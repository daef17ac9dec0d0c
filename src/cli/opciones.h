// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// CLI11 is included by the one file that calls it, this one's: it is a large
// library of headers only, and compiling it in every order's file took most of the build.
namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace ruvek::cli {

// The exit status of a usage error.
inline constexpr int kUso = 2;

// Says on standard error that the command line is wrong and why; returns kUso.
int ErrorDeUso(const std::string& que);

// The program, with its options and help in Spanish, and no order yet. Shared, so that main.cpp
// holds it without CLI11's definitions.
std::shared_ptr<CLI::App> NuevaAplicacion();

// An order of ruvek-cli (`nombre`, as typed), with its help in the "Órdenes" group.
CLI::App* NuevaOrden(CLI::App& app, const char* nombre, const char* descripcion);

// Whether `orden` was typed, and whether its option `nombre` was.
bool Pedida(const CLI::App* orden);
bool Dada(const CLI::App* orden, const char* nombre);

// The ENTRADA of an order, typed without an option's name: one, or as many as are typed.
void Entrada(CLI::App* orden, std::string& valor, const char* descripcion);
void Entradas(CLI::App* orden, std::vector<std::string>& valores, const char* descripcion);

// An option of an order that takes no value.
void Marca(CLI::App* orden, const char* nombre, bool& valor, const char* descripcion);

// An option of an order that takes one value, once. Its value is checked after the parse (see
// Interpreta), so that the message is ruvek-cli's own, whatever CLI11's.
CLI::Option* Opcion(CLI::App* orden, const char* nombres, std::string& valor,
                    const std::string& descripcion, const char* tipo);

// The same for an option that may be given again, each time with one value.
CLI::Option* OpcionRepetible(CLI::App* orden, const char* nombres,
                             std::vector<std::string>& valores, const std::string& descripcion,
                             const char* tipo);

// --dem ARCHIVO, which may be given again: the terrain models that give the track's altitudes.
void OpcionDem(CLI::App* orden, std::vector<std::string>& archivos);

// --threshold N, whole metres from 1 on: the swings of altitude the totals count (see
// AnalizaAltitudes).
class OpcionUmbral {
 public:
  void Anade(CLI::App* orden);
  // The metres asked for, or nothing; `error` says why a value is refused.
  std::optional<int> Metros(std::string& error) const;

 private:
  CLI::Option* opcion_ = nullptr;
  std::string valor_;
};

// --simplify, to kMaximoDePuntos points, or --simplify=N, to N: as with GNU options whose value is
// optional, the value comes only after "=", so the word after the option is never taken for one.
class OpcionSimplify {
 public:
  // Adds the option to `orden`, after its others.
  void Anade(CLI::App* orden);
  // The points asked for, or nothing; `error` says why a value is refused.
  std::optional<std::size_t> Puntos(std::string& error) const;

 private:
  CLI::Option* opcion_ = nullptr;
  std::string valor_;
};

// Parses the command line. Returns the exit status when it is all done (the help, the version)
// or wrong (said on standard error), or nothing when an order is to run.
std::optional<int> Interpreta(CLI::App& app, int argc, char** argv);

}  // namespace ruvek::cli
