// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/proyeccion.h"

#include <dlfcn.h>
#include <proj.h>

#include <cmath>
#include <vector>

#include "core/errors.h"

namespace ruvek {

Error FueraDelHuso(std::size_t punto, const std::string& donde, long linea) {
  return Error(ErrorKind::OutOfArea,
               "el punto " + std::to_string(punto) + " (" + donde +
                   ") cae fuera de lo que cubre el huso 30: latitud de 0 a 84 grados norte, "
                   "longitud de 12 grados oeste a 6 grados este",
               linea);
}

namespace {

// PROJ is loaded at the first transformation, not when the program starts: with the forty
// libraries it brings (SQLite, libtiff, libcurl...) it would make every start of ruvek-cli slower
// than the whole conversion of a text file.
void* BibliotecaProj() {
  void* biblioteca = dlopen(RUVEK_PROJ_SONAME, RTLD_LAZY | RTLD_LOCAL);
  if (biblioteca == nullptr) {
    throw Error(ErrorKind::Projection, std::string("no se puede cargar PROJ (") + dlerror() + ")");
  }
  return biblioteca;
}

template <typename F>
F Funcion(void* biblioteca, const char* nombre) {
  void* f = dlsym(biblioteca, nombre);
  if (f == nullptr) throw Error(ErrorKind::Projection, std::string("PROJ no tiene ") + nombre);
  return reinterpret_cast<F>(f);
}

// The functions of PROJ that Ruvek calls, by the names proj.h gives them.
struct Api {
  void* biblioteca = BibliotecaProj();
#define RUVEK_PROJ(f) decltype(&::f) f = Funcion<decltype(&::f)>(biblioteca, #f)
  RUVEK_PROJ(proj_context_create);
  RUVEK_PROJ(proj_context_destroy);
  RUVEK_PROJ(proj_context_set_enable_network);
  RUVEK_PROJ(proj_context_errno);
  RUVEK_PROJ(proj_context_errno_string);
  RUVEK_PROJ(proj_log_level);
  RUVEK_PROJ(proj_create_crs_to_crs);
  RUVEK_PROJ(proj_normalize_for_visualization);
  RUVEK_PROJ(proj_destroy);
  RUVEK_PROJ(proj_trans_generic);
#undef RUVEK_PROJ
};

}  // namespace

struct Proyeccion::Proj {
  Api api;
  PJ_CONTEXT* contexto = api.proj_context_create();
  PJ* operacion = nullptr;

  Proj() {
    if (contexto == nullptr) throw Error(ErrorKind::Projection, "PROJ no se puede iniciar");
    api.proj_log_level(contexto, PJ_LOG_NONE);
    api.proj_context_set_enable_network(contexto, 0);
    PJ* crs_a_crs = api.proj_create_crs_to_crs(contexto, "EPSG:4326", "EPSG:23030", nullptr);
    // Longitude first and easting first, whatever order the definitions of the systems give.
    if (crs_a_crs != nullptr) operacion = api.proj_normalize_for_visualization(contexto, crs_a_crs);
    api.proj_destroy(crs_a_crs);
    if (operacion == nullptr) {
      const std::string causa =
          api.proj_context_errno_string(contexto, api.proj_context_errno(contexto));
      api.proj_context_destroy(contexto);
      throw Error(ErrorKind::Projection,
                  "PROJ no puede pasar de WGS 84 a ED50 / UTM huso 30N (" + causa + ")");
    }
  }
  ~Proj() {
    api.proj_destroy(operacion);
    api.proj_context_destroy(contexto);
  }
};

namespace {
// How close to its starting point a point must come back: a centimetre, like the 7 decimals of a
// written degree, and above the millimetre by which PROJ's ways there and back may differ.
constexpr double kLlega = 0.01;
}  // namespace

Proyeccion::Proyeccion() = default;
Proyeccion::~Proyeccion() = default;

void Proyeccion::Prepara() {
  if (proj_ == nullptr && !en_camino_.valid()) {
    en_camino_ = std::async(std::launch::async, [] { return std::make_unique<Proj>(); });
  }
}

Proyeccion::Proj& Proyeccion::Lista() {
  if (proj_ == nullptr) proj_ = en_camino_.valid() ? en_camino_.get() : std::make_unique<Proj>();
  return *proj_;
}

std::size_t Proyeccion::AUtm(std::span<double> lon_x, std::span<double> lat_y) {
  return Transforma(true, lon_x, lat_y);
}

std::size_t Proyeccion::AGeograficas(std::span<double> x_lon, std::span<double> y_lat) {
  const std::vector<double> x(x_lon.begin(), x_lon.end()), y(y_lat.begin(), y_lat.end());
  const std::size_t n = Transforma(false, x_lon, y_lat);
  // PROJ picks the operation by where a point lies in the coordinates it starts from, so near the
  // edge of an operation's area the way back may take another operation than the way there, and
  // land metres away. The way there is what a reader of the file does: each point goes there
  // again, and one that does not arrive where it started is moved until it does (Newton's
  // method, with the way back as the inverse of the derivative).
  std::vector<double> ida_x(x_lon.begin(), x_lon.begin() + long(n)),
      ida_y(y_lat.begin(), y_lat.begin() + long(n));
  Transforma(true, ida_x, ida_y);
  for (std::size_t i = 0; i < n; ++i) {
    double fx = ida_x[i], fy = ida_y[i];
    const double gx = x_lon[i], gy = y_lat[i];  // the way back from the target
    for (int paso = 0; paso < 4 && std::hypot(fx - x[i], fy - y[i]) > kLlega; ++paso) {
      Transforma(false, {&fx, 1}, {&fy, 1});  // the way back from where the point went
      x_lon[i] += gx - fx;
      y_lat[i] += gy - fy;
      fx = x_lon[i];
      fy = y_lat[i];
      Transforma(true, {&fx, 1}, {&fy, 1});
    }
  }
  return n;
}

std::size_t Proyeccion::Transforma(bool directa, std::span<double> a, std::span<double> b) {
  Proj& proj = Lista();
  const std::size_t n = std::min(a.size(), b.size());
  proj.api.proj_trans_generic(proj.operacion, directa ? PJ_FWD : PJ_INV, a.data(), sizeof(double),
                              n, b.data(), sizeof(double), n, nullptr, 0, 0, nullptr, 0, 0);
  for (std::size_t i = 0; i < n; ++i) {
    if (!std::isfinite(a[i]) || !std::isfinite(b[i])) return i;
  }
  return n;
}

}  // namespace ruvek
