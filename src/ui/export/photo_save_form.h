// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/save_options.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace kasumori::ui {

// The save's options: JPEG with its quality step or BMP, the Exif carry-over and the
// upper-case suffix. Made afresh for each save from the settings' values; the caller reads
// Options() after "決定".
class TPhotoSaveForm final : public QDialog {
  Q_OBJECT

 public:
  TPhotoSaveForm(QWidget* owner, const exporting::SaveOptions& options);
  exporting::SaveOptions Options() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildJpegRow();
  void BuildBmpRow();
  void BuildChecks();
  void BuildButtons();
  void Show(const exporting::SaveOptions& options);
  // Every click in the form ends on "決定", so that Enter saves whatever was touched.
  void FocusKettei();

  QRadioButton* jpegBtn_;
  QSlider* jpegQBar_;
  QLabel* gashitsuLbl_;
  QRadioButton* bmpBtn_;
  QCheckBox* exifChk_;
  QCheckBox* upperChk_;
  QPushButton* ketteiBtn_;
  // Labels that act on a control when pressed: a radio button is chosen, a box toggled.
  QLabel* jpegLbl_;
  QLabel* bmpLbl_;
  QLabel* bmpLbl2_;
  QLabel* exifLbl_;
  QLabel* upperLbl_;
};

}  // namespace kasumori::ui
