// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/thumbs/name_tag.h"

#include "imaging/dib/qx_dib_canvas.h"
#include "library/record_names.h"
#include "ui/common/fonts.h"
#include "ui/common/view_image.h"

#include <QLabel>
#include <QPainter>

namespace kasumori::ui {

namespace {

const QColor kTagBackground(0xFF, 0xFF, 0xD0);  // 0xD0FFFF as blue-green-red
constexpr int kTagHeight = 15;
constexpr int kMinTagWidth = 76;
constexpr int kBandTop = 44;
constexpr int kBandHeight = 13;

QFont TagFont(bool monospaced) {
  QFont font = monospaced ? MonospacedGothic(12) : ProportionalGothic(12);
  font.setPointSize(9);
  return font;
}

QString WithoutExtension(const QString& name) {
  const qsizetype dot = name.lastIndexOf(u'.');
  return dot < 0 ? name : name.left(dot);
}

// The extension as written, or for an edit record the part of its name after the last "_"
// with its extension ("jpg-002.ksm"); at most 12 characters.
QString TypeLabel(const QString& name) {
  const qsizetype dot = name.lastIndexOf(u'.');
  QString label = dot < 0 ? QString() : name.mid(dot + 1);
  if (library::IsRecordName(name)) {
    const QString base = WithoutExtension(name);
    const qsizetype underscore = base.lastIndexOf(u'_');
    label = (underscore < 0 ? QString() : base.mid(underscore + 1)) + name.mid(dot);
  }
  return label.left(12);
}

}  // namespace

NameTag::NameTag(QWidget* parent, const char* objectName) : label_(new QLabel(parent)) {
  label_->setObjectName(QLatin1String(objectName));
  label_->setFont(TagFont(false));
  label_->setStyleSheet(
      QStringLiteral("background: #FFFFD0; color: black; border: 1px solid black;"
                     "padding-left: 2px;"));
  label_->setCursor(Qt::PointingHandCursor);
  label_->hide();
}

void NameTag::Show(ViewImage& cell, const QString& name, int minLeft) {
  ShowTexts(cell, WithoutExtension(library::RecordSourceName(name)), TypeLabel(name), minLeft, 76);
}

void NameTag::ShowTexts(ViewImage& cell, const QString& text, const QString& type, int minLeft,
                        int typeRight) {
  Hide();
  label_->setText(text);
  const int width =
      std::max(QFontMetrics(label_->font()).horizontalAdvance(text) + 5, kMinTagWidth);
  label_->setGeometry(std::max(cell.x() - width + 78, minLeft), cell.y() + 2, width, kTagHeight);
  label_->show();
  label_->raise();

  savedBand_ = cell.Buffer().ToImage().copy(0, kBandTop, cell.width(), kBandHeight);
  const int a = 6 * int(type.size());
  {
    imaging::TQxDIBCanvas canvas(cell.Buffer());
    canvas.FillRect(QRect(QPoint(75 - a, kBandTop), QPoint(typeRight, kBandTop + kBandHeight - 1)),
                    kTagBackground);
    QPainter& painter = canvas.Painter();
    painter.setFont(TagFont(true));
    painter.setPen(Qt::black);
    painter.drawText(QRect(76 - a, kBandTop + 1, a + 4, 12), Qt::AlignLeft | Qt::AlignTop, type);
  }
  cell.update();
  cell_ = &cell;
}

void NameTag::Hide() {
  if (cell_ && !savedBand_.isNull()) {
    imaging::TQxDIBCanvas canvas(cell_->Buffer());
    canvas.Painter().drawImage(0, kBandTop, savedBand_);
    cell_->update();
  }
  Forget();
}

void NameTag::Forget() {
  cell_ = nullptr;
  savedBand_ = QImage();
  label_->hide();
}

}  // namespace kasumori::ui
