#pragma once
#include "platform/Form.h"
#include "platform/win32/Pictures.h"

#include <windows.h>

#include <map>
#include <tuple>

namespace vorlane::win32 {

// The native main window behind the model: a borderless tool window that paints the
// model's pictures, mirrors its fields as child windows, runs its timers and tray icon,
// and reports every input back to the model through Dispatch. It holds no behaviour of
// its own.
class MainWindow : public WindowSystem, public ControlPeer, public TimerPeer, public TrayIconPeer {
public:
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    void Create(TForm& form);
    HWND Handle() const { return window_; }
    HWND OwnerHandle() const { return owner_; }
    void SetTitle(const std::string& title);
    void ShowAtStart();

    // Key preview for a message from the loop; false when the key was consumed.
    bool PreviewKey(const MSG& message);
    // One message as the loop handles it (key preview, tab keys, dispatch).
    void HandleMessage(MSG& message);

    // WindowSystem.
    void SetWindowBounds(int left, int top, int width, int height) override;
    void SetEllipticRegion(int left, int top, int right, int bottom) override;
    void SetTopmost(bool topmost) override;
    void SetWindowStateNormal() override;
    void HideMainWindow() override;
    void BringToForeground() override;
    void SetFocus(TControl& control) override;
    void Close() override;
    void AcceptDroppedFiles(bool accept) override;
    void RemovePendingChar() override;
    bool PointerOverProgramWindows() override;
    void HideOwnerWindow() override;
    void MinimizeApplication() override;
    void RestoreApplication() override;
    bool ApplicationMinimized() override { return minimized_; }
    void SetHintStyle(Color background, int delayMs, int displayMs) override;
    void ProcessMessages() override;
    void Terminate() override;

    // Peers.
    void Changed(TControl& control, Change what) override;
    void Changed(TTimer& timer) override;
    void Changed(TTrayIcon& icon) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateChild(TControl& control);
    void Paint();
    void Invalidate(const Rect& bounds);
    HFONT FontFor(const Font& font);
    HBRUSH BrushFor(Color color);
    TControl* ControlOf(HWND child) const;
    HWND ChildOf(const TControl& control) const;
    void UpdateHintTool(TControl& control);
    void AddTrayIcon();
    void RemoveTrayIcon();
    void TrayMessage(LPARAM event);

    HINSTANCE instance_;
    TForm* form_ = nullptr;
    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    std::map<const TControl*, HWND> children_;
    std::map<HWND, TControl*> controlsByWindow_;
    std::map<std::tuple<std::string, int, bool>, HFONT> fonts_;
    std::map<COLORREF, HBRUSH> brushes_;
    PictureCache pictures_;
    HDC backDc_ = nullptr;
    HBITMAP backBitmap_ = nullptr;
    HDC pictureDc_ = nullptr;
    bool trackingLeave_ = false;
    bool minimized_ = false;
    bool settingText_ = false;
    bool trayAdded_ = false;
    UINT taskbarCreated_ = 0;
};

} // namespace vorlane::win32
