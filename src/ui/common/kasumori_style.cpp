// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/kasumori_style.h"

#include <QApplication>
#include <QProxyStyle>
#include <QWidget>

namespace kasumori::ui {

namespace {
constexpr int kToolTipDelayMs = 800;
constexpr int kToolTipDurationMs = 3'600'000;

class KasumoriStyle final : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return kToolTipDelayMs;
    return QProxyStyle::styleHint(hint, option, widget, returned);
  }
};
}  // namespace

void InstallApplicationStyle() { QApplication::setStyle(new KasumoriStyle); }

void SetHint(QWidget* widget, const QString& text) {
  widget->setToolTip(text);
  widget->setToolTipDuration(kToolTipDurationMs);
}

}  // namespace kasumori::ui
