// SPDX-License-Identifier: GPL-3.0-or-later
// The libFuzzer hook of one target; the build names the target's function in
// KASUMORI_FUZZ_ENTRY.
#include "fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return kasumori::fuzz::KASUMORI_FUZZ_ENTRY(data, size);
}
