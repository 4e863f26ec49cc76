// Cases only the real Win32 services can answer: the UTF-8/UTF-16 boundary
// against data other programs wrote, Wine detection, and the locale pictures.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "platform/contract/contract.h"
#include "platform/win32/locale_format.h"
#include "platform/win32/text.h"
#include "platform/win32/wine.h"

namespace sv::test {
namespace {

using win32::narrow;
using win32::widen;

TEST(Win32Text, RoundTripsAndMatchesTheWideForm) {
    struct Case {
        std::string utf8;
        std::wstring utf16;
    };
    const Case cases[] = {
        {"", L""},
        {"plain.txt", L"plain.txt"},
        {"Gr\xC3\xBC\xC3\x9F" "e", L"Gr\u00FC\u00DF" L"e"},
        {"\xE6\x97\xA5\xE6\x9C\xAC", L"\u65E5\u672C"},
        {"\xF0\x9F\x98\x80 x", L"\xD83D\xDE00 x"},  // outside the BMP: a surrogate pair
        {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(widen(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(narrow(c.utf16), c.utf8) << c.utf8;
    }
    EXPECT_EQ(widen("a\xFF" "b"), L"a\uFFFD" L"b");  // bad input is replaced, not dropped
    EXPECT_EQ(win32::doubleNulList({"a", "bc"}), std::wstring(L"a\0bc\0\0", 6));
}

TEST(Win32Wine, DetectionAgreesWithThePrefix) {
    // Every Wine prefix has HKLM\Software\Wine; Windows has not.
    HKEY h = nullptr;
    const bool wineKey = RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Wine", 0, KEY_READ, &h) == ERROR_SUCCESS;
    if (wineKey) RegCloseKey(h);
    EXPECT_EQ(win32::runningUnderWine(), wineKey);

    const auto roots = win32::hostRootDrives();
    if (!win32::runningUnderWine()) {
        EXPECT_TRUE(roots.empty());
        return;
    }
    // A fresh prefix maps Z: to "/" and C: to drive_c.
    EXPECT_NE(std::find(roots.begin(), roots.end(), 'Z'), roots.end());
    EXPECT_EQ(std::find(roots.begin(), roots.end(), 'C'), roots.end());
}

TEST(Win32Locale, PicturesBecomePatternLetters) {
    struct Case {
        const char* picture;
        const char* separator;
        const char* expected;
    };
    const Case dates[] = {
        {"M/d/yyyy", "/", "m/d/yyyy"},
        {"dd.MM.yyyy", ".", "dd/mm/yyyy"},
        {"yyyy-MM-dd", "-", "yyyy/mm/dd"},
        {"d/M/yy", "/", "d/m/yy"},
        {"ddd, MMM d y", "/", "ddd, mmm d yy"},
        {"yyyy. MM. dd.", ". ", "yyyy/mm/dd."},
        {"d 'de' MMMM", "/", "d \"de\" mmmm"},
        {"dd-MM-yyyy'r.'", "-", "dd/mm/yyyy\"r.\""},
    };
    for (const auto& c : dates) EXPECT_EQ(win32::shortDateFromPicture(c.picture, c.separator), c.expected) << c.picture;
    const Case times[] = {
        {"h:mm:ss tt", ":", "h:nn:ss AMPM"},
        {"HH:mm:ss", ":", "hh:nn:ss"},
        {"H.mm.ss", ".", "h:nn:ss"},
        {"tt hh:mm:ss", ":", "AMPM hh:nn:ss"},
        {"H' h 'mm", ":", "h\" h \"nn"},
    };
    for (const auto& c : times) EXPECT_EQ(win32::longTimeFromPicture(c.picture, c.separator), c.expected) << c.picture;

    EXPECT_EQ(win32::separatorChar(",", '?'), ',');
    EXPECT_EQ(win32::separatorChar("\xC2\xA0", '?'), ' ');  // no-break space (French thousands)
    EXPECT_EQ(win32::separatorChar("", '?'), '?');
    EXPECT_EQ(win32::separatorChar("\xE2\x80\x99", '?'), '?');  // a typographic apostrophe has no one-byte form
}

// Data written straight through the wide API, the way other programs write it,
// read back through the service, and the other way round.
class Win32Boundary : public ::testing::Test {
protected:
    void SetUp() override {
        env_ = win32Backend().make();
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, widen(env_->scratchKey()).c_str(), 0, nullptr, 0,
                                  KEY_READ | KEY_WRITE, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        if (key_) RegCloseKey(key_);
        env_.reset();
    }
    void setRaw(const wchar_t* name, DWORD type, const std::wstring& data) {
        ASSERT_EQ(RegSetValueExW(key_, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                 static_cast<DWORD>(data.size() * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
    std::unique_ptr<ContractEnv> env_;
    HKEY key_ = nullptr;
};

TEST_F(Win32Boundary, RegistryTextAsOtherProgramsStoreIt) {
    setRaw(L"unterminated", REG_SZ, L"abc");
    setRaw(L"terminated", REG_EXPAND_SZ, std::wstring(L"%TEMP%\\\u00E9\0", 9));
    setRaw(L"multi", REG_MULTI_SZ, std::wstring(L"one\0zw\u00F6lf\0\0", 11));
    setRaw(L"multiNoEnd", REG_MULTI_SZ, std::wstring(L"a\0b", 3));

    auto key = env_->machine().registry().openKey(RegRoot::CurrentUser, env_->scratchKey(), false, false);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readValue("unterminated"), RegValue::text("abc"));
    EXPECT_EQ(key->readValue("terminated"), RegValue::text("%TEMP%\\\xC3\xA9", RegType::ExpandSz));
    EXPECT_EQ(key->readValue("multi")->data, std::string("one\0zw\xC3\xB6lf\0", 11));
    EXPECT_EQ(key->readValue("multiNoEnd")->data, std::string("a\0b\0", 4));
    // As stored, in UTF-16 bytes. (Wine adds the missing terminator when the
    // unterminated value is written, Windows does not, so that one is not asked.)
    EXPECT_EQ(key->valueSize("terminated"), 18u);
}

TEST_F(Win32Boundary, RegistryTextTheServiceWritesIsUtf16WithTerminator) {
    auto key = env_->machine().registry().openKey(RegRoot::CurrentUser, env_->scratchKey(), false);
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->writeValue("n\xC3\xA4me", RegValue::text("\xE2\x82\xAC" "5")));
    ASSERT_TRUE(key->writeValue("list", RegValue{RegType::MultiSz, std::string("x\0yz\0", 5)}));

    wchar_t buf[16] = {};
    DWORD type = 0, size = sizeof buf;
    ASSERT_EQ(RegQueryValueExW(key_, L"n\u00E4me", nullptr, &type, reinterpret_cast<BYTE*>(buf), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::wstring(buf, size / sizeof(wchar_t)), std::wstring(L"\u20AC" L"5\0", 3));
    size = sizeof buf;
    ASSERT_EQ(RegQueryValueExW(key_, L"list", nullptr, &type, reinterpret_cast<BYTE*>(buf), &size), ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(buf, size / sizeof(wchar_t)), std::wstring(L"x\0yz\0\0", 6));
    // Wine lists values by name, Windows in the order written; only the names are asked.
    auto names = key->valueNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"list", "n\xC3\xA4me"}));
}

TEST_F(Win32Boundary, FileNamesCrossTheBoundaryBothWays) {
    IFileSystem& fs = env_->machine().files();
    const std::string folder = env_->scratchFolder();
    ASSERT_TRUE(writeWholeFile(fs, folder + "\\\xE2\x98\x83 Gr\xC3\xBC\xC3\x9F" "e.txt", "x"));
    const std::wstring wide = widen(folder) + L"\\\u2603 Gr\u00FC\u00DF" L"e.txt";
    EXPECT_NE(GetFileAttributesW(wide.c_str()), INVALID_FILE_ATTRIBUTES);

    HANDLE h = CreateFileW((widen(folder) + L"\\\u65E5\u672C\u8A9E \u4E00\u500B\u9577\u3044\u540D\u524D.txt").c_str(),
                           GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
    FindData d;
    auto find = fs.findFirst(folder + "\\\xE6\x97\xA5*", d);
    ASSERT_TRUE(find);
    EXPECT_EQ(d.name, "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xE4\xB8\x80\xE5\x80\x8B\xE9\x95\xB7\xE3\x81\x84"
                      "\xE5\x90\x8D\xE5\x89\x8D.txt");
    // A long name has an 8.3 alias, and the search reports it.
    EXPECT_FALSE(d.shortName.empty());
    EXPECT_NE(d.shortName, d.name);
}

// Plays the user: waits for the box titled `title`, keeps its text, and presses
// `button`. It stops looking when told to or after about a minute.
class BoxAnswerer {
public:
    BoxAnswerer(std::wstring title, int button)
        : title_(std::move(title)), button_(button), thread_([this] { run(); }) {}
    ~BoxAnswerer() { stop(); }
    void stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    bool found() const { return found_; }
    const std::wstring& text() const { return text_; }

private:
    void run() {
        for (int i = 0; i < 6000 && !stop_; ++i) {
            if (HWND box = FindWindowW(L"#32770", title_.c_str())) {
                wchar_t text[256] = {};
                GetDlgItemTextW(box, 0xFFFF, text, 256);  // the message's static control
                text_ = text;
                found_ = true;
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED), 0);
                return;
            }
            Sleep(10);
        }
    }
    std::wstring title_;
    int button_;
    std::atomic<bool> found_{false}, stop_{false};
    std::wstring text_;
    std::thread thread_;
};

TEST(Win32System, EnvironmentAndPathsAnswerLikeTheSystem) {
    auto env = win32Backend().make();
    ISystem& sys = env->machine().system();
    IFileSystem& fs = env->machine().files();
    const std::wstring longValue(1000, L'x');  // longer than any first buffer
    ASSERT_TRUE(SetEnvironmentVariableW(L"SV_TEST_EMPTY", L""));
    ASSERT_TRUE(SetEnvironmentVariableW(L"SV_TEST_LONG", longValue.c_str()));
    ASSERT_TRUE(SetEnvironmentVariableW(L"SV_TEST_\u00DC", L"\u00E9t\u00E9"));
    SetEnvironmentVariableW(L"SV_TEST_MISSING", nullptr);

    EXPECT_EQ(sys.environmentVariable("SV_TEST_EMPTY"), "");  // set to nothing is not missing
    EXPECT_EQ(sys.environmentVariable("SV_TEST_MISSING"), std::nullopt);
    EXPECT_EQ(sys.environmentVariable("SV_TEST_LONG"), narrow(longValue));
    EXPECT_EQ(sys.environmentVariable("SV_TEST_\xC3\x9C"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(fs.expandEnvironment("<%SV_TEST_LONG%|%SV_TEST_MISSING%>"), "<" + narrow(longValue) + "|%SV_TEST_MISSING%>");

    for (const wchar_t* name : {L"SV_TEST_EMPTY", L"SV_TEST_LONG", L"SV_TEST_\u00DC"}) SetEnvironmentVariableW(name, nullptr);

    const std::string exe = sys.executablePath();
    EXPECT_EQ(GetFileAttributesW(widen(exe).c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u) << exe;
    EXPECT_EQ(executableFolder(sys) + exe.substr(exe.find_last_of('\\') + 1), exe);
    EXPECT_NE(fs.windowsFolder().back(), '\\');
    EXPECT_EQ(fs.tempPath().back(), '\\');
    EXPECT_TRUE(sys.tokenHasAdministrators().has_value());

    // Local time is UTC moved by whole minutes, and back again.
    const FileTime now = sys.nowUtc();
    const FileTime local = sys.utcToLocal(now);
    EXPECT_EQ(sys.localToUtc(local), now);
    EXPECT_EQ((local.ticks - now.ticks) % (60ULL * 10'000'000), 0u);
}

TEST(Win32Dialogs, TheBoxShowsTheTextAndReportsTheButtonPressed) {
    // A quit request left in this thread's queue by an earlier window test would
    // end the box at once (Windows does that on purpose during shut-down).
    MSG stray;
    while (PeekMessageW(&stray, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    auto env = win32Backend().make();
    struct Case {
        MsgButtons buttons;
        int press;
        MsgAnswer expected;
    };
    const Case cases[] = {
        {MsgButtons::YesNoCancel, IDNO, MsgAnswer::No},
        {MsgButtons::OkCancel, IDOK, MsgAnswer::Ok},
    };  // each box costs Wine about two seconds, so only two
    for (const auto& c : cases) {
        MessageRequest r;
        r.title = "Sorvane \xE2\x80\x93 " + std::to_string(c.press);
        r.text = "L\xC3\xB6schen?";
        r.buttons = c.buttons;
        r.icon = MsgIcon::Question;
        BoxAnswerer user(widen(r.title), c.press);
        const MsgAnswer answer = env->machine().dialogs().messageBox(r);
        user.stop();
        ASSERT_TRUE(user.found()) << "no box titled " << r.title;
        EXPECT_EQ(user.text(), L"L\u00F6schen?");
        EXPECT_EQ(answer, c.expected) << r.title;
    }
}

TEST(Win32Shell, ExecuteReportsWhetherTheShellAcceptedIt) {
    auto env = win32Backend().make();
    IShell& shell = env->machine().shell();
    EXPECT_FALSE(shell.execute("open", env->scratchFolder() + "\\missing.exe", "", "", ShowCmd::Hide));
    // Started in the system folder: a scratch folder that is the working folder
    // of a still running process could not be removed afterwards.
    const std::string system = env->machine().files().systemFolder();
    EXPECT_TRUE(shell.execute("open", system + "\\cmd.exe", "/c exit", system, ShowCmd::Hide));
}

}  // namespace
}  // namespace sv::test
