// SPDX-License-Identifier: GPL-3.0-or-later
// The slot labels of the folder panel: a root path shortened to two label lines, and which slot
// a folder belongs to.
#pragma once

#include "config/settings.h"

#include <QString>

#include <array>
#include <functional>

namespace kasumori::library {

// The width in pixels of a text in the label font. Taken as a function so that the labels can
// be laid out without fonts.
using TextMeasure = std::function<int(const QString&)>;

// The user's folders that get friendly names at the start of a label ("" = no such folder).
struct FriendlyFolders {
  QString pictures;
  QString documents;
  QString desktop;
};

inline constexpr char kPicturesPrefix[] = "マイ ピクチャ";
inline constexpr char kDocumentsPrefix[] = "マイ ドキュメント";
inline constexpr char kDesktopPrefix[] = "デスクトップ";
inline constexpr char kNoFolderLabel[] = "（未設定）";
inline constexpr char kEllipsis[] = "…";
// Line 2 leaves this many pixels free at its end.
inline constexpr int kSecondLineMargin = 8;
// The labels are this much narrower than the folder panel.
inline constexpr int kLabelWidthMargin = 47;

struct LabelLines {
  QString line1;
  QString line2;
};

// The path with its friendly prefix, cut into a first line taken from the start and a second
// line taken from the end (led by "…" when characters in the middle had to go). An empty
// first line reads "（未設定）", an empty second line is one space.
LabelLines ShortenPath(const QString& path, int width, const TextMeasure& measure,
                       const FriendlyFolders& friendly);

// The folder window's one-line form of a path: line 1 at half the label width, then the first
// 18 characters of line 2.
QString OneLinePath(const QString& path, int labelWidth, const TextMeasure& measure,
                    const FriendlyFolders& friendly);

// The path with the first matching friendly prefix in place of its folder.
QString FriendlyPath(const QString& path, const FriendlyFolders& friendly);

// The first slot (1..3) whose root holds the path, 0 when none does. Letter case is ignored.
// The path must be the root itself or continue with "/" after it, so a root /photos does not
// claim /photos2.
int SlotOfFolder(const QString& path, const config::Settings& settings);

// What one slot's two labels show.
struct SlotLabel {
  QString line1;
  QString line2;
  bool lowered = false;  // the first label sits one pixel below its normal top
  QString toolTip;       // the full root
};

// The three slot labels for a folder panel of the given width (UpdateFolderLabels).
std::array<SlotLabel, 3> FolderLabels(const config::Settings& settings, int panelWidth,
                                      const TextMeasure& measure, const FriendlyFolders& friendly);

}  // namespace kasumori::library
