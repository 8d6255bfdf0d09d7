// SPDX-License-Identifier: GPL-3.0-or-later
// Edit-record files as the tests need them: the 14 lines with CR LF ends, from plain values.
#pragma once

#include <QByteArray>
#include <QString>

namespace kasumori::testkit {

// Every line of a record, as text, so a test can also write what is not a number.
struct RecordLines {
  QByteArray Note = "KSM";  // line 1, which the program skips
  QByteArray Comment;
  QByteArray Rotation = "0";
  QByteArray ZoomFlag = "0";
  QByteArray Magnification = "1";
  QByteArray ZoomCentreX = "0";
  QByteArray ZoomCentreY = "0";
  QByteArray Brightness = "0";
  QByteArray Contrast = "256";
  QByteArray Sharpness = "0";
  QByteArray Effect = "0";
  QByteArray CommentStyle = "0";
  int LineCount = 14;  // fewer cuts the file short
};

QByteArray EditRecordFile(const RecordLines& lines);

// A record with no edits; the comment tells records apart in file-operation tests.
QByteArray PlainEditRecord(const QByteArray& comment);

// A record with numeric edits (magnification written with up to six significant digits).
QByteArray EditRecordWith(int rotation, bool zoom, double magnification, int centreX, int centreY,
                          int brightness, int contrast, int sharpness);

}  // namespace kasumori::testkit
