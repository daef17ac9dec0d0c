// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include "formats/api_zip.h"
#include "formats/kml.h"
#include "formats/kmz.h"

namespace ruvek {

namespace {

// `texto` deflated fast (a track's text takes a ninth of its size either way), as the raw stream
// a zip's entry holds.
std::string Desinflado(const ApiLibdeflate& api, std::string_view texto) {
  const std::unique_ptr<libdeflate_compressor, decltype(api.libdeflate_free_compressor)> deflador(
      api.libdeflate_alloc_compressor(1), api.libdeflate_free_compressor);
  if (deflador == nullptr) throw Error(TipoDeError::Archivo, "no hay memoria para hacer el KMZ");
  // Room for the worst case, left as it comes: only what is written is ever touched.
  const std::size_t cabe = api.libdeflate_deflate_compress_bound(deflador.get(), texto.size());
  const std::unique_ptr<char[]> datos = std::make_unique_for_overwrite<char[]>(cabe);
  const std::size_t n = api.libdeflate_deflate_compress(deflador.get(), texto.data(), texto.size(),
                                                        datos.get(), cabe);
  if (n == 0) throw Error(TipoDeError::Archivo, "no se puede hacer el KMZ");
  return std::string(datos.get(), n);
}

}  // namespace

std::string EscribeKmz(const Recorrido& r) {
  const std::string kml = EscribeKml(r);
  if (kml.size() >= 0xFFFFFFFF) {  // what an entry without zip64's extra field can hold
    throw Error(TipoDeError::DemasiadoLargo, "el KML pasa de 4 GiB: no cabe en un KMZ");
  }
  const ApiZip api;
  const std::string datos = Desinflado(api.libdeflate, kml);
  std::string bytes;
  bytes.reserve(datos.size() + 256);
  ArchivoEnMemoria memoria{.lee = {}, .escribe = &bytes};
  zlib_filefunc64_def funciones = EnMemoria(memoria);
  zipFile zip = api.zipOpen2_64("", APPEND_STATUS_CREATE, nullptr, &funciones);
  if (zip == nullptr) throw Error(TipoDeError::Archivo, "no se puede hacer el KMZ");
  // One entry, "doc.kml", deflated (minizip writes what libdeflate made as it is), dated
  // 1980-01-01 00:00, the first time a zip's entry can say, with no extra field.
  zip_fileinfo fecha{};
  fecha.dosDate = (1 << 21) | (1 << 16);
  int e = api.zipOpenNewFileInZip3_64(zip, "doc.kml", &fecha, nullptr, 0, nullptr, 0, nullptr,
                                      Z_DEFLATED, 1, 1, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY, nullptr,
                                      0, 0);
  if (e == ZIP_OK) e = api.zipWriteInFileInZip(zip, datos.data(), unsigned(datos.size()));
  const uLong crc = api.libdeflate.libdeflate_crc32(0, kml.data(), kml.size());
  if (e == ZIP_OK) e = api.zipCloseFileInZipRaw64(zip, kml.size(), crc);
  if (const int cierre = api.zipClose(zip, nullptr); e == ZIP_OK) e = cierre;
  if (e != ZIP_OK) {
    throw Error(TipoDeError::Archivo,
                "no se puede hacer el KMZ (minizip: error " + std::to_string(e) + ")");
  }
  return bytes;
}

}  // namespace ruvek
