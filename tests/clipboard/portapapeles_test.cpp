#include "clipboard/portapapeles.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/errors.h"

namespace ruvek {
namespace {

void Pon(Module1& m, int fila, const char* x, const char* y) {
  m.TablaPuntos.Escribe(fila, ColumnaX, ValorFijo::Parse(x));
  m.TablaPuntos.Escribe(fila, ColumnaY, ValorFijo::Parse(y));
  m.NumPuntos = std::max(m.NumPuntos, fila);
}

std::string Xy(const Module1& m, int fila) {
  return m.TablaPuntos.Lee(fila, ColumnaX).Text() + "," + m.TablaPuntos.Lee(fila, ColumnaY).Text();
}

TEST(TextoPortapapeles, JoinsRowsUntilTheFirstXBelowOne) {
  struct Caso {
    std::vector<std::pair<const char*, const char*>> filas;
    int num_puntos;
    std::string texto;
  };
  const Caso casos[] = {
      {{}, 0, ""},
      {{{"612345", "4712345"}}, 1, "612345,4712345"},
      {{{"612345", "4712345"}, {"612350", "4712360"}}, 2, "612345,4712345\r\n612350,4712360"},
      {{{"612345", "4712345"}, {"612350", "4712360"}, {"0", "4712370"}},
       3,
       "612345,4712345\r\n612350,4712360"},
      {{{"0", "4712345"}, {"612350", "4712360"}}, 2, ""},
      {{{"1", "-5"}, {"0.5", "3"}}, 2, "1,-5"},
      {{{"1", "0"}, {"-3", "3"}}, 2, "1,0"},
      {{{"612345.25", "4712345.0001"}}, 1, "612345.25,4712345.0001"},
      // Rows beyond NumPuntos are never copied.
      {{{"612345", "4712345"}, {"612350", "4712360"}}, 1, "612345,4712345"},
  };
  for (const Caso& c : casos) {
    Module1 m;
    for (std::size_t i = 0; i < c.filas.size(); ++i) {
      Pon(m, static_cast<int>(i) + 1, c.filas[i].first, c.filas[i].second);
    }
    m.NumPuntos = c.num_puntos;
    EXPECT_EQ(TextoPortapapeles(m), c.texto);
  }
}

// The outcome of a paste as the Paste window shows it.
struct Pegado {
  bool correcto;
  int num_puntos;
  std::optional<ErrorKind> error;
};

Pegado Pega(Module1& m, std::string_view texto) {
  try {
    LeeTextoPegado(texto, m);
    return {m.NumPuntos != 0, m.NumPuntos, std::nullopt};
  } catch (const Error& e) {
    return {false, m.NumPuntos, e.kind()};
  }
}

TEST(LeeTextoPegado, RecordsByLineAndComma) {
  struct Caso {
    std::string texto;
    bool correcto;
    std::vector<std::string> filas;  // "X,Y" of rows 1 to NumPuntos
    std::optional<ErrorKind> error;
  };
  const Caso casos[] = {
      {"612345,4745678", true, {"612345,4745678"}, {}},
      {"612345,4745678\r\n612350,4745680", true, {"612345,4745678", "612350,4745680"}, {}},
      {"612345,4745678\r\n612350,4745680\r\n", true, {"612345,4745678", "612350,4745680"}, {}},
      {"612345,4745678\r\nfin del track\r\n\r\n", true, {"612345,4745678"}, {}},
      {"612345,4745678\n612350,4745680\n", true, {"612345,4745678", "612350,4745680"}, {}},
      {"612345,4745678\r612350,4745680", true, {"612345,4745678", "612350,4745680"}, {}},
      {"1612345,14745678\r\n", true, {"1612345,14745678"}, {}},
      {"612345.25,4745678.5", true, {"612345.25,4745678.5"}, {}},
      {" 612345 , 4745678 ,100", true, {"612345,4745678"}, {}},
      {"612345,4745678\r\n\r\n  \r\n612350,4745680",
       true,
       {"612345,4745678", "612350,4745680"},
       {}},
      {"-5,-7", true, {"-5,-7"}, {}},
      {"", false, {}, {}},
      {"sin comas\r\n", false, {}, {}},
      {"X Y\r\n612345,4745678", false, {"0,0"}, ErrorKind::InvalidArgument},
      {"X,Y\r\n612345,4745678", false, {"0,0"}, ErrorKind::Conversion},
      {"612345,4745678\r\n612350,4745680\r\n612355,abcdefg",
       false,
       {"612345,4745678", "612350,4745680", "612355,0"},
       ErrorKind::Conversion},
      {"612345,", false, {"612345,0"}, ErrorKind::Conversion},
      {"612345,4745678.0,", true, {"612345,4745678"}, {}},
      {"99999999999999999,1", false, {"0,0"}, ErrorKind::Overflow},
      {std::string("612345,47\0 45678", 16), false, {"612345,0"}, ErrorKind::Conversion},
  };
  for (const Caso& c : casos) {
    Module1 m;
    m.TablaPuntos.Escribe(5, ColumnaAltitud, ValorFijo::Whole(3));  // from an earlier track
    const Pegado p = Pega(m, c.texto);
    EXPECT_EQ(p.correcto, c.correcto) << testing::PrintToString(c.texto);
    EXPECT_EQ(p.error, c.error) << testing::PrintToString(c.texto);
    ASSERT_EQ(m.NumPuntos, static_cast<int>(c.filas.size())) << testing::PrintToString(c.texto);
    for (std::size_t i = 0; i < c.filas.size(); ++i) {
      EXPECT_EQ(Xy(m, static_cast<int>(i) + 1), c.filas[i]) << testing::PrintToString(c.texto);
    }
    EXPECT_EQ(m.TablaPuntos.Lee(5, ColumnaAltitud).raw(), 0) << "the table is cleared first";
  }
}

std::string Registros(int n) {
  std::string texto;
  for (int i = 1; i <= n; ++i) {
    texto += std::to_string(600000 + i) + "," + std::to_string(4700000 + i) + "\r\n";
  }
  return texto;
}

TEST(LeeTextoPegado, TenThousandRecordsFitAndOneMoreIsAnError) {
  Module1 m;
  EXPECT_TRUE(Pega(m, Registros(MaxPuntos)).correcto);
  EXPECT_EQ(m.NumPuntos, MaxPuntos);
  const Pegado p = Pega(m, Registros(MaxPuntos + 1));
  EXPECT_FALSE(p.correcto);
  EXPECT_EQ(p.error, ErrorKind::SubscriptOutOfRange);
  EXPECT_EQ(m.NumPuntos, MaxPuntos);
  EXPECT_EQ(Xy(m, MaxPuntos), "610000,4710000");
}

TEST(LeeTextoPegado, ReadsBackWhatTheClipboardExportWrites) {
  Module1 origen;
  for (int fila = 1; fila <= MaxPuntos; ++fila) {
    origen.TablaPuntos.Escribe(fila, ColumnaX, ValorFijo::FromRaw(6000000000 + fila * 12345));
    origen.TablaPuntos.Escribe(fila, ColumnaY, ValorFijo::FromRaw(-47000000000 + fila * 3));
    origen.TablaPuntos.Escribe(fila, ColumnaAltitud, ValorFijo::Whole(fila));
  }
  origen.NumPuntos = MaxPuntos;
  Module1 destino;
  LeeTextoPegado(TextoPortapapeles(origen), destino);
  ASSERT_EQ(destino.NumPuntos, MaxPuntos);
  for (int fila = 1; fila <= MaxPuntos; ++fila) {
    ASSERT_EQ(Xy(destino, fila), Xy(origen, fila));
    ASSERT_EQ(destino.TablaPuntos.Lee(fila, ColumnaAltitud).raw(), 0);
  }
}

}  // namespace
}  // namespace ruvek
