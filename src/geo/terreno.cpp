// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/terreno.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <optional>
#include <unordered_map>

#include "geo/api_gdal.h"
#include "geo/gdal_cargado.h"
#include "geo/terreno_archivo.h"

namespace ruvek {

namespace {

// A model's cells are read in squares of this many on a side, as the track needs them.
constexpr int kTesela = 128;

// GDAL's last word on a failure, in Spanish where Ruvek knows it.
std::string Motivo(const ApiGdal& api) { return MotivoDeGdal(api.CPLGetLastErrorMsg()); }

}  // namespace

struct Terreno::Modelo {
  Modelo(const ApiGdal& a, std::string f) : api(a), archivo(std::move(f)) {}
  Modelo(const Modelo&) = delete;
  Modelo& operator=(const Modelo&) = delete;

  const ApiGdal& api;
  std::string archivo;
  GDALDatasetH datos = nullptr;
  GDALRasterBandH banda = nullptr;
  int ancho = 0, alto = 0, sistema = 0;
  double gt[6] = {};
  bool con_sin_dato = false;
  double sin_dato = 0;
  std::unordered_map<long long, std::vector<double>> teselas;

  ~Modelo() {
    if (datos != nullptr) api.GDALClose(datos);
  }

  // The value of cell (i, j), reading its square of cells the first time.
  double Celda(int i, int j) {
    const int ti = i / kTesela, tj = j / kTesela;
    const long long clave = (long long)tj * ((ancho + kTesela - 1) / kTesela) + ti;
    auto t = teselas.find(clave);
    if (t == teselas.end()) {
      const int x0 = ti * kTesela, y0 = tj * kTesela;
      const int w = std::min(kTesela, ancho - x0), h = std::min(kTesela, alto - y0);
      std::vector<double> celdas(std::size_t(w) * std::size_t(h));
      api.CPLErrorReset();
      if (api.GDALRasterIO(banda, GF_Read, x0, y0, w, h, celdas.data(), w, h, GDT_Float64, 0, 0) !=
          CE_None) {
        const std::string motivo = Motivo(api);
        throw Error(TipoDeError::Archivo,
                    "el modelo del terreno " + Cita(archivo) + " no se puede leer" +
                        (motivo.empty() ? ": está cortado o dañado" : motivo));
      }
      t = teselas.emplace(clave, std::move(celdas)).first;
    }
    return t->second[std::size_t(j - tj * kTesela) *
                         std::size_t(std::min(kTesela, ancho - ti * kTesela)) +
                     std::size_t(i - ti * kTesela)];
  }

  // The terrain's altitude at (x, y), in the model's system, or nothing where it has no data.
  std::optional<double> Altitud(double x, double y) {
    const double px = (x - gt[0]) / gt[1], py = (y - gt[3]) / gt[5];
    if (!(px >= 0 && px <= ancho && py >= 0 && py <= alto)) return std::nullopt;
    // Each cell's value is at its centre: the four centres around the point, those beyond the
    // edge being the edge's own.
    const double fx = px - 0.5, fy = py - 0.5, i0 = std::floor(fx), j0 = std::floor(fy);
    const double tx = fx - i0, ty = fy - j0;
    double altitud = 0;
    for (const int di : {0, 1}) {
      for (const int dj : {0, 1}) {
        const double peso = (di ? tx : 1 - tx) * (dj ? ty : 1 - ty);
        if (peso == 0) continue;  // a cell the value does not need
        const double v =
            Celda(std::clamp(int(i0) + di, 0, ancho - 1), std::clamp(int(j0) + dj, 0, alto - 1));
        // No data: the raster's value for none, NaN, or what no terrain is.
        if (!(std::abs(v) < 1e6) || (con_sin_dato && v == sin_dato)) return std::nullopt;
        altitud += peso * v;
      }
    }
    return altitud;
  }
};

Terreno::Terreno() = default;

Terreno::~Terreno() {
  modelos_.clear();  // closed while GDAL is there
}

void Terreno::Anade(const std::string& archivo) {
  if (access(archivo.c_str(), R_OK) != 0) throw Error(TipoDeError::Archivo, TextoErrno(errno));
  if (gdal_ == nullptr) gdal_ = std::make_unique<GdalCargado>();
  const ApiGdal& api = gdal_->api;
  auto m = std::make_unique<Modelo>(api, archivo);
  api.CPLErrorReset();
  const char* const solo_raster[] = {nullptr};
  m->datos = api.GDALOpenEx(archivo.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY, nullptr,
                            solo_raster, nullptr);
  if (m->datos == nullptr) {
    throw Error(TipoDeError::MalFormado,
                "no es un modelo del terreno que GDAL sepa leer" + Motivo(api));
  }
  m->ancho = api.GDALGetRasterXSize(m->datos);
  m->alto = api.GDALGetRasterYSize(m->datos);
  if (m->ancho <= 0 || m->alto <= 0 || api.GDALGetRasterCount(m->datos) < 1) {
    throw Error(TipoDeError::MalFormado, "el modelo del terreno no tiene ninguna celda");
  }
  if (std::string_view(api.GDALGetDriverShortName(api.GDALGetDatasetDriver(m->datos))) ==
      "AAIGrid") {
    const long long valores = ValoresDeRejillaAscii(archivo),
                    celdas = (long long)m->ancho * m->alto;
    if (valores < 0) throw Error(TipoDeError::Archivo, TextoErrno(errno));
    if (valores != celdas) {
      throw Error(TipoDeError::MalFormado,
                  "la rejilla tiene " + std::to_string(valores) + " valores, y su cabecera dice " +
                      std::to_string(m->ancho) + " columnas × " + std::to_string(m->alto) +
                      " filas: " + std::to_string(celdas));
    }
  }
  if (api.GDALGetGeoTransform(m->datos, m->gt) != CE_None || m->gt[1] == 0 || m->gt[5] == 0) {
    throw Error(TipoDeError::MalFormado,
                "el modelo del terreno no dice dónde está: le falta su georreferencia");
  }
  if (m->gt[2] != 0 || m->gt[4] != 0) {
    throw Error(TipoDeError::MalFormado,
                "el modelo del terreno está girado respecto a sus ejes, y Ruvek no lo lee: "
                "gdalwarp lo endereza");
  }
  OGRSpatialReferenceH srs = api.GDALGetSpatialRef(m->datos);
  if (srs == nullptr) {
    throw Error(TipoDeError::MalFormado,
                "el modelo del terreno no dice en qué sistema de coordenadas está: póngale un "
                ".prj al lado, o declárelo con gdal_translate -a_srs EPSG:25830");
  }
  m->sistema = gdal_->Sistema(srs);
  if (m->sistema == 0) {
    const char* nombre = api.OSRGetName(srs);
    throw Error(TipoDeError::MalFormado,
                "el modelo del terreno está en " + Cita(nombre ? nombre : "?") +
                    ", que Ruvek no lee: solo ETRS89 o ED50 en UTM de los husos 29 a 31 "
                    "(EPSG:25829 a 25831, 23029 a 23031), REGCAN95 (EPSG:4083), WGS 84 en UTM de "
                    "los husos 28 a 31 (EPSG:32628 a 32631) o grados de WGS 84 o ETRS89 "
                    "(EPSG:4326, 4258); gdalwarp -t_srs EPSG:25830 lo pasa");
  }
  m->banda = api.GDALGetRasterBand(m->datos, 1);
  int con = 0;
  m->sin_dato = api.GDALGetRasterNoDataValue(m->banda, &con);
  m->con_sin_dato = con != 0;
  modelos_.push_back(std::move(m));
}

MetrosEtrs89 Terreno::AEtrs89(const Recorrido& r, Proyeccion& proyeccion) {
  MetrosEtrs89 m;
  r.ParaCadaPosicion([&m](const Posicion& p) {
    m.x.push_back(p.x);
    m.y.push_back(p.y);
  });
  m.bien = proyeccion.Transforma(r.sistema, kMetrosEtrs89, m.x, m.y);
  return m;
}

std::size_t Terreno::PonAltitudes(Recorrido& r, Proyeccion& proyeccion, std::string& por_que,
                                  const MetrosEtrs89* etrs89) {
  std::vector<Posicion*> todas;
  r.ParaCadaPosicion([&todas](Posicion& p) { todas.push_back(&p); });
  const std::size_t n = todas.size();
  std::vector<std::optional<double>> altitudes(n);
  for (const std::unique_ptr<Modelo>& m : modelos_) {
    // The positions still without an altitude, in the model's system.
    std::vector<std::size_t> cuales;
    std::vector<double> x, y;
    for (std::size_t i = 0; i < n; ++i) {
      if (altitudes[i]) continue;
      cuales.push_back(i);
      x.push_back(todas[i]->x);
      y.push_back(todas[i]->y);
    }
    if (cuales.empty()) break;
    const Sistema suyo = *SistemaDeEpsg(m->sistema);
    std::size_t bien = 0;
    if (suyo == kMetrosEtrs89 && etrs89 != nullptr) {
      for (; bien < cuales.size() && cuales[bien] < etrs89->bien; ++bien) {
        x[bien] = etrs89->x[cuales[bien]];
        y[bien] = etrs89->y[cuales[bien]];
      }
    } else {
      bien = proyeccion.Transforma(r.sistema, suyo, x, y);
    }
    for (std::size_t k = 0; k < bien; ++k) altitudes[cuales[k]] = m->Altitud(x[k], y[k]);
  }
  const std::size_t de_traza = r.PuntosDeTraza();
  for (std::size_t i = 0; i < de_traza; ++i) {
    if (!altitudes[i]) {
      por_que = "no lo cubre ningún modelo del terreno con datos";
      return i;
    }
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (altitudes[i]) todas[i]->altitud = double(std::llround(*altitudes[i]));
  }
  return de_traza;
}

}  // namespace ruvek
