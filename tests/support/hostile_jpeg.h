// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile JPEG files made from a small real one: a frame header that declares another size, a
// file padded to a chosen length, a scan repeated many times. libjpeg reads them all without
// complaint (it fills missing data with grey), which is what makes them hostile.
#pragma once

#include <QByteArray>

namespace kasumori::testkit {

// A 16 × 16 colour JPEG (4:2:0, as EncodeJpeg writes), baseline or progressive, whose frame
// header declares width × height instead: a file of a few hundred bytes.
QByteArray JpegDeclaring(int width, int height, bool progressive);

// The file with zero bytes after its end-of-image marker, `size` bytes in all (never shorter).
QByteArray PaddedTo(QByteArray jpeg, qsizetype size);

// The file's tables, then its first scan `scans` times over, then the end-of-image marker.
// libjpeg only warns about such a progression and reads every scan.
QByteArray WithFirstScanRepeated(const QByteArray& jpeg, int scans);

}  // namespace kasumori::testkit
