// SPDX-License-Identifier: GPL-3.0-or-later
// The edit-record file (".ksm"): 14 text lines beside a photo that describe one edited view of
// it. The program reads records, moves and deletes them, and never writes one.
#pragma once

#include "imaging/errors.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace kasumori::records {

// Line numbers of the record file, 1-based as a user editing one by hand counts them.
inline constexpr int kCommentLine = 2;
inline constexpr int kRotationLine = 3;
inline constexpr int kZoomFlagLine = 4;
inline constexpr int kMagnificationLine = 5;
inline constexpr int kFirstIntegerLine = 6;  // zoom centre x
inline constexpr int kLastIntegerLine = 12;  // comment style
inline constexpr int kRecordLineCount = 14;

inline constexpr int kMaxCommentChars = 255;
// A record is a handful of short lines; anything larger is not one and is not read whole.
inline constexpr qint64 kMaxRecordBytes = 64 * 1024;

// A record that cannot be shown. It belongs to the imaging error family on purpose: to the
// viewer a damaged record is a photo that cannot be read, reported by the same notice.
class RecordError : public imaging::ImagingError {
 public:
  using imaging::ImagingError::ImagingError;
};

struct EditRecord {
  QString Comment;           // at most kMaxCommentChars code points
  std::int8_t Rotation = 0;  // 0, 1 a quarter turn clockwise, 2 a half turn, -1 anticlockwise
  bool ZoomOn = false;       // only an exact "1" turns it on
  double Magnification = 1;  // > 0; 1 = the photo's width across the display area
  int ZoomCentreX = 0;       // in rotated photo pixels
  int ZoomCentreY = 0;
  int Brightness = 0;    // added to each channel
  int Contrast = 256;    // in 1/256
  int Sharpness = 0;     // 0 = the global setting
  int Effect = 0;        // 0 = the global setting
  int CommentStyle = 0;  // 0 = the default style
};

// Parses a record's bytes (UTF-8, or CP932 when they are not valid UTF-8). Lines 3 and 5 are
// read leniently (text that is no number counts as 0); lines 6 to 12 must be decimal integers
// and a magnification must be positive, otherwise RecordError. Lines 13 and 14 may be absent.
EditRecord ParseEditRecord(const QByteArray& bytes);

// Reads and parses the record at `path`. Throws RecordError when the file cannot be opened, is
// larger than kMaxRecordBytes, or does not parse.
EditRecord ReadEditRecord(const QString& path);

}  // namespace kasumori::records
