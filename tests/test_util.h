// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/errores.h"
#include "core/track.h"

namespace ruvek::test {

// A fresh folder for one test, removed with everything in it at the end.
class CarpetaTemporal {
 public:
  CarpetaTemporal()
      : ruta_(std::filesystem::temp_directory_path() /
              ("ruvek-test-" + std::to_string(std::random_device()()))) {
    std::filesystem::create_directories(ruta_);
    std::filesystem::permissions(ruta_, std::filesystem::perms::all);
  }
  ~CarpetaTemporal() { std::filesystem::remove_all(ruta_); }
  std::string Archivo(const std::string& nombre) const { return (ruta_ / nombre).string(); }

 private:
  std::filesystem::path ruta_;
};

inline void EscribeArchivo(const std::string& ruta, const std::string& bytes) {
  std::ofstream(ruta, std::ios::binary) << bytes;
}

inline std::string LeeArchivo(const std::string& ruta) {
  std::ifstream in(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string ArchivoDeDatos(const std::string& nombre) {
  return std::string(RUVEK_TEST_DATA) + "/" + nombre;
}

// The table tests/data/cases/`nombre`: one row a line, its fields separated by tabs, with the
// escapes \r \n \t \0 \\ and \xHH; blank lines and lines starting with "#" are left out.
inline std::vector<std::vector<std::string>> Filas(const std::string& nombre) {
  std::vector<std::vector<std::string>> filas;
  std::istringstream in(LeeArchivo(ArchivoDeDatos("cases/" + nombre)));
  for (std::string linea; std::getline(in, linea);) {
    if (linea.empty() || linea[0] == '#') continue;
    std::vector<std::string>& f = filas.emplace_back(1);
    for (std::size_t i = 0; i < linea.size(); ++i) {
      const char e = linea[i] == '\\' && i + 1 < linea.size() ? linea[++i] : 0;
      if (e == 'x') f.back() += char(std::stoi(linea.substr(i + 1, 2), nullptr, 16)), i += 2;
      if (e == 0 && linea[i] == '\t') f.emplace_back();
      if (e != 'x' && (e != 0 || linea[i] != '\t')) {
        f.back() += e == 'r'   ? '\r'
                    : e == 'n' ? '\n'
                    : e == 't' ? '\t'
                    : e == '0' ? '\0'
                               : linea[i];
      }
    }
  }
  EXPECT_FALSE(filas.empty()) << nombre;
  return filas;
}

// The same table read as "input<TAB>expected" cases.
inline std::vector<std::pair<std::string, std::string>> Casos(const std::string& nombre) {
  std::vector<std::pair<std::string, std::string>> casos;
  for (std::vector<std::string>& f : Filas(nombre)) {
    f.resize(2);
    casos.emplace_back(f[0], f[1]);
  }
  return casos;
}

// The track in one line for table-driven checks: "n=points" and "X,Y,altitude" of the first
// points (at most `filas`), in the text form.
inline std::string Resumen(const ruvek::Track& t, std::size_t filas = 4) {
  std::string r = "n=" + std::to_string(t.puntos.size());
  for (std::size_t i = 0; i < std::min(t.puntos.size(), filas); ++i) {
    const Punto& p = t.puntos[i];
    r += ' ' + p.x.Texto() + ',' + p.y.Texto() + ',' + p.altitud.Texto();
  }
  return r;
}

// A track of the points "X,Y[,altitude]" separated by blanks.
inline ruvek::Track Puntos(const std::string& puntos, bool con_altitudes = true) {
  ruvek::Track t{.puntos = {}, .con_altitudes = con_altitudes};
  std::istringstream in(puntos);
  for (std::string punto; in >> punto;) {
    Punto p;
    for (ValorFijo* v : {&p.x, &p.y, &p.altitud}) {
      const std::string campo = punto.substr(0, punto.find(','));
      punto.erase(0, campo.size() + 1);
      if (!campo.empty()) *v = ValorFijo::DeTexto(campo);
    }
    t.puntos.push_back(p);
  }
  return t;
}

// A recorrido of one track of one segment with the points of a table, in metres of `sistema`.
inline ruvek::Recorrido EnMetros(const ruvek::Track& t,
                                 ruvek::Sistema sistema = ruvek::kMetrosEd50) {
  ruvek::Segmento s;
  for (const Punto& p : t.puntos) {
    s.push_back({p.x.EnDouble(), p.y.EnDouble(),
                 t.con_altitudes ? std::optional<double>(p.altitud.EnDouble()) : std::nullopt,
                 std::nullopt, 0});
  }
  return UnSegmento(sistema, std::move(s));
}

// What `f` returns, or "kind@line" of the Error it raises, and what a reader had read before it.
template <typename F>
std::string Resultado(F&& f) {
  try {
    return f();
  } catch (const LecturaIncompleta& e) {
    return std::string(NombreDelTipo(e.tipo())) + "@" + std::to_string(e.linea()) + " " +
           Resumen(e.leido);
  } catch (const Error& e) {
    return std::string(NombreDelTipo(e.tipo())) + "@" + std::to_string(e.linea());
  }
}

}  // namespace ruvek::test
