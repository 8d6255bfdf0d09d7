// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/info_panel.h"

#include "shell/window_layout.h"

#include "ui/common/fonts.h"
#include "ui/common/kasumori_style.h"
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

int TextWidth(const QLabel* label) { return label->fontMetrics().horizontalAdvance(label->text()); }

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
  Show(p.fileSizeLbl, info.FileSizeLbl, imaging::kFileSizeLblFont);
  Show(p.hidukeLbl, info.HidukeLbl, imaging::kHidukeLblFont);
  Show(p.timeLbl, info.TimeLbl, imaging::kTimeLblFont);
  Show(p.cameraLbl, info.CameraLbl, imaging::kCameraLblFont);
  SetHint(p.cameraLbl, info.CameraHint);
  Show(p.makerLbl, info.MakerLbl, imaging::kMakerLblFont);
  SetHint(p.makerLbl, info.MakerHint);
  Show(p.satsueiLbl, info.SatsueiLbl, imaging::kSatsueiLblFont);
  Show(p.strobeLbl, info.StrobeLbl, imaging::kStrobeLblFont);
  Show(p.satsueiLbl2, info.SatsueiLbl2, imaging::kSatsueiLbl2Font);
  PlaceInfoLabels(p);
}

void PlaceInfoLabels(MainPanels& p) {
  // The labels' own texts say what is shown, so a layout change places them as the last
  // photo did without reading it again.
  shell::InfoLabelContent content;
  content.dateShown = !p.hidukeLbl->text().isEmpty();
  content.fileSizeTextWidth = TextWidth(p.fileSizeLbl);
  content.satsueiTextWidth = TextWidth(p.satsueiLbl);
  content.strobeShown = !p.strobeLbl->text().isEmpty();
  content.strobeTextWidth = TextWidth(p.strobeLbl);
  const shell::InfoLabelPlaces places = shell::PlaceInfoLabels(p.exifPnl->width(), content);
  p.fileNameLbl->setGeometry(places.fileNameLbl);
  p.extNameLbl->setGeometry(places.extNameLbl);
  p.sizeLbl->setGeometry(places.sizeLbl);
  p.hidukeLbl->setGeometry(places.hidukeLbl);
  p.timeLbl->setGeometry(places.timeLbl);
  p.fileSizeLbl->setGeometry(places.fileSizeLbl);
  p.cameraLbl->setGeometry(places.cameraLbl);
  p.makerLbl->setGeometry(places.makerLbl);
  p.satsueiLbl->setGeometry(places.satsueiLbl);
  p.strobeLbl->setGeometry(places.strobeLbl);
  p.satsueiLbl2->setGeometry(places.satsueiLbl2);
}

}  // namespace kasumori::ui
