// SPDX-License-Identifier: GPL-3.0-or-later
// The demo's archive: a ZIP written as Japanese Windows writes one (CP932 names without the
// UTF-8 flag), with a folder inside and Japanese-named photos.
#pragma once

#include <QString>

// Writes FOLDER/旅行アルバム.zip unless it is there; false when it cannot be written.
bool WriteDemoArchive(const QString& folder);
