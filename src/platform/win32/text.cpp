#include "platform/win32/text.h"

#include <windows.h>

#include <climits>
#include <cwchar>

namespace sv::win32 {

std::wstring widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    if (utf8.size() > static_cast<size_t>(INT_MAX)) return {};
    const int inLen = static_cast<int>(utf8.size());
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLen, nullptr, 0);
    if (n <= 0) return {};
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), inLen, out.data(), n);
    return out;
}

std::string narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    if (utf16.size() > static_cast<size_t>(INT_MAX)) return {};
    const int inLen = static_cast<int>(utf16.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), inLen, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), inLen, out.data(), n, nullptr, nullptr);
    return out;
}

std::string narrowZ(const wchar_t* utf16) { return utf16 ? narrow(std::wstring_view(utf16, wcslen(utf16))) : std::string(); }

std::wstring doubleNulList(const std::vector<std::string>& items) {
    std::wstring out;
    for (const auto& s : items) {
        out += widen(s);
        out += L'\0';
    }
    out += L'\0';
    if (items.empty()) out += L'\0';
    return out;
}

}  // namespace sv::win32
