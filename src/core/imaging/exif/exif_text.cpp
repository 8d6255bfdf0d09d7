// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/exif/exif_text.h"

#include <cmath>

namespace kasumori::imaging::exif {

namespace {

double Ratio(double numerator, double denominator) {
  return denominator == 0 ? 0.0 : numerator / denominator;
}

void RemoveFirst(QString& text, const QString& part) {
  const qsizetype at = text.indexOf(part);
  if (at >= 0) text.remove(at, part.size());
}

// "Zoom" becomes "Z": the three letters after the Z go.
void ShortenZoom(QString& text, const QString& zoom) {
  const qsizetype at = text.indexOf(zoom);
  if (at >= 0) text.remove(at + 1, 3);
}

}  // namespace

QString NearestText(double x) {
  // Kept in floating point: an APEX value near 1000 gives 2^999, far beyond any integer type.
  return QString::number(std::trunc(x + 0.5), 'f', 0);
}

QString FixedText(double x) { return QString::number(x, 'f', 1).trimmed(); }

QString TrimRight(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && text[end - 1].unicode() <= u' ') --end;
  return text.left(end);
}

QString FileSizeText(std::uint64_t bytes) {
  const double k = std::trunc(double(bytes) / 1000.0 + 0.5);
  QString spaces;
  for (double limit : {1000.0, 100.0, 10.0})
    if (k < limit) spaces += ' ';
  return spaces + "[" + QString::number(k, 'f', 0) + "KB]";
}

QString ModelText(const QString& model) {
  QString text = model;
  if (text.startsWith("KODAK "))
    text.remove(0, 6);
  else if (text.startsWith("Konica "))
    text.remove(0, 7);
  ShortenZoom(text, "Zoom");
  ShortenZoom(text, "ZOOM");
  for (const char* part : {"DIGITAL CAMERA", "Digital Camera ", "Canon ", "PENTAX "})
    RemoveFirst(text, part);
  return TrimRight(text);
}

QString VersionText(const QString& software) {
  QString text = TrimRight(software);
  if (text.isEmpty()) return QString();
  const qsizetype ver = text.indexOf("Ver");
  if (ver >= 0) text = text.mid(ver + 3);
  if (text.startsWith('V')) text[0] = 'v';
  if (!text.startsWith('v')) text.prepend('v');
  return " [" + text + "]";
}

QString MakerText(const QString& maker) {
  static const char* const kBeginnings[] = {"OLYMPUS", "NIKON",         "EASTMAN KODAK", "SANYO",
                                            "Minolta", "Asahi Optical", "CASIO",         "Konica"};
  QString text = maker;
  for (const char* beginning : kBeginnings) {
    if (!text.startsWith(beginning)) continue;
    text = QString(beginning) == "EASTMAN KODAK" ? QString("KODAK") : QString(beginning);
  }
  return TrimRight(text);
}

QString ApertureText(std::uint32_t numerator, std::uint32_t denominator) {
  return "F" + FixedText(Ratio(numerator, denominator)) + " ";
}

QString ExposureTimeText(std::uint32_t p, std::uint32_t q) {
  if (p == 0 || q == 0) return QString();
  if (p < q) return "1/" + (p == 1 ? QString::number(q) : NearestText(double(q) / p)) + " ";
  return (q == 1 ? QString::number(p) : NearestText(double(p) / q)) + " ";
}

QString ShutterSpeedText(std::int32_t a, std::int32_t b) {
  if (b <= 0) return QString();
  const double v = double(a) / b;
  if (v >= 1000) return QString();
  const double t = std::pow(2.0, v);
  if (t > 1) return "1/" + NearestText(t) + " ";
  if (!(t > 0)) return QString();  // 2^v underflowed: no meaningful time
  return NearestText(1 / t) + " ";
}

QString BiasText(std::int32_t a, std::int32_t b) {
  const double x = Ratio(a, b);
  return "(" + QString(x > 0 ? "+" : "") + FixedText(x) + "EV) ";
}

QString FocalLengthText(std::uint32_t numerator, std::uint32_t denominator) {
  return FixedText(Ratio(numerator, denominator)) + "mm ";
}

QString SharpnessText(std::uint16_t value) {
  switch (value) {
    case 1:
      return "Soft";
    case 2:
      return "Hard";
    default:
      return QString();
  }
}

}  // namespace kasumori::imaging::exif
