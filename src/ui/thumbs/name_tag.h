// SPDX-License-Identifier: GPL-3.0-or-later
// The name tag that hovers over a thumbnail cell: the photo's name above the cell and its file
// type in a band at the cell's bottom edge.
#pragma once

#include <QImage>
#include <QString>

class QLabel;
class QWidget;

namespace kasumori::ui {

class ViewImage;

class NameTag {
 public:
  // The tag lives on `parent` (the strip panel, the wide window's or the favourites window's).
  explicit NameTag(QWidget* parent, const char* objectName = "NameImg");

  // Shows the tag for the photo `name` on the cell; its left edge stays at `minLeft` or right.
  void Show(ViewImage& cell, const QString& name, int minLeft);
  // Shows the texts as they are: the label above the cell and the type in its bottom band,
  // whose light-yellow box ends at column typeRight.
  void ShowTexts(ViewImage& cell, const QString& label, const QString& type, int minLeft,
                 int typeRight);
  // Takes the tag away and gives the cell its band back.
  void Hide();
  // Takes the tag away when the cell is about to be redrawn: its saved band belongs to the
  // photo the cell showed before and must not be painted over the next one.
  void Forget();
  QLabel* Label() const { return label_; }

 private:
  QLabel* label_;
  ViewImage* cell_ = nullptr;
  QImage savedBand_;
};

}  // namespace kasumori::ui
