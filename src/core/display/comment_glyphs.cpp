// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/comment_glyphs.h"

#include <string_view>

namespace kasumori::display {

namespace {

constexpr std::u32string_view kFullPunctuation = U"。、，．";
constexpr std::u32string_view kFullBrackets = U"ー－「」『』［］【】（）〔〕｛｝〈〉《》＜＞";
constexpr std::u32string_view kHalfPunctuation = U"｡､,.";
constexpr std::u32string_view kHalfBrackets = U"ｰ-｢｣[](){}<>";

bool In(std::u32string_view set, char32_t c) { return set.find(c) != std::u32string_view::npos; }

}  // namespace

bool IsHalfWidth(char32_t c) { return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F); }

GlyphGroup GroupOf(char32_t c) {
  if (IsHalfWidth(c)) {
    if (In(kHalfPunctuation, c)) return GlyphGroup::HalfPunctuation;
    if (In(kHalfBrackets, c)) return GlyphGroup::HalfBracket;
    return GlyphGroup::HalfOther;
  }
  if (In(kFullPunctuation, c)) return GlyphGroup::FullPunctuation;
  if (In(kFullBrackets, c)) return GlyphGroup::FullBracket;
  return GlyphGroup::FullOther;
}

}  // namespace kasumori::display
