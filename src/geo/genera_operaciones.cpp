// SPDX-License-Identifier: GPL-3.0-or-later
// Run by the build: writes, for each pair of coordinate systems Ruvek transforms between, the
// operations PROJ's proj_create_crs_to_crs would choose among (the grids of RUVEK_PROJ_DIR first
// on the search path, no network), each as a PROJ pipeline with the box of its area in source
// coordinates and its accuracy, in PROJ's order. At run time Ruvek creates those pipelines
// directly, without PROJ's database and its tens of milliseconds of searching.
//   genera_operaciones GRID_DIR OUTPUT
#include <proj.h>
#include <proj_experimental.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

// lon-lat degrees (or easting-northing) in the order a map shows them.
PJ* Normal(PJ_CONTEXT* c, PJ* op) {
  PJ* normal = proj_normalize_for_visualization(c, op);
  proj_destroy(op);
  return normal;
}

// The operation from the geographic system of `crs`'s datum, in degrees, to `crs`: the first
// PROJ lists without grids, or its first.
PJ* DesdeGeograficas(PJ_CONTEXT* c, const PJ* crs) {
  PJ* geodesico = proj_crs_get_geodetic_crs(c, crs);
  PJ* datum = proj_crs_get_datum(c, geodesico);
  PJ* conjunto = proj_crs_get_datum_ensemble(c, geodesico);
  PJ* cs = proj_create_ellipsoidal_2D_cs(c, PJ_ELLPS2D_LONGITUDE_LATITUDE, nullptr, 0);
  PJ* geograficas =
      proj_create_geographic_crs_from_datum(c, "unnamed crs", datum ? datum : conjunto, cs);
  PJ_OPERATION_FACTORY_CONTEXT* f = proj_create_operation_factory_context(c, nullptr);
  proj_operation_factory_context_set_spatial_criterion(c, f,
                                                       PROJ_SPATIAL_CRITERION_PARTIAL_INTERSECTION);
  proj_operation_factory_context_set_grid_availability_use(
      c, f, PROJ_GRID_AVAILABILITY_DISCARD_OPERATION_IF_MISSING_GRID);
  PJ* crs_2d = proj_crs_demote_to_2D(c, nullptr, crs);
  PJ_OBJ_LIST* lista = proj_create_operations(c, geograficas, crs_2d, f);
  PJ* op = nullptr;
  for (int i = 0; lista && i < proj_list_get_count(lista) && op == nullptr; ++i) {
    PJ* candidata = proj_list_get(c, lista, i);
    if (proj_coordoperation_get_grid_used_count(c, candidata) == 0) {
      op = candidata;
    } else {
      proj_destroy(candidata);
    }
  }
  if (op == nullptr && lista && proj_list_get_count(lista) > 0) op = proj_list_get(c, lista, 0);
  for (PJ* p : {geodesico, datum, conjunto, cs, geograficas, crs_2d}) proj_destroy(p);
  proj_list_destroy(lista);
  proj_operation_factory_context_destroy(f);
  return op ? Normal(c, op) : nullptr;
}

// The box, in `desde`'s coordinates, of an area given in degrees: its edges at 21 points each.
void Caja(PJ* desde, const double area[4], double caja[4]) {
  const double maximo = std::numeric_limits<double>::max();
  caja[0] = caja[1] = -maximo;  // the whole world: everywhere, as PROJ takes it
  caja[2] = caja[3] = maximo;
  if (area[0] == -180 && area[1] == -90 && area[2] == 180 && area[3] == 90) return;
  constexpr int kPasos = 20;
  std::vector<double> x, y;
  for (int j = 0; j <= kPasos; ++j) {
    const double lon = area[0] + j * ((area[2] - area[0]) / kPasos);
    const double lat = area[1] + j * ((area[3] - area[1]) / kPasos);
    x.insert(x.end(), {lon, lon, area[0], area[2]});
    y.insert(y.end(), {area[1], area[3], lat, lat});
  }
  proj_trans_generic(desde, PJ_FWD, x.data(), sizeof(double), x.size(), y.data(), sizeof(double),
                     y.size(), nullptr, 0, 0, nullptr, 0, 0);
  caja[0] = caja[1] = maximo;
  caja[2] = caja[3] = -maximo;
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (x[i] == HUGE_VAL || y[i] == HUGE_VAL) continue;
    caja[0] = std::min(caja[0], x[i]);
    caja[1] = std::min(caja[1], y[i]);
    caja[2] = std::max(caja[2], x[i]);
    caja[3] = std::max(caja[3], y[i]);
  }
}

bool Tabla(PJ_CONTEXT* c, int de_epsg, int a_epsg, std::FILE* salida) {
  const std::string de = "EPSG:" + std::to_string(de_epsg), a = "EPSG:" + std::to_string(a_epsg);
  PJ* origen = proj_create(c, de.c_str());
  PJ* destino = proj_create(c, a.c_str());
  PJ* al_origen = origen ? DesdeGeograficas(c, origen) : nullptr;
  PJ* al_destino = destino ? DesdeGeograficas(c, destino) : nullptr;
  if (al_origen == nullptr || al_destino == nullptr) return false;
  PJ_OPERATION_FACTORY_CONTEXT* f = proj_create_operation_factory_context(c, nullptr);
  proj_operation_factory_context_set_allow_ballpark_transformations(c, f, 1);
  proj_operation_factory_context_set_spatial_criterion(c, f,
                                                       PROJ_SPATIAL_CRITERION_PARTIAL_INTERSECTION);
  proj_operation_factory_context_set_grid_availability_use(
      c, f, PROJ_GRID_AVAILABILITY_DISCARD_OPERATION_IF_MISSING_GRID);
  PJ_OBJ_LIST* lista = proj_create_operations(c, origen, destino, f);
  const int n = lista ? proj_list_get_count(lista) : 0;
  std::fprintf(salida, "inline constexpr Operacion kDe%dA%d[] = {\n", de_epsg, a_epsg);
  for (int i = 0; i < n; ++i) {
    PJ* op = proj_list_get(c, lista, i);
    double area[4];
    const char* zona = nullptr;
    if (proj_get_area_of_use(c, op, &area[0], &area[1], &area[2], &area[3], &zona) &&
        area[0] <= area[2]) {         // no area here crosses the antimeridian
      double caja[4], en_destino[4];  // PROJ leaves out an area with no place in either system
      Caja(al_origen, area, caja);
      Caja(al_destino, area, en_destino);
      const bool mar = zona != nullptr && std::strstr(zona, "- offshore") != nullptr;
      PJ* normal = Normal(c, proj_clone(c, op));
      const char* pipeline = proj_as_proj_string(c, normal, PJ_PROJ_5, nullptr);
      if (pipeline == nullptr) return false;
      if (caja[0] <= caja[2] && en_destino[0] <= en_destino[2]) {
        std::fprintf(salida, "    {\"%s\",\n     {%.17g, %.17g, %.17g, %.17g}, %.17g, %s, %s},\n",
                     pipeline, caja[0], caja[1], caja[2], caja[3],
                     proj_coordoperation_get_accuracy(c, op), mar ? "true" : "false",
                     proj_coordoperation_get_grid_used_count(c, op) == 0 ? "true" : "false");
      }
      proj_destroy(normal);
    }
    proj_destroy(op);
  }
  std::fprintf(salida, "};\n\n");
  for (PJ* p : {origen, destino, al_origen, al_destino}) proj_destroy(p);
  proj_list_destroy(lista);
  proj_operation_factory_context_destroy(f);
  return n > 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "uso: genera_operaciones CARPETA_DE_REJILLAS SALIDA\n");
    return 2;
  }
  PJ_CONTEXT* c = proj_context_create();
  proj_context_set_enable_network(c, 0);
  // The grids' folder first, then PROJ's own (its database).
  std::vector<std::string> carpetas{argv[1]};
  const std::string propias = proj_info().searchpath;
  for (std::size_t i = 0, j; i <= propias.size(); i = j + 1) {
    j = std::min(propias.find(':', i), propias.size());
    if (j > i) carpetas.push_back(propias.substr(i, j - i));
  }
  std::vector<const char*> rutas;
  for (const std::string& s : carpetas) rutas.push_back(s.c_str());
  proj_context_set_search_paths(c, int(rutas.size()), rutas.data());

  std::FILE* salida = std::fopen(argv[2], "w");
  if (salida == nullptr) return 1;
  std::fprintf(salida, "// Written by genera_operaciones from PROJ %s's database.\n\n",
               proj_info().release);
  // The pairs of systems Ruvek transforms between: WGS 84 degrees to the metres of every system
  // it reads or writes (ED50 and ETRS89 in zones 29 to 31, REGCAN95 in zone 28, WGS 84 in zones
  // 28 to 31) and to ETRS89 degrees, and the metres of each system of Spain's files to those of
  // every other. Any other pair goes through WGS 84 degrees.
  constexpr int kMetros[] = {23029, 23030, 23031, 25829, 25830, 25831, 4083};
  std::vector<std::pair<int, int>> pares;
  for (const int a : kMetros) pares.emplace_back(4326, a);
  for (const int a : {32628, 32629, 32630, 32631, 4258}) pares.emplace_back(4326, a);
  for (const int de : kMetros) {
    for (const int a : kMetros) {
      if (de != a) pares.emplace_back(de, a);
    }
  }
  bool bien = true;
  for (const auto& [de, a] : pares) bien = bien && Tabla(c, de, a, salida);
  std::fprintf(salida, "inline constexpr TablaDeOperaciones kTablas[] = {\n");
  for (const auto& [de, a] : pares) std::fprintf(salida, "    {%d, %d, kDe%dA%d},\n", de, a, de, a);
  std::fprintf(salida, "};\n");
  if (std::fclose(salida) != 0 || !bien) {
    std::fprintf(stderr, "genera_operaciones: PROJ no da las operaciones (%s)\n",
                 proj_context_errno_string(c, proj_context_errno(c)));
    std::remove(argv[2]);
    return 1;
  }
  proj_context_destroy(c);
  return 0;
}
