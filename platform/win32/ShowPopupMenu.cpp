#include "platform/win32/ShowPopupMenu.h"

#include "platform/Dispatch.h"
#include "platform/win32/Utf16.h"

#include <string>
#include <vector>

namespace vorlane::win32 {

namespace {

UniqueMenu Build(TMenuItem& parent, std::vector<TMenuItem*>& byCommand, PictureCache& pictures,
                 int dpi) {
    UniqueMenu menu(CreatePopupMenu());
    UINT position = 0;
    for (const auto& item : parent.Items()) {
        if (!item->Visible) {
            continue;
        }
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        std::wstring caption = Widen(item->Caption);
        if (item->IsSeparator()) {
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_SEPARATOR;
        } else {
            info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE;
            info.dwTypeData = caption.data();
            byCommand.push_back(item.get());
            // Command 0 means "nothing chosen", so the ids start at 1.
            info.wID = static_cast<UINT>(byCommand.size());
            info.fState = item->Checked ? MFS_CHECKED : MFS_UNCHECKED;
            if (!item->Picture.empty()) {
                if (HBITMAP bitmap = pictures.Get(item->Picture, dpi).bitmap.Get()) {
                    info.fMask |= MIIM_BITMAP;
                    info.hbmpItem = bitmap;
                }
            }
            if (!item->Items().empty()) {
                info.fMask |= MIIM_SUBMENU;
                // The menu it goes into owns the submenu from here on.
                info.hSubMenu = Build(*item, byCommand, pictures, dpi).Release();
            }
        }
        InsertMenuItemW(menu.Get(), position++, TRUE, &info);
    }
    return menu;
}

} // namespace

void ShowPopupMenu(TPopupMenu& menu, HWND owner, int x, int y, PictureCache& pictures, int dpi) {
    std::vector<TMenuItem*> byCommand;
    const UniqueMenu native = Build(menu, byCommand, pictures, dpi);
    // The owner must be in front, or the menu does not close when the user clicks elsewhere;
    // the null message afterwards lets a second click on the icon open it again.
    SetForegroundWindow(owner);
    const BOOL command = TrackPopupMenuEx(
        native.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, x, y, owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
    if (command > 0 && static_cast<size_t>(command) <= byCommand.size()) {
        TMenuItem* chosen = byCommand[static_cast<size_t>(command) - 1];
        Dispatch([chosen] { chosen->Click(); });
    }
}

} // namespace vorlane::win32
