// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/camera_jpeg.h"

#include <QFile>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include <jpeglib.h>

namespace kasumori::testkit {

namespace {

constexpr std::uint16_t kExifIfdPointer = 0x8769;

class ByteWriter {
 public:
  explicit ByteWriter(bool bigEndian) : big_(bigEndian) {}
  void U16(std::uint32_t v) { Put(v, 2); }
  void U32(std::uint32_t v) { Put(v, 4); }
  void Raw(const QByteArray& b) { out_ += b; }
  void PadTo(qsizetype size) {
    while (out_.size() < size) out_ += '\0';
  }
  qsizetype Size() const { return out_.size(); }
  const QByteArray& Bytes() const { return out_; }
  void PatchU32(qsizetype at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
      int shift = big_ ? (3 - i) * 8 : i * 8;
      out_[at + i] = char((v >> shift) & 0xFF);
    }
  }

 private:
  void Put(std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) {
      int shift = big_ ? (n - 1 - i) * 8 : i * 8;
      out_ += char((v >> shift) & 0xFF);
    }
  }
  bool big_;
  QByteArray out_;
};

QByteArray ValueBytes(const ExifEntry& e, bool big) {
  if (e.type == 2 || e.type == 7 || e.type == 1) return e.bytes;
  ByteWriter w(big);
  for (std::uint32_t v : e.values) (e.type == 3) ? w.U16(v) : w.U32(v);
  return w.Bytes();
}

// Writes one IFD at the writer's current end; returns the offset of its "next IFD" field.
qsizetype WriteIfd(ByteWriter& w, bool big, const std::vector<ExifEntry>& entries,
                   qsizetype* exifPointerValueAt) {
  const qsizetype start = w.Size();
  qsizetype dataAt = start + 2 + qsizetype(entries.size()) * 12 + 4;
  std::vector<QByteArray> outOfLine;
  w.U16(std::uint32_t(entries.size()));
  for (const ExifEntry& e : entries) {
    QByteArray ordered = ValueBytes(e, big);
    w.U16(e.tag);
    w.U16(e.type);
    w.U32(e.count);
    if (e.tag == kExifIfdPointer && exifPointerValueAt) *exifPointerValueAt = w.Size();
    if (ordered.size() <= 4) {
      ordered.append(QByteArray(4 - ordered.size(), '\0'));
      w.Raw(ordered);
    } else {
      w.U32(std::uint32_t(dataAt));
      outOfLine.push_back(ordered);
      dataAt += ordered.size() + (ordered.size() & 1);
    }
  }
  const qsizetype nextAt = w.Size();
  w.U32(0);
  for (const QByteArray& data : outOfLine) {
    w.Raw(data);
    if (data.size() & 1) w.Raw(QByteArray(1, '\0'));
  }
  return nextAt;
}

ExifEntry Numbers(std::uint16_t tag, std::uint16_t type, std::vector<std::uint32_t> values) {
  std::uint32_t count =
      (type == 5 || type == 10) ? std::uint32_t(values.size() / 2) : std::uint32_t(values.size());
  return ExifEntry{tag, type, count, std::move(values), {}};
}

}  // namespace

ExifEntry Ascii(std::uint16_t tag, const QByteArray& text) {
  QByteArray bytes = text + '\0';
  return ExifEntry{tag, 2, std::uint32_t(bytes.size()), {}, bytes};
}
ExifEntry Short(std::uint16_t tag, std::uint16_t value) { return Numbers(tag, 3, {value}); }
ExifEntry Long(std::uint16_t tag, std::uint32_t value) { return Numbers(tag, 4, {value}); }
ExifEntry Rational(std::uint16_t tag, std::uint32_t numerator, std::uint32_t denominator) {
  return Numbers(tag, 5, {numerator, denominator});
}
ExifEntry SRational(std::uint16_t tag, std::int32_t numerator, std::int32_t denominator) {
  return Numbers(tag, 10, {std::uint32_t(numerator), std::uint32_t(denominator)});
}
ExifEntry Undefined(std::uint16_t tag, const QByteArray& data) {
  return ExifEntry{tag, 7, std::uint32_t(data.size()), {}, data};
}

ExifFields CameraExif(const CameraShot& shot) {
  ExifFields fields;
  fields.bigEndian = shot.bigEndian;
  fields.ifd0 = {Ascii(0x010F, shot.make), Ascii(0x0110, shot.model),
                 Short(0x0112, shot.orientation)};
  fields.exif = {
      Rational(0x829A, 1, shot.exposureDenominator),
      Rational(0x829D, shot.fNumberTimes10, 10),
      Short(0x8827, shot.iso),
      Ascii(0x9003, shot.dateTimeOriginal),
      Short(0x9209, shot.flash),
      Rational(0x920A, shot.focalLengthTimes10, 10),
  };
  return fields;
}

QByteArray BuildTiffExif(const ExifFields& fields) {
  ByteWriter w(fields.bigEndian);
  w.Raw(fields.bigEndian ? QByteArray("MM") : QByteArray("II"));
  w.U16(42);
  w.U32(8);
  std::vector<ExifEntry> ifd0 = fields.ifd0;
  if (!fields.exif.empty()) ifd0.push_back(Long(kExifIfdPointer, 0));
  qsizetype pointerAt = -1;
  WriteIfd(w, fields.bigEndian, ifd0, &pointerAt);
  if (!fields.exif.empty()) {
    w.PadTo(w.Size() + (w.Size() & 1));
    w.PatchU32(pointerAt, std::uint32_t(w.Size()));
    WriteIfd(w, fields.bigEndian, fields.exif, nullptr);
  }
  return w.Bytes();
}

QByteArray BuildExifPayload(const ExifFields& fields) {
  return QByteArray("Exif\0\0", 6) + BuildTiffExif(fields);
}

QImage MakeTestPicture(int width, int height, int seed) {
  QImage picture(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y) {
    uchar* row = picture.scanLine(y);
    for (int x = 0; x < width; ++x) {
      row[3 * x + 0] = uchar((x * 255 / std::max(1, width - 1) + seed * 40) & 0xFF);
      row[3 * x + 1] = uchar(y * 255 / std::max(1, height - 1));
      row[3 * x + 2] = uchar(((x + y) / 4 + seed * 90) & 0xFF);
    }
  }
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 160));
  const int r = std::min(width, height) / 4;
  painter.drawEllipse(QPoint(width / 3, height / 2), r, r);
  painter.setBrush(QColor(20, 20, 60, 200));
  painter.drawRect(width * 3 / 5, height / 5, width / 4, height / 3);
  return picture;
}

QImage MakeCameraLikePicture(int width, int height, int seed, int noise) {
  QImage picture = MakeTestPicture(width, height, seed);
  std::uint32_t state = 2463534242u + std::uint32_t(seed);
  for (int y = 0; y < height; ++y) {
    uchar* row = picture.scanLine(y);
    for (int i = 0; i < width * 3; ++i) {
      state ^= state << 13, state ^= state >> 17, state ^= state << 5;
      row[i] =
          uchar(std::clamp(int(row[i]) + int(state % unsigned(2 * noise + 1)) - noise, 0, 255));
    }
  }
  return picture;
}

namespace {
[[noreturn]] void ThrowJpegError(j_common_ptr cinfo) {
  char message[JMSG_LENGTH_MAX];
  (*cinfo->err->format_message)(cinfo, message);
  throw std::runtime_error(message);
}
}  // namespace

QByteArray EncodeJpeg(const QImage& source, const QByteArray& app1Payload,
                      const JpegOptions& options) {
  QImage picture = source.convertToFormat(QImage::Format_RGB888);
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jerr.error_exit = ThrowJpegError;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_create_compress(&cinfo);
  try {
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(picture.width());
    cinfo.image_height = JDIMENSION(picture.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, options.quality, TRUE);
    if (options.progressive) jpeg_simple_progression(&cinfo);
    cinfo.write_JFIF_header = options.jfifFirst ? TRUE : FALSE;
    jpeg_start_compress(&cinfo, TRUE);
    if (!app1Payload.isEmpty()) {
      jpeg_write_marker(&cinfo, JPEG_APP0 + 1,
                        reinterpret_cast<const JOCTET*>(app1Payload.constData()),
                        unsigned(app1Payload.size()));
    }
    while (cinfo.next_scanline < cinfo.image_height) {
      JSAMPROW row = const_cast<JSAMPROW>(picture.constScanLine(int(cinfo.next_scanline)));
      jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
  } catch (...) {
    jpeg_destroy_compress(&cinfo);
    free(buffer);
    throw;
  }
  jpeg_destroy_compress(&cinfo);
  QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
  free(buffer);
  return bytes;
}

bool WriteCameraJpeg(const QString& path, int width, int height, const CameraShot& shot, int seed,
                     const JpegOptions& options) {
  QByteArray jpeg =
      EncodeJpeg(MakeTestPicture(width, height, seed), BuildExifPayload(CameraExif(shot)), options);
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(jpeg) == jpeg.size();
}

}  // namespace kasumori::testkit
