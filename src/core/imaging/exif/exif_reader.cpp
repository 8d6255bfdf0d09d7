// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/exif/exif_reader.h"

#include "imaging/exif/exif_containers.h"

#include "imaging/errors.h"
#include "imaging/exif/exif_format.h"
#include "imaging/exif/exif_text.h"
#include "imaging/io/byte_source.h"
#include "imaging/jpeg/jpeg_format.h"
#include "imaging/photo_type.h"
#include "imaging/tiff/tiff_directory.h"
#include "imaging/tiff/tiff_format.h"

#include <cstring>
#include <optional>
#include <vector>

namespace kasumori::imaging {

namespace {

using namespace exif;

// One pass over one file: every read is checked against the source's size.
class ExifPass {
 public:
  ExifPass(ByteSource& source, ExifLayout& layout) : source_(source), layout_(layout) {}

  void Read(std::uint64_t offset, void* dest, std::size_t n) {
    if (!source_.ReadAt(offset, dest, n))
      throw EExifReadError("ReadPhotoInfo: Offset is Out of File");
  }

  std::optional<std::uint64_t> FindBase(PhotoType type) {
    if (type == PhotoType::Tiff) return 0;
    // Of the plug-ins' formats, only those whose Orientation entry turns the picture: the
    // panel and the date read the others through ReadContainerExif.
    if (type == PhotoType::Other) return FindContainerExif(source_);
    if (type != PhotoType::Jpeg) return std::nullopt;
    std::uint8_t lead[kJpegLeadBytes];
    Read(0, lead, sizeof lead);
    const bool app1 =
        lead[kApp1MarkerAt] == jpeg::kMarkerPrefix && lead[kApp1MarkerAt + 1] == jpeg::kApp1;
    if (!app1 || std::memcmp(lead + kExifIdAt, kExifId, kExifIdBytes) != 0) return std::nullopt;
    layout_.ExifLength = ReadU16(lead + kApp1LengthAt, ByteOrder::BigEndian);
    layout_.ExifOrientationEntryOffset = 0;
    layout_.ExifWidthEntryOffset = 0;
    layout_.ExifHeightEntryOffset = 0;
    return kJpegTiffBase;
  }

  void Run(std::uint64_t base, bool directoryFromHeader, PhotoInfo& info) {
    base_ = base;
    ReadByteOrder();
    ForEachEntry(FirstDirectory(directoryFromHeader),
                 [&](const tiff::IfdEntry& e, std::uint64_t at) {
                   FirstEntry(e, at, info);
                   return true;
                 });
    // The Exif directory is read once, after the first one, from the last pointer to it: a
    // directory of pointers to one large directory would otherwise cost 65535² reads.
    if (exifDirectory_)
      ForEachEntry(base_ + *exifDirectory_, [&](const tiff::IfdEntry& e, std::uint64_t at) {
        ExifEntry(e, at, info);
        return true;
      });
    info.CameraLbl = model_ + version_;
    info.CameraHint = info.CameraLbl;
    info.SatsueiLbl = aperture_ + shutter_ + iso_;
    if (!flash_.isEmpty()) {
      info.StrobeShown = true;
      info.StrobeLbl = flash_;
    }
    info.SatsueiLbl2 = bias_ + focal_ + sharpness_;
  }

  // Unlike the panel's fixed path, the date follows the header's offset to the first
  // directory: TIFF writers that put it after the picture still get their photos ordered.
  std::optional<ExifDateTime> DateTimeOriginal(std::uint64_t base) {
    base_ = base;
    ReadByteOrder();
    ForEachEntry(FirstDirectory(true), [&](const tiff::IfdEntry& e, std::uint64_t) {
      if (e.tag == kTagExifIfd && e.count == 1) exifDirectory_ = e.value;
      return true;
    });
    if (!exifDirectory_) return std::nullopt;
    std::optional<ExifDateTime> text;
    ForEachEntry(base_ + *exifDirectory_, [&](const tiff::IfdEntry& e, std::uint64_t) {
      ExifDateTime d;
      if (e.tag == kTagDateTimeOriginal && source_.ReadAt(base_ + e.value, d.data(), d.size())) {
        text = d;
      }
      return true;
    });
    return text;
  }

  // The first directory only, up to its Orientation entry: directories list their tags in
  // ascending order, so the walk ends at the first tag past it, after a handful of entries.
  std::uint16_t Orientation(std::uint64_t base) {
    base_ = base;
    ReadByteOrder();
    std::uint16_t orientation = 0;
    ForEachEntry(base + tiff::kFirstIfdAt, [&](const tiff::IfdEntry& e, std::uint64_t) {
      if (e.tag == kTagOrientation && e.type == kTypeShort && e.count == 1) {
        orientation = e.value16;
      }
      return e.tag < kTagOrientation;
    });
    return orientation;
  }

 private:
  // The panel looks for the first directory where cameras put it, 8 bytes into the TIFF
  // structure; the date key and the RAW formats follow the header's offset to it.
  std::uint64_t FirstDirectory(bool fromHeader) {
    if (!fromHeader) return base_ + tiff::kFirstIfdAt;
    std::uint8_t offsetBytes[4];
    Read(base_ + tiff::kFirstIfdOffsetAt, offsetBytes, sizeof offsetBytes);
    return base_ + ReadU32(offsetBytes, order_);
  }

  void ReadByteOrder() {
    std::uint8_t mark[tiff::kByteOrderBytes];
    Read(base_, mark, sizeof mark);
    order_ = tiff::OrderOfMark(mark);
    layout_.TiffLittleEndian = order_ == ByteOrder::LittleEndian;
  }

  // act(entry, its offset) returns false to end the walk early.
  template <typename Act>
  void ForEachEntry(std::uint64_t directory, Act act) {
    std::uint8_t countBytes[tiff::kEntryCountBytes];
    Read(directory, countBytes, sizeof countBytes);
    const std::uint16_t count = ReadU16(countBytes, order_);
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint64_t at =
          directory + tiff::kEntryCountBytes + std::uint64_t(tiff::kEntrySize) * i;
      tiff::IfdEntry e{};
      if (!tiff::ReadEntry(source_, at, order_, e))
        throw EExifReadError("ReadPhotoInfo: Offset is Out of File");
      if (!act(e, at)) return;
    }
  }

  // The file offset of an entry's type field, when the whole entry lies in the segment
  // that the save command copies; otherwise 0 (nothing to correct there).
  std::uint64_t EntryOffset(std::uint64_t entryAt) const {
    const std::uint64_t typeAt = entryAt + tiff::kEntryTypeAt;
    const std::uint64_t segmentEnd = std::uint64_t(layout_.ExifLength) + kSegmentLead;
    return typeAt + kEntryTailBytes <= segmentEnd ? typeAt : 0;
  }

  QString Text(const tiff::IfdEntry& e) {
    if (e.count <= kInlineTextMax) {
      std::uint8_t value[4];
      // The value field's bytes in file order, whatever the byte order says.
      const std::uint32_t v = e.value;
      for (int k = 0; k < 4; ++k)
        value[k] = order_ == ByteOrder::LittleEndian ? std::uint8_t(v >> (8 * k))
                                                     : std::uint8_t(v >> (8 * (3 - k)));
      return QString::fromLatin1(reinterpret_cast<const char*>(value), qsizetype(e.count));
    }
    const std::size_t n = e.count - 1;
    if (!source_.Holds(base_ + e.value, n))
      throw EExifReadError("ReadPhotoInfo: Offset is Out of File");
    std::vector<char> bytes(n);
    Read(base_ + e.value, bytes.data(), n);
    return QString::fromLatin1(bytes.data(), qsizetype(n));
  }

  std::pair<std::uint32_t, std::uint32_t> Rational(const tiff::IfdEntry& e) {
    std::uint8_t b[kRationalBytes];
    Read(base_ + e.value, b, sizeof b);
    return {ReadU32(b, order_), ReadU32(b + 4, order_)};
  }

  void FirstEntry(const tiff::IfdEntry& e, std::uint64_t at, PhotoInfo& info) {
    switch (e.tag) {
      case kTagModel:
        model_ = ModelText(Text(e));
        break;
      case kTagSoftware:
        version_ = VersionText(Text(e));
        break;
      case kTagMake:
        info.MakerLbl = "(" + MakerText(Text(e)) + ")";
        info.MakerHint = info.MakerLbl;
        break;
      case kTagOrientation:
        layout_.ExifOrientationEntryOffset = EntryOffset(at);
        break;
      case kTagExifIfd:
        if (e.count == 1) exifDirectory_ = e.value;
        break;
      default:
        break;
    }
  }

  void DateTime(const tiff::IfdEntry& e, PhotoInfo& info) {
    char d[kDateTimeBytes];
    Read(base_ + e.value, d, sizeof d);
    const QString s = QString::fromLatin1(d, kDateTimeBytes);
    info.NarrowFileName = true;
    info.HidukeLbl = s.mid(2, 2) + "/" + s.mid(5, 2) + "/" + s.mid(8, 2);
    info.TimeLbl = s.mid(11, 2) + ":" + s.mid(14, 2) + ":" + s.mid(17, 2);
  }

  void ExifEntry(const tiff::IfdEntry& e, std::uint64_t at, PhotoInfo& info) {
    switch (e.tag) {
      case kTagDateTimeOriginal:
        DateTime(e, info);
        break;
      case kTagFNumber: {
        const auto [n, d] = Rational(e);
        aperture_ = ApertureText(n, d);
        break;
      }
      case kTagExposureTime: {
        const auto [p, q] = Rational(e);
        if (p != 0 && q != 0) shutter_ = ExposureTimeText(p, q);
        break;
      }
      case kTagShutterSpeedValue: {
        if (!shutter_.isEmpty()) break;
        const auto [a, b] = Rational(e);
        shutter_ = ShutterSpeedText(std::int32_t(a), std::int32_t(b));
        break;
      }
      case kTagIsoSpeed:
        if (e.value16 != 0) iso_ = "ISO" + QString::number(e.value16);
        break;
      case kTagFlash:
        if (e.value16 & 1) flash_ = QString::fromUtf8(kStrobeText);
        break;
      case kTagExposureBias: {
        const auto [a, b] = Rational(e);
        bias_ = BiasText(std::int32_t(a), std::int32_t(b));
        break;
      }
      case kTagSharpness:
        sharpness_ = SharpnessText(e.value16);
        break;
      case kTagFocalLength: {
        const auto [n, d] = Rational(e);
        focal_ = FocalLengthText(n, d);
        break;
      }
      case kTagPixelXDimension:
        layout_.ExifWidthEntryOffset = EntryOffset(at);
        break;
      case kTagPixelYDimension:
        layout_.ExifHeightEntryOffset = EntryOffset(at);
        break;
      default:
        break;
    }
  }

  ByteSource& source_;
  ExifLayout& layout_;
  std::uint64_t base_ = 0;
  ByteOrder order_ = ByteOrder::BigEndian;
  std::optional<std::uint32_t> exifDirectory_;
  QString model_, version_, aperture_, shutter_, iso_, flash_, bias_, focal_, sharpness_;
};

}  // namespace

PhotoInfo ReadPhotoInfo(ByteSource& source, const QString& fileName, ExifLayout& layout) {
  layout.ExifLength = 0;
  PhotoInfo info;
  info.FileSizeLbl = FileSizeText(source.Size());
  const PhotoType type = PhotoTypeOf(fileName);
  if (type == PhotoType::Other) {
    if (std::optional<ContainerExif> exif = ReadContainerExif(source, IsTiffRawName(fileName))) {
      MemorySource copy(exif->copy);
      ExifPass(exif->copied ? copy : source, layout)
          .Run(exif->base, exif->directoryFromHeader, info);
    }
    return info;
  }
  ExifPass pass(source, layout);
  const std::optional<std::uint64_t> base = pass.FindBase(type);
  if (base) pass.Run(*base, false, info);
  return info;
}

int ReadExifOrientation(ByteSource& source, const QString& fileName) {
  ExifLayout scratch;
  ExifPass pass(source, scratch);
  try {
    const std::optional<std::uint64_t> base = pass.FindBase(PhotoTypeOf(fileName));
    if (!base) return 0;
    const std::uint16_t orientation = pass.Orientation(*base);
    return orientation >= kOrientationUpright && orientation <= kOrientationLeft ? orientation : 0;
  } catch (const ImagingError&) {
    return 0;  // a damaged header turns nothing; the display reports it on its own read
  }
}

std::optional<ExifDateTime> ReadExifDateTimeOriginal(ByteSource& source, const QString& fileName) {
  static_assert(std::tuple_size_v<ExifDateTime> == kDateTimeBytes);
  ExifLayout scratch;
  try {
    const PhotoType type = PhotoTypeOf(fileName);
    if (type == PhotoType::Other) {
      const std::optional<ContainerExif> exif = ReadContainerExif(source, IsTiffRawName(fileName));
      if (!exif) return std::nullopt;
      MemorySource copy(exif->copy);
      return ExifPass(exif->copied ? copy : source, scratch).DateTimeOriginal(exif->base);
    }
    const std::optional<std::uint64_t> base = ExifPass(source, scratch).FindBase(type);
    if (!base) return std::nullopt;
    const std::uint64_t end =
        type == PhotoType::Jpeg ? std::uint64_t(scratch.ExifLength) + kSegmentLead : source.Size();
    WindowSource segment(source, end);
    return ExifPass(segment, scratch).DateTimeOriginal(*base);
  } catch (const ImagingError&) {
    return std::nullopt;
  }
}

int ReadExifOrientation(const QString& path) {
  try {
    FileSource file(path);
    return ReadExifOrientation(file, path);
  } catch (const ImagingError&) {
    return 0;
  }
}

PhotoInfo ReadPhotoInfo(const QString& path, ExifLayout& layout) {
  try {
    FileSource file(path);
    return ReadPhotoInfo(file, path, layout);
  } catch (const ImagingError&) {
    layout.ExifLength = 0;
    throw;
  }
}

}  // namespace kasumori::imaging
