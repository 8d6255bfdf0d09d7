// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbs/thumbnail_edits.h"

#include <cmath>
#include <cstdint>

#include "config/text_file.h"

namespace kasumori::thumbs {

namespace {

constexpr int kRecordLinesRead = 11;
constexpr int kLowestMenuSharpness = 8;

std::optional<int> StrictInt(const QString& line) {
  bool ok = false;
  const int value = line.trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  return value;
}

// Read "without raising an error": text that is no number counts as 0.
int LenientInt(const QString& line) { return StrictInt(line).value_or(0); }

double LenientReal(const QString& line) {
  bool ok = false;
  const double value = line.trimmed().toDouble(&ok);
  return ok ? value : 0.0;
}

}  // namespace

std::optional<ThumbnailEdits> ReadThumbnailEdits(const QString& recordPath) {
  const std::optional<QStringList> lines = config::ReadTextLines(recordPath);
  if (!lines || lines->size() < kRecordLinesRead) return std::nullopt;
  const auto line = [&](int number) { return lines->at(number - 1); };
  ThumbnailEdits edits;
  edits.rotation = static_cast<std::int8_t>(LenientInt(line(3)));
  edits.zoomed = line(4) == QStringLiteral("1");
  edits.zoomFactor = LenientReal(line(5));
  int numbers[6];
  for (int i = 0; i < 6; ++i) {
    const std::optional<int> value = StrictInt(line(6 + i));
    if (!value) return std::nullopt;
    numbers[i] = *value;
  }
  edits.zoomCentreX = numbers[0];
  edits.zoomCentreY = numbers[1];
  edits.brightness = numbers[2];
  edits.contrast = numbers[3];
  edits.sharpness = numbers[4];
  if (edits.sharpness >= 1 && edits.sharpness < kLowestMenuSharpness) {
    edits.sharpness = kLowestMenuSharpness;
  }
  if (edits.zoomed && !(std::isfinite(edits.zoomFactor) && edits.zoomFactor > 0)) {
    return std::nullopt;
  }
  return edits;
}

}  // namespace kasumori::thumbs
