// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/folders/path_label.h"

#include <QList>

#include <algorithm>

namespace kasumori::library {
namespace {

bool StartsWithFolder(const QString& path, const QString& folder) {
  // An unset special folder would otherwise match every path.
  return !folder.isEmpty() && path.startsWith(folder, Qt::CaseInsensitive);
}

QString FromCodePoint(char32_t c) { return QString::fromUcs4(&c, 1); }

}  // namespace

QString FriendlyPath(const QString& path, const FriendlyFolders& friendly) {
  if (StartsWithFolder(path, friendly.pictures)) {
    return QString::fromUtf8(kPicturesPrefix) + path.mid(friendly.pictures.size());
  }
  if (StartsWithFolder(path, friendly.documents)) {
    return QString::fromUtf8(kDocumentsPrefix) + path.mid(friendly.documents.size());
  }
  if (StartsWithFolder(path, friendly.desktop)) {
    return QString::fromUtf8(kDesktopPrefix) + path.mid(friendly.desktop.size());
  }
  return path;
}

LabelLines ShortenPath(const QString& path, int width, const TextMeasure& measure,
                       const FriendlyFolders& friendly) {
  // Characters are code points, so a line never ends inside a surrogate pair.
  const QList<uint> chars = FriendlyPath(path, friendly).toUcs4();
  LabelLines lines;
  qsizetype next = 0;
  while (next < chars.size()) {
    const QString longer = lines.line1 + FromCodePoint(chars[next]);
    if (measure(longer) > width) break;
    lines.line1 = longer;
    ++next;
  }
  const QString ellipsis = QString::fromUtf8(kEllipsis);
  for (qsizetype i = chars.size() - 1; i >= next; --i) {
    const QString c = FromCodePoint(chars[i]);
    if (measure(ellipsis + c + lines.line2) > width - kSecondLineMargin) {
      lines.line2 = ellipsis + lines.line2;
      break;
    }
    lines.line2 = c + lines.line2;
  }
  if (lines.line1.isEmpty()) lines.line1 = QString::fromUtf8(kNoFolderLabel);
  if (lines.line2.isEmpty()) lines.line2 = QStringLiteral(" ");
  return lines;
}

QString OneLinePath(const QString& path, int labelWidth, const TextMeasure& measure,
                    const FriendlyFolders& friendly) {
  const LabelLines lines = ShortenPath(path, labelWidth / 2, measure, friendly);
  constexpr qsizetype kSecondLineCharacters = 18;
  const QList<uint> tail = lines.line2.toUcs4();
  const qsizetype kept = std::min(kSecondLineCharacters, tail.size());
  return lines.line1 + QString::fromUcs4(reinterpret_cast<const char32_t*>(tail.data()), kept);
}

int SlotOfFolder(const QString& path, const config::Settings& settings) {
  for (int slot = 1; slot <= 3; ++slot) {
    const QString& root = settings.PhotoFolder(slot);
    if (root.isEmpty() || !path.startsWith(root, Qt::CaseInsensitive)) continue;
    if (path.size() == root.size() || root.endsWith('/') || path[root.size()] == '/') {
      return slot;
    }
  }
  return 0;
}

std::array<SlotLabel, 3> FolderLabels(const config::Settings& settings, int panelWidth,
                                      const TextMeasure& measure, const FriendlyFolders& friendly) {
  std::array<SlotLabel, 3> labels;
  for (int slot = 1; slot <= 3; ++slot) {
    const QString& root = settings.PhotoFolder(slot);
    const LabelLines lines = ShortenPath(root, panelWidth - kLabelWidthMargin, measure, friendly);
    SlotLabel& label = labels[std::size_t(slot - 1)];
    label.line1 = lines.line1;
    label.line2 = lines.line2;
    label.lowered = lines.line2 == QStringLiteral(" ");
    label.toolTip = root;
  }
  return labels;
}

}  // namespace kasumori::library
