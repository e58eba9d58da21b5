#pragma once

#include <string>

#include "platform/win32/windows_api.h"

namespace kadrex::win32 {

// Calls a function of the usual Win32 kind: given a buffer and its size in characters, it
// returns the text's length, or the size it needs (final NUL included) when the buffer is
// too small, or 0 on failure. The buffer grows to what it asks for a few times at most,
// for a text that keeps changing between the calls. Empty on failure.
template <typename Fetch>
std::wstring FetchSystemText(Fetch fetch) {
  constexpr int kAttempts = 4;
  std::wstring text(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const DWORD result = fetch(text.data(), static_cast<DWORD>(text.size()));
    if (result == 0) return {};
    if (result < text.size()) {
      text.resize(result);
      return text;
    }
    text.resize(result);
  }
  return {};
}

}  // namespace kadrex::win32
