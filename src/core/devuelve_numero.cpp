#include "core/devuelve_numero.h"

namespace ruvek {

ValorFijo DevuelveNumero(std::string_view campo) {
  const std::size_t punto = campo.find('.');
  if (punto == std::string_view::npos) return ValorFijo::Parse(campo);

  std::string_view entero = campo.substr(0, punto);
  const std::string_view fraccion = campo.substr(punto + 1);
  if (entero.empty()) entero = "0";

  const ValorFijo valor = ValorFijo::Parse(entero);
  if (fraccion.empty() || fraccion.front() < '5' || fraccion.front() > '9') return valor;
  // The sign is read from the text, so "-0.7" rounds to -1 although its integer part is 0.
  const bool negativo = TrimBlanks(entero).front() == '-';
  return negativo ? valor - ValorFijo::Whole(1) : valor + ValorFijo::Whole(1);
}

}  // namespace ruvek
