#include "common/toollog.h"

#include "common/formats.h"
#include "common/settings.h"
#include "support/sim_test.h"

namespace sv::test {
namespace {

const std::string kFolder = "C:\\Program Files\\Sorvane\\";

class ToolLogTest : public SimTest {
protected:
    ~ToolLogTest() override { ResetProcessDateTimeFormats(); }

    std::string log(const std::string& name) { return m.fs().contents(kFolder + name).value_or("<missing>"); }
    std::optional<RegValue> stored(const std::string& name) {
        return m.reg().openKey(RegRoot::CurrentUser, StatisticsKey, true)->readValue(name);
    }
    // The text of the error an append raises ("" when it wrote).
    static std::string appendError(const std::string& file) {
        try {
            AppendToolLog(file, "line");
        } catch (const PlatformError& e) {
            return e.what();
        }
        return "";
    }
    void at(int hour, int minute) { m.sys().setNow(SystemTime{2026, 3, 14, hour, minute, 0, 0}); }
};

TEST_F(ToolLogTest, AppendCreatesTheFileThenAddsLinesAtItsEnd) {
    AppendToolLog(logfile::ManualJunk, "  first");
    EXPECT_EQ(log("Manual_Junk_Log.txt"), "  first\r\n");
    AppendToolLog(logfile::ManualJunk, "");
    // Text goes out in the ANSI code page (1252 here); what it cannot hold is '?'.
    AppendToolLog(logfile::ManualJunk, "  caf\xC3\xA9 \xE2\x82\xAC \xE6\x97\xA5");
    EXPECT_EQ(log("Manual_Junk_Log.txt"), "  first\r\n\r\n  caf\xE9 \x80 ?\r\n");

    m.fs().addFile(kFolder + "EraserLog.txt", "older run\r\n");
    AppendToolLog(logfile::ScheduledEraser, "newer run");
    EXPECT_EQ(log("EraserLog.txt"), "older run\r\nnewer run\r\n");
}

TEST_F(ToolLogTest, DuplicateFinderSession) {
    SetProcessDateTimeFormats("yyyy/mm/dd", "hh:nn");  // its window holds a file list view
    ASSERT_TRUE(ManualLoggingOn(logswitch::DoDupes));
    at(9, 5);
    SessionOpen(logfile::ManualDupes, SessionStartLabel);
    AppendToolLog(logfile::ManualDupes, "  a step");
    at(9, 12);
    SessionClose(logfile::ManualDupes, CloseSessionLabel,
                 {"NUMBER OF DUPLICATE FILES REMOVED: 1", TotalSpaceRecoveredLine(2'048)});

    EXPECT_EQ(log("Manual_Dupes_Log.txt"),
              "========================================\r\n"
              "SESSION START: 2026/03/14 09:05\r\n"
              "========================================\r\n"
              "\r\n"
              "  a step\r\n"
              "\r\n"
              "========================================\r\n"
              "CLOSE SESSION: 2026/03/14 09:12\r\n"
              "NUMBER OF DUPLICATE FILES REMOVED: 1\r\n"
              "TOTAL SPACE RECOVERED: 2,048 bytes (0.00 megabytes.)\r\n"
              "========================================\r\n"
              "\r\n");
}

TEST_F(ToolLogTest, ScheduledFramesWithAndWithoutTheJunkCleanersBlankLines) {
    m.sys().setNow(SystemTime{2026, 3, 14, 0, 0, 0, 0});
    OperationStart(logfile::ScheduledJunk);
    AppendToolLog(logfile::ScheduledJunk, "");
    AppendToolLog(logfile::ScheduledJunk, "  Start Scan...");
    OperationComplete(logfile::ScheduledJunk, {TotalSpaceRecoveredLine(1'572'864)}, true);
    EXPECT_EQ(log("JunkLog.txt"),
              "\r\n========================================\r\n"
              "OPERATION START: 3/14/2026\r\n"  // regional formats, midnight: date only
              "========================================\r\n"
              "\r\n  Start Scan...\r\n"
              "\r\n========================================\r\n"
              "OPERATION COMPLETE: 3/14/2026\r\n"
              "TOTAL SPACE RECOVERED: 1,572,864 bytes (1.54 megabytes.)\r\n"
              "========================================\r\n\r\n");

    at(2, 30);
    OperationStart(logfile::ScheduledRegistry);
    AppendToolLog(logfile::ScheduledRegistry, "  Registry Already Clean: No invalid references detected.");
    OperationComplete(logfile::ScheduledRegistry, {});
    EXPECT_EQ(log("RegistryLog.txt"),
              "\r\n========================================\r\n"
              "OPERATION START: 3/14/2026 2:30:00 AM\r\n"
              "========================================\r\n"
              "  Registry Already Clean: No invalid references detected.\r\n"
              "========================================\r\n"
              "OPERATION COMPLETE: 3/14/2026 2:30:00 AM\r\n"
              "========================================\r\n");
}

TEST_F(ToolLogTest, ALogThatCannotBeWrittenRaisesAnIOErrorAndStaysAsItWas) {
    m.fs().addFile(kFolder + "JunkLog.txt", "kept\r\n", attr::ReadOnly | attr::Archive);
    m.fs().addFolder(kFolder + "EraserLog.txt");
    m.fs().addFile(kFolder + "RegistryLog.txt", "kept\r\n");
    m.fs().lock(kFolder + "RegistryLog.txt");
    const struct {
        const char* file;
        const char* message;
    } cases[] = {
        {"JunkLog.txt", "File access denied (I/O error 5): C:\\Program Files\\Sorvane\\JunkLog.txt"},
        {"EraserLog.txt", "File access denied (I/O error 5): C:\\Program Files\\Sorvane\\EraserLog.txt"},
        {"RegistryLog.txt", "File in use by another program (I/O error 32): C:\\Program Files\\Sorvane\\RegistryLog.txt"},
    };
    for (const auto& c : cases) EXPECT_EQ(appendError(c.file), c.message);
    m.fs().unlock(kFolder + "RegistryLog.txt");
    EXPECT_EQ(log("JunkLog.txt"), "kept\r\n");
    EXPECT_EQ(log("RegistryLog.txt"), "kept\r\n");

    m.sys().setExecutablePath("C:\\Gone\\Sorvane.exe");
    EXPECT_EQ(appendError(logfile::ManualRegistry), "Path not found (I/O error 3): C:\\Gone\\Manual_Registry_Log.txt");
}

TEST_F(ToolLogTest, TheViewersLetterCasesNameTheSameFiles) {
    const std::pair<const char*, const char*> cases[] = {
        {"Junklog.txt", "JunkLog.txt"},
        {"Eraserlog.txt", "EraserLog.txt"},
        {"Registrylog.txt", "RegistryLog.txt"},
        {"Manual_Shortcuts_Log.txt", "Manual_ShortCuts_Log.txt"},
        {"Manual_Dupes_Log.txt", "Manual_Dupes_Log.txt"},
        {"Notes.txt", "Notes.txt"},
    };
    for (const auto& [given, real] : cases) EXPECT_EQ(ToolLogFileName(given), real);

    AppendToolLog("Junklog.txt", "x");
    FindData found;
    ASSERT_TRUE(m.fs().findFirst(kFolder + "junklog.txt", found));
    EXPECT_EQ(found.name, "JunkLog.txt");
}

TEST_F(ToolLogTest, SwitchesAreOnUnlessSetOff) {
    EXPECT_TRUE(ManualLoggingOn(logswitch::DoJunk));
    EXPECT_TRUE(ScheduledLoggingOn(schedulekey::Registry));
    WriteSettingBool(StatisticsKey, logswitch::DoJunk, false);
    WriteSettingBool(schedulekey::Registry, "LogEvents", false);
    EXPECT_FALSE(ManualLoggingOn(logswitch::DoJunk));
    EXPECT_FALSE(ScheduledLoggingOn(schedulekey::Registry));
    EXPECT_TRUE(ScheduledLoggingOn(schedulekey::Junk));
}

TEST_F(ToolLogTest, CountersStayDwordsWhileTheyFitAndBecomeQwordsAfter) {
    EXPECT_EQ(ReadCounter(counter::JunkBytes), 0);
    AddToCounter(counter::JunkBytes, 0);
    EXPECT_EQ(stored("JunkBytes"), RegValue::dword(0));  // a session without work still writes

    AddToCounter(counter::JunkBytes, 2'147'483'640);
    AddToCounter(counter::JunkBytes, 7);
    EXPECT_EQ(stored("JunkBytes"), RegValue::dword(0x7FFFFFFF));
    EXPECT_EQ(ReadCounter(counter::JunkBytes), 2'147'483'647);

    AddToCounter(counter::JunkBytes, 1);
    EXPECT_EQ(stored("JunkBytes"), RegValue::qword(0x80000000));
    AddToCounter(counter::JunkBytes, 5'000'000'000);
    EXPECT_EQ(ReadCounter(counter::JunkBytes), 7'147'483'648);
    EXPECT_EQ(stored("JunkBytes"), RegValue::qword(7'147'483'648));
}

TEST_F(ToolLogTest, CountersReadWhateverTypeTheyHoldAndRejectText) {
    auto key = m.reg().openKey(RegRoot::CurrentUser, StatisticsKey, true);
    key->writeValue("DupeFiles", RegValue::dword(0xFFFFFFFF));  // signed 32-bit, as it was always stored
    key->writeValue("DupeBytes", RegValue::qword(1ULL << 40));
    key->writeValue("RegRefs", RegValue::text("12"));
    EXPECT_EQ(ReadCounter(counter::DupeFiles), -1);
    EXPECT_EQ(ReadCounter(counter::DupeBytes), 1LL << 40);
    EXPECT_THROW(ReadCounter(counter::RegRefs), PlatformError);
    EXPECT_THROW(AddToCounter(counter::RegRefs, 1), PlatformError);
    EXPECT_EQ(stored("RegRefs"), RegValue::text("12"));
}

}  // namespace
}  // namespace sv::test
