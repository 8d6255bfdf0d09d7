// SPDX-License-Identifier: GPL-3.0-or-later
// A read-only regular file read at offsets inside a window, never past it or past the file.
#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

namespace kasumori::library {

class BoundedFile {
 public:
  // Opens regular files only: a folder, pipe or device named like a photo reads as nothing
  // (and opening never waits on a pipe).
  explicit BoundedFile(const QString& path);
  ~BoundedFile();
  BoundedFile(const BoundedFile&) = delete;
  BoundedFile& operator=(const BoundedFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  std::uint64_t Size() const { return size_; }
  // Narrows the readable window to [0, end); it never grows past the file's size.
  void LimitTo(std::uint64_t end);
  // Reads exactly `count` bytes at `offset`; false when any of them lies outside the window
  // or the read comes up short.
  bool Read(std::uint64_t offset, std::size_t count, void* out);

 private:
  // Most Exif headers sit in the first few KiB: one read serves them all.
  static constexpr std::size_t kHeadSize = 4096;

  int fd_ = -1;
  std::uint64_t size_ = 0;
  std::uint64_t limit_ = 0;
  std::array<std::uint8_t, kHeadSize> head_{};
  std::size_t headSize_ = 0;
};

}  // namespace kasumori::library
