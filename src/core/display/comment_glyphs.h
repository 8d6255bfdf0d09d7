// SPDX-License-Identifier: GPL-3.0-or-later
// How a character of a vertical comment is set in its cell.
#pragma once

namespace kasumori::display {

// Full-width characters fill the cell; half-width ones take half of it. Punctuation sits in the
// upper right of the cell, lines and brackets are turned a quarter clockwise so that they run
// along the column, everything else stands upright.
enum class GlyphGroup {
  FullPunctuation,  // 。、，．
  FullBracket,      // ー－「」『』［］【】（）〔〕｛｝〈〉《》＜＞
  FullOther,
  HalfPunctuation,  // ｡､,.
  HalfBracket,      // ｰ-｢｣[](){}<>
  HalfOther,
};

GlyphGroup GroupOf(char32_t c);

// Single-byte in the Japanese code page the comments were written in: ASCII and the half-width
// katakana block.
bool IsHalfWidth(char32_t c);

}  // namespace kasumori::display
