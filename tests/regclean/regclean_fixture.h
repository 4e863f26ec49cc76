// A small registry with one reference of every kind the registry cleaner must
// tell apart, planted on a simulated machine, and the rows a scan of it lists.
#pragma once

#include <string>
#include <vector>

#include "platform/sim/sim_machine.h"
#include "platform/ui/listview.h"

namespace sv::test {

inline constexpr const char* kAcme = "Software\\Acme";
inline constexpr const char* kSharedDlls = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

// Planted at 09:05 UTC on 14 March 2026 (local time one hour ahead, which the rows
// must not show), the HKEY_LOCAL_MACHINE software at 14:30.
inline void plantRegistry(sim::SimMachine& m) {
    m.sys().setUtcOffsetMinutes(60);
    m.fs().addFile("C:\\Apps\\tool.exe");
    auto& reg = m.reg();
    const RegRoot cu = RegRoot::CurrentUser, lm = RegRoot::LocalMachine;
    reg.set(cu, "", "Rooted", RegValue::text("C:\\Gone\\root.txt"));  // a start key's own values are not examined
    reg.set(cu, kAcme, "Missing", RegValue::text("C:\\Gone\\tool.exe"));
    reg.set(cu, kAcme, "Folder", RegValue::text("C:\\GoneFolder"));
    reg.set(cu, kAcme, "Blank", RegValue::text("C:\\Program Files\\gone.exe"));
    reg.set(cu, kAcme, "Floppy", RegValue::text("A:\\setup.exe"));
    reg.set(cu, kAcme, "Env", RegValue::text("%SystemRoot%\\gone.dll", RegType::ExpandSz));
    reg.set(cu, kAcme, "Good", RegValue::text("C:\\Apps\\tool.exe"));
    reg.set(cu, kAcme, "C:\\Gone\\named.dll", RegValue::text("C:\\Apps\\tool.exe"));
    reg.set(cu, kAcme, "Count", RegValue::dword(7));
    reg.set(cu, kAcme, "Blob", RegValue::binary("C:\\Gone\\bytes.bin"));  // not a string: not examined
    reg.set(cu, kAcme, "ExpandGone", RegValue::text("C:\\Apps\\gone.dll", RegType::ExpandSz));
    reg.set(cu, std::string(kAcme) + "\\Deeper", "", RegValue::text("C:\\Apps\\missing.ini"));
    reg.set(RegRoot::Users, ".DEFAULT\\Software\\Old", "Doc", RegValue::text("C:\\Gone\\u.txt"));
    reg.set(lm, kSharedDlls, "C:\\Gone\\shared.dll", RegValue::dword(1));
    reg.set(lm, kSharedDlls, "C:\\Apps\\tool.exe", RegValue::dword(2));
    m.sys().advanceMs((5 * 60 + 25) * 60 * 1000);
    reg.set(lm, "Software", "Direct", RegValue::text("C:\\Gone\\direct.dll"));  // directly in the start key
    reg.set(lm, "Software\\Vendor", "Dll", RegValue::text("C:\\Gone\\v.dll"));
}

// The rows a scan of every area lists, as "caption | time | name | data".
inline std::vector<std::string> plantedRows() {
    const std::string cu = "HKEY_CURRENT_USER: \\Software\\Acme | 03/14/2026 09:05AM | ";
    return {
        cu + "Missing | C:\\Gone\\tool.exe",
        cu + "Folder | C:\\GoneFolder",
        cu + "C:\\Gone\\named.dll | C:\\Apps\\tool.exe",
        cu + "ExpandGone | C:\\Apps\\gone.dll",
        "HKEY_CURRENT_USER: \\Software\\Acme\\Deeper | 03/14/2026 09:05AM |  | C:\\Apps\\missing.ini",
        "HKEY_USERS: \\.DEFAULT\\Software\\Old | 03/14/2026 09:05AM | Doc | C:\\Gone\\u.txt",
        "HKEY_LOCAL_MACHINE: Software\\Vendor | 03/14/2026 02:30PM | Dll | C:\\Gone\\v.dll",
        "HKEY_LOCAL_MACHINE: SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs | 03/14/2026 09:05AM | "
        "C:\\Gone\\shared.dll | C:\\Gone\\shared.dll",
    };
}

inline std::string rowText(const ui::ListView& lv, int i) {
    const ui::ListRow& r = lv.row(i);
    return r.caption + " | " + r.text(1) + " | " + r.text(2) + " | " + r.text(3);
}

inline std::vector<std::string> rowTexts(const ui::ListView& lv) {
    std::vector<std::string> out;
    for (int i = 0; i < lv.rowCount(); ++i) out.push_back(rowText(lv, i));
    return out;
}

}  // namespace sv::test
