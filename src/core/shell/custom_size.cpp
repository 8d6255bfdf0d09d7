// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/custom_size.h"

namespace kasumori::shell {

namespace {
constexpr int kMinSide = 32;
constexpr int kMaxWidth = 1024;
constexpr int kMaxHeight = 768;
}  // namespace

std::optional<LayoutChoice> InitialLayoutChoice(config::WindowSizeMode windowSizeMode) {
  using enum config::WindowSizeMode;
  switch (windowSizeMode) {
    case Size800:
    case Custom800:
      return LayoutChoice::For800;
    case Custom480:
      return LayoutChoice::For480;
    case Custom640:
      return LayoutChoice::For640;
    case Size1024:
    case Custom1024:
      return LayoutChoice::For1024;
    case Size480:
    case Size640:
    case CustomAutomatic:
      return LayoutChoice::Automatic;
  }
  return std::nullopt;
}

QSize ChoiceArea(LayoutChoice choice) {
  switch (choice) {
    case LayoutChoice::For480:
      return {480, 360};
    case LayoutChoice::For640:
      return {640, 480};
    case LayoutChoice::For800:
      return {800, 600};
    case LayoutChoice::For1024:
    case LayoutChoice::Automatic:
      return {1024, 768};
  }
  return {1024, 768};
}

SizeCheck CheckCustomSize(int width, int height, LayoutChoice choice) {
  if (width < kMinSide || width > kMaxWidth || height < kMinSide || height > kMaxHeight) {
    return SizeCheck::OutOfRange;
  }
  const QSize area = ChoiceArea(choice);
  if (width > area.width() || height > area.height()) return SizeCheck::LargerThanLayout;
  return SizeCheck::Accepted;
}

void ReportSizeCheck(SizeCheck check, platform::DialogService& dialogs) {
  switch (check) {
    case SizeCheck::Accepted:
      return;
    case SizeCheck::OutOfRange:
      dialogs.Notice({QStringLiteral("入力されたサイズは、範囲を超えています。")});
      return;
    case SizeCheck::LargerThanLayout:
      dialogs.Notice({QStringLiteral("Kasumori２本体のWindowの大きさが"),
                      QStringLiteral("写真表示サイズよりも小さく指定されています。")});
      return;
  }
}

int FieldNumber(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok, 10);
  return ok ? value : 0;
}

int ProportionalSide(int value, int referenceSide, int referenceOther, int current) {
  if (referenceSide <= 0 || referenceOther <= 0) return current;
  const double other = double(referenceOther) * value / referenceSide + 0.5;
  return other >= 2147483647.0 ? current : int(other);
}

}  // namespace kasumori::shell
