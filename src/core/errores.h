// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace ruvek {

// What went wrong, so callers and tests can tell failures apart without parsing text.
enum class TipoDeError {
  Conversion,        // text that is not a number
  FueraDeRango,      // a value outside the range of ValorFijo
  DemasiadosPuntos,  // a point beyond the most a track or a reader takes
  FaltaUnCampo,      // a record that lacks a field it needs
  ArchivoVacio,      // an empty file, where a line was needed
  Archivo,           // a file that cannot be opened, read or written
  Transformacion,    // coordinates PROJ cannot transform, or PROJ not set up
  MalFormado,        // not the layout it claims: broken XML, not a GPX, no point
  FueraDelHuso,      // a point that zone 30 cannot hold faithfully
  FueraDelTerreno,   // a point no terrain model gives an altitude
  DemasiadoLargo,    // a line, a text, a file or a nesting beyond its bound
};

// The kind in words, for tests and logs: "fuera de rango".
const char* NombreDelTipo(TipoDeError tipo);

// An error of reading or writing a track: its kind, a Spanish phrase that says what is wrong
// (the faces show it as it is) and the input line.
class Error : public std::runtime_error {
 public:
  // `linea` is the 1-based line of the input where it happened, or 0 when no line applies.
  Error(TipoDeError tipo, const std::string& detalle, long linea = 0);

  TipoDeError tipo() const noexcept { return tipo_; }
  long linea() const noexcept { return linea_; }
  const std::string& detalle() const noexcept { return detalle_; }
  // The file within an archive the input is that the line is of ("doc.kml"), or "".
  const std::string& dentro() const noexcept { return dentro_; }

  // The same error, found at `linea` of the input.
  Error EnLinea(long linea) const {
    Error e(tipo_, detalle_, linea);
    e.dentro_ = dentro_;
    return e;
  }
  // The same error, found in the file `dentro` of an archive.
  Error EnArchivo(const std::string& dentro) const {
    Error e = *this;
    e.dentro_ = dentro;
    return e;
  }

  // Runs `f`, tagging any Error it raises with `linea`.
  template <typename F>
  static auto EnLinea(long linea, F&& f) -> decltype(f()) {
    try {
      return f();
    } catch (const Error& e) {
      throw e.EnLinea(linea);
    }
  }

 private:
  TipoDeError tipo_;
  long linea_;
  std::string detalle_;
  std::string dentro_;
};

// `texto` quoted for a message: between « and », at most 40 characters, with control bytes and
// broken UTF-8 shown as "?".
std::string Cita(std::string_view texto);

// The text with every byte that is not part of valid UTF-8, or is a control character other
// than tab, CR and LF, replaced by `reemplazo`.
std::string Utf8Limpio(std::string_view texto, std::string_view reemplazo);

// What the system error number `err` means, in Spanish.
std::string TextoErrno(int err);

}  // namespace ruvek
