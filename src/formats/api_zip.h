// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <zip.h>

#include "core/bibliotecas.h"

namespace ruvek {

// The library of libzip, by the SONAME Ruvek was built with (see core/bibliotecas.h);
// Error(Archivo) when it cannot be loaded.
void* CargaZip();

// The functions of libzip that Ruvek calls, by the names zip.h gives them.
struct ApiZip {
  void* biblioteca = CargaZip();
  RUVEK_FUNCION(zip_error_init, "libzip");
  RUVEK_FUNCION(zip_error_fini, "libzip");
  RUVEK_FUNCION(zip_error_code_zip, "libzip");
  RUVEK_FUNCION(zip_error_strerror, "libzip");
  RUVEK_FUNCION(zip_get_error, "libzip");
  RUVEK_FUNCION(zip_file_get_error, "libzip");
  RUVEK_FUNCION(zip_source_buffer_create, "libzip");
  RUVEK_FUNCION(zip_source_buffer, "libzip");
  RUVEK_FUNCION(zip_source_keep, "libzip");
  RUVEK_FUNCION(zip_source_free, "libzip");
  RUVEK_FUNCION(zip_source_open, "libzip");
  RUVEK_FUNCION(zip_source_read, "libzip");
  RUVEK_FUNCION(zip_source_seek, "libzip");
  RUVEK_FUNCION(zip_source_tell, "libzip");
  RUVEK_FUNCION(zip_source_close, "libzip");
  RUVEK_FUNCION(zip_source_error, "libzip");
  RUVEK_FUNCION(zip_open_from_source, "libzip");
  RUVEK_FUNCION(zip_get_num_entries, "libzip");
  RUVEK_FUNCION(zip_get_name, "libzip");
  RUVEK_FUNCION(zip_stat_index, "libzip");
  RUVEK_FUNCION(zip_fopen_index, "libzip");
  RUVEK_FUNCION(zip_fread, "libzip");
  RUVEK_FUNCION(zip_fclose, "libzip");
  RUVEK_FUNCION(zip_file_add, "libzip");
  RUVEK_FUNCION(zip_set_file_compression, "libzip");
  RUVEK_FUNCION(zip_file_set_dostime, "libzip");
  RUVEK_FUNCION(zip_close, "libzip");
  RUVEK_FUNCION(zip_discard, "libzip");
};

}  // namespace ruvek
