// SPDX-License-Identifier: GPL-3.0-or-later
// Archives libarchive reads but cannot write, assembled byte by byte with nothing compressed:
// LZH with the -lh0- method at header levels 0, 1 and 2, and RAR 4 and 5 with the stored method. No
// LHA or RAR program is needed to make them, and every byte is explained where it is written.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace kasumori::testkit {

// Names are the bytes the archive holds, "/"-separated, so a test says which encoding it pins.
// A folder's name has no trailing "/".
struct StoredMember {
  QByteArray name;
  QByteArray data = {};
  bool folder = false;
};

// The name's bytes as Japanese Windows stores them.
QByteArray Cp932(const QString& name);

// Level 0 keeps the name in the fixed header with "\" between folders, level 1 the same plus an
// extended-header chain, level 2 the name and folder in extended headers guarded by a header
// CRC. An LHA name is bytes in the writer's code page: CP932 from Japanese Windows.
enum class LzhLevel { Zero, One, Two };
QByteArray MakeStoredLzh(const std::vector<StoredMember>& members, LzhLevel level);

// RAR 4 names are OEM code page bytes (CP932 from Japanese Windows) or, flagged as Unicode, an
// ASCII name followed by the UTF-16 name in RAR's own packing; Unicode takes the name as UTF-8.
enum class RarNames { Oem, Unicode };
QByteArray MakeStoredRar4(const std::vector<StoredMember>& members, RarNames names);

// RAR 5 names are UTF-8.
QByteArray MakeStoredRar5(const std::vector<StoredMember>& members);

}  // namespace kasumori::testkit
