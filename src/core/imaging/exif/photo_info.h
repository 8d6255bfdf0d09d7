// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the photo information panel `ExifPnl`, as a plain record the main window
// shows, and where the Exif segment lies for the save command.
#pragma once

#include <QString>

#include <cstdint>

namespace kasumori::imaging {

// The panel: 211 × 117 pixels, green, white label text.
inline constexpr int kExifPanelWidth = 211;
inline constexpr int kExifPanelHeight = 117;
// With a shooting date shown, `FileNameLbl` is this much narrower than the panel.
inline constexpr int kFileNameLblNarrowing = 68;

struct LabelFont {
  const char* family;  // the UI maps these families to the installed gothic fonts
  int pixelSize;
  bool bold;
};

inline constexpr LabelFont kGothic12 = {"ＭＳ ゴシック", 12, false};
inline constexpr LabelFont kGothic12Bold = {"ＭＳ ゴシック", 12, true};
inline constexpr LabelFont kPGothic12Bold = {"ＭＳ Ｐゴシック", 12, true};

inline constexpr LabelFont kFileSizeLblFont = kGothic12;
inline constexpr LabelFont kHidukeLblFont = kGothic12Bold;
inline constexpr LabelFont kTimeLblFont = kGothic12;
inline constexpr LabelFont kCameraLblFont = kPGothic12Bold;
inline constexpr LabelFont kMakerLblFont = kPGothic12Bold;
inline constexpr LabelFont kSatsueiLblFont = kGothic12;
inline constexpr LabelFont kStrobeLblFont = kGothic12;
inline constexpr LabelFont kSatsueiLbl2Font = kGothic12;

inline constexpr char kStrobeText[] = "★";

struct PhotoInfo {
  QString FileSizeLbl;
  QString HidukeLbl;  // YY/MM/DD
  QString TimeLbl;    // hh:mm:ss
  QString CameraLbl;  // model and firmware version
  QString CameraHint;
  QString MakerLbl;  // "(" maker ")"
  QString MakerHint;
  QString SatsueiLbl;   // aperture, shutter time, ISO
  QString StrobeLbl;    // "★" when the flash fired
  QString SatsueiLbl2;  // exposure compensation, focal length, sharpness

  // A shooting date was shown: `FileNameLbl` width = panel width − 68.
  bool NarrowFileName = false;
  // The flash fired: `SatsueiLbl` is 1 pixel narrower and `StrobeLbl` sits at its right.
  bool StrobeShown = false;

  // `FileSizeLbl` right-aligned 1 pixel inside the panel's right edge.
  static int FileSizeLeft(int labelWidth) { return kExifPanelWidth - labelWidth - 1; }
  static int FileNameWidth() { return kExifPanelWidth - kFileNameLblNarrowing; }
};

// Where the Exif segment and three of its entries lie in the file, for the save command.
// `ExifLength` is reset by every read; the three offsets only by a JPEG with an Exif segment,
// and are used only while `ExifLength` is not 0. Each offset is the file offset of an entry's
// type field, and is recorded only when the entry lies inside the segment.
struct ExifLayout {
  std::uint32_t ExifLength = 0;  // the APP1 length field; file bytes 0 .. ExifLength + 3
  std::uint64_t ExifOrientationEntryOffset = 0;
  std::uint64_t ExifWidthEntryOffset = 0;
  std::uint64_t ExifHeightEntryOffset = 0;
  bool TiffLittleEndian = false;  // the byte order of the structure last read
};

}  // namespace kasumori::imaging
