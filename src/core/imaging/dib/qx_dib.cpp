// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/dib/qx_dib.h"

#include "imaging/bmp/bmp_reader.h"
#include "imaging/bmp/bmp_writer.h"
#include "imaging/dib/pixel_convert.h"
#include "imaging/dib/stretch.h"
#include "imaging/errors.h"
#include "imaging/io/byte_source.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <cstring>

namespace kasumori::imaging {

namespace {

std::uint32_t ColorsFor(int bitCount) {
  switch (bitCount) {
    case 1:
      return 2;
    case 4:
      return 16;
    case 8:
      return 256;
    default:
      return 0;
  }
}

}  // namespace

TQxDIB::TQxDIB() : dib_(std::make_shared<TQxInternalDIB>(1, 1, 8, 256)) {}

TQxDIB::TQxDIB(const TQxDIB& other) = default;

TQxDIB& TQxDIB::operator=(const TQxDIB& other) {
  Assign(other);
  return *this;
}

TQxDIB::~TQxDIB() = default;

void TQxDIB::Recreate(int width, int height, int bitCount, std::uint32_t colorsUsed) {
  auto fresh = std::make_shared<TQxInternalDIB>(width, height, std::uint16_t(bitCount), colorsUsed);
  fresh->useFMO = useFMO_;
  dib_ = std::move(fresh);
}

void TQxDIB::SetBitCount(int bitCount) {
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24)
    throw EQxDIBInvalidDIBPara("TQxDIB.SetBitCount: Invalid BitCount");
  if (bitCount == BitCount()) return;
  Recreate(Width(), Height(), bitCount, ColorsFor(bitCount));
}

void TQxDIB::SetWidth(int width) {
  if (width <= 0) throw EQxDIBInvalidDIBPara("TQxDIB.SetWidth: Invalid Width");
  if (width != Width()) Recreate(width, Height(), BitCount(), dib_->colorsUsed);
}

void TQxDIB::SetHeight(int height) {
  if (height <= 0) throw EQxDIBInvalidDIBPara("TQxDIB.SetWidth: Invalid Height");
  if (height != Height()) Recreate(Width(), height, BitCount(), dib_->colorsUsed);
}

void TQxDIB::SetSize(int width, int height) {
  if (width <= 0) throw EQxDIBInvalidDIBPara("TQxDIB.SetWidth: Invalid Width");
  if (height <= 0) throw EQxDIBInvalidDIBPara("TQxDIB.SetWidth: Invalid Height");
  if (width != Width() || height != Height()) Recreate(width, height, BitCount(), dib_->colorsUsed);
}

void TQxDIB::Reshape(int width, int height, int bitCount) {
  const bool same = dib_.use_count() == 1 && Width() == width && Height() == height &&
                    BitCount() == bitCount && dib_->Compression() == DibCompression::None;
  if (same) return;
  if (width <= 0) throw EQxDIBInvalidDIBPara("TQxDIB.SetWidth: Invalid Width");
  if (height <= 0) throw EQxDIBInvalidDIBPara("TQxDIB.SetWidth: Invalid Height");
  Recreate(width, height, bitCount, ColorsFor(bitCount));
}

void TQxDIB::ReshapeReusing(int width, int height, int bitCount) {
  if (width <= 0) throw EQxDIBInvalidDIBPara("TQxDIB.SetWidth: Invalid Width");
  if (height <= 0) throw EQxDIBInvalidDIBPara("TQxDIB.SetWidth: Invalid Height");
  if (dib_.use_count() == 1 && dib_->Refit(width, height, std::uint16_t(bitCount))) {
    dib_->colorsUsed = ColorsFor(bitCount);
    return;
  }
  Recreate(width, height, bitCount, ColorsFor(bitCount));
}

const std::uint8_t* TQxDIB::CheckedRow(int x, int y, const char* operation) const {
  if (x < 0 || x >= Width() || y < 0 || y >= Height())
    throw EQxDIBPixelPositionRange(std::string("TQxDIB.") + operation +
                                   ": Pixel Position is Out of Range");
  if (dib_->Compression() != DibCompression::None)
    throw EQxDIBBadDIBType(std::string("TQxDIB.") + operation + ": Bad DIB Type");
  return dib_->Row(y);
}

std::uint32_t TQxDIB::Pixels(int x, int y) const {
  const std::uint8_t* row = CheckedRow(x, y, "GetPixels");
  switch (BitCount()) {
    case 24: {
      const std::uint8_t* p = row + 3 * x;
      return std::uint32_t(p[2]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[0]) << 16);
    }
    case 8:
      return row[x];
    case 4:
      return (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F;
    default:
      return (row[x / 8] >> (7 - x % 8)) & 1;
  }
}

void TQxDIB::SetPixels(int x, int y, std::uint32_t value) {
  CheckedRow(x, y, "SetPixels");
  if (BitCount() == 8 && value > 255)
    throw EQxDIBInvalidDIBPara("TQxDIB.SetPixels: Invalid Pixel Value");
  std::uint8_t* row = UniqueDIB().Row(y);
  switch (BitCount()) {
    case 24:
      row[3 * x] = std::uint8_t(value >> 16);
      row[3 * x + 1] = std::uint8_t(value >> 8);
      row[3 * x + 2] = std::uint8_t(value);
      break;
    case 8:
      row[x] = std::uint8_t(value);
      break;
    case 4: {
      const int shift = x % 2 == 0 ? 4 : 0;
      row[x / 2] = std::uint8_t((row[x / 2] & ~(0x0F << shift)) | ((value & 0x0F) << shift));
      break;
    }
    default: {
      const std::uint8_t bit = std::uint8_t(0x80 >> (x % 8));
      row[x / 8] = value != 0 ? (row[x / 8] | bit) : (row[x / 8] & ~bit);
    }
  }
}

std::uint8_t* TQxDIB::ScanLine(int y) {
  if (y < 0 || y >= Height())
    throw EQxDIBPixelPositionRange("TQxDIB.GetScanLine: y is Out of Range");
  if (dib_->Compression() != DibCompression::None)
    throw EQxDIBBadDIBType("TQxDIB.GetScanLine: Bad DIB Type");
  return UniqueDIB().Row(y);
}

const std::uint8_t* TQxDIB::ConstScanLine(int y) const {
  if (y < 0 || y >= Height())
    throw EQxDIBPixelPositionRange("TQxDIB.GetScanLine: y is Out of Range");
  if (dib_->Compression() != DibCompression::None)
    throw EQxDIBBadDIBType("TQxDIB.GetScanLine: Bad DIB Type");
  return dib_->Row(y);
}

TQxPixelFormat TQxDIB::PixelFormat() const {
  const bool rle = dib_->Compression() != DibCompression::None;
  switch (BitCount()) {
    case 1:
      return TQxPixelFormat::Bit1;
    case 4:
      return rle ? TQxPixelFormat::Bit4Rle : TQxPixelFormat::Bit4;
    case 8:
      return rle ? TQxPixelFormat::Bit8Rle : TQxPixelFormat::Bit8;
    default:
      return TQxPixelFormat::Bit24;
  }
}

void TQxDIB::SetPixelFormat(TQxPixelFormat format) {
  if (format == PixelFormat()) return;
  if (format != TQxPixelFormat::Bit24)
    throw EQxDIBInvalidDIBPara("TQxDIB.SetPixelFormat: Invalid PixelFormat");
  TakeStorage(ConvertTo24(*dib_));
}

void TQxDIB::SetColor(int index, std::uint32_t rgbQuad) {
  if (index < 0 || index >= 256) throw EQxDIBInvalidPalette("TQxDIB.SetColor: Invalid Index");
  TQxInternalDIB& dib = UniqueDIB();
  dib.colors[std::size_t(index)] = rgbQuad;
  dib.paletteChanged = true;
}

void TQxDIB::Assign(const TQxDIB& source) {
  if (&source == this) return;
  dib_ = source.dib_;
  conversionMode_ = source.conversionMode_;
  conversionBackground_ = source.conversionBackground_;
  drawMode_ = source.drawMode_;
}

void TQxDIB::Assign(const QImage& source) {
  if (source.isNull()) {
    Clear();
    return;
  }
  const QImage bgr = source.convertToFormat(QImage::Format_BGR888);
  auto storage = std::make_unique<TQxInternalDIB>(bgr.width(), bgr.height(), 24, 0);
  for (int y = 0; y < bgr.height(); ++y)
    std::memcpy(storage->Row(y), bgr.constScanLine(y), std::size_t(bgr.width()) * 3);
  TakeStorage(std::move(storage));
}

void TQxDIB::Clear() {
  auto empty = std::make_shared<TQxInternalDIB>(1, 1, 8, 256);
  empty->useFMO = useFMO_;
  dib_ = std::move(empty);
}

QImage TQxDIB::ToImage() const {
  TQxDIB bgr(*this);
  bgr.SetPixelFormat(TQxPixelFormat::Bit24);
  const TQxInternalDIB& dib = *bgr.dib_;
  // Wrap, then copy: the QImage returned owns its pixels and never aliases this buffer.
  return QImage(dib.Data(), dib.Width(), dib.Height(), qsizetype(dib.Stride()),
                QImage::Format_BGR888)
      .copy();
}

void TQxDIB::LoadFromStream(ByteSource& source) { TakeStorage(bmp::ReadBmp(source)); }

void TQxDIB::LoadFromFile(const QString& path) {
  FileSource file(path);
  LoadFromStream(file);
}

std::vector<std::uint8_t> TQxDIB::SaveToBytes() const { return bmp::WriteBmp(*dib_); }

void TQxDIB::SaveToFile(const QString& path) const {
  const std::vector<std::uint8_t> bytes = SaveToBytes();
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
          qint64(bytes.size()))
    throw EQxDIBError("TQxDIB.SaveToFile: Cannot Write File");
}

void TQxDIB::Draw(TQxDIB& target, const QRect& rect) const {
  if (target.BitCount() != 24) throw EQxDIBBadDIBType("TQxDIB.Draw: Bad DIB Type");
  // Holding the source's storage here makes target.UniqueDIB() detach when both are one
  // storage, so a buffer drawn onto itself reads its old pixels.
  TQxDIB source(*this);
  if (source.BitCount() != 24) source.TakeStorage(ConvertTo24(*dib_));
  const TQxInternalDIB& in = *source.dib_;
  TQxInternalDIB& out = target.UniqueDIB();
  StretchNearest({in.Data(), in.Width(), in.Height(), int(in.Stride())},
                 {out.Data(), out.Width(), out.Height(), int(out.Stride())}, rect);
}

void TQxDIB::Draw(QPainter& painter, const QRect& rect) const {
  TQxDIB source(*this);
  source.SetPixelFormat(TQxPixelFormat::Bit24);
  const TQxInternalDIB& in = *source.dib_;
  const QImage view(in.Data(), in.Width(), in.Height(), qsizetype(in.Stride()),
                    QImage::Format_BGR888);
  const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(rect, view);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

TQxInternalDIB& TQxDIB::UniqueDIB() {
  if (dib_.use_count() != 1) dib_ = std::shared_ptr<TQxInternalDIB>(dib_->Clone());
  return *dib_;
}

void TQxDIB::TakeStorage(std::unique_ptr<TQxInternalDIB> storage) {
  storage->useFMO = useFMO_;
  dib_ = std::shared_ptr<TQxInternalDIB>(std::move(storage));
}

}  // namespace kasumori::imaging
