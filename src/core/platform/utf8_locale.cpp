// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/utf8_locale.h"

#include <clocale>
#include <cstdlib>
#include <cstring>

#include <langinfo.h>

namespace kasumori::platform {

namespace {
bool CodesetIsUtf8() {
  const char* codeset = nl_langinfo(CODESET);
  return codeset && (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);
}
}  // namespace

void EnsureUtf8Locale() {
  std::setlocale(LC_ALL, "");
  if (CodesetIsUtf8()) return;
  // C.UTF-8 exists on every current glibc system; the environment variable makes Qt agree.
  setenv("LC_ALL", "C.UTF-8", 1);
  std::setlocale(LC_ALL, "C.UTF-8");
}

}  // namespace kasumori::platform
