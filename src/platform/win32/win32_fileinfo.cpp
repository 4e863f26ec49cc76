// SHGetFileInfoW for names, type names and small icons; the version resource
// through GetFileVersionInfoW / VerQueryValueW.
#include "platform/win32/win32_fileinfo.h"

#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <vector>

#include "platform/win32/text.h"

namespace sv::win32 {
namespace {

constexpr int kIconSize = 16;

// Draws the icon onto a square of the background colour and reads the pixels
// back, so that the picture holds no transparency of its own.
ui::Bitmap iconPixels(HICON icon, uint32_t background) {
    ui::Bitmap out;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = kIconSize;
    bi.bmiHeader.biHeight = -kIconSize;  // top-down rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (!dc) return out;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib && bits) {
        HGDIOBJ old = SelectObject(dc, dib);
        RECT r{0, 0, kIconSize, kIconSize};
        HBRUSH brush = CreateSolidBrush(RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF));
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        DrawIconEx(dc, 0, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
        GdiFlush();
        const auto* px = static_cast<const uint32_t*>(bits);  // BGRA in memory = 0xAARRGGBB
        out.width = out.height = kIconSize;
        out.pixels.assign(px, px + kIconSize * kIconSize);
        for (auto& p : out.pixels) p &= 0x00FFFFFF;
        SelectObject(dc, old);
    }
    if (dib) DeleteObject(dib);
    DeleteDC(dc);
    return out;
}

uint32_t windowColour() {
    const COLORREF c = GetSysColor(COLOR_WINDOW);
    return (static_cast<uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

std::string versionString(const std::vector<BYTE>& block, WORD language, WORD codePage, const wchar_t* name) {
    wchar_t query[80];
    std::swprintf(query, 80, L"\\StringFileInfo\\%04X%04X\\%ls", language, codePage, name);
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), query, &value, &length) || !value || length == 0) return {};
    const auto* text = static_cast<const wchar_t*>(value);
    return narrow(std::wstring_view(text, wcsnlen(text, length)));
}

}  // namespace

std::optional<ShellFileInfo> shellFileInfo(const std::string& path, unsigned what,
                                           std::optional<uint32_t> iconBackground) {
    SHFILEINFOW info{};
    const UINT flags = what & (SHGFI_ICON | SHGFI_SMALLICON | SHGFI_DISPLAYNAME | SHGFI_TYPENAME);
    if (!SHGetFileInfoW(widen(path).c_str(), 0, &info, sizeof info, flags)) return std::nullopt;
    ShellFileInfo out;
    if (flags & SHGFI_DISPLAYNAME) out.displayName = narrowZ(info.szDisplayName);
    if (flags & SHGFI_TYPENAME) out.typeName = narrowZ(info.szTypeName);
    if ((flags & SHGFI_ICON) && info.hIcon) {
        out.smallIcon = iconPixels(info.hIcon, iconBackground ? *iconBackground : windowColour());
        DestroyIcon(info.hIcon);
    }
    return out;
}

FileVersionTexts fileVersionTexts(const std::string& path) {
    const std::wstring w = widen(path);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(w.c_str(), &handle);
    if (size == 0) return {};
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(w.c_str(), 0, size, block.data())) return {};
    struct Translation {
        WORD language, codePage;
    };
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &length) || length < sizeof(Translation))
        return {};
    const auto* first = static_cast<const Translation*>(value);
    return {versionString(block, first->language, first->codePage, L"FileVersion"),
            versionString(block, first->language, first->codePage, L"ProductVersion")};
}

std::optional<ui::Bitmap> firstIconInFile(const std::string& path, std::optional<uint32_t> background) {
    HICON small = nullptr;
    if (ExtractIconExW(widen(path).c_str(), 0, nullptr, &small, 1) == 0 || !small) return std::nullopt;
    ui::Bitmap out = iconPixels(small, background.value_or(windowColour()));
    DestroyIcon(small);
    if (out.empty()) return std::nullopt;
    return out;
}

}  // namespace sv::win32
