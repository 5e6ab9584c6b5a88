#include "platform/win32/Painter.h"

#include "platform/win32/Utf16.h"

#include <algorithm>

namespace vorlane::win32 {

namespace {

RECT ToRECT(const Rect& bounds) {
    return RECT{bounds.left, bounds.top, bounds.left + bounds.width, bounds.top + bounds.height};
}

// A label shows "&&" as "&" and never a prefix underline, like the labels it stands for.
constexpr UINT kLabelFormat = DT_SINGLELINE | DT_NOCLIP | DT_HIDEPREFIX;

} // namespace

Painter::Painter(PictureCache& pictures, GdiCache& gdi)
    : pictures_(pictures), gdi_(gdi), pictureDc_(CreateCompatibleDC(nullptr)) {}

Painter::~Painter() {
    Release();
    DeleteDC(pictureDc_);
}

void Painter::Release() {
    if (backDc_ != nullptr) {
        DeleteDC(backDc_);
        DeleteObject(backBitmap_);
        backDc_ = nullptr;
        backBitmap_ = nullptr;
        backSize_ = SIZE{0, 0};
    }
}

void Painter::Stale(const RECT& area) {
    UnionRect(&stale_, &stale_, &area);
}

void Painter::Paint(HWND window, const TForm& form) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    if (backDc_ == nullptr || backSize_.cx < client.right || backSize_.cy < client.bottom) {
        Release();
        backDc_ = CreateCompatibleDC(dc);
        backBitmap_ = CreateCompatibleBitmap(dc, client.right, client.bottom);
        backSize_ = SIZE{client.right, client.bottom};
        SelectObject(backDc_, backBitmap_);
        SetBkMode(backDc_, TRANSPARENT);
        stale_ = client;
    }
    RECT compose;
    if (IntersectRect(&compose, &stale_, &client)) {
        Compose(form, compose);
    }
    stale_ = RECT{0, 0, 0, 0};
    const RECT& area = paint.rcPaint;
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, backDc_,
           area.left, area.top, SRCCOPY);
    EndPaint(window, &paint);
}

void Painter::Compose(const TForm& form, const RECT& area) {
    HRGN clip = CreateRectRgnIndirect(&area);
    SelectClipRgn(backDc_, clip);
    DeleteObject(clip);
    FillRect(backDc_, &area, gdi_.BrushFor(form.BackgroundColor));
    for (const TControl* control : form.GraphicsBottomUp()) {
        RECT bounds = ToRECT(control->Bounds());
        RECT overlap;
        if (!control->Visible() || !IntersectRect(&overlap, &bounds, &area)) {
            continue;
        }
        if (control->Kind() == ControlKind::Image) {
            DrawImage(*control);
        } else {
            DrawLabel(*control);
        }
    }
    SelectClipRgn(backDc_, nullptr);
}

void Painter::DrawImage(const TControl& image) {
    const Picture& picture = pictures_.Get(image.Picture);
    if (picture.bitmap == nullptr) {
        return;
    }
    // Unscaled at the top-left, clipped to the control's rectangle.
    const int width = std::min(picture.width, image.Width());
    const int height = std::min(picture.height, image.Height());
    // A bitmap can be selected into one device context at a time, and every form (and the
    // menus) shares the pictures: it is let go again at once.
    HGDIOBJ previous = SelectObject(pictureDc_, picture.bitmap);
    if (picture.opaque) {
        BitBlt(backDc_, image.Left(), image.Top(), width, height, pictureDc_, 0, 0, SRCCOPY);
    } else {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(backDc_, image.Left(), image.Top(), width, height, pictureDc_, 0, 0, width,
                      height, blend);
    }
    SelectObject(pictureDc_, previous);
}

void Painter::DrawLabel(const TControl& label) {
    SelectObject(backDc_, gdi_.FontFor(label.GetFont()));
    SetTextColor(backDc_, ToColorRef(label.FontColor()));
    RECT bounds = ToRECT(label.Bounds());
    const std::wstring text = Widen(label.Text());
    DrawTextW(backDc_, text.c_str(), static_cast<int>(text.size()), &bounds, kLabelFormat);
}

SIZE Painter::MeasureText(const TControl& label) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, gdi_.FontFor(label.GetFont()));
    RECT bounds{0, 0, 0, 0};
    const std::wstring text = Widen(label.Text());
    DrawTextW(screen, text.c_str(), static_cast<int>(text.size()), &bounds,
              kLabelFormat | DT_CALCRECT);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

} // namespace vorlane::win32
