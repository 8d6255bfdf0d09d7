// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the custom display-size dialog, apart from its widgets.
#pragma once

#include "config/modes.h"
#include "platform/dialog_service.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>

namespace kasumori::shell {

// Which layout the user wants for a custom size; the values are the window size modes.
enum class LayoutChoice : std::uint8_t {
  Automatic = std::uint8_t(config::WindowSizeMode::CustomAutomatic),
  For480 = std::uint8_t(config::WindowSizeMode::Custom480),
  For640 = std::uint8_t(config::WindowSizeMode::Custom640),
  For800 = std::uint8_t(config::WindowSizeMode::Custom800),
  For1024 = std::uint8_t(config::WindowSizeMode::Custom1024),
};

inline config::WindowSizeMode WindowSizeModeOf(LayoutChoice choice) {
  return config::WindowSizeMode(choice);
}

// The radio button checked when the dialog opens; none for modes without a matching one.
std::optional<LayoutChoice> InitialLayoutChoice(config::WindowSizeMode windowSizeMode);

// The largest display area a choice allows; the automatic choice allows the largest layout's.
QSize ChoiceArea(LayoutChoice choice);

enum class SizeCheck { Accepted, OutOfRange, LargerThanLayout };

SizeCheck CheckCustomSize(int width, int height, LayoutChoice choice);

// Tells the user why a size was refused; nothing for an accepted one.
void ReportSizeCheck(SizeCheck check, platform::DialogService& dialogs);

// A field's number: the text read as a decimal number, or 0 when it is not a non-zero number
// (the field then shows "0").
int FieldNumber(const QString& text);

// The other side of a size that keeps the reference proportions, rounded half up:
// reference other × value ÷ reference side + 0.5, truncated. Without a usable reference the
// other side stays as it is.
int ProportionalSide(int value, int referenceSide, int referenceOther, int current);

}  // namespace kasumori::shell
