// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display/panorama_view.h"

#include "display/pane_geometry.h"
#include "ui/display/main_display.h"
#include "ui/shell/main_menu.h"
#include "ui/shell/main_panels.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace kasumori::ui {

using display::PanoramaMode;

namespace {
const QString kPanoramaOn = QStringLiteral("【パノラマ】");
const QString kPanoramaOff = QStringLiteral("【パノラマ解除】");
}  // namespace

bool PanoramaView::PhotoShown() const { return p_.display.Driver().Shown().Shown(); }

void PanoramaView::SetMode(PanoramaMode mode) {
  p_.menu.panoramaMenus[int(mode)]->setChecked(true);
  p_.display.Driver().Modes().PanoramaMode = mode;
}

void PanoramaView::ShowCurrentBusy() {
  const int at = p_.list.CurrentIndex;
  if (at < 1 || at > p_.list.PhotoCount) return;
  p_.display.SetBusy(true);
  p_.display.ShowPhoto(at);
  p_.display.SetBusy(false);
}

void PanoramaView::Choose(PanoramaMode mode) {
  if (!p_.uiReady()) return;
  p_.window.repaint();
  SetMode(mode);
  if (PhotoShown()) ShowCurrentBusy();
}

void PanoramaView::ToggleByLabel() {
  if (!p_.uiReady()) return;
  const bool on = p_.display.Driver().Modes().Panorama();
  SetMode(on ? PanoramaMode::Single : PanoramaMode::Two);
  const bool shown = PhotoShown();
  if (on) {
    p_.panels.joutaiLbl->setText(shown ? kPanoramaOff : QStringLiteral("【写真未表示】"));
  } else {
    p_.panels.joutaiLbl->setText(kPanoramaOn);
  }
  p_.window.repaint();
  if (shown) ShowCurrentBusy();
}

// The panorama is left before the photo is shown, so that it is shown alone.
void PanoramaView::Leave() {
  SetMode(PanoramaMode::Single);
  p_.panels.joutaiLbl->setText(kPanoramaOff);
  p_.window.repaint();
}

void PanoramaView::DoubleClick(QPoint at) {
  p_.panels.dummyBtn->setFocus();
  if (!p_.uiReady()) return;
  if (!PhotoShown()) {
    p_.dialogs.Notice({QStringLiteral("写真を表示後に、写真の上でダブルクリックすると"),
                       QStringLiteral("画面いっぱいに写真を表示して鑑賞できます。")});
    return;
  }
  const display::PhotoDisplay& driver = p_.display.Driver();
  if (!driver.Modes().Panorama()) {
    p_.openFullScreen();
    return;
  }
  const QSize area = driver.DisplaySize();
  const int pane =
      display::PaneAt(driver.Modes().PanoramaMode, at.x(), at.y(), area.width(), area.height());
  const display::ShownPhoto record = driver.Panes()[std::size_t(pane - 1)];
  // A black pane has no photo of its own: the current one is shown alone instead.
  if (record.Name.isEmpty()) {
    Release();
    return;
  }
  Leave();
  p_.display.SetBusy(true);
  p_.showPhotoByPath(record.Folder + u'/' + record.Name);
  p_.display.SetBusy(false);
}

void PanoramaView::Release() {
  const display::DisplayModes& modes = p_.display.Driver().Modes();
  if (!PhotoShown() || (!modes.ZoomMode && !modes.Panorama())) return;
  p_.panels.dummyBtn->setFocus();
  p_.display.SetBusy(true);
  p_.setUiReady(false);
  if (modes.Panorama()) {
    Leave();
    const int at = p_.list.CurrentIndex;
    if (at >= 1 && at <= p_.list.PhotoCount) p_.display.ShowPhoto(at);
  } else {
    p_.display.Driver().RecomposeNormal();
  }
  p_.setUiReady(true);
  p_.display.SetBusy(false);
}

}  // namespace kasumori::ui
