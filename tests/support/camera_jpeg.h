// SPDX-License-Identifier: GPL-3.0-or-later
// Writers for camera-like test photos: an Exif APP1 segment built tag by tag, and JPEG files
// with that segment first (or after a JFIF header, as some programs write them).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace kasumori::testkit {

// One IFD entry: its value bytes are given in the file's byte order by the helpers below.
struct ExifEntry {
  std::uint16_t tag;
  std::uint16_t type;  // 1 BYTE, 2 ASCII, 3 SHORT, 4 LONG, 5 RATIONAL, 7 UNDEFINED, 10 SRATIONAL
  std::uint32_t count;
  std::vector<std::uint32_t> values;  // numbers (rationals as numerator, denominator pairs)
  QByteArray bytes;                   // ASCII and UNDEFINED data
};

ExifEntry Ascii(std::uint16_t tag, const QByteArray& text);  // NUL added
ExifEntry Short(std::uint16_t tag, std::uint16_t value);
ExifEntry Long(std::uint16_t tag, std::uint32_t value);
ExifEntry Rational(std::uint16_t tag, std::uint32_t numerator, std::uint32_t denominator);
ExifEntry SRational(std::uint16_t tag, std::int32_t numerator, std::int32_t denominator);
ExifEntry Undefined(std::uint16_t tag, const QByteArray& data);

struct ExifFields {
  std::vector<ExifEntry> ifd0;  // the Exif IFD pointer is added when `exif` is not empty
  std::vector<ExifEntry> exif;
  bool bigEndian = false;
};

// A typical camera shot: the fields a camera writes for every photo.
struct CameraShot {
  QByteArray make = "KASUMORI";
  QByteArray model = "KS-100";
  QByteArray dateTimeOriginal = "2026:05:14 10:23:45";
  std::uint32_t fNumberTimes10 = 28;        // F2.8
  std::uint32_t exposureDenominator = 250;  // 1/250 s
  std::uint16_t iso = 100;
  std::uint16_t flash = 0;
  std::uint32_t focalLengthTimes10 = 56;  // 5.6 mm
  std::uint16_t orientation = 1;          // 6: a portrait the viewer turns a quarter right
  bool bigEndian = false;
};

ExifFields CameraExif(const CameraShot& shot);

// The TIFF structure of the entries: header, IFD0, its data, the Exif IFD and its data.
QByteArray BuildTiffExif(const ExifFields& fields);
// The APP1 payload: "Exif\0\0" and the TIFF structure.
QByteArray BuildExifPayload(const ExifFields& fields);

// A picture with gradients and shapes, so that photos differ and scaled views show structure.
QImage MakeTestPicture(int width, int height, int seed);

// The test picture with sensor-like noise of ± `noise` levels: it compresses, and so decodes,
// like a camera photo instead of a smooth gradient (± 24 gives about 3 bits per pixel at
// quality 90, as a 24-megapixel camera's photos have).
QImage MakeCameraLikePicture(int width, int height, int seed, int noise = 12);

struct JpegOptions {
  int quality = 85;
  bool jfifFirst = false;  // a JFIF APP0 before the Exif segment
  bool progressive = false;
};

// Encodes the picture as a JPEG with the APP1 payload (if not empty) among its first segments.
QByteArray EncodeJpeg(const QImage& picture, const QByteArray& app1Payload,
                      const JpegOptions& options = {});

// Writes a camera-like JPEG of the given size; false when the file cannot be written.
bool WriteCameraJpeg(const QString& path, int width, int height, const CameraShot& shot,
                     int seed = 0, const JpegOptions& options = {});

}  // namespace kasumori::testkit
