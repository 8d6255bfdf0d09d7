// SPDX-License-Identifier: GPL-3.0-or-later
// What a photo key says when no photo is shown.
#pragma once

#include <QStringList>

namespace kasumori::shell {

// The notice lines for the key (a Qt key code), or none when the key has no explanation.
QStringList NoPhotoExplanation(int qtKey);

}  // namespace kasumori::shell
