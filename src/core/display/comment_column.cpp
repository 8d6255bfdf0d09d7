// SPDX-License-Identifier: GPL-3.0-or-later
// Vertical writing: one character under the other, each in a cell as wide as "Ｗ" and as high
// as "Ｈ". Punctuation moves to the upper right of its cell and lines and brackets are turned,
// as they are in Japanese vertical text; only those go through a scratch picture.
#include "display/comment_glyphs.h"
#include "display/comment_overlay.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace kasumori::display {

namespace {

constexpr int kFirstRow = 2;

struct Cell {
  const QFont& font;
  int ascent;
  int width;   // cw
  int height;  // ch
};

QImage Scratch(int width, int height) {
  QImage scratch(width, height, QImage::Format_RGB32);
  scratch.fill(Qt::black);
  return scratch;
}

// Writes c with its cell's top-left at x, y.
void Write(QPainter& painter, const Cell& cell, char32_t c, int x, int y) {
  painter.drawText(x, y + cell.ascent, QString::fromUcs4(&c, 1));
}

void WriteOn(QImage& picture, const Cell& cell, char32_t c, int x, int y) {
  QPainter painter(&picture);
  painter.setFont(cell.font);
  painter.setPen(Qt::white);
  Write(painter, cell, c, x, y);
}

// Punctuation written half a cell up and well to the right, so that only its lower left part,
// where the glyph is, lands in the cell's upper right.
QImage UpperRight(const Cell& cell, char32_t c) {
  QImage scratch = Scratch(cell.width, cell.height);
  WriteOn(scratch, cell, c, cell.width / 2 + cell.width / 8, -(cell.height / 2));
  return scratch;
}

// The character turned a quarter clockwise: written into a square whose corner it shares, the
// square turned, and the cell cut out of the turned square where the character went.
// The character is written at the square's top even when the cell is taller than wide: the
// cut already starts ch − cw pixels in, and moving the character down as well would lose the
// lower part of its em square (a gothic whose line is taller than its em loses the foot of
// "」").
QImage QuarterTurned(const Cell& cell, char32_t c) {
  const int cw = cell.width;
  const int ch = cell.height;
  const int s = std::max(cw, ch);
  const int dx = cw >= ch ? cw - ch : 0;
  const int dy = cw >= ch ? 0 : ch - cw;
  QImage scratch = Scratch(s, s);
  WriteOn(scratch, cell, c, dx, 0);
  QImage mask(s, s, QImage::Format_RGB32);
  for (int y = 0; y < s; ++y) {
    auto* row = reinterpret_cast<QRgb*>(mask.scanLine(y));
    for (int x = 0; x < s; ++x) row[x] = scratch.pixel(y, s - 1 - x);
  }
  return mask.copy(dy, dx, cw, ch);
}

void DrawGlyph(QPainter& painter, const Cell& cell, char32_t c, int y) {
  switch (GroupOf(c)) {
    case GlyphGroup::FullPunctuation:
    case GlyphGroup::HalfPunctuation:
      painter.drawImage(0, y, UpperRight(cell, c));
      return;
    case GlyphGroup::FullBracket:
      painter.drawImage(-(cell.height / 16), y, QuarterTurned(cell, c));
      return;
    case GlyphGroup::HalfBracket:
      painter.drawImage(-(cell.height / 16), y + cell.height / 4, QuarterTurned(cell, c));
      return;
    case GlyphGroup::FullOther:
      Write(painter, cell, c, 0, y);
      return;
    case GlyphGroup::HalfOther:
      Write(painter, cell, c, cell.width / 4, y);
      return;
  }
}

}  // namespace

QImage RenderCommentColumn(const QString& text, int points, int paneHeight) {
  const QFont font = CommentFont(true, points);
  const QFontMetrics metrics(font);
  const Cell cell{font, metrics.ascent(), metrics.horizontalAdvance(QStringLiteral("Ｗ")),
                  metrics.height()};
  if (paneHeight <= 0 || cell.width <= 0 || cell.height <= 0) return {};
  QImage column = Scratch(cell.width, paneHeight);
  int y = kFirstRow;
  {
    QPainter painter(&column);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QList<uint> characters = text.toUcs4();
    for (qsizetype i = 0; i < characters.size() && i < kMaxCommentChars; ++i) {
      // Rows below the pane fall outside the picture and are dropped by the painter.
      if (y < paneHeight) DrawGlyph(painter, cell, char32_t(characters[i]), y);
      y += cell.height;
    }
  }
  // A column longer than its pane stops 4 pixels above the pane's bottom.
  if (paneHeight - 2 < y + 4) y = paneHeight - 6;
  const int height = y + 2;
  if (height <= 0) return {};
  return column.copy(0, 0, cell.width, height);
}

}  // namespace kasumori::display
