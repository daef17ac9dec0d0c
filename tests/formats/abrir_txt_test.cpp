#include "formats/abrir_txt.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "test_util.h"

namespace ruvek {
namespace {

struct Punto {
  std::int64_t x, y, altitud;
  bool operator==(const Punto&) const = default;
};

void PrintTo(const Punto& p, std::ostream* os) {
  *os << '(' << p.x << ", " << p.y << ", " << p.altitud << ')';
}

Punto Fila(const Module1& m, int fila) {
  const auto whole = [&](Columna c) {
    const ValorFijo v = m.TablaPuntos.Lee(fila, c);
    EXPECT_EQ(v.raw() % kScale, 0) << "the loader only stores whole numbers";
    return v.raw() / kScale;
  };
  return {whole(ColumnaX), whole(ColumnaY), whole(ColumnaAltitud)};
}

std::vector<Punto> Puntos(const Module1& m) {
  std::vector<Punto> puntos;
  for (int fila = 1; fila <= m.NumPuntos; ++fila) puntos.push_back(Fila(m, fila));
  return puntos;
}

// Loads as the open command does: the table cleared first.
std::optional<ResultadoCarga> Carga(Module1& m, const std::string& path) {
  m.ArchivoActual = path;
  m.TablaPuntos.Borra();
  return AbrirTXT(m);
}

ErrorKind FallaAlCargar(Module1& m, const std::string& path, long* linea = nullptr) {
  try {
    Carga(m, path);
  } catch (const Error& e) {
    if (linea != nullptr) *linea = e.line();
    return e.kind();
  }
  ADD_FAILURE() << path << " loaded";
  return ErrorKind::FileError;
}

const std::vector<Punto> kTrackMaker = {
    {612346, 4734567, 457}, {612350, 4734571, 460}, {612361, 4734581, -4}};
const std::vector<Punto> kSitna = {
    {612346, 4734567, 0}, {612350, 4734570, 0}, {612355, 4734568, 0}};

TEST(AbrirTXT, TrackMakerInEveryLineEnd) {
  for (const char* nombre : {"trackmaker_crlf.txt", "trackmaker_lf.txt", "trackmaker_cr_bom.txt"}) {
    Module1 m;
    const auto r = Carga(m, test::DataFile(nombre));
    ASSERT_TRUE(r) << nombre;
    EXPECT_EQ(Puntos(m), kTrackMaker) << nombre;
    EXPECT_EQ(r->tipo, TipoArchivo::TrackMaker);
    EXPECT_EQ(r->habilitar,
              (std::vector{Comando::Analizar, Comando::Copiar, Comando::GuardarSitna}));
    EXPECT_EQ(r->sufijo_titulo, m.ArchivoActual);
    EXPECT_EQ(r->mensaje, "Este track puede ser analizado");
    EXPECT_EQ(r->titulo_mensaje, "Track cargado");
    EXPECT_EQ(Fila(m, 4), (Punto{0, 0, 0}));
  }
}

TEST(AbrirTXT, SitnaWithOrWithoutFinalLineEnd) {
  for (const char* nombre : {"sitna_crlf.txt", "sitna_lf_noend.txt"}) {
    Module1 m;
    const auto r = Carga(m, test::DataFile(nombre));
    ASSERT_TRUE(r) << nombre;
    EXPECT_EQ(Puntos(m), kSitna) << nombre;
    EXPECT_EQ(r->tipo, TipoArchivo::Sitna);
    EXPECT_EQ(r->habilitar, (std::vector{Comando::GuardarTM, Comando::Copiar}));
    EXPECT_EQ(r->mensaje, "Este track no puede analizarse");
    EXPECT_EQ(r->titulo_mensaje, "Track cargado");
  }
}

TEST(AbrirTXT, HeaderOnlyTrackMakerLoadsNoPoints) {
  Module1 m;
  m.NumPuntos = 5;
  const auto r = Carga(m, test::DataFile("version_only.txt"));
  ASSERT_TRUE(r);
  EXPECT_EQ(m.NumPuntos, 0);
  EXPECT_EQ(r->mensaje, "Este track puede ser analizado");
}

TEST(AbrirTXT, TwoCharacterZoneIsSkippedByItsComma) {
  Module1 m;
  ASSERT_TRUE(Carga(m, test::DataFile("trackmaker_two_char_zone.txt")));
  EXPECT_EQ(Puntos(m), (std::vector<Punto>{{612346, 4734567, 457}}));
}

TEST(AbrirTXT, EmptyNameDoesNothing) {
  Module1 m;
  m.NumPuntos = 3;
  m.TablaPuntos.Escribe(1, ColumnaX, ValorFijo::Whole(9));
  EXPECT_FALSE(AbrirTXT(m));
  EXPECT_EQ(m.NumPuntos, 3);
  EXPECT_EQ(m.TablaPuntos.Lee(1, ColumnaX), ValorFijo::Whole(9));
}

// Every way a load can fail, with what must survive it.
struct Falla {
  const char* archivo;  // in tests/data, or written from `contenido` when null
  std::string contenido;
  ErrorKind error;
  long linea;
  int num_puntos;  // -1: NumPuntos keeps its value from before the load
  std::vector<Punto> filas;
};

TEST(AbrirTXT, FailuresLeaveWhatWasStoredBefore) {
  const std::string v = "Version , 212\r\n";
  const Falla fallas[] = {
      {"missing.txt", "", ErrorKind::FileError, 0, -1, {}},
      {"empty.txt", "", ErrorKind::PastEndOfFile, 1, -1, {}},
      {nullptr, "\xEF\xBB\xBF", ErrorKind::PastEndOfFile, 1, -1, {}},
      {"trackmaker_no_comma_after_altitude.txt",
       "",
       ErrorKind::InvalidArgument,
       2,
       1,
       {{612346, 4734567, 0}}},
      {"trackmaker_ends_after_y.txt",
       "",
       ErrorKind::InvalidArgument,
       3,
       2,
       {{612346, 4734567, 1}, {612345, 0, 0}}},
      {nullptr, v + "t,utm,30T,612345\r\n", ErrorKind::InvalidArgument, 2, 1, {{0, 0, 0}}},
      {nullptr, v + "t\r\n", ErrorKind::InvalidArgument, 2, 1, {{0, 0, 0}}},
      {nullptr, v + "t,utm\r\n", ErrorKind::InvalidArgument, 2, 1, {{0, 0, 0}}},
      {nullptr, v + "t,utm,30T,abc,2,x,y,3,\r\n", ErrorKind::Conversion, 2, 1, {{0, 0, 0}}},
      {nullptr, v + "t,utm,30T,1,2,x,y,,\r\n", ErrorKind::Conversion, 2, 1, {{1, 2, 0}}},
      {nullptr,
       v + "t,utm,30T,1,99999999999999999,x,y,3,\r\n",
       ErrorKind::Overflow,
       2,
       1,
       {{1, 0, 0}}},
      {"sitna_blank_line.txt",
       "",
       ErrorKind::InvalidArgument,
       4,
       4,
       {kSitna[0], kSitna[1], kSitna[2], {0, 0, 0}}},
      {"sitna_header.txt", "", ErrorKind::Conversion, 1, 1, {{0, 0, 0}}},
      {"lowercase_version.txt", "", ErrorKind::Conversion, 1, 1, {{0, 0, 0}}},
      {nullptr,
       "612345,4734567\r\n612350\r\n",
       ErrorKind::InvalidArgument,
       2,
       2,
       {{612345, 4734567, 0}, {0, 0, 0}}},
      {nullptr, "612345,abc\r\n", ErrorKind::Conversion, 1, 1, {{612345, 0, 0}}},
      {nullptr,
       "612345,4734567,100\r\n612345;4734567\r\n",
       ErrorKind::InvalidArgument,
       2,
       2,
       {{612345, 4734567, 0}, {0, 0, 0}}},
  };
  test::TempDir dir;
  for (const Falla& f : fallas) {
    std::string path;
    if (f.archivo != nullptr) {
      path = std::string(f.archivo) == "missing.txt" ? dir.File("missing.txt")
                                                     : test::DataFile(f.archivo);
    } else {
      path = dir.File("case.txt");
      test::WriteFile(path, f.contenido);
    }
    const std::string que = f.archivo != nullptr ? f.archivo : f.contenido;
    Module1 m;
    m.NumPuntos = 77;  // from an earlier track
    m.TablaPuntos.Escribe(9, ColumnaX, ValorFijo::Whole(5));
    long linea = -1;
    EXPECT_EQ(FallaAlCargar(m, path, &linea), f.error) << que;
    EXPECT_EQ(linea, f.linea) << que;
    EXPECT_EQ(m.ArchivoActual, path);
    EXPECT_EQ(m.NumPuntos, f.num_puntos < 0 ? 77 : f.num_puntos) << que;
    EXPECT_EQ(Puntos(m).size(), f.num_puntos < 0 ? 77u : f.filas.size());
    for (std::size_t i = 0; i < f.filas.size(); ++i) {
      EXPECT_EQ(Fila(m, static_cast<int>(i) + 1), f.filas[i]) << que << " row " << i + 1;
    }
    EXPECT_EQ(Fila(m, 9).x, 0) << "the table was cleared before the load";
  }
}

std::string Puntos(int n, bool trackmaker) {
  std::string texto = trackmaker ? "Version , 212\r\n" : "";
  for (int i = 1; i <= n; ++i) {
    texto += trackmaker ? "t,utm,30T," : "";
    texto += std::to_string(600000 + i) + ".4," + std::to_string(4700000 + i) + ".6";
    texto += trackmaker ? ",d,h," + std::to_string(i % 2000) + ",\r\n" : "\r\n";
  }
  return texto;
}

TEST(AbrirTXT, TenThousandPointsFitAndOneMoreStops) {
  test::TempDir dir;
  for (bool trackmaker : {true, false}) {
    const std::string path = dir.File("full.txt");
    test::WriteFile(path, Puntos(MaxPuntos, trackmaker));
    Module1 m;
    ASSERT_TRUE(Carga(m, path));
    EXPECT_EQ(m.NumPuntos, MaxPuntos);
    EXPECT_EQ(Fila(m, MaxPuntos), (Punto{610000, 4710001, 0}));

    test::WriteFile(path, Puntos(MaxPuntos + 1, trackmaker));
    long linea = 0;
    EXPECT_EQ(FallaAlCargar(m, path, &linea), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(linea, MaxPuntos + 1 + (trackmaker ? 1 : 0));
    EXPECT_EQ(m.NumPuntos, MaxPuntos);
    EXPECT_EQ(Fila(m, 1), (Punto{600001, 4700002, trackmaker ? 1 : 0}));
    EXPECT_EQ(Fila(m, MaxPuntos).x, 610000);
  }
}

TEST(AbrirTXT, AFolderIsAFileError) {
  test::TempDir dir;
  Module1 m;
  EXPECT_EQ(FallaAlCargar(m, dir.path().string()), ErrorKind::FileError);
}

}  // namespace
}  // namespace ruvek
