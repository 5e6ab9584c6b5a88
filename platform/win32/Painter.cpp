#include "platform/win32/Painter.h"

#include "platform/win32/RectConversions.h"

#include "platform/win32/Utf16.h"

#include <algorithm>

namespace vorlane::win32 {

namespace {

// A label shows "&&" as "&" and never a prefix underline, like the labels it stands for.
constexpr UINT kLabelFormat = DT_SINGLELINE | DT_NOCLIP | DT_HIDEPREFIX;

} // namespace

Painter::Painter(PictureCache& pictures, GdiCache& gdi)
    : pictures_(pictures), gdi_(gdi), pictureDc_(CreateCompatibleDC(nullptr)) {}

void Painter::Release() {
    backDc_.Reset();
    backBitmap_.Reset();
    backSize_ = SIZE{0, 0};
}

void Painter::Stale(const RECT& area) {
    UnionRect(&stale_, &stale_, &area);
}

void Painter::MakeBuffer(HDC dc, const RECT& client) {
    Release();
    UniqueDc backDc(CreateCompatibleDC(dc));
    UniqueGdiObject<HBITMAP> backBitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (!backDc.Valid() || !backBitmap.Valid()) {
        return;
    }
    SelectObject(backDc.Get(), backBitmap.Get());
    SetBkMode(backDc.Get(), TRANSPARENT);
    backBitmap_ = std::move(backBitmap);
    backDc_ = std::move(backDc);
    backSize_ = SIZE{client.right, client.bottom};
    stale_ = client;
}

void Painter::Paint(HWND window, const TForm& form) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    if (!pictureDc_.Valid()) {
        pictureDc_.Reset(CreateCompatibleDC(nullptr));
    }
    if (!backDc_.Valid() || backSize_.cx < client.right || backSize_.cy < client.bottom) {
        MakeBuffer(dc, client);
    }
    const RECT& area = paint.rcPaint;
    if (!backDc_.Valid()) {
        SetBkMode(dc, TRANSPARENT);
        Compose(dc, form, area);
        EndPaint(window, &paint);
        return;
    }
    RECT compose;
    if (IntersectRect(&compose, &stale_, &client)) {
        Compose(backDc_.Get(), form, compose);
    }
    stale_ = RECT{0, 0, 0, 0};
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, backDc_.Get(),
           area.left, area.top, SRCCOPY);
    EndPaint(window, &paint);
}

void Painter::Compose(HDC target, const TForm& form, const RECT& area) {
    {
        const UniqueGdiObject<HRGN> clip(CreateRectRgnIndirect(&area));
        // The device context keeps a copy of the clip region.
        SelectClipRgn(target, clip.Get());
    }
    FillRect(target, &area, gdi_.BrushFor(form.BackgroundColor));
    for (const TControl* control : form.GraphicsBottomUp()) {
        RECT bounds = ToRECT(control->Bounds());
        RECT overlap;
        if (!control->Visible() || !IntersectRect(&overlap, &bounds, &area)) {
            continue;
        }
        if (control->Kind() == ControlKind::Image) {
            DrawImage(target, *control);
        } else {
            DrawLabel(target, *control);
        }
    }
    SelectClipRgn(target, nullptr);
}

void Painter::DrawImage(HDC target, const TControl& image) {
    const Picture& picture = pictures_.Get(image.Picture, image.Dpi(), image.DesignBounds().left,
                                           image.DesignBounds().top);
    if (!picture.bitmap.Valid() || !pictureDc_.Valid()) {
        return;
    }
    // Unscaled at the top-left, clipped to the control's rectangle.
    const int width = std::min(picture.width, image.Width());
    const int height = std::min(picture.height, image.Height());
    // A bitmap can be selected into one device context at a time, and every form (and the
    // menus) shares the pictures: it is let go again at once.
    const Selected selected(pictureDc_.Get(), picture.bitmap.Get());
    if (picture.opaque) {
        BitBlt(target, image.Left(), image.Top(), width, height, pictureDc_.Get(), 0, 0, SRCCOPY);
    } else {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(target, image.Left(), image.Top(), width, height, pictureDc_.Get(), 0, 0,
                      width, height, blend);
    }
}

void Painter::DrawLabel(HDC target, const TControl& label) {
    SelectObject(target, gdi_.FontFor(label.GetFont(), label.Dpi()));
    SetTextColor(target, ToColorRef(label.FontColor()));
    RECT bounds = ToRECT(label.Bounds());
    const std::wstring text = Widen(label.Text());
    DrawTextW(target, text.c_str(), static_cast<int>(text.size()), &bounds, kLabelFormat);
}

SIZE Painter::MeasureText(const TControl& label) {
    const WindowDc screen(nullptr);
    const Selected font(screen.Get(), gdi_.FontFor(label.GetFont(), label.Dpi()));
    RECT bounds{0, 0, 0, 0};
    const std::wstring text = Widen(label.Text());
    DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &bounds,
              kLabelFormat | DT_CALCRECT);
    return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

} // namespace vorlane::win32
