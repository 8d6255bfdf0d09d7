// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/info_panel.h"

#include "ui/shell/fonts.h"
#include "ui/shell/kasumori_style.h"
#include "ui/shell/main_panels.h"

#include <QLabel>

#include <cstring>

namespace kasumori::ui {

namespace {

QFont FontOf(const imaging::LabelFont& font) {
  const bool proportional = std::strcmp(font.family, "ＭＳ Ｐゴシック") == 0;
  return proportional ? ProportionalGothic(font.pixelSize, font.bold)
                      : MonospacedGothic(font.pixelSize, font.bold);
}

void Show(QLabel* label, const QString& text, const imaging::LabelFont& font) {
  label->setFont(FontOf(font));
  label->setText(text);
}

}  // namespace

void ClearInfoLabels(MainPanels& p) {
  for (QLabel* label : {p.hidukeLbl, p.timeLbl, p.cameraLbl, p.makerLbl, p.satsueiLbl, p.strobeLbl,
                        p.satsueiLbl2, p.extNameLbl, p.fileSizeLbl}) {
    label->clear();
  }
  SetHint(p.cameraLbl, QString());
  SetHint(p.makerLbl, QString());
}

void ShowPhotoInfo(MainPanels& p, const imaging::PhotoInfo& info) {
  const int panelWidth = p.exifPnl->width();
  Show(p.fileSizeLbl, info.FileSizeLbl, imaging::kFileSizeLblFont);
  p.fileSizeLbl->adjustSize();
  p.fileSizeLbl->move(panelWidth - p.fileSizeLbl->width() - 1, p.fileSizeLbl->y());
  Show(p.hidukeLbl, info.HidukeLbl, imaging::kHidukeLblFont);
  Show(p.timeLbl, info.TimeLbl, imaging::kTimeLblFont);
  Show(p.cameraLbl, info.CameraLbl, imaging::kCameraLblFont);
  SetHint(p.cameraLbl, info.CameraHint);
  Show(p.makerLbl, info.MakerLbl, imaging::kMakerLblFont);
  SetHint(p.makerLbl, info.MakerHint);
  Show(p.satsueiLbl, info.SatsueiLbl, imaging::kSatsueiLblFont);
  Show(p.strobeLbl, info.StrobeLbl, imaging::kStrobeLblFont);
  Show(p.satsueiLbl2, info.SatsueiLbl2, imaging::kSatsueiLbl2Font);
  const int nameWidth =
      info.NarrowFileName ? panelWidth - imaging::kFileNameLblNarrowing : panelWidth - 2;
  p.fileNameLbl->resize(nameWidth, p.fileNameLbl->height());
}

}  // namespace kasumori::ui
