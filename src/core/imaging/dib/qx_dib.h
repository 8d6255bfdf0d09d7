// SPDX-License-Identifier: GPL-3.0-or-later
// TQxDIB: the program's one in-memory picture. Copies share their storage; the first write
// through any copy gives that copy storage of its own (copy-on-write), so passing photos
// around by assignment never copies pixels.
#pragma once

#include "imaging/dib/qx_internal_dib.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QImage;
class QPainter;

namespace kasumori::imaging {

class ByteSource;

// The pixel format as the buffer reports it; the numbers are the ones callers exchange.
enum class TQxPixelFormat : int {
  Bit1 = 0,
  Bit4 = 1,
  Bit4Rle = 2,
  Bit8 = 3,
  Bit8Rle = 4,
  Bit24 = 5
};

class TQxDIB {
 public:
  // An 8-bit buffer of 1 × 1 pixels with 256 black colour-table entries.
  TQxDIB();
  TQxDIB(const TQxDIB& other);
  TQxDIB& operator=(const TQxDIB& other);
  virtual ~TQxDIB();

  int BitCount() const { return dib_->BitCount(); }
  // 1, 4, 8 or 24; another depth gives a new black storage of the same size.
  void SetBitCount(int bitCount);
  int Width() const { return dib_->Width(); }
  int Height() const { return dib_->Height(); }
  // A different value gives a new black storage; the same value keeps the pixels.
  void SetWidth(int width);
  void SetHeight(int height);
  // Width and height at once, with one new storage at most.
  void SetSize(int width, int height);
  // Makes the buffer a unique w × h buffer of the given depth for a decoder to overwrite
  // entirely: storage that already has that shape and is not shared is kept (its old
  // pixels stay until overwritten); otherwise a new black storage is made.
  void Reshape(int width, int height, int bitCount);
  // As Reshape, but unshared uncompressed storage that is merely large enough is kept too:
  // a photo after one of another size (a portrait after a landscape) reuses the memory the
  // last one was decoded into instead of faulting in fresh pages. Only for decoders that
  // write every row.
  void ReshapeReusing(int width, int height, int bitCount);
  // Exchanges the pixel storage (and with it size, depth and colours) of two buffers without
  // copying: a picture decoded ahead becomes the shown one, and the shown one's memory is
  // decoded into next.
  void SwapStorage(TQxDIB& other) noexcept { dib_.swap(other.dib_); }

  // 24 bits: colour 0x00BBGGRR; 1, 4, 8 bits: colour-table index. y is counted from the top.
  std::uint32_t Pixels(int x, int y) const;
  void SetPixels(int x, int y, std::uint32_t value);
  // Row y from the top, writable: makes the storage unique first.
  std::uint8_t* ScanLine(int y);
  // Row y for reading only; never copies.
  const std::uint8_t* ConstScanLine(int y) const;
  // Bytes from one row to the next (rows padded to 4 bytes).
  int Stride() const { return static_cast<int>(dib_->Stride()); }

  TQxPixelFormat PixelFormat() const;
  // Only 24 bits is a target: every stored format converts to it.
  void SetPixelFormat(TQxPixelFormat format);

  int ColorCount() const { return static_cast<int>(dib_->colorsUsed); }
  std::uint32_t Color(int index) const { return dib_->colors.at(std::size_t(index)); }
  void SetColor(int index, std::uint32_t rgbQuad);

  // Shares the other buffer's storage.
  virtual void Assign(const TQxDIB& source);
  // Copies a Qt picture (any format) as a 24-bit buffer; an empty picture resets.
  void Assign(const QImage& source);
  // Back to the empty 1 × 1 8-bit buffer.
  void Clear();
  // A 24-bit copy of the picture for Qt (the framework bitmap's side of AssignTo).
  QImage ToImage() const;

  // BMP file image. A failed read leaves the buffer as it was.
  virtual void LoadFromStream(ByteSource& source);
  virtual void LoadFromFile(const QString& path);
  std::vector<std::uint8_t> SaveToBytes() const;
  // Throws EQxDIBError when the file cannot be written.
  void SaveToFile(const QString& path) const;

  // Nearest-pixel stretch of the whole buffer into rect of target, whole source pixels only
  // (rows and columns dropped or repeated, never blended), clipped to the target.
  void Draw(TQxDIB& target, const QRect& rect) const;
  // The same onto any Qt painter (24-bit buffers; others are converted on the way).
  void Draw(QPainter& painter, const QRect& rect) const;

  // Pixel memory in shared memory; a canvas can be opened only over such a buffer.
  bool UseFMO() const { return useFMO_; }
  void SetUseFMO(bool use) { useFMO_ = use; }

  // Number of buffers sharing this storage, and an identity for it (for tests and checks).
  long ShareCount() const { return dib_.use_count(); }
  const void* StorageId() const { return dib_.get(); }

  // Makes the storage unique and returns it (for readers and canvases of this library).
  TQxInternalDIB& UniqueDIB();
  const TQxInternalDIB& Storage() const { return *dib_; }
  // Takes a storage a reader has filled completely.
  void TakeStorage(std::unique_ptr<TQxInternalDIB> storage);

  // Called after the pixels changed through a canvas; lets subclasses react.
  virtual void Changed() {}

 private:
  void Recreate(int width, int height, int bitCount, std::uint32_t colorsUsed);
  const std::uint8_t* CheckedRow(int x, int y, const char* operation) const;

  std::shared_ptr<TQxInternalDIB> dib_;
  bool useFMO_ = true;
  // Settings of depth reductions and half-tone drawing, which this program never requests.
  int conversionMode_ = 0;
  std::uint32_t conversionBackground_ = 0xFFFFFF;
  int drawMode_ = 0;
};

}  // namespace kasumori::imaging
