// SPDX-License-Identifier: GPL-3.0-or-later
#include "clipboard/portapapeles.h"

#include <gtest/gtest.h>

#include "test_util.h"

using namespace ruvek;

TEST(TextoPortapapeles, JoinsRowsUpToNumPuntosUntilAnXBelowOne) {
  for (const auto& [filas, texto] : test::Cases("portapapeles.txt")) {
    Module1 m;
    test::Llena(m, filas + " 5,5");
    m.NumPuntos -= 1;  // the last row lies beyond the track
    EXPECT_EQ(TextoPortapapeles(m), texto) << filas;
  }
}

TEST(LeeTextoPegado, RecordsByLineAndComma) {
  for (const auto& [texto, esperado] : test::Cases("pegado.txt")) {
    Module1 m;
    test::Llena(m, "1,1,1 2,2,2 3,3,3 4,4,4 5,5,5");  // an earlier track
    const std::string r = test::Result([&] { return LeeTextoPegado(texto, m), "ok"; });
    EXPECT_EQ(r + " " + test::Track(m) + m.TablaPuntos.Lee(5, ColumnaX).Text(), esperado + "0")
        << testing::PrintToString(texto);
  }
}

TEST(LeeTextoPegado, ReadsBackWhatTheExportWritesUpToTheCapacity) {
  Module1 origen, destino;
  for (int fila = 1; fila <= MaxPuntos; ++fila) {
    origen.TablaPuntos.Escribe(fila, ColumnaX, ValorFijo::FromRaw(6000000000 + fila * 12345));
    origen.TablaPuntos.Escribe(fila, ColumnaY, ValorFijo::FromRaw(-47000000000 + fila * 3));
  }
  origen.NumPuntos = MaxPuntos;
  const std::string texto = TextoPortapapeles(origen);
  LeeTextoPegado(texto, destino);
  EXPECT_EQ(test::Track(destino, MaxPuntos), test::Track(origen, MaxPuntos));
  EXPECT_EQ(test::Result([&] { return LeeTextoPegado(texto + "\r\n1,1", destino), "ok"; }),
            "subscript out of range@10001");
  EXPECT_EQ(test::Track(destino, 0), "n=10000");
}
