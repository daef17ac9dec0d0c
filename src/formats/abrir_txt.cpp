#include "formats/abrir_txt.h"

#include <string_view>

#include "core/devuelve_numero.h"
#include "core/errors.h"
#include "formats/line_reader.h"

namespace ruvek {

namespace {

// Cuts the field before the next comma off the front of `resto`; InvalidArgument when no
// comma follows it.
std::string_view CortaCampo(std::string_view& resto, long linea) {
  const std::size_t coma = resto.find(',');
  if (coma == std::string_view::npos) {
    throw Error(ErrorKind::InvalidArgument, "a field is not followed by a comma", linea);
  }
  const std::string_view campo = resto.substr(0, coma);
  resto.remove_prefix(coma + 1);
  return campo;
}

// Converts a field, tagging its errors with the line.
ValorFijo Numero(std::string_view campo, long linea) {
  try {
    return DevuelveNumero(campo);
  } catch (const Error& e) {
    throw Error(e.kind(), e.what(), linea);
  }
}

int NuevoPunto(Module1& m, long linea) {
  if (m.NumPuntos >= MaxPuntos) {
    throw Error(ErrorKind::SubscriptOutOfRange, "more than 10000 points", linea);
  }
  return ++m.NumPuntos;
}

// "t,grid,zone,X,Y,any,any,altitude," and anything after.
void LeePuntoTrackMaker(Module1& m, std::string_view linea, long n) {
  const int fila = NuevoPunto(m, n);
  for (int campo = 0; campo < 3; ++campo) CortaCampo(linea, n);  // record letter, grid, zone
  m.TablaPuntos.Escribe(fila, ColumnaX, Numero(CortaCampo(linea, n), n));
  m.TablaPuntos.Escribe(fila, ColumnaY, Numero(CortaCampo(linea, n), n));
  CortaCampo(linea, n);
  CortaCampo(linea, n);
  m.TablaPuntos.Escribe(fila, ColumnaAltitud, Numero(CortaCampo(linea, n), n));
}

// "X,Y"; anything from a second comma on is ignored.
void LeePuntoSitna(Module1& m, std::string_view linea, long n) {
  const int fila = NuevoPunto(m, n);
  const std::string_view x = CortaCampo(linea, n);
  const std::string_view y = linea.substr(0, linea.find(','));
  m.TablaPuntos.Escribe(fila, ColumnaX, Numero(x, n));
  m.TablaPuntos.Escribe(fila, ColumnaY, Numero(y, n));
  m.TablaPuntos.Escribe(fila, ColumnaAltitud, ValorFijo());
}

}  // namespace

std::optional<ResultadoCarga> AbrirTXT(Module1& m) {
  if (m.ArchivoActual.empty()) return std::nullopt;

  LineReader lector(m.ArchivoActual);
  std::string_view linea;
  if (!lector.Next(linea)) throw Error(ErrorKind::PastEndOfFile, "the file is empty", 1);
  const TipoArchivo tipo = linea.find("Version") != std::string_view::npos ? TipoArchivo::TrackMaker
                                                                           : TipoArchivo::Sitna;
  lector.Rewind();
  m.NumPuntos = 0;

  ResultadoCarga resultado{tipo, {}, m.ArchivoActual, {}, "Track cargado"};
  if (tipo == TipoArchivo::TrackMaker) {
    while (lector.Next(linea)) {
      if (!linea.empty() && linea.front() == 't') {
        LeePuntoTrackMaker(m, linea, lector.line_number());
      }
    }
    resultado.habilitar = {Comando::Analizar, Comando::Copiar, Comando::GuardarSitna};
    resultado.mensaje = "Este track puede ser analizado";
  } else {
    while (lector.Next(linea)) LeePuntoSitna(m, linea, lector.line_number());
    resultado.habilitar = {Comando::GuardarTM, Comando::Copiar};
    resultado.mensaje = "Este track no puede analizarse";
  }
  return resultado;
}

}  // namespace ruvek
