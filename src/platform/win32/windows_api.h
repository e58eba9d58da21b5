#pragma once

// The one way the backend includes the Win32 headers: without the min/max macros and
// the rarely used parts, with the common controls and dialogs it needs.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif

#include <windows.h>

#include <cderr.h>
#include <commctrl.h>
#include <commdlg.h>
