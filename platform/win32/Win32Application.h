#pragma once
#include "platform/Application.h"
#include "platform/win32/GdiCache.h"
#include "platform/win32/Handles.h"
#include "platform/win32/HintTool.h"
#include "platform/win32/NativeForm.h"
#include "platform/win32/PictureCache.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

namespace vorlane::win32 {

// The application on Windows: the hidden owner window of every form, the forms' native
// windows, the pictures and GDI objects they share, the hint look and the message loop with
// its key preview.
class Win32Application : public Application {
public:
    explicit Win32Application(HINSTANCE instance);
    Win32Application(const Win32Application&) = delete;
    Win32Application& operator=(const Win32Application&) = delete;

    HINSTANCE Instance() const { return instance_; }
    HWND OwnerHandle() const { return owner_.Get(); }
    // The main form's window; null before it exists.
    HWND MainHandle() const;
    PictureCache& Pictures() { return pictures_; }
    GdiCache& Gdi() { return gdi_; }
    const std::optional<HintStyle>& CurrentHintStyle() const { return hintStyle_; }

    void SetTitle(const std::string& title) override;
    // A form whose window cannot be made is reported with the error box and stays without
    // one; for the main form the EWindowSystemError goes on to the program entry, which ends
    // the program (it could not be used, nor even seen).
    void CreateWindowOf(TForm& form) override;
    void HideOwnerWindow() override;
    void Minimize() override;
    void Restore() override;
    bool Minimized() override { return minimized_; }
    void SetHintStyle(Color background, int delayMs, int displayMs) override;
    void PopupMenu(TPopupMenu& menu, int x, int y) override;
    std::optional<Point> PointerPosition() override;
    bool PointerOverProgramWindows() override;
    void ProcessMessages() override;
    void RemovePendingChar() override;
    void Terminate() override;

    // Shows the main form and runs the loop until the program ends; returns its exit code.
    int RunMessageLoop();
    // One message as the loop handles it: key preview and tab keys for the form it belongs
    // to, then the usual translation and dispatch.
    void HandleMessage(MSG& message);

    // Around every modal loop of a box, dialog or menu (see ModalLoop): before it, no press
    // of the program keeps the mouse; once the outermost one has closed and the message that
    // opened it is done, a capture taken meanwhile without the button held is let go and the
    // forms' looks follow the pointer again.
    void ModalLoopStarts();
    void ModalLoopEnded();

private:
    // Posted to the owner window when the outermost modal loop has closed.
    static constexpr UINT kAfterModalLoop = WM_APP + 1;

    static LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void SettleAfterModalLoop();
    NativeForm* FormOf(HWND window) const;

    HINSTANCE instance_;
    // Why the owner window is missing, when it is.
    std::string ownerFailure_;
    UniqueWindow owner_;
    PictureCache pictures_;
    GdiCache gdi_;
    std::optional<HintStyle> hintStyle_;
    bool minimized_ = false;
    int modalDepth_ = 0;
    // Last, so the forms' windows go before the owner window, the pictures and the GDI objects
    // they use.
    std::vector<std::unique_ptr<NativeForm>> forms_;
};

} // namespace vorlane::win32
