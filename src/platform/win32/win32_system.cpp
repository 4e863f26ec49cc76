// The operating system: version family, user, clock, locale, screen, programs.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "platform/win32/locale_format.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_services.h"

namespace sv::win32 {
namespace {

FILETIME toFiletime(FileTime t) {
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(t.ticks & 0xFFFFFFFFu);
    ft.dwHighDateTime = static_cast<DWORD>(t.ticks >> 32);
    return ft;
}

FileTime fromFiletime(const FILETIME& ft) {
    return FileTime{(static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime};
}

std::string localeText(LCTYPE what) {
    const int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, what, nullptr, 0);
    if (n <= 0) return {};
    std::wstring buf(static_cast<size_t>(n), L'\0');
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, what, buf.data(), n) <= 0) return {};
    return narrowZ(buf.c_str());
}

class HandleGuard {
public:
    explicit HandleGuard(HANDLE h) : h_(h) {}
    ~HandleGuard() { CloseHandle(h_); }
    HandleGuard(const HandleGuard&) = delete;
    HandleGuard& operator=(const HandleGuard&) = delete;
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

class Win32System : public ISystem {
public:
    OsFamily osFamily() override {
        OSVERSIONINFOW v{};
        v.dwOSVersionInfoSize = sizeof v;
        if (GetVersionExW(&v) && v.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) return OsFamily::Win9x;
        return OsFamily::WinNT;  // every 64-bit Windows
    }

    std::optional<bool> tokenHasAdministrators() override {
        // The thread's token when it impersonates, else the process's.
        HANDLE token = nullptr;
        if (!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token)) {
            if (GetLastError() != ERROR_NO_TOKEN) return std::nullopt;
            if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return std::nullopt;
        }
        HandleGuard guard(token);
        DWORD size = 0;
        GetTokenInformation(token, TokenGroups, nullptr, 0, &size);
        if (size == 0) return std::nullopt;
        std::vector<unsigned char> buf(size);
        if (!GetTokenInformation(token, TokenGroups, buf.data(), size, &size)) return std::nullopt;
        SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
        PSID admins = nullptr;
        if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                      &admins))
            return std::nullopt;
        // Listed is what counts, as the question is asked: a group that a
        // restricted token keeps for deny-only still appears in the list.
        const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(buf.data());
        bool found = false;
        for (DWORD i = 0; i < groups->GroupCount && !found; ++i) found = EqualSid(groups->Groups[i].Sid, admins) != 0;
        FreeSid(admins);
        return found;
    }

    int screenWidth() override { return GetSystemMetrics(SM_CXSCREEN); }
    int screenHeight() override { return GetSystemMetrics(SM_CYSCREEN); }

    FileTime nowUtc() override {
        FILETIME ft;
        GetSystemTimeAsFileTime(&ft);
        return fromFiletime(ft);
    }

    // Both use the bias in force now (not at that date), as the system calls do.
    FileTime utcToLocal(FileTime utc) override {
        const FILETIME in = toFiletime(utc);
        FILETIME out;
        return FileTimeToLocalFileTime(&in, &out) ? fromFiletime(out) : utc;
    }

    FileTime localToUtc(FileTime local) override {
        const FILETIME in = toFiletime(local);
        FILETIME out;
        return LocalFileTimeToFileTime(&in, &out) ? fromFiletime(out) : local;
    }

    uint32_t tickCount() override { return GetTickCount(); }

    LocaleFormats localeFormats() override {
        LocaleFormats f;
        const std::string dateSep = localeText(LOCALE_SDATE), timeSep = localeText(LOCALE_STIME);
        f.thousandSeparator = separatorChar(localeText(LOCALE_STHOUSAND), f.thousandSeparator);
        f.decimalSeparator = separatorChar(localeText(LOCALE_SDECIMAL), f.decimalSeparator);
        f.dateSeparator = separatorChar(dateSep, f.dateSeparator);
        f.timeSeparator = separatorChar(timeSep, f.timeSeparator);
        if (auto p = localeText(LOCALE_SSHORTDATE); !p.empty()) f.shortDateFormat = shortDateFromPicture(p, dateSep);
        if (auto p = localeText(LOCALE_STIMEFORMAT); !p.empty()) f.longTimeFormat = longTimeFromPicture(p, timeSep);
        // Empty markers are real (24-hour locales have none), so they are kept.
        f.timeAmString = localeText(LOCALE_S1159);
        f.timePmString = localeText(LOCALE_S2359);
        return f;
    }

    std::string executablePath() override {
        std::wstring buf(MAX_PATH, L'\0');
        for (;;) {
            const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
            if (n == 0) return {};
            if (n < buf.size()) {  // on a short buffer the answer is truncated to its size
                buf.resize(n);
                return narrow(buf);
            }
            if (buf.size() >= 32768) return {};
            buf.resize(buf.size() * 2);
        }
    }

    std::string toAnsiCodePage(const std::string& utf8) override {
        const std::wstring w = widen(utf8);
        if (w.empty()) return {};
        const int n = WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
        if (n <= 0) return utf8;
        std::string out(static_cast<size_t>(n), '\0');
        WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
        return out;
    }

    ProcessOutcome runAndWait(const std::string& program, const std::string& parameters, uint32_t timeoutMs,
                              const std::function<void()>& whileWaiting) override {
        ProcessOutcome out;
        const std::wstring file = widen(program), params = widen(parameters);
        SHELLEXECUTEINFOW sei{};
        sei.cbSize = sizeof sei;
        // The shell's "open" finds the program on the search path and asks for
        // elevation when its manifest wants it; the process handle lets us wait.
        sei.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
        sei.lpVerb = L"open";
        sei.lpFile = file.c_str();
        sei.lpParameters = params.empty() ? nullptr : params.c_str();
        sei.nShow = SW_SHOW;
        if (!ShellExecuteExW(&sei)) {
            out.error = GetLastError();
            if (out.error == 0) out.error = ERROR_FILE_NOT_FOUND;
            return out;
        }
        out.started = true;
        if (!sei.hProcess) {  // handed to a running program: nothing to wait for
            out.error = ERROR_INVALID_HANDLE;
            return out;
        }
        HandleGuard process(sei.hProcess);
        const ULONGLONG deadline = GetTickCount64() + timeoutMs;
        for (;;) {
            const ULONGLONG now = GetTickCount64();
            const DWORD slice = now >= deadline ? 0 : static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 100));
            const DWORD r = MsgWaitForMultipleObjects(1, &sei.hProcess, FALSE, slice, QS_ALLINPUT);
            if (r == WAIT_OBJECT_0) break;
            if (r == WAIT_FAILED) {
                out.error = GetLastError();
                return out;
            }
            if (r == WAIT_TIMEOUT && GetTickCount64() >= deadline) {
                out.error = WAIT_TIMEOUT;
                return out;
            }
            if (whileWaiting) whileWaiting();
        }
        DWORD code = 0;
        GetExitCodeProcess(sei.hProcess, &code);
        out.finished = true;
        out.exitCode = code;
        return out;
    }

    std::optional<std::string> environmentVariable(const std::string& name) override {
        const std::wstring w = widen(name);
        std::wstring buf(256, L'\0');
        for (int attempt = 0; attempt < 4; ++attempt) {
            SetLastError(ERROR_SUCCESS);
            const DWORD n = GetEnvironmentVariableW(w.c_str(), buf.data(), static_cast<DWORD>(buf.size()));
            if (n == 0) {
                // Zero is also the length of a variable set to nothing.
                if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
                return std::string();
            }
            if (n < buf.size()) {
                buf.resize(n);
                return narrow(buf);
            }
            buf.assign(n, L'\0');  // n counts the terminator when the buffer was short
        }
        return std::nullopt;
    }
};

}  // namespace

std::unique_ptr<ISystem> makeSystem() { return std::make_unique<Win32System>(); }

}  // namespace sv::win32
