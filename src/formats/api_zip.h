// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <libdeflate.h>
#include <unzip.h>
#include <zip.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "core/bibliotecas.h"

namespace ruvek {

// minizip, which reads and writes the archive, and libdeflate, which inflates and deflates what
// it holds (at twice zlib's speed), by the SONAMEs Ruvek was built with (see
// core/bibliotecas.h); Error(Archivo) when one cannot be loaded.
void* CargaMinizip();
void* CargaLibdeflate();

// The functions of libdeflate that Ruvek calls, by the names libdeflate.h gives them.
struct ApiLibdeflate {
  void* biblioteca = CargaLibdeflate();
  RUVEK_FUNCION(libdeflate_alloc_decompressor, "libdeflate");
  RUVEK_FUNCION(libdeflate_deflate_decompress, "libdeflate");
  RUVEK_FUNCION(libdeflate_free_decompressor, "libdeflate");
  RUVEK_FUNCION(libdeflate_alloc_compressor, "libdeflate");
  RUVEK_FUNCION(libdeflate_deflate_compress_bound, "libdeflate");
  RUVEK_FUNCION(libdeflate_deflate_compress, "libdeflate");
  RUVEK_FUNCION(libdeflate_free_compressor, "libdeflate");
  RUVEK_FUNCION(libdeflate_crc32, "libdeflate");
};

// The functions of minizip that Ruvek calls, by the names unzip.h and zip.h give them; and
// libdeflate's.
struct ApiZip {
  void* biblioteca = CargaMinizip();
  RUVEK_FUNCION(unzOpen2_64, "minizip");
  RUVEK_FUNCION(unzGetGlobalInfo64, "minizip");
  RUVEK_FUNCION(unzGoToFirstFile, "minizip");
  RUVEK_FUNCION(unzGoToNextFile, "minizip");
  RUVEK_FUNCION(unzGetCurrentFileInfo64, "minizip");
  RUVEK_FUNCION(unzOpenCurrentFile2, "minizip");
  RUVEK_FUNCION(unzGetCurrentFileZStreamPos64, "minizip");
  RUVEK_FUNCION(unzCloseCurrentFile, "minizip");
  RUVEK_FUNCION(unzClose, "minizip");
  RUVEK_FUNCION(zipOpen2_64, "minizip");
  RUVEK_FUNCION(zipOpenNewFileInZip3_64, "minizip");
  RUVEK_FUNCION(zipWriteInFileInZip, "minizip");
  RUVEK_FUNCION(zipCloseFileInZipRaw64, "minizip");
  RUVEK_FUNCION(zipClose, "minizip");
  ApiLibdeflate libdeflate;
};

// An archive in memory, as minizip reads or writes a file: the bytes read, or the string written.
struct ArchivoEnMemoria {
  std::string_view lee;
  std::string* escribe = nullptr;
  std::uint64_t posicion = 0;
};

// The functions minizip takes to read and write `archivo` (which must outlive their use).
zlib_filefunc64_def EnMemoria(ArchivoEnMemoria& archivo);

}  // namespace ruvek
