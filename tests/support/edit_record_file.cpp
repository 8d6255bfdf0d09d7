// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/edit_record_file.h"

namespace kasumori::testkit {

QByteArray EditRecordFile(const RecordLines& l) {
  const QByteArray all[] = {
      l.Note,        l.Comment,      l.Rotation,   l.ZoomFlag, l.Magnification,
      l.ZoomCentreX, l.ZoomCentreY,  l.Brightness, l.Contrast, l.Sharpness,
      l.Effect,      l.CommentStyle, "",           ""};
  QByteArray bytes;
  for (int i = 0; i < l.LineCount && i < int(std::size(all)); ++i) bytes += all[i] + "\r\n";
  return bytes;
}

QByteArray PlainEditRecord(const QByteArray& comment) {
  RecordLines lines;
  lines.Comment = comment;
  return EditRecordFile(lines);
}

QByteArray EditRecordWith(int rotation, bool zoom, double magnification, int centreX, int centreY,
                          int brightness, int contrast, int sharpness) {
  RecordLines l;
  l.Comment = "c";
  l.Rotation = QByteArray::number(rotation);
  l.ZoomFlag = zoom ? "1" : "0";
  l.Magnification = QByteArray::number(magnification);
  l.ZoomCentreX = QByteArray::number(centreX);
  l.ZoomCentreY = QByteArray::number(centreY);
  l.Brightness = QByteArray::number(brightness);
  l.Contrast = QByteArray::number(contrast);
  l.Sharpness = QByteArray::number(sharpness);
  return EditRecordFile(l);
}

}  // namespace kasumori::testkit
