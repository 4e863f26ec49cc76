#include "common/settings.h"

#include <vector>

#include "common/regaccess.h"
#include "support/sim_test.h"

namespace sv::test {
namespace {

class SettingsTest : public SimTest {
protected:
    std::optional<RegValue> stored(const std::string& path, const std::string& name) {
        auto key = m.reg().openKey(RegRoot::CurrentUser, path, false);
        return key ? key->readValue(name) : std::nullopt;
    }
};

TEST_F(SettingsTest, MissingValuesReadAsDefaultsAndLeaveTheKeyBehind) {
    EXPECT_TRUE(ReadSettingBool("\\Software\\Kettrel\\Sorvane\\Hints", "All"));
    EXPECT_TRUE(m.reg().keyExists(RegRoot::CurrentUser, "Software\\Kettrel\\Sorvane\\Hints"));
    EXPECT_EQ(ReadSettingInt("software\\kettrel\\sorvane\\logs", "JunkFiles"), 0);
    EXPECT_TRUE(m.reg().keyExists(RegRoot::CurrentUser, "Software\\Kettrel\\Sorvane\\Logs"));
}

TEST_F(SettingsTest, TypedValuesRoundTripWithTheRegistrysOwnTypes) {
    WriteSettingInt(StatisticsKey, "JunkFiles", -5);
    EXPECT_EQ(ReadSettingInt(StatisticsKey, "JunkFiles"), -5);
    EXPECT_EQ(stored("Software\\Kettrel\\Sorvane\\Logs", "JunkFiles"), RegValue::dword(0xFFFFFFFBu));

    WriteSettingBool(StatisticsKey, "DoJunk", false);
    EXPECT_FALSE(ReadSettingBool(StatisticsKey, "DoJunk"));
    EXPECT_EQ(stored("Software\\Kettrel\\Sorvane\\Logs", "DoJunk"), RegValue::dword(0));
    WriteSettingBool(StatisticsKey, "DoJunk", true);
    EXPECT_EQ(stored("Software\\Kettrel\\Sorvane\\Logs", "DoJunk"), RegValue::dword(1));

    // Any non-zero number is on; the path's letter case and leading backslash do not matter.
    m.reg().openKey(RegRoot::CurrentUser, "software\\kettrel\\sorvane\\logs", true)->writeValue("DoReg", RegValue::dword(2));
    EXPECT_TRUE(ReadSettingBool("Software\\Kettrel\\Sorvane\\Logs", "DoReg"));
}

TEST_F(SettingsTest, ATypedReadOfAnotherTypeFailsWithTheRegistrysMessage) {
    m.reg().openKey(RegRoot::CurrentUser, "Software\\Kettrel\\Sorvane\\Logs", true)->writeValue("DoJunk", RegValue::text("1"));
    try {
        ReadSettingBool(StatisticsKey, "DoJunk");
        FAIL() << "a text value was read as a number";
    } catch (const PlatformError& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'DoJunk'");
    }
    EXPECT_THROW(ReadSettingInt(StatisticsKey, "DoJunk"), PlatformError);
}

TEST_F(SettingsTest, DeletingAMissingValueOnlyCreatesTheKey) {
    auto key = m.reg().openKey(RegRoot::CurrentUser, "Software\\Kettrel\\Sorvane\\privacy", true);
    key->writeValue("Cache", RegValue::text("C:\\cache"));
    DeleteSettingValue(PrivacyKey, "Cookies");
    EXPECT_EQ(key->valueNames(), std::vector<std::string>{"Cache"});
    DeleteSettingValue(PrivacyKey, "cache");
    EXPECT_TRUE(key->valueNames().empty());
    DeleteSettingValue("\\Software\\Kettrel\\Sorvane\\New", "X");
    EXPECT_TRUE(m.reg().keyExists(RegRoot::CurrentUser, "Software\\Kettrel\\Sorvane\\New"));
}

TEST_F(SettingsTest, IniStyleValuesAreTextAndReadBackInBothStyles) {
    IniRegistry ini(RegRoot::CurrentUser, "software\\Kettrel\\Sorvane\\junk");
    ini.writeBool("pos", "cbConfirm_Checked", true);
    ini.writeBool("pos", "cbDays_Checked", false);
    ini.writeInteger("", "Days", 14);
    EXPECT_EQ(stored("Software\\Kettrel\\Sorvane\\Junk\\Pos", "cbConfirm_Checked"), RegValue::text("1"));
    EXPECT_EQ(stored("Software\\Kettrel\\Sorvane\\Junk\\Pos", "cbDays_Checked"), RegValue::text("0"));
    EXPECT_EQ(stored("Software\\Kettrel\\Sorvane\\Junk", "Days"), RegValue::text("14"));
    EXPECT_TRUE(ini.readBool("pos", "cbConfirm_Checked", false));
    EXPECT_FALSE(ini.readBool("pos", "cbDays_Checked", true));
    EXPECT_EQ(ini.readInteger("", "Days", 0), 14);

    // A number written in the typed style reads back in the INI style too.
    WriteSettingInt("software\\Kettrel\\Sorvane\\junk", "Typed", 7);
    EXPECT_EQ(ini.readInteger("", "Typed", 0), 7);
    EXPECT_EQ(ini.readString("", "Typed", ""), "7");
}

TEST_F(SettingsTest, IniStyleIntegersParseDecimalAndHexText) {
    struct Case {
        const char* text;
        int32_t expected;
    } cases[] = {
        {"0x1A", 26}, {"0X1a", 26}, {"42", 42}, {"-5", -5}, {"+3", 3}, {"0xFFFFFFFF", -1},
        {"0x", 99},   {"abc", 99},  {"", 99},   {"12a", 99}, {"-", 99}, {"99999999999", 99},
    };
    IniRegistry ini(RegRoot::CurrentUser, "Software\\Kettrel\\Sorvane\\DupeList");
    for (const auto& c : cases) {
        ini.writeString("", "N", c.text);
        EXPECT_EQ(ini.readInteger("", "N", 99), c.expected) << '"' << c.text << '"';
    }
    EXPECT_EQ(ini.readInteger("", "Missing", 99), 99);
}

class FakeDrives : public DriveCheckList {
public:
    struct Row {
        std::string caption;
        bool checked;
    };
    std::vector<Row> rows;
    int driveCount() const override { return static_cast<int>(rows.size()); }
    std::string driveCaption(int i) const override { return rows[i].caption; }
    void setDriveChecked(int i, bool c) override { rows[i].checked = c; }
    std::vector<bool> marks() const {
        std::vector<bool> out;
        for (const auto& r : rows) out.push_back(r.checked);
        return out;
    }
};

TEST_F(SettingsTest, InitDriveChecksMarksFixedDrivesOnFirstUseOnly) {
    m.fs().addDrive('A', DriveType::Removable, "");
    m.fs().addDrive('D', DriveType::Fixed, "Data");
    m.fs().addDrive('E', DriveType::CdRom, "");
    m.fs().addDrive('N', DriveType::Remote, "");
    m.fs().addDrive('Z', DriveType::Fixed, "");
    m.fs().setWholeHostDrive('Z', true);
    FakeDrives drives;
    drives.rows = {{"3\xC2\xBD Floppy (A:)", true}, {" (C:)", false},         {"Data (D:)", false},
                   {"CD Drive (E:)", false},        {"share on server (N:)", false}, {" (Z:)", false}};

    // Fixed drives get a mark; the drive that is the host's whole file system does not.
    InitDriveChecks("software\\Kettrel\\Sorvane\\junk", "pos", drives);
    EXPECT_EQ(drives.marks(), (std::vector<bool>{true, true, true, false, false, false}));

    // Once the window has saved its state, the user's choice stands.
    m.reg().openKey(RegRoot::CurrentUser, "Software\\Kettrel\\Sorvane\\Junk\\Pos", true);
    drives.rows[1].checked = false;
    InitDriveChecks("software\\Kettrel\\Sorvane\\junk", "pos", drives);
    EXPECT_EQ(drives.marks(), (std::vector<bool>{true, false, true, false, false, false}));
}

}  // namespace
}  // namespace sv::test
