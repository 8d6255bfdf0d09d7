// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/edit_record.h"

#include "config/text_file.h"

#include <QFile>

#include <cmath>

namespace kasumori::records {

namespace {

// An optional sign and decimal digits, nothing else but surrounding blanks: "0x10", "1e3" and
// "12.0" are not integers in a record.
bool IsDecimalInteger(const QString& text) {
  qsizetype i = 0;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i) {
    if (text[i] < u'0' || text[i] > u'9') return false;
  }
  return true;
}

int StrictInt(const QStringList& lines, int number) {
  if (number > lines.size()) {
    throw RecordError("Edit record ends before line " + std::to_string(number));
  }
  const QString text = lines[number - 1].trimmed();
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!IsDecimalInteger(text) || !ok) {
    throw RecordError("'" + text.toStdString() + "' is not a valid integer value");
  }
  return value;
}

// Lines 3 and 5 are read "without raising an error": whatever is no number counts as 0.
int LenientInt(const QString& line) {
  bool ok = false;
  const int value = line.trimmed().toInt(&ok);
  return ok ? value : 0;
}

double LenientReal(const QString& line) {
  bool ok = false;
  const double value = line.trimmed().toDouble(&ok);
  return ok && std::isfinite(value) ? value : 0.0;
}

// The first `count` code points, never cutting a surrogate pair.
QString FirstCodePoints(const QString& text, int count) {
  qsizetype end = 0;
  for (int n = 0; n < count && end < text.size(); ++n) {
    end += (text[end].isHighSurrogate() && end + 1 < text.size()) ? 2 : 1;
  }
  return text.left(end);
}

}  // namespace

EditRecord ParseEditRecord(const QByteArray& bytes) {
  const QStringList lines = config::SplitLines(config::DecodeText(bytes));
  const auto line = [&](int number) {
    return number <= lines.size() ? lines[number - 1] : QString();
  };
  EditRecord record;
  record.Comment = FirstCodePoints(line(kCommentLine), kMaxCommentChars);
  record.Rotation = static_cast<std::int8_t>(LenientInt(line(kRotationLine)));
  record.ZoomOn = line(kZoomFlagLine) == QStringLiteral("1");
  record.Magnification = LenientReal(line(kMagnificationLine));
  int* const integers[] = {&record.ZoomCentreX, &record.ZoomCentreY, &record.Brightness,
                           &record.Contrast,    &record.Sharpness,   &record.Effect,
                           &record.CommentStyle};
  int number = kFirstIntegerLine;
  for (int* field : integers) *field = StrictInt(lines, number++);
  // The zoom scale divides by the magnification, also when zoom is off.
  if (!(record.Magnification > 0)) throw RecordError("Floating point division by zero");
  return record;
}

EditRecord ReadEditRecord(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw RecordError("Cannot open file \"" + path.toStdString() + "\"");
  }
  if (file.size() > kMaxRecordBytes) {
    throw RecordError("Edit record is too large: \"" + path.toStdString() + "\"");
  }
  return ParseEditRecord(file.read(kMaxRecordBytes));
}

}  // namespace kasumori::records
