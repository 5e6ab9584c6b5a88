#pragma once
#include "platform/Menu.h"
#include "platform/win32/Handles.h"
#include "platform/win32/PictureCache.h"

#include <windows.h>

namespace vorlane::win32 {

// Shows a popup menu of the model: its visible items are built into a native menu with
// generated command ids, pictures and check marks, tracked the way the shell expects of a
// notification-area menu, and destroyed again; the chosen item's click runs through Dispatch.
// dpi: the owner window's, for the size of the pictures.
void ShowPopupMenu(TPopupMenu& menu, HWND owner, int x, int y, PictureCache& pictures, int dpi);

} // namespace vorlane::win32
