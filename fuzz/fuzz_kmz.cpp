// SPDX-License-Identifier: GPL-3.0-or-later
// The KMZ reader, its archives and what they hold, over arbitrary bytes (see fuzz_grados.h).
#include "fuzz_grados.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return ruvek::fuzz::LeeYEscribe(ruvek::Formato::Kmz, data, size);
}
