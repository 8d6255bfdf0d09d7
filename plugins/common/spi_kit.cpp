// SPDX-License-Identifier: GPL-3.0-or-later
#include "spi_kit.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace spi_kit {

namespace {
constexpr std::uint32_t kHeaderBytes = 40;
}

int CopyInformation(int number, char* buffer, int length, const char* const* texts, int count) {
  if (number < 0 || number >= count || !buffer || length <= 0) return 0;
  const std::size_t n = std::min(std::strlen(texts[number]), std::size_t(length - 1));
  std::memcpy(buffer, texts[number], n);
  buffer[n] = '\0';
  return int(n);
}

PictureBytes::PictureBytes(const char* source, intptr_t length, unsigned flag) {
  if (!source || length < 0) return;
  if (flag == SPI_SOURCE_MEMORY) {
    data_ = reinterpret_cast<const std::uint8_t*>(source);
    size_ = std::size_t(length);
    return;
  }
  const int fd = open(source, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat st {};
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > length) {
    mappingSize_ = std::size_t(st.st_size);
    void* map = mmap(nullptr, mappingSize_, PROT_READ, MAP_PRIVATE, fd, 0);
    if (map != MAP_FAILED) {
      mapping_ = map;
      data_ = static_cast<const std::uint8_t*>(map) + length;
      size_ = mappingSize_ - std::size_t(length);
    }
  }
  close(fd);
}

PictureBytes::~PictureBytes() {
  if (mapping_) munmap(mapping_, mappingSize_);
}

bool WithinLimit(std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0) return false;
  const auto limit = std::int64_t(SPI_MAX_PIXELS);
  return width <= limit && height <= limit && width * height <= limit;
}

namespace {

// Transparent large pages, where the kernel gives them on request.
constexpr std::size_t kLargePage = std::size_t(2) << 20;

// A picture's rows are many megabytes written once. Where the system hands out small pages one
// fault at a time, that first write cost more than a library's whole decode of the same
// picture (a 12-megapixel HEIC: about 200 ms of faults against 450 ms of decoding), so a block
// of a large page or more asks for large pages. It stays a block that free() releases.
void* AllocatePixels(std::size_t bytes) {
  if (bytes < kLargePage) return std::malloc(bytes);
  const std::size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
  void* block = std::aligned_alloc(kLargePage, rounded);
  if (block) madvise(block, rounded, MADV_HUGEPAGE);  // advice only: a refusal changes nothing
  return block;
}

}  // namespace

Bitmap24::~Bitmap24() {
  std::free(info_);
  std::free(pixels_);
}

int Bitmap24::Allocate(int width, int height) {
  if (!WithinLimit(width, height)) return SPI_NO_MEMORY;
  stride_ = (std::size_t(width) * 3 + 3) & ~std::size_t(3);
  info_ = std::calloc(1, kHeaderBytes);
  pixels_ = static_cast<std::uint8_t*>(AllocatePixels(stride_ * std::size_t(height)));
  if (!info_ || !pixels_) return SPI_NO_MEMORY;
  // The decoders fill only the pixels; the padding at the end of each row is set here.
  const std::size_t used = std::size_t(width) * 3;
  if (used < stride_) {
    for (int y = 0; y < height; ++y) std::memset(Row(y) + used, 0, stride_ - used);
  }
  SpiBitmapHeader header{};
  header.size = kHeaderBytes;
  header.width = width;
  header.height = -height;  // rows top-down, as the libraries write them
  header.planes = 1;
  header.bit_count = 24;
  header.size_image = std::uint32_t(stride_ * std::size_t(height));
  std::memcpy(info_, &header, sizeof header);
  return SPI_OK;
}

void Bitmap24::Release(void** info, void** pixels) {
  *info = info_;
  *pixels = pixels_;
  info_ = nullptr;
  pixels_ = nullptr;
}

void FillInfo(SpiPictureInfo* info, int width, int height, int depth) {
  if (!info) return;
  *info = SpiPictureInfo{};
  info->width = width;
  info->height = height;
  info->color_depth = std::int16_t(depth);
}

}  // namespace spi_kit
