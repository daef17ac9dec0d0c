#include "core/tabla_puntos.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "test_util.h"

namespace ruvek {
namespace {

TEST(TablaPuntos, StartsAllZero) {
  const TablaPuntos tabla;
  for (int fila = 1; fila <= MaxPuntos; ++fila) {
    for (Columna c : {ColumnaX, ColumnaY, ColumnaAltitud}) {
      ASSERT_EQ(tabla.Lee(fila, c).raw(), 0) << fila;
    }
  }
}

TEST(TablaPuntos, RowsOutsideOneToMaxRaiseAndTouchNothing) {
  TablaPuntos tabla;
  tabla.Escribe(1, ColumnaX, ValorFijo::Whole(7));
  tabla.Escribe(MaxPuntos, ColumnaAltitud, ValorFijo::Whole(9));
  EXPECT_EQ(tabla.Lee(MaxPuntos, ColumnaAltitud), ValorFijo::Whole(9));
  for (int fila : {0, -1, MaxPuntos + 1}) {
    EXPECT_EQ(test::ErrorOf([&] { tabla.Escribe(fila, ColumnaX, ValorFijo::Whole(1)); }),
              ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(test::ErrorOf([&] { tabla.Lee(fila, ColumnaY); }), ErrorKind::SubscriptOutOfRange);
  }
  EXPECT_EQ(tabla.Lee(1, ColumnaX), ValorFijo::Whole(7));
  EXPECT_EQ(tabla.Lee(2, ColumnaX).raw(), 0);
}

TEST(TablaPuntos, ClearZeroesEveryRow) {
  TablaPuntos tabla;
  for (int fila : {1, 2, 5000, MaxPuntos}) {
    for (Columna c : {ColumnaX, ColumnaY, ColumnaAltitud})
      tabla.Escribe(fila, c, ValorFijo::Whole(fila));
  }
  tabla.Borra();
  for (int fila : {1, 2, 5000, MaxPuntos}) {
    for (Columna c : {ColumnaX, ColumnaY, ColumnaAltitud}) EXPECT_EQ(tabla.Lee(fila, c).raw(), 0);
  }
}

}  // namespace
}  // namespace ruvek
