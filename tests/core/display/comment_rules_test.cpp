// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the comment strips that need no text: the style a record ends up with, the pane
// a strip belongs to, the size of its text and the groups of vertical writing.
#include <gtest/gtest.h>

#include "display/comment_glyphs.h"
#include "display/comment_overlay.h"

namespace kasumori::display {
namespace {

TEST(CommentStyleTest, TheRecordsOwnStyleOrTheDefault) {
  struct Case {
    int own, styleDefault;
    CommentStyle style;
  };
  for (const Case c : {Case{0, 1, CommentStyle::Bottom}, Case{0, -1, CommentStyle::Hidden},
                       Case{0, 4, CommentStyle::Right}, Case{0, 0, CommentStyle::Bottom},
                       Case{0, 9, CommentStyle::Bottom}, Case{-1, 1, CommentStyle::Hidden},
                       Case{2, -1, CommentStyle::Top}, Case{3, 1, CommentStyle::Left},
                       Case{4, 1, CommentStyle::Right}, Case{5, 4, CommentStyle::Bottom},
                       Case{-2, 3, CommentStyle::Bottom}}) {
    EXPECT_EQ(ResolveCommentStyle(c.own, c.styleDefault), c.style)
        << c.own << " " << c.styleDefault;
  }
}

TEST(CommentPaneTest, EachPanesRectangleOfTheWholeArea) {
  struct Case {
    PanoramaMode mode;
    int pane;
    int x, y, width, height;
  };
  // 801 × 601: the odd pixel column and row belong to no pane.
  for (const Case c :
       {Case{PanoramaMode::Single, 1, 0, 0, 801, 601}, Case{PanoramaMode::Two, 1, 0, 0, 400, 601},
        Case{PanoramaMode::Two, 2, 400, 0, 400, 601},
        Case{PanoramaMode::TwoReversed, 1, 400, 0, 400, 601},
        Case{PanoramaMode::TwoReversed, 2, 0, 0, 400, 601},
        Case{PanoramaMode::Four, 1, 0, 0, 400, 300}, Case{PanoramaMode::Four, 2, 400, 0, 400, 300},
        Case{PanoramaMode::Four, 3, 0, 300, 400, 300},
        Case{PanoramaMode::Four, 4, 400, 300, 400, 300}}) {
    const CommentPane pane = CommentPaneRect(c.mode, c.pane, QSize(801, 601));
    EXPECT_EQ(pane.x, c.x) << int(c.mode) << " pane " << c.pane;
    EXPECT_EQ(pane.y, c.y) << int(c.mode) << " pane " << c.pane;
    EXPECT_EQ(pane.width, c.width) << int(c.mode) << " pane " << c.pane;
    EXPECT_EQ(pane.height, c.height) << int(c.mode) << " pane " << c.pane;
  }
}

TEST(CommentPaneTest, PanesNarrowerThan800GetTheSmallerText) {
  EXPECT_EQ(CommentFontSize(0), 14);
  EXPECT_EQ(CommentFontSize(799), 14);
  EXPECT_EQ(CommentFontSize(800), 16);
  EXPECT_EQ(CommentFontSize(1920), 16);
}

TEST(CommentGlyphTest, EachCharacterFallsIntoItsGroup) {
  struct Case {
    char32_t c;
    GlyphGroup group;
  };
  for (const Case c :
       {Case{U'。', GlyphGroup::FullPunctuation}, Case{U'、', GlyphGroup::FullPunctuation},
        Case{U'．', GlyphGroup::FullPunctuation}, Case{U'ー', GlyphGroup::FullBracket},
        Case{U'－', GlyphGroup::FullBracket},     Case{U'「', GlyphGroup::FullBracket},
        Case{U'》', GlyphGroup::FullBracket},     Case{U'＞', GlyphGroup::FullBracket},
        Case{U'あ', GlyphGroup::FullOther},       Case{U'Ｗ', GlyphGroup::FullOther},
        Case{U'〜', GlyphGroup::FullOther},       Case{U'｡', GlyphGroup::HalfPunctuation},
        Case{U'.', GlyphGroup::HalfPunctuation},  Case{U'ｰ', GlyphGroup::HalfBracket},
        Case{U'-', GlyphGroup::HalfBracket},      Case{U'>', GlyphGroup::HalfBracket},
        Case{U'A', GlyphGroup::HalfOther},        Case{U'ｱ', GlyphGroup::HalfOther},
        Case{U'ﾟ', GlyphGroup::HalfOther},        Case{U'\u00E9', GlyphGroup::FullOther}}) {
    EXPECT_EQ(GroupOf(c.c), c.group) << std::uint32_t(c.c);
  }
}

}  // namespace
}  // namespace kasumori::display
