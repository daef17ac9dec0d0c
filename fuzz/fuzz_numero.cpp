// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a ValorFijo from text, LeeRedondeado and DecimalSinExponente over arbitrary text.
#include <string_view>

#include "core/errores.h"
#include "core/instante.h"
#include "core/numeros.h"
#include "fuzz_common.h"

using namespace ruvek;

namespace {
// The value's text form, or "!" and the kind of the error, which must be one of a reading.
template <typename F>
std::string Lee(F&& f) {
  try {
    return f().Texto();
  } catch (const Error& e) {
    fuzz::Exige(e.tipo() == TipoDeError::Conversion || e.tipo() == TipoDeError::FueraDeRango,
                "a reading raised an unexpected kind of error");
    return std::string("!") + NombreDelTipo(e.tipo());
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view texto(reinterpret_cast<const char*>(data), size);
  const std::string leido = Lee([&] { return ValorFijo::DeTexto(texto); });
  const std::string redondeado = Lee([&] { return LeeRedondeado(texto); });
  fuzz::Exige(leido[0] == '!' || Lee([&] { return ValorFijo::DeTexto(leido); }) == leido,
              "the text form does not read back");
  fuzz::Exige(redondeado.find('.') == std::string::npos, "LeeRedondeado gave a fraction");
  fuzz::Exige(texto.find('.') != std::string_view::npos || leido == redondeado,
              "a field without \".\" is not read whole");
  // A field with its decimals rounds as LeeRedondeado reads it.
  try {
    const double v = LeeDecimal(texto);
    fuzz::Exige(!redondeado.starts_with("!") && ValorFijo::Redondeado(v).Texto() == redondeado,
                "a field with its decimals rounds otherwise");
  } catch (const Error&) {
    fuzz::Exige(redondeado.starts_with("!"),
                "a field LeeRedondeado reads is refused with decimals");
  }
  // A time written reads back to the same instant.
  try {
    const Instante t = LeeInstante(texto);
    fuzz::Exige(LeeInstante(TextoInstante(t)) == t, "a time written reads to another");
  } catch (const Error& e) {
    fuzz::Exige(e.tipo() == TipoDeError::Conversion, "a time raised an unexpected kind of error");
  }
  if (const auto d = DecimalSinExponente(texto)) {
    fuzz::Exige(DecimalSinExponente(*d) == d, "a plain decimal is not its own plain form");
    fuzz::Exige(!Lee([&] { return LeeRedondeado(*d); }).starts_with("!conversion"),
                "a plain decimal does not read as a number");
  }
  return 0;
}
