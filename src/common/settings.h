// Single settings below HKEY_CURRENT_USER, each call opening its key afresh
// (creating it), so that nothing is cached between uses and the last write wins.
#pragma once

#include <cstdint>
#include <string>

namespace sv {

// Key paths of the product's settings (below HKEY_CURRENT_USER).
inline constexpr const char* ProductKey = "\\Software\\Kettrel\\Sorvane";
inline constexpr const char* StatisticsKey = "\\Software\\Kettrel\\Sorvane\\Logs";
inline constexpr const char* PrivacyKey = "\\software\\kettrel\\Sorvane\\privacy";

// A missing switch reads as on.
bool ReadSettingBool(const std::string& keyPath, const std::string& name);
void WriteSettingBool(const std::string& keyPath, const std::string& name, bool value);
// A missing counter reads as 0.
int32_t ReadSettingInt(const std::string& keyPath, const std::string& name);
void WriteSettingInt(const std::string& keyPath, const std::string& name, int32_t value);
void DeleteSettingValue(const std::string& keyPath, const std::string& name);

// The drive list that gets a first-use default of check marks.
class DriveCheckList {
public:
    virtual ~DriveCheckList() = default;
    virtual int driveCount() const = 0;
    // The drive's display caption, such as "Local Disk (C:)".
    virtual std::string driveCaption(int index) const = 0;
    virtual void setDriveChecked(int index, bool checked) = 0;
};

// On first use (the key has no sub-key `subKey` yet) checks every fixed drive of
// the list; drives of other types keep their state, and nothing is ever unchecked.
void InitDriveChecks(const std::string& keyPath, const std::string& subKey, DriveCheckList& drives);

}  // namespace sv
