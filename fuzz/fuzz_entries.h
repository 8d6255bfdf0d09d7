// SPDX-License-Identifier: GPL-3.0-or-later
// One function per fuzz target, taking any byte string. Each libFuzzer executable calls its
// one function from LLVMFuzzerTestOneInput (libfuzzer_main.cpp); the corpus replay, built with
// the ordinary compiler and run by the tests, calls them all on the stored inputs. A broken
// invariant traps, so both see it as a crash.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kasumori::fuzz {

using Entry = int (*)(const std::uint8_t* data, std::size_t size);

int FuzzBmp(const std::uint8_t* data, std::size_t size);
int FuzzTiff(const std::uint8_t* data, std::size_t size);
int FuzzExif(const std::uint8_t* data, std::size_t size);
int FuzzJpeg(const std::uint8_t* data, std::size_t size);
int FuzzSpi(const std::uint8_t* data, std::size_t size);
int FuzzRecord(const std::uint8_t* data, std::size_t size);
int FuzzSettings(const std::uint8_t* data, std::size_t size);
int FuzzFavourites(const std::uint8_t* data, std::size_t size);
int FuzzArchivePath(const std::uint8_t* data, std::size_t size);
int FuzzArchive(const std::uint8_t* data, std::size_t size);

// A broken invariant: stop here so that the fuzzer keeps the input and the replay fails.
inline void Require(bool holds) {
  if (!holds) __builtin_trap();
}

}  // namespace kasumori::fuzz
