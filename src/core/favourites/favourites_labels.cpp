// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourites/favourites_labels.h"

#include "library/record_names.h"

#include <algorithm>

namespace kasumori::favourites {

namespace {

constexpr int kNameLabelMinWidth = 76;
constexpr int kNameLabelHeight = 15;
constexpr int kNameLabelRight = 78;  // from the cell's left
constexpr int kTypeLabelMaxChars = 12;
constexpr int kTypeCharWidth = 6;

// The width of the text in half-width cells, as the fixed-pitch font draws it: one for ASCII and
// half-width katakana, two for everything else.
int HalfWidthCells(const QString& text) {
  int cells = 0;
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    cells += (u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F)) ? 1 : 2;
  }
  return cells;
}

qsizetype ExtensionDot(const QString& name) { return name.lastIndexOf(u'.'); }

}  // namespace

QString NameLabelText(const QString& name) {
  const qsizetype dot = ExtensionDot(name);
  return dot < 0 ? name : name.left(dot);
}

QRect NameLabelRect(const QRect& cell, int textWidth) {
  const int width = std::max(textWidth + 5, kNameLabelMinWidth);
  const int left = std::max(0, cell.left() + kNameLabelRight - width);
  return QRect(left, cell.top() + 2, width, kNameLabelHeight);
}

QString TypeLabelText(const QString& name) {
  const qsizetype dot = ExtensionDot(name);
  if (dot < 0) return {};
  QString text = name.mid(dot);
  if (library::IsRecordName(name)) {
    const QString stem = name.left(dot);
    text = stem.mid(stem.lastIndexOf(u'_') + 1) + text;
  }
  return text.left(kTypeLabelMaxChars);
}

QRect TypeLabelRect(const QString& text) {
  const int n = HalfWidthCells(text);
  return QRect(75 - kTypeCharWidth * n, kTypeStrip.top(), kTypeCharWidth * n + 2,
               kTypeStrip.height());
}

QPoint TypeLabelTextOrigin(const QString& text) {
  return QPoint(76 - kTypeCharWidth * HalfWidthCells(text), 45);
}

}  // namespace kasumori::favourites
