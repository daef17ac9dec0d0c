// Reading a ValorFijo from text and DevuelveNumero over arbitrary text.
#include <cstdint>
#include <string_view>

#include "core/devuelve_numero.h"
#include "core/errors.h"
#include "fuzz_common.h"

using namespace ruvek;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view texto(reinterpret_cast<const char*>(data), size);

  std::optional<ValorFijo> leido;
  std::optional<ErrorKind> error_leido;
  try {
    leido = ValorFijo::Parse(texto);
    // The text form reads back to the same value.
    fuzz::Exige(ValorFijo::Parse(leido->Text()) == *leido, "text form does not read back");
  } catch (const Error& e) {
    error_leido = e.kind();
    fuzz::Exige(e.kind() == ErrorKind::Conversion || e.kind() == ErrorKind::Overflow,
                "reading raised an unexpected kind of error");
  }

  try {
    const ValorFijo v = DevuelveNumero(texto);
    fuzz::Exige(v.raw() % kScale == 0, "DevuelveNumero gave a fraction");
    if (texto.find('.') == std::string_view::npos) {
      fuzz::Exige(leido && *leido == v, "a field without \".\" is read whole");
    }
  } catch (const Error& e) {
    fuzz::Exige(e.kind() == ErrorKind::Conversion || e.kind() == ErrorKind::Overflow,
                "DevuelveNumero raised an unexpected kind of error");
    if (texto.find('.') == std::string_view::npos) {
      fuzz::Exige(error_leido == e.kind(), "a field without \".\" fails as its reading does");
    }
  }
  return 0;
}
