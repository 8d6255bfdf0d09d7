// SPDX-License-Identifier: GPL-3.0-or-later
// The one input interface of every reader: random access to a block of bytes of known size,
// whether a file on disk, an archive member already extracted, or a plug-in's hand-over image.
#pragma once

#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace kasumori::imaging {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Copies n bytes from offset into dest. False, with nothing promised about dest, when the
  // range does not lie wholly inside the source; a reader then reports its own failure.
  virtual bool ReadAt(std::uint64_t offset, void* dest, std::size_t n) = 0;

  // True when [offset, offset + n) lies inside the source; safe against overflow.
  bool Holds(std::uint64_t offset, std::uint64_t n) const {
    return offset <= Size() && n <= Size() - offset;
  }
};

// A block of memory the caller keeps alive while the source is used.
class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  MemorySource(const void* data, std::size_t size)
      : bytes_(static_cast<const std::uint8_t*>(data), size) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(std::uint64_t offset, void* dest, std::size_t n) override;
  std::span<const std::uint8_t> Bytes() const { return bytes_; }

 private:
  std::span<const std::uint8_t> bytes_;
};

// A file opened read-only for the lifetime of the object.
class FileSource final : public ByteSource {
 public:
  // Throws EReadError when the file cannot be opened.
  explicit FileSource(const QString& path);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  std::uint64_t Size() const override { return size_; }
  bool ReadAt(std::uint64_t offset, void* dest, std::size_t n) override;

 private:
  int fd_ = -1;
  std::uint64_t size_ = 0;
};

// The first `size` bytes of another source (or fewer, when it is shorter): a reader given a
// JPEG's Exif segment cannot follow an offset out of it.
class WindowSource final : public ByteSource {
 public:
  WindowSource(ByteSource& inner, std::uint64_t size)
      : inner_(inner), size_(std::min(size, inner.Size())) {}
  std::uint64_t Size() const override { return size_; }
  bool ReadAt(std::uint64_t offset, void* dest, std::size_t n) override {
    return Holds(offset, n) && inner_.ReadAt(offset, dest, n);
  }

 private:
  ByteSource& inner_;
  std::uint64_t size_;
};

// Serves small reads from one cached block of the inner source: walking a directory entry by
// entry then costs one read of the file for each block it touches, not one per entry.
class BlockCachedSource final : public ByteSource {
 public:
  static constexpr std::size_t kBlockSize = 4096;
  explicit BlockCachedSource(ByteSource& inner) : inner_(inner) {}
  std::uint64_t Size() const override { return inner_.Size(); }
  bool ReadAt(std::uint64_t offset, void* dest, std::size_t n) override;

 private:
  ByteSource& inner_;
  std::uint64_t blockAt_ = 0;
  std::size_t blockBytes_ = 0;  // 0: nothing cached yet
  std::uint8_t block_[kBlockSize];
};

// Reads the whole source; used where a reader wants the bytes at once (small files only).
std::vector<std::uint8_t> ReadAll(ByteSource& source);

}  // namespace kasumori::imaging
