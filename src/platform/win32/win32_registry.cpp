// The registry through RegOpenKeyExW and friends. Text values are UTF-16 in the
// registry and UTF-8 in RegValue; every other type passes through byte for byte.
#include <windows.h>

#include <cstring>

#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"

namespace sv::win32 {
namespace {

HKEY rootKey(RegRoot root) {
    switch (root) {
        case RegRoot::CurrentUser: return HKEY_CURRENT_USER;
        case RegRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
        case RegRoot::Users: return HKEY_USERS;
    }
    return HKEY_CURRENT_USER;
}

// UTF-16 text up to its first NUL: data written by other programs may carry no
// terminator, or more than one.
std::string textFromRegistry(const std::vector<BYTE>& raw) {
    const size_t chars = raw.size() / sizeof(wchar_t);
    std::wstring w(chars, L'\0');
    if (chars) std::memcpy(w.data(), raw.data(), chars * sizeof(wchar_t));
    const auto nul = w.find(L'\0');
    if (nul != std::wstring::npos) w.resize(nul);
    return narrow(w);
}

// REG_MULTI_SZ: strings each ended by a NUL, the list ended by an empty string.
// A final string without its NUL still counts.
std::string multiFromRegistry(const std::vector<BYTE>& raw) {
    const size_t chars = raw.size() / sizeof(wchar_t);
    std::wstring w(chars, L'\0');
    if (chars) std::memcpy(w.data(), raw.data(), chars * sizeof(wchar_t));
    std::string out;
    size_t pos = 0;
    while (pos < w.size()) {
        size_t end = w.find(L'\0', pos);
        if (end == std::wstring::npos) end = w.size();
        if (end == pos) break;  // the empty string that ends the list
        out += narrow(std::wstring_view(w).substr(pos, end - pos));
        out += '\0';
        pos = end + 1;
    }
    return out;
}

std::vector<BYTE> wideBytes(const std::wstring& w) {
    std::vector<BYTE> out(w.size() * sizeof(wchar_t));
    if (!w.empty()) std::memcpy(out.data(), w.data(), out.size());
    return out;
}

std::vector<BYTE> toRegistry(const RegValue& v) {
    if (v.isText()) {
        std::wstring w = widen(v.data);
        w += L'\0';
        return wideBytes(w);
    }
    if (v.type == RegType::MultiSz) {
        std::wstring w;
        size_t pos = 0;
        while (pos < v.data.size()) {
            size_t end = v.data.find('\0', pos);
            if (end == std::string::npos) end = v.data.size();
            w += widen(std::string_view(v.data).substr(pos, end - pos));
            w += L'\0';
            pos = end + 1;
        }
        w += L'\0';
        return wideBytes(w);
    }
    return std::vector<BYTE>(v.data.begin(), v.data.end());
}

class Win32Key : public RegKey {
public:
    explicit Win32Key(HKEY h) : h_(h) {}
    ~Win32Key() override { RegCloseKey(h_); }
    Win32Key(const Win32Key&) = delete;
    Win32Key& operator=(const Win32Key&) = delete;

    std::vector<std::string> subKeyNames() override { return names(true); }
    std::vector<std::string> valueNames() override { return names(false); }

    bool hasValue(const std::string& name) override {
        return RegQueryValueExW(h_, widen(name).c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    }

    std::optional<RegValue> readValue(const std::string& name) override {
        const std::wstring wname = widen(name);
        DWORD type = 0, size = 0;
        if (RegQueryValueExW(h_, wname.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
        std::vector<BYTE> raw(size + sizeof(wchar_t));
        for (;;) {
            DWORD got = static_cast<DWORD>(raw.size());
            const LONG rc = RegQueryValueExW(h_, wname.c_str(), nullptr, &type, raw.data(), &got);
            if (rc == ERROR_SUCCESS) {
                raw.resize(got);
                break;
            }
            if (rc != ERROR_MORE_DATA) return std::nullopt;
            raw.resize(got + sizeof(wchar_t));  // the value grew since the size query
        }
        RegValue v;
        v.type = static_cast<RegType>(type);
        if (v.isText()) v.data = textFromRegistry(raw);
        else if (v.type == RegType::MultiSz) v.data = multiFromRegistry(raw);
        else v.data.assign(raw.begin(), raw.end());
        return v;
    }

    std::optional<uint32_t> valueSize(const std::string& name) override {
        DWORD size = 0;
        if (RegQueryValueExW(h_, widen(name).c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        return size;
    }

    bool writeValue(const std::string& name, const RegValue& value) override {
        const std::vector<BYTE> raw = toRegistry(value);
        return RegSetValueExW(h_, widen(name).c_str(), 0, static_cast<DWORD>(value.type), raw.data(),
                              static_cast<DWORD>(raw.size())) == ERROR_SUCCESS;
    }

    bool deleteValue(const std::string& name) override {
        return RegDeleteValueW(h_, widen(name).c_str()) == ERROR_SUCCESS;
    }

    std::optional<FileTime> lastWriteTime() override {
        FILETIME ft{};
        if (RegQueryInfoKeyW(h_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, &ft) != ERROR_SUCCESS)
            return std::nullopt;
        return FileTime{(static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime};
    }

private:
    std::vector<std::string> names(bool keys) {
        std::vector<std::string> out;
        DWORD maxKey = 0, maxValue = 0;
        if (RegQueryInfoKeyW(h_, nullptr, nullptr, nullptr, nullptr, &maxKey, nullptr, nullptr, &maxValue, nullptr,
                             nullptr, nullptr) != ERROR_SUCCESS)
            return out;
        std::wstring buf((keys ? maxKey : maxValue) + 1, L'\0');
        for (DWORD i = 0;; ++i) {
            DWORD len = static_cast<DWORD>(buf.size());
            LONG rc = keys ? RegEnumKeyExW(h_, i, buf.data(), &len, nullptr, nullptr, nullptr, nullptr)
                           : RegEnumValueW(h_, i, buf.data(), &len, nullptr, nullptr, nullptr, nullptr);
            if (rc == ERROR_MORE_DATA) {  // a longer name arrived after the size query
                buf.resize(buf.size() * 2 + 256);
                --i;
                continue;
            }
            if (rc != ERROR_SUCCESS) break;  // ERROR_NO_MORE_ITEMS, or the key went away
            out.push_back(narrow(std::wstring_view(buf.data(), len)));
        }
        return out;
    }

    HKEY h_;
};

class Win32Registry : public IRegistry {
public:
    std::unique_ptr<RegKey> openKey(RegRoot root, const std::string& path, bool create, bool writable) override {
        const std::wstring sub = widen(normalizeKeyPath(path));
        const REGSAM access = writable ? (KEY_READ | KEY_WRITE) : KEY_READ;
        HKEY h = nullptr;
        LONG rc = create ? RegCreateKeyExW(rootKey(root), sub.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                           nullptr, &h, nullptr)
                         : RegOpenKeyExW(rootKey(root), sub.c_str(), 0, access, &h);
        if (rc != ERROR_SUCCESS) return nullptr;
        return std::make_unique<Win32Key>(h);
    }

    bool keyExists(RegRoot root, const std::string& path) override {
        HKEY h = nullptr;
        LONG rc = RegOpenKeyExW(rootKey(root), widen(normalizeKeyPath(path)).c_str(), 0, KEY_READ, &h);
        if (rc == ERROR_SUCCESS) RegCloseKey(h);
        // A key we may not read still exists.
        return rc == ERROR_SUCCESS || rc == ERROR_ACCESS_DENIED;
    }

    bool deleteKeyTree(RegRoot root, const std::string& path) override {
        const std::string sub = normalizeKeyPath(path);
        if (sub.empty()) return false;  // never a whole root
        return RegDeleteTreeW(rootKey(root), widen(sub).c_str()) == ERROR_SUCCESS;
    }
};

}  // namespace

std::unique_ptr<IRegistry> makeRegistry() { return std::make_unique<Win32Registry>(); }

}  // namespace sv::win32
