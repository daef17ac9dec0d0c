// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/kmz.h"

#include <memory>

#include "core/lineas.h"
#include "formats/api_zip.h"
#include "formats/kml.h"

namespace ruvek {

namespace {

const char* const kSinIndice = "el archivo zip está cortado o dañado: no se encuentra su índice";
const char* const kIndiceDanado =
    "el archivo zip está dañado: su índice no cuadra con su contenido";
const char* const kCortado = "el archivo zip está cortado";
const char* const kNoSeDescomprime =
    "el archivo zip está dañado: sus datos comprimidos no se descomprimen";

// A read of a zip archive in memory: minizip, and the archive open.
class Archivo {
 public:
  explicit Archivo(std::string_view bytes) : bytes_(bytes), memoria_{.lee = bytes} {
    zlib_filefunc64_def funciones = EnMemoria(memoria_);
    unz_ = api_.unzOpen2_64("", &funciones);
    if (unz_ == nullptr) throw Error(TipoDeError::MalFormado, kSinIndice);
  }
  ~Archivo() { api_.unzClose(unz_); }
  Archivo(const Archivo&) = delete;
  Archivo& operator=(const Archivo&) = delete;

  // The first entry named ".kml", read whole.
  EntradaDelArchivo Kml();

 private:
  // Why minizip refused the archive's index or an entry's header.
  static Error Fallo(int codigo);
  std::string Lee(const unz_file_info64& entrada, const std::string& que);
  std::string Inflada(std::string_view datos, std::size_t largo, const std::string& que) const;

  std::string_view bytes_;
  ApiZip api_;
  ArchivoEnMemoria memoria_;
  unzFile unz_ = nullptr;
};

bool TerminaEnKml(std::string_view nombre) {
  if (nombre.size() < 4) return false;
  std::string final_(nombre.substr(nombre.size() - 4));
  for (char& c : final_) c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
  return final_ == ".kml";
}

Error Archivo::Fallo(int codigo) {
  if (codigo == UNZ_ERRNO) return Error(TipoDeError::MalFormado, kCortado);
  if (codigo == UNZ_BADZIPFILE) return Error(TipoDeError::MalFormado, kIndiceDanado);
  return Error(TipoDeError::MalFormado,
               "el archivo zip no se puede leer (minizip: error " + std::to_string(codigo) + ")");
}

EntradaDelArchivo Archivo::Kml() {
  unz_global_info64 global;
  if (const int e = api_.unzGetGlobalInfo64(unz_, &global); e != UNZ_OK) throw Fallo(e);
  for (ZPOS64_T i = 0; i < global.number_entry; ++i) {
    int e = i == 0 ? api_.unzGoToFirstFile(unz_) : api_.unzGoToNextFile(unz_);
    unz_file_info64 entrada;
    if (e == UNZ_OK) {
      e = api_.unzGetCurrentFileInfo64(unz_, &entrada, nullptr, 0, nullptr, 0, nullptr, 0);
    }
    std::string nombre(e == UNZ_OK ? entrada.size_filename : 0, '\0');
    if (e == UNZ_OK) {
      e = api_.unzGetCurrentFileInfo64(unz_, nullptr, nombre.data(), uLong(nombre.size()), nullptr,
                                       0, nullptr, 0);
    }
    if (e != UNZ_OK) throw Fallo(e);
    if (nombre.starts_with("__MACOSX/") || !TerminaEnKml(nombre)) continue;
    nombre = Utf8Limpio(nombre, "?");  // and no control character to break a message's line
    for (char& c : nombre) c = static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    return {nombre, Lee(entrada, "la entrada " + Cita(nombre) + " ")};
  }
  throw Error(TipoDeError::MalFormado, "el archivo zip no tiene ningún .kml: no es un KMZ");
}

std::string Archivo::Lee(const unz_file_info64& entrada, const std::string& que) {
  if ((entrada.flag & 1) != 0) throw Error(TipoDeError::MalFormado, que + "está cifrada");
  const bool guardada = entrada.compression_method == 0;
  if (!guardada && entrada.compression_method != Z_DEFLATED) {
    throw Error(TipoDeError::MalFormado, que + "está comprimida con un método que Ruvek no lee");
  }
  const ZPOS64_T largo = entrada.uncompressed_size;
  if (largo > kLargoMaximoDeEntrada) {
    throw Error(TipoDeError::DemasiadoLargo,
                que + "ocupa " + std::to_string(largo) + " bytes sin comprimir, más de " +
                    std::to_string(kLargoMaximoDeEntrada >> 20) + " MiB: no es un track");
  }
  // Deflate makes at most some 1,032 bytes of each: more than that is no deflate stream.
  const ZPOS64_T comprimido = entrada.compressed_size;
  if ((guardada && largo != comprimido) || largo / 1032 > comprimido) {
    throw Error(TipoDeError::MalFormado, que + "dice ocupar " +
                                             (largo > comprimido ? "más" : "menos") +
                                             " de lo que su contenido da");
  }
  // minizip checks the entry's own header against the index and finds where its data begin;
  // they are read here, from the archive in memory.
  if (const int e = api_.unzOpenCurrentFile2(unz_, nullptr, nullptr, 1); e != UNZ_OK) {
    throw Fallo(e);
  }
  const ZPOS64_T inicio = api_.unzGetCurrentFileZStreamPos64(unz_);
  api_.unzCloseCurrentFile(unz_);
  if (inicio > bytes_.size() || comprimido > bytes_.size() - inicio) {
    throw Error(TipoDeError::MalFormado, kCortado);
  }
  const std::string_view datos = bytes_.substr(std::size_t(inicio), std::size_t(comprimido));
  std::string bytes = guardada ? std::string(datos) : Inflada(datos, std::size_t(largo), que);
  if (api_.libdeflate.libdeflate_crc32(0, bytes.data(), bytes.size()) != entrada.crc) {
    throw Error(TipoDeError::MalFormado, que + "no pasa su prueba CRC: está dañada");
  }
  return bytes;
}

// Inflated into room for a byte past what it states: one that inflates to more is refused there.
std::string Archivo::Inflada(std::string_view datos, std::size_t largo,
                             const std::string& que) const {
  const ApiLibdeflate& api = api_.libdeflate;
  const std::unique_ptr<libdeflate_decompressor, decltype(api.libdeflate_free_decompressor)>
      inflador(api.libdeflate_alloc_decompressor(), api.libdeflate_free_decompressor);
  if (inflador == nullptr) throw Error(TipoDeError::MalFormado, "no hay memoria para leer el KMZ");
  std::string bytes(largo + 1, '\0');
  std::size_t hechos = 0;
  switch (api.libdeflate_deflate_decompress(inflador.get(), datos.data(), datos.size(),
                                            bytes.data(), bytes.size(), &hechos)) {
    case LIBDEFLATE_SUCCESS:
    case LIBDEFLATE_SHORT_OUTPUT:  // only without `hechos`
      break;
    case LIBDEFLATE_BAD_DATA:
      throw Error(TipoDeError::MalFormado, kNoSeDescomprime);
    case LIBDEFLATE_INSUFFICIENT_SPACE:
      hechos = bytes.size();
      break;
  }
  if (hechos != largo) {
    throw Error(TipoDeError::MalFormado, que + "se descomprime en " +
                                             (hechos > largo ? "más" : "menos") + " bytes de los " +
                                             std::to_string(largo) + " que dice: está dañada");
  }
  bytes.resize(largo);
  return bytes;
}

}  // namespace

bool EsZip(std::string_view bytes) {
  return bytes.starts_with("PK\x03\x04") || bytes.starts_with("PK\x05\x06") ||
         bytes.starts_with("PK\x07\x08");
}

EntradaDelArchivo KmlDelArchivo(std::string_view bytes) {
  if (bytes.starts_with("PK\x07\x08")) {  // the mark of a split archive's first part
    throw Error(TipoDeError::MalFormado,
                "es un archivo zip partido en varios, y Ruvek lee solo archivos enteros");
  }
  return Archivo(bytes).Kml();
}

Recorrido LeeKmz(std::string_view bytes) {
  if (!EsZip(bytes) && EsKml(bytes)) return LeeKml(bytes);
  const EntradaDelArchivo kml = KmlDelArchivo(bytes);
  try {
    Recorrido r = LeeKml(kml.bytes);
    r.lineas_de = kml.nombre;
    return r;
  } catch (const Error& e) {
    throw e.EnArchivo(kml.nombre);
  }
}

}  // namespace ruvek
