// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/writers.h"

#include <string_view>

namespace ruvek {

namespace {

constexpr std::string_view kFinLinea = "\r\n";

constexpr std::string_view kCabeceraTrackMaker =
    "Version , 212\r\n"
    "\r\n"
    "European 1950 (GPS) ,64, 6378388, 297,-87,-98,-121\r\n"
    "USER GRID, 0, 0, 0, 0, 0\r\n"
    "\r\n";
constexpr std::string_view kPrefijoPuntoTrackMaker = "t,utm,30T,";
constexpr std::string_view kColaTrackMaker =
    " \r\n"
    "n,ACTIVE LOG,65280,1\r\n";

// Longest line of either layout: prefix, two values of up to 21 characters, a comma, CR LF.
constexpr std::size_t kLineaMaxima = 10 + 2 * 21 + 1 + 2;

// Appends "X,Y" and CR LF for each row 1 to NumPuntos, each line after `prefijo`.
void AnadePuntos(std::string& out, const Module1& m, std::string_view prefijo) {
  const int n = m.NumPuntos;
  for (int fila = 1; fila <= n; ++fila) {
    out += prefijo;
    m.TablaPuntos.Lee(fila, ColumnaX).AppendText(out);
    out += ',';
    m.TablaPuntos.Lee(fila, ColumnaY).AppendText(out);
    out += kFinLinea;
  }
}

std::size_t Capacidad(const Module1& m) {
  return static_cast<std::size_t>(m.NumPuntos > 0 ? m.NumPuntos : 0) * kLineaMaxima;
}

}  // namespace

std::string TextoSitna(const Module1& m) {
  std::string out;
  out.reserve(Capacidad(m));
  AnadePuntos(out, m, {});
  return out;
}

std::string TextoTrackMaker(const Module1& m) {
  std::string out;
  out.reserve(kCabeceraTrackMaker.size() + Capacidad(m) + kColaTrackMaker.size());
  out += kCabeceraTrackMaker;
  AnadePuntos(out, m, kPrefijoPuntoTrackMaker);
  out += kColaTrackMaker;
  return out;
}

}  // namespace ruvek
