// SPDX-License-Identifier: GPL-3.0-or-later
// A pass over an archive run in a child process with a ceiling on the memory it may take. The
// decoders behind libarchive size their state from what the archive declares (a 7z asks LZMA
// for its dictionary, PPMd for its model, up to 4 GiB each; a ZIP's LZMA and XZ members and a
// tar.xz do the same) and libarchive hands those sizes on unchecked. Checking each format's
// coder records by hand would mean a second parser per format, and a 7z keeps them inside its
// compressed header; the address space of a process bounds every decoder of every format at
// once, and a child that runs out of it fails alone.
#pragma once

#include <QByteArray>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

namespace kasumori::archive {

// What a pass may add to the address space it starts with. Room for the largest dictionaries
// photo archives are made with (7-Zip's ultra setting and xz -9 use 64 MiB, RAR5 allows 64 MiB,
// a ZIP's PPMd at most 256 MiB) and libarchive's own buffers; an archive that declares more
// cannot be read and is reported as damaged.
inline constexpr std::int64_t kPassMemoryBytes = std::int64_t{512} << 20;  // 512 MiB

struct PassResult {
  int code = 0;       // what the pass returned
  QByteArray output;  // what it wrote to its output
};

// Runs `pass` in a child process whose address space may grow by at most `bound` bytes. The
// pass writes what it has to report to the file descriptor it is given (WritePassOutput) and
// returns a code from 0 to 125. Nothing comes back when the child could not be started, could
// not be bounded, or did not end by returning (a decoder that crashed on a failed allocation).
// Whatever the pass writes to disk it writes itself, in the child. The child holds only the
// calling thread, so a pass must not wait on a lock another thread of the program may hold:
// libarchive, the C library's allocator and Qt's value types are fine, a program-wide mutex is
// not. Should one still be held at the fork, the child stops running; one that has neither
// run nor written for `stall` is killed, and nothing comes back.
inline constexpr std::chrono::milliseconds kPassStall{5000};
std::optional<PassResult> RunBoundedPass(std::int64_t bound, const std::function<int(int)>& pass,
                                         std::chrono::milliseconds stall = kPassStall);

// Writes all of `bytes` to the pass's output; false when the parent has stopped listening.
bool WritePassOutput(int out, const QByteArray& bytes);

}  // namespace kasumori::archive
