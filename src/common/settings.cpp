#include "common/settings.h"

#include "common/regaccess.h"
#include "platform/machine.h"

namespace sv {

bool ReadSettingBool(const std::string& keyPath, const std::string& name) {
    RegAccess key(RegRoot::CurrentUser, keyPath, true);
    if (key.isOpen() && key.valueExists(name)) return key.readBool(name);
    return true;
}

void WriteSettingBool(const std::string& keyPath, const std::string& name, bool value) {
    RegAccess key(RegRoot::CurrentUser, keyPath, true);
    key.writeBool(name, value);
}

int32_t ReadSettingInt(const std::string& keyPath, const std::string& name) {
    RegAccess key(RegRoot::CurrentUser, keyPath, true);
    if (key.isOpen() && key.valueExists(name)) return key.readInteger(name);
    return 0;
}

void WriteSettingInt(const std::string& keyPath, const std::string& name, int32_t value) {
    RegAccess key(RegRoot::CurrentUser, keyPath, true);
    key.writeInteger(name, value);
}

void DeleteSettingValue(const std::string& keyPath, const std::string& name) {
    RegAccess key(RegRoot::CurrentUser, keyPath, true);
    if (key.valueExists(name)) key.deleteValue(name);
}

void InitDriveChecks(const std::string& keyPath, const std::string& subKey, DriveCheckList& drives) {
    RegAccess key(RegRoot::CurrentUser, keyPath, true);
    if (key.hasSubKey(subKey)) return;
    IFileSystem& fs = machine().files();
    for (int i = 0; i < drives.driveCount(); ++i) {
        const std::string caption = drives.driveCaption(i);
        // "Local Disk (C:)": the two characters before the closing parenthesis.
        if (caption.size() < 3) continue;
        const std::string root = caption.substr(caption.size() - 3, 2) + "\\";
        if (fs.driveType(root) == DriveType::Fixed && !fs.mapsWholeHostFileSystem(root)) drives.setDriveChecked(i, true);
    }
}

}  // namespace sv
