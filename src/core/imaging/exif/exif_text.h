// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the information panel: number formats and the normalisations of camera
// model, firmware and maker names.
#pragma once

#include <QString>

#include <cstdint>

namespace kasumori::imaging::exif {

// Nearest integer as this program rounds: x + 0.5 truncated toward zero, written in full.
QString NearestText(double x);
// One decimal, at least two characters, spaces trimmed: 2.8 → "2.8", 0 → "0.0".
QString FixedText(double x);
// Removes trailing spaces and control characters.
QString TrimRight(const QString& text);

// Size in units of 1000 bytes, padded to four places with leading spaces: " [999KB]".
QString FileSizeText(std::uint64_t bytes);

QString ModelText(const QString& model);       // "DC-4800 Zoom" → "DC-4800 Z"
QString VersionText(const QString& software);  // "Ver1.00" → " [v1.00]"; empty stays empty
QString MakerText(const QString& maker);       // "NIKON CORPORATION" → "NIKON"

QString ApertureText(std::uint32_t numerator, std::uint32_t denominator);     // "F2.8 "
QString ExposureTimeText(std::uint32_t p, std::uint32_t q);                   // "1/250 ", "10 "
QString ShutterSpeedText(std::int32_t a, std::int32_t b);                     // APEX value: "1/64 "
QString BiasText(std::int32_t a, std::int32_t b);                             // "(+0.3EV) "
QString FocalLengthText(std::uint32_t numerator, std::uint32_t denominator);  // "5.6mm "
QString SharpnessText(std::uint16_t value);                                   // "Soft", "Hard", ""

}  // namespace kasumori::imaging::exif
