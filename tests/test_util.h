// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/errors.h"
#include "core/module1.h"

namespace ruvek::test {

// A fresh folder for one test, removed with everything in it at the end.
class TempDir {
 public:
  TempDir()
      : path_(std::filesystem::temp_directory_path() /
              ("ruvek-test-" + std::to_string(std::random_device()()))) {
    std::filesystem::create_directories(path_);
    std::filesystem::permissions(path_, std::filesystem::perms::all);
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string DataFile(const std::string& name) {
  return std::string(RUVEK_TEST_DATA) + "/" + name;
}

// The table tests/data/cases/`name`: one case a line, "input<TAB>expected", with the escapes
// \r \n \t \0 \\ and \xHH; blank lines and lines starting with "#" are left out.
inline std::vector<std::pair<std::string, std::string>> Cases(const std::string& name) {
  std::vector<std::pair<std::string, std::string>> cases;
  std::istringstream in(ReadFile(DataFile("cases/" + name)));
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::string field[2], *f = &field[0];
    for (std::size_t i = 0; i < line.size(); ++i) {
      const char e = line[i] == '\\' && i + 1 < line.size() ? line[++i] : 0;
      if (e == 'x') *f += char(std::stoi(line.substr(i + 1, 2), nullptr, 16)), i += 2;
      if (e == 0 && line[i] == '\t') f = &field[1];
      if (e != 'x' && (e != 0 || line[i] != '\t')) {
        *f += e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e == '0' ? '\0' : line[i];
      }
    }
    cases.emplace_back(field[0], field[1]);
  }
  EXPECT_FALSE(cases.empty()) << name;
  return cases;
}

// The track in one line for table-driven checks: "n=NumPuntos" and "X,Y,altitude" of the first
// rows (at most `filas`), in the text form.
inline std::string Track(const Module1& m, int filas = 4) {
  std::string r = "n=" + std::to_string(m.NumPuntos);
  for (int f = 1; f <= std::min(m.NumPuntos, filas); ++f) {
    r += ' ' + m.TablaPuntos.Lee(f, ColumnaX).Text() + ',' + m.TablaPuntos.Lee(f, ColumnaY).Text() +
         ',' + m.TablaPuntos.Lee(f, ColumnaAltitud).Text();
  }
  return r;
}

// Rows 1, 2, ... from "X,Y[,altitude]" separated by blanks; NumPuntos counts them.
inline void Llena(Module1& m, const std::string& filas) {
  std::istringstream in(filas);
  for (std::string fila; in >> fila;) {
    ++m.NumPuntos;
    for (int c = 0; c < 3; ++c) {
      const std::string campo = fila.substr(0, fila.find(','));
      fila.erase(0, campo.size() + 1);
      if (!campo.empty()) m.TablaPuntos.Escribe(m.NumPuntos, Columna(c), ValorFijo::Parse(campo));
    }
  }
}

// What `f` returns, or "kind@line" of the Error it raises.
template <typename F>
std::string Result(F&& f) {
  try {
    return f();
  } catch (const Error& e) {
    return std::string(ErrorKindName(e.kind())).append("@").append(std::to_string(e.line()));
  }
}

}  // namespace ruvek::test
