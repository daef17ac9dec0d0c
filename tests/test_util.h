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
#include "core/track.h"

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

// The track in one line for table-driven checks: "n=points" and "X,Y,altitude" of the first
// points (at most `filas`), in the text form.
inline std::string Track(const ruvek::Track& t, std::size_t filas = 4) {
  std::string r = "n=" + std::to_string(t.puntos.size());
  for (std::size_t i = 0; i < std::min(t.puntos.size(), filas); ++i) {
    const Punto& p = t.puntos[i];
    r += ' ' + p.x.Text() + ',' + p.y.Text() + ',' + p.altitud.Text();
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
      if (!campo.empty()) *v = ValorFijo::Parse(campo);
    }
    t.puntos.push_back(p);
  }
  return t;
}

// What `f` returns, or "kind@line" of the Error it raises, and what a reader had read before it.
template <typename F>
std::string Result(F&& f) {
  try {
    return f();
  } catch (const LecturaIncompleta& e) {
    return std::string(ErrorKindName(e.kind()))
        .append("@")
        .append(std::to_string(e.line()))
        .append(" ")
        .append(Track(e.leido));
  } catch (const Error& e) {
    return std::string(ErrorKindName(e.kind())).append("@").append(std::to_string(e.line()));
  }
}

}  // namespace ruvek::test
