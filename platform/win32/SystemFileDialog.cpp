#include "platform/win32/SystemFileDialog.h"

#include "platform/win32/Com.h"
#include "platform/win32/ModalLoop.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Application.h"

#include <commdlg.h>
#include <dlgs.h>

#include <vector>

namespace vorlane::win32 {

namespace {

// Room for the longest path the file system takes.
constexpr std::size_t kFileBufferLength = 32768;

// The dialog has no setting for the label of its file-name box: once the dialog is made,
// this hook gives the label its text, which it finds in the dialog's custom data.
UINT_PTR CALLBACK LabelHook(HWND child, UINT message, WPARAM /*wParam*/, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        const auto* note = reinterpret_cast<const OFNOTIFYW*>(lParam);
        if (note->hdr.code == CDN_INITDONE) {
            SendMessageW(GetParent(child), CDM_SETCONTROLTEXT, stc3, note->lpOFN->lCustData);
        }
    }
    return 0;
}

} // namespace

std::optional<std::string> SystemFileDialog::Open(const OpenDialogSettings& settings) {
    // Each entry's name and patterns, each ended by a null, and one more null after the list.
    std::wstring filter;
    for (const FileTypeFilter& entry : settings.filters) {
        filter += Widen(entry.name);
        filter += L'\0';
        filter += Widen(entry.patterns);
        filter += L'\0';
    }
    const std::wstring title = Widen(settings.title);
    const std::wstring label = Widen(settings.fileNameLabel);
    const std::wstring extension = Widen(settings.defaultExtension);
    const std::wstring folder = Widen(settings.initialFolder);
    std::vector<wchar_t> file(kFileBufferLength, L'\0');
    const std::wstring initialName = Widen(settings.fileName);
    initialName.copy(file.data(), std::min(initialName.size(), file.size() - 1));

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = application_.MainHandle() != nullptr ? application_.MainHandle()
                                                            : application_.OwnerHandle();
    dialog.hInstance = application_.Instance();
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_ENABLEHOOK |
                   (settings.pathMustExist ? static_cast<DWORD>(OFN_PATHMUSTEXIST) : 0U) |
                   (settings.fileMustExist ? static_cast<DWORD>(OFN_FILEMUSTEXIST) : 0U);
    dialog.lpfnHook = LabelHook;
    dialog.lCustData = reinterpret_cast<LPARAM>(label.c_str());
    UseCom(); // the dialog shows the shell's folders
    const ModalLoop modal(application_);
    if (!GetOpenFileNameW(&dialog)) {
        return std::nullopt;
    }
    return Narrow(file.data());
}

} // namespace vorlane::win32
