// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/proyeccion.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <map>
#include <vector>

#include "core/precision.h"
#include "geo/operaciones.h"

namespace ruvek {

namespace {
#include "operaciones.inc"
}  // namespace

namespace {

// Where Ruvek's grids are: share/ruvek/proj beside the folder of the program, installed or built.
std::string CarpetaDeRejillas() {
  std::error_code e;
  const std::filesystem::path programa = std::filesystem::read_symlink("/proc/self/exe", e);
  return (programa.parent_path().parent_path() / "share" / "ruvek" / "proj").string();
}

bool Fallo(PJ_COORD p) { return !std::isfinite(p.xy.x) || !std::isfinite(p.xy.y); }

// Degrees as a GPX reader gets them back from kDecimalesGrados decimals.
double Escrito(double grados) {
  const std::string texto = Decimales(grados, kDecimalesGrados);
  std::from_chars(texto.data(), texto.data() + texto.size(), grados);
  return grados;
}

}  // namespace

struct Proyeccion::Proj {
  ApiProj api;
  // Destroyed after the operations made in it.
  std::unique_ptr<PJ_CONTEXT, decltype(ApiProj::proj_context_destroy)> contexto{
      Contexto(api), api.proj_context_destroy};
  std::map<std::pair<int, int>, std::unique_ptr<Operaciones>> operaciones;
  std::map<double, PJ*> locales;  // by their central meridian

  ~Proj() {
    for (const auto& [lon0, pj] : locales) api.proj_destroy(pj);
  }

  static PJ_CONTEXT* Contexto(const ApiProj& api) {
    PJ_CONTEXT* c = api.proj_context_create();
    if (c == nullptr) throw Error(TipoDeError::Transformacion, "PROJ no se puede iniciar");
    api.proj_log_func(c, nullptr, [](void*, int, const char*) {});  // PROJ says nothing itself
    api.proj_context_set_enable_network(c, 0);
    // Ruvek's grids alone: the operations need no other file, not even PROJ's database, whose
    // opening alone would cost more than the transformation of a whole track.
    const std::string carpeta = CarpetaDeRejillas();
    const char* rutas[] = {carpeta.c_str()};
    api.proj_context_set_search_paths(c, 1, rutas);
    return c;
  }

  // Whether the build chose operations from `de` to `a`.
  static bool Hay(Sistema de, Sistema a) {
    return std::ranges::any_of(kTablas, [&](const TablaDeOperaciones& t) {
      return t.de == CodigoEpsg(de) && t.a == CodigoEpsg(a);
    });
  }

  // The operations from `de` to `a`, made the first time they are asked for.
  Operaciones& Entre(Sistema de, Sistema a) {
    const std::pair<int, int> clave{CodigoEpsg(de), CodigoEpsg(a)};
    std::unique_ptr<Operaciones>& ops = operaciones[clave];
    if (ops == nullptr) {
      for (const TablaDeOperaciones& t : kTablas) {
        if (t.de == clave.first && t.a == clave.second) {
          ops = std::make_unique<Operaciones>(api, contexto.get(), t.operaciones);
        }
      }
    }
    if (ops == nullptr) {
      throw Error(TipoDeError::Transformacion,
                  "Ruvek no lleva coordenadas de EPSG:" + std::to_string(clave.first) +
                      " a EPSG:" + std::to_string(clave.second));
    }
    return *ops;
  }
};

Proyeccion::Proyeccion() = default;
Proyeccion::~Proyeccion() = default;

Proyeccion::Proj& Proyeccion::Cargada() {
  if (proj_ == nullptr) proj_ = std::make_unique<Proj>();
  return *proj_;
}

namespace {

// The points through `ops` forward; the index of the first that failed, or their number.
std::size_t Directa(Operaciones& operaciones, std::span<double> a, std::span<double> b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const PJ_COORD r = operaciones.Directa(PJ_COORD{{a[i], b[i], 0, 0}}).punto;
    if (Fallo(r)) return i;
    a[i] = r.xy.x;
    b[i] = r.xy.y;
  }
  return n;
}

// The points taken back to degrees (see AGeograficas); the index of the first that could not be,
// or their number.
std::size_t Inversa(Operaciones& operaciones, std::span<double> x_lon, std::span<double> y_lat) {
  const std::size_t n = std::min(x_lon.size(), y_lat.size());
  // Where in its square metre a point may be aimed at: its centre first.
  constexpr double kDentro = 0.4;
  constexpr double kDianas[][2] = {{0, 0},
                                   {kDentro, 0},
                                   {-kDentro, 0},
                                   {0, kDentro},
                                   {0, -kDentro},
                                   {kDentro, kDentro},
                                   {-kDentro, kDentro},
                                   {kDentro, -kDentro},
                                   {-kDentro, -kDentro}};
  std::size_t previa = 0;  // a track's next point most often takes its previous one's operation
  for (std::size_t i = 0; i < n; ++i) {
    // The way back of the operation that the way there takes for where the point lands. Near the
    // edge of an operation's area, where the operations there differ by metres, no way back may
    // land in its own area: then a place within the point's square metre is aimed at, and at
    // last the one that comes back nearest is taken.
    PJ_COORD elegido{{HUGE_VAL, HUGE_VAL, 0, 0}};
    double cerca = std::numeric_limits<double>::infinity();
    for (const auto& diana : kDianas) {
      const PJ_COORD xy{{x_lon[i] + diana[0], y_lat[i] + diana[1], 0, 0}};
      for (std::size_t k = 0; k <= operaciones.Cuantas() && cerca > 0; ++k) {
        const std::size_t j = k == 0 ? previa : k - 1;
        if (k > 0 && j == previa) continue;
        PJ_COORD ll = operaciones.Inversa(j, xy);
        if (Fallo(ll)) continue;
        ll.lp = {Escrito(ll.lp.lam), Escrito(ll.lp.phi)};
        const Operaciones::Resultado ida = operaciones.Directa(ll);
        if (Fallo(ida.punto)) continue;
        const double d = ida.operacion == j
                             ? 0
                             : std::hypot(ida.punto.xy.x - x_lon[i], ida.punto.xy.y - y_lat[i]);
        if (d < cerca) {
          elegido = ll;
          cerca = d;
          previa = j;
        }
      }
      if (cerca == 0) break;
    }
    if (Fallo(elegido)) return i;
    x_lon[i] = elegido.lp.lam;
    y_lat[i] = elegido.lp.phi;
  }
  return n;
}

}  // namespace

std::size_t Proyeccion::Transforma(Sistema de, Sistema a, std::span<double> x,
                                   std::span<double> y) {
  if (de == a) return std::min(x.size(), y.size());
  Proj& p = Cargada();
  if (de == kGradosWgs84) return Directa(p.Entre(de, a), x, y);
  if (a == kGradosWgs84) return Inversa(p.Entre(a, de), x, y);
  if (p.Hay(de, a)) return Directa(p.Entre(de, a), x, y);
  // Through WGS 84's degrees.
  const std::size_t hasta = Inversa(p.Entre(kGradosWgs84, de), x, y);
  return Directa(p.Entre(kGradosWgs84, a), x.first(hasta), y.first(hasta));
}

std::vector<double> Proyeccion::Distancias(std::span<const double> lon,
                                           std::span<const double> lat) {
  const ApiProj& api = Cargada().api;
  geod_geodesic elipsoide{};
  api.geod_init(&elipsoide, 6378137, 1 / 298.257223563);  // WGS 84's, as EPSG:7030 defines it
  const std::size_t n = std::min(lon.size(), lat.size());
  std::vector<double> d(n, 0.0);
  for (std::size_t i = 1; i < n; ++i) {
    double paso = 0;
    api.geod_inverse(&elipsoide, lat[i - 1], lon[i - 1], lat[i], lon[i], &paso, nullptr, nullptr);
    d[i] = d[i - 1] + paso;
  }
  return d;
}

std::size_t Proyeccion::AMetrosLocales(double lon0, std::span<double> x, std::span<double> y) {
  Proj& p = Cargada();
  PJ*& pj = p.locales[lon0];
  if (pj == nullptr) {
    std::string definicion =
        "+proj=pipeline +step +proj=unitconvert +xy_in=deg +xy_out=rad +step +proj=tmerc "
        "+ellps=WGS84 +lon_0=";
    AnadeNumeroLeido(definicion, lon0);
    pj = p.api.proj_create(p.contexto.get(), definicion.c_str());
    if (pj == nullptr) throw Error(TipoDeError::Transformacion, "PROJ no puede medir el track");
  }
  const std::size_t n = std::min(x.size(), y.size());
  for (std::size_t i = 0; i < n; ++i) {
    const PJ_COORD r = p.api.proj_trans(pj, PJ_FWD, PJ_COORD{{x[i], y[i], 0, 0}});
    if (Fallo(r)) return i;
    x[i] = r.xy.x;
    y[i] = r.xy.y;
  }
  return n;
}

}  // namespace ruvek
