// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace kasumori::shell {

// The lines of the notice the version entry shows.
QStringList AboutNoticeLines();

}  // namespace kasumori::shell
