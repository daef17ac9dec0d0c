// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/kmz.h"

#include <memory>

#include "core/lineas.h"
#include "formats/api_zip.h"
#include "formats/kml.h"

namespace ruvek {

void* CargaZip() { return CargaBiblioteca(RUVEK_ZIP_SONAME, "libzip", TipoDeError::Archivo); }

namespace {

// A read of a zip archive in memory: libzip, and the archive open.
class Archivo {
 public:
  explicit Archivo(std::string_view bytes) {
    zip_error_t error;
    api_.zip_error_init(&error);
    zip_source_t* fuente = api_.zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (fuente != nullptr)
      zip_ = api_.zip_open_from_source(fuente, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    const int codigo = api_.zip_error_code_zip(&error);
    const std::string libzip = api_.zip_error_strerror(&error);
    api_.zip_error_fini(&error);
    if (zip_ != nullptr) return;
    if (fuente != nullptr) api_.zip_source_free(fuente);
    throw Error(TipoDeError::MalFormado, Motivo(codigo, libzip));
  }
  ~Archivo() { api_.zip_discard(zip_); }
  Archivo(const Archivo&) = delete;
  Archivo& operator=(const Archivo&) = delete;

  // The first entry named ".kml", read whole.
  EntradaDelArchivo Kml() const;

 private:
  // Why libzip refused an archive or an entry, in Spanish where Ruvek knows it.
  static std::string Motivo(int codigo, const std::string& libzip);
  std::string Lee(zip_uint64_t i, const zip_stat_t& estado, const std::string& nombre) const;

  ApiZip api_;
  zip_t* zip_ = nullptr;
};

bool TerminaEnKml(std::string_view nombre) {
  if (nombre.size() < 4) return false;
  std::string final_(nombre.substr(nombre.size() - 4));
  for (char& c : final_) c = c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
  return final_ == ".kml";
}

std::string Archivo::Motivo(int codigo, const std::string& libzip) {
  switch (codigo) {
    case ZIP_ER_NOZIP:  // it begins as one: its central directory is not found
      return "el archivo zip está cortado o dañado: no se encuentra su índice";
    case ZIP_ER_MULTIDISK:
      return "es un archivo zip partido en varios, y Ruvek lee solo archivos enteros";
    case ZIP_ER_EOF:
    case ZIP_ER_READ:
    case ZIP_ER_SEEK:
      return "el archivo zip está cortado";
    case ZIP_ER_INCONS:
      return "el archivo zip está dañado: su índice no cuadra con su contenido";
    case ZIP_ER_CRC:
      return "el archivo zip está dañado: una entrada no pasa su prueba CRC";
    case ZIP_ER_ZLIB:
    case ZIP_ER_COMPRESSED_DATA:
      return "el archivo zip está dañado: sus datos comprimidos no se descomprimen";
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
      return "una entrada del archivo zip está cifrada";
    case ZIP_ER_COMPNOTSUPP:
      return "una entrada del archivo zip está comprimida con un método que Ruvek no lee";
    case ZIP_ER_MEMORY:
      return "no hay memoria para leer el archivo zip";
    default:
      return "el archivo zip no se puede leer (libzip: " + libzip + ")";
  }
}

EntradaDelArchivo Archivo::Kml() const {
  const zip_int64_t n = api_.zip_get_num_entries(zip_, 0);
  for (zip_int64_t i = 0; i < n; ++i) {
    const char* nombre = api_.zip_get_name(zip_, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
    if (nombre == nullptr || std::string_view(nombre).starts_with("__MACOSX/") ||
        !TerminaEnKml(nombre)) {
      continue;
    }
    zip_stat_t estado;
    if (api_.zip_stat_index(zip_, zip_uint64_t(i), 0, &estado) != 0) {
      zip_error_t* e = api_.zip_get_error(zip_);
      throw Error(TipoDeError::MalFormado,
                  Motivo(api_.zip_error_code_zip(e), api_.zip_error_strerror(e)));
    }
    return {nombre, Lee(zip_uint64_t(i), estado, nombre)};
  }
  throw Error(TipoDeError::MalFormado, "el archivo zip no tiene ningún .kml: no es un KMZ");
}

std::string Archivo::Lee(zip_uint64_t i, const zip_stat_t& estado,
                         const std::string& nombre) const {
  const std::string que = "la entrada " + Cita(nombre) + " ";
  if (estado.encryption_method != ZIP_EM_NONE) {
    throw Error(TipoDeError::MalFormado, que + "está cifrada");
  }
  if (estado.comp_method != ZIP_CM_STORE && estado.comp_method != ZIP_CM_DEFLATE) {
    throw Error(TipoDeError::MalFormado, que + "está comprimida con un método que Ruvek no lee");
  }
  if (estado.size > kLargoMaximoDeEntrada) {
    throw Error(TipoDeError::DemasiadoLargo,
                que + "ocupa " + std::to_string(estado.size) + " bytes sin comprimir, más de " +
                    std::to_string(kLargoMaximoDeEntrada >> 20) + " MiB: no es un track");
  }
  // Deflate makes at most some 1,032 bytes of each: more than that is no deflate stream.
  const zip_uint64_t comprimido = estado.comp_size;
  if ((estado.comp_method == ZIP_CM_STORE && estado.size != comprimido) ||
      estado.size / 1032 > comprimido) {
    throw Error(TipoDeError::MalFormado, que + "dice ocupar más de lo que su contenido da");
  }
  zip_file_t* archivo = api_.zip_fopen_index(zip_, i, 0);
  if (archivo == nullptr) {
    zip_error_t* e = api_.zip_get_error(zip_);
    throw Error(TipoDeError::MalFormado,
                Motivo(api_.zip_error_code_zip(e), api_.zip_error_strerror(e)));
  }
  const std::unique_ptr<zip_file_t, decltype(api_.zip_fclose)> cierra(archivo, api_.zip_fclose);
  // Read up to a byte past what it states: one that inflates to more is refused there.
  std::string bytes(std::size_t(estado.size) + 1, '\0');
  std::size_t leidos = 0;
  for (zip_int64_t n; leidos < bytes.size(); leidos += std::size_t(n)) {
    n = api_.zip_fread(archivo, bytes.data() + leidos, bytes.size() - leidos);
    if (n < 0) {
      zip_error_t* e = api_.zip_file_get_error(archivo);
      throw Error(TipoDeError::MalFormado,
                  Motivo(api_.zip_error_code_zip(e), api_.zip_error_strerror(e)));
    }
    if (n == 0) break;
  }
  if (leidos != estado.size) {
    throw Error(TipoDeError::MalFormado,
                que + "se descomprime en " + (leidos > estado.size ? "más" : "menos") +
                    " bytes de los " + std::to_string(estado.size) + " que dice: está dañada");
  }
  bytes.resize(leidos);
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
