// SPDX-License-Identifier: GPL-3.0-or-later
// The four choices of the save dialog, how they sit in the settings, and the names, titles and
// quality they lead to.
#pragma once

#include "config/settings.h"

#include <QString>

namespace kasumori::exporting {

enum class SaveFormat { Jpeg, Bmp };

inline constexpr int kMinQualityStep = 1;
inline constexpr int kMaxQualityStep = 10;

struct SaveOptions {
  SaveFormat format = SaveFormat::Jpeg;
  int qualityStep = 8;  // 1..10
  bool withExif = true;
  bool upperCaseExt = false;
  friend bool operator==(const SaveOptions&, const SaveOptions&) = default;
};

// "推奨設定": JPEG at step 8 with the Exif data, lower-case suffix.
inline constexpr SaveOptions kRecommendedOptions{};

// The settings' values; a format other than 2 (BMP) is JPEG and a step outside 1..10 is
// brought to the nearer end, as the track bar would show it.
SaveOptions SaveOptionsFrom(const config::Settings& settings);
// Writes the four values; true when the stored format was not one the dialog offers (it is
// then rewritten as JPEG and the caller saves the settings).
void StoreSaveOptions(const SaveOptions& options, config::Settings& settings);
bool NormaliseSaveFormat(config::Settings& settings);

// The libjpeg quality of a step: step × 5 + 50, 55 … 100.
int JpegQuality(int qualityStep);
// "画質" + the step + "→"; steps 1..9 as one full-width digit, 10 as "10".
QString QualityStepText(int qualityStep);

// "jpg", "JPG", "bmp" or "BMP".
QString DefaultExtension(const SaveOptions& options);
// "_s.jpg", "_S.JPG", "_s.bmp" or "_S.BMP".
QString SavedNameSuffix(const SaveOptions& options);
// The shown photo's name (an edit record's photo for a record) without its extension, with the
// suffix: IMG_0012.JPG → IMG_0012_s.jpg.
QString ProposedSaveName(const QString& shownName, const SaveOptions& options);
// The save dialog's title; `wholeZoom` when the whole zoomed picture is saved.
QString SaveDialogTitle(const SaveOptions& options, bool wholeZoom);

}  // namespace kasumori::exporting
