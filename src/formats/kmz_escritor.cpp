// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/api_zip.h"
#include "formats/kml.h"
#include "formats/kmz.h"

namespace ruvek {

std::string EscribeKmz(const Recorrido& r) {
  const std::string kml = EscribeKml(r);
  if (kml.size() >= 0xFFFFFFFF) {  // what an entry without zip64's extra field can hold
    throw Error(TipoDeError::DemasiadoLargo, "el KML pasa de 4 GiB: no cabe en un KMZ");
  }
  const ApiZip api;
  std::string bytes;
  bytes.reserve(kml.size() / 3 + 256);
  ArchivoEnMemoria memoria{.lee = {}, .escribe = &bytes};
  zlib_filefunc64_def funciones = EnMemoria(memoria);
  zipFile zip = api.zipOpen2_64("", APPEND_STATUS_CREATE, nullptr, &funciones);
  if (zip == nullptr) throw Error(TipoDeError::Archivo, "no se puede hacer el KMZ");
  // Dated 1980-01-01 00:00, the first time a zip's entry can say; deflated fast (a track's text
  // takes a ninth of its size either way), with no extra field.
  zip_fileinfo fecha{};
  fecha.dosDate = (1 << 21) | (1 << 16);
  int e = api.zipOpenNewFileInZip3_64(zip, "doc.kml", &fecha, nullptr, 0, nullptr, 0, nullptr,
                                      Z_DEFLATED, 1, 0, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY, nullptr,
                                      0, 0);
  if (e == ZIP_OK) e = api.zipWriteInFileInZip(zip, kml.data(), unsigned(kml.size()));
  if (e == ZIP_OK) e = api.zipCloseFileInZip(zip);
  if (const int cierre = api.zipClose(zip, nullptr); e == ZIP_OK) e = cierre;
  if (e != ZIP_OK) {
    throw Error(TipoDeError::Archivo,
                "no se puede hacer el KMZ (minizip: error " + std::to_string(e) + ")");
  }
  return bytes;
}

}  // namespace ruvek
