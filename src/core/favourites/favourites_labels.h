// SPDX-License-Identifier: GPL-3.0-or-later
// The labels the favourites window shows over the cell under the pointer: the favourite's name
// above it and its file type in the cell's bottom strip. Positions are in thumbnail-panel pixels
// for the name label and in cell pixels for the type label.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

namespace kasumori::favourites {

// The name label's text: the favourite's name without its extension.
QString NameLabelText(const QString& name);
// The label for a text of that many pixels, kept inside the panel's left edge; it grows to the
// left from the cell's right side so that a long name never covers the next cell.
QRect NameLabelRect(const QRect& cell, int textWidth);
inline constexpr QPoint kNameLabelTextOrigin{3, 2};

// The type label's text: the name's extension as written, or for an edit record
// (IMG_0012_jpg.ksm) the photo's extension with the record's ("jpg.ksm"); at most 12
// characters.
QString TypeLabelText(const QString& name);
// The cell rows the type label paints over, saved before and restored after.
inline constexpr QRect kTypeStrip{0, 44, 80, 13};
// The light-yellow box behind the type text, right-aligned in the strip: six pixels for each
// half-width character, a full-width one counting as two as in the file names' encoding.
QRect TypeLabelRect(const QString& text);
QPoint TypeLabelTextOrigin(const QString& text);

}  // namespace kasumori::favourites
