// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include "formats/api_zip.h"
#include "formats/kml.h"
#include "formats/kmz.h"

namespace ruvek {

namespace {

// Raises the error of libzip's `e` as Error(Archivo).
[[noreturn]] void NoSeEscribe(const ApiZip& api, zip_error_t* e) {
  throw Error(TipoDeError::Archivo,
              std::string("no se puede hacer el KMZ (libzip: ") + api.zip_error_strerror(e) + ")");
}

}  // namespace

std::string EscribeKmz(const Recorrido& r) {
  const std::string kml = EscribeKml(r);
  const ApiZip api;
  zip_error_t error;
  api.zip_error_init(&error);
  // The archive is written into `memoria`, kept when libzip closes it.
  zip_source_t* memoria = api.zip_source_buffer_create(nullptr, 0, 0, &error);
  if (memoria == nullptr) NoSeEscribe(api, &error);
  const std::unique_ptr<zip_source_t, decltype(api.zip_source_free)> libera(memoria,
                                                                            api.zip_source_free);
  zip_t* zip = api.zip_open_from_source(memoria, ZIP_TRUNCATE, &error);
  if (zip == nullptr) NoSeEscribe(api, &error);
  api.zip_source_keep(memoria);
  zip_source_t* doc = api.zip_source_buffer(zip, kml.data(), kml.size(), 0);
  const zip_int64_t i = doc == nullptr ? -1 : api.zip_file_add(zip, "doc.kml", doc, 0);
  if (i < 0) {
    if (doc != nullptr) api.zip_source_free(doc);
    const std::string motivo = api.zip_error_strerror(api.zip_get_error(zip));
    api.zip_discard(zip);
    throw Error(TipoDeError::Archivo, "no se puede hacer el KMZ (libzip: " + motivo + ")");
  }
  // Deflated fast (a track's text takes a ninth of its size either way), dated 1980-01-01 00:00,
  // the first time a zip's entry can say.
  if (api.zip_set_file_compression(zip, zip_uint64_t(i), ZIP_CM_DEFLATE, 1) != 0 ||
      api.zip_file_set_dostime(zip, zip_uint64_t(i), 0, (0 << 9) | (1 << 5) | 1, 0) != 0 ||
      api.zip_close(zip) != 0) {
    zip_error_t* e = api.zip_get_error(zip);
    const std::string motivo = api.zip_error_strerror(e);
    api.zip_discard(zip);
    throw Error(TipoDeError::Archivo, "no se puede hacer el KMZ (libzip: " + motivo + ")");
  }
  std::string bytes;
  if (api.zip_source_open(memoria) != 0 || api.zip_source_seek(memoria, 0, SEEK_END) != 0) {
    NoSeEscribe(api, api.zip_source_error(memoria));
  }
  bytes.resize(std::size_t(api.zip_source_tell(memoria)));
  const bool leido =
      api.zip_source_seek(memoria, 0, SEEK_SET) == 0 &&
      api.zip_source_read(memoria, bytes.data(), bytes.size()) == zip_int64_t(bytes.size());
  api.zip_source_close(memoria);
  if (!leido) NoSeEscribe(api, api.zip_source_error(memoria));
  return bytes;
}

}  // namespace ruvek
