// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/valor_fijo.h"

#include <algorithm>

#include "core/cifras.h"
#include "core/errores.h"

namespace ruvek {

namespace {
constexpr bool EsCifra(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void ValorFijo::LanzaFueraDeRango() {
  throw Error(TipoDeError::FueraDeRango, "valor fuera de rango");
}

ValorFijo ValorFijo::DeTexto(std::string_view texto) {
  const char* p = cifras::SaltaBlancos(texto.data(), texto.data() + texto.size());
  const char* fin = texto.data() + texto.size();
  while (fin != p && EsBlanco(fin[-1])) --fin;
  const char* const numero = p;

  const cifras::ParteEntera entera = cifras::LeeParteEntera(p, fin);
  std::uint64_t diezmilesimas = 0;
  if (p != fin && *p == kSeparadorDecimal) {
    const char* const fraccion = ++p;
    bool redondea = false;  // half away from zero: the fifth fraction digit alone decides
    for (; p != fin && EsCifra(*p); ++p) {
      const auto k = p - fraccion;
      if (k < kDecimales) {
        diezmilesimas = diezmilesimas * 10 + static_cast<unsigned>(*p - '0');
      } else if (k == kDecimales) {
        redondea = *p >= '5';
      }
    }
    if (p == fraccion) throw Error(TipoDeError::Conversion, "no hay cifras tras el punto decimal");
    for (auto k = p - fraccion; k < kDecimales; ++k) diezmilesimas *= 10;
    diezmilesimas += redondea ? 1 : 0;
  }
  if (!entera.con_cifras || p != fin) {
    throw Error(TipoDeError::Conversion,
                Cita(std::string_view(numero, std::size_t(fin - numero))) + " no es un número");
  }
  return cifras::Compone(entera, diezmilesimas);
}

ValorFijo cifras::Compone(const ParteEntera& w, std::uint64_t diezmilesimas) {
  std::uint64_t magnitud;
  if (w.cifras_significativas > 19 ||
      __builtin_mul_overflow(w.unidades, static_cast<std::uint64_t>(kDiezmilesimasPorUnidad),
                             &magnitud) ||
      __builtin_add_overflow(magnitud, diezmilesimas, &magnitud)) {
    throw Error(TipoDeError::FueraDeRango, "valor fuera de rango");
  }
  const std::uint64_t limite = w.negativo ? std::uint64_t(1) << 63 : (std::uint64_t(1) << 63) - 1;
  if (magnitud > limite) throw Error(TipoDeError::FueraDeRango, "valor fuera de rango");
  return ValorFijo::DeDiezmilesimas(w.negativo
                                        ? static_cast<std::int64_t>(std::uint64_t(0) - magnitud)
                                        : static_cast<std::int64_t>(magnitud));
}

std::string ValorFijo::Texto() const { return TextoFijo(diezmilesimas_); }

}  // namespace ruvek
