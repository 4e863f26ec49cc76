// The registry service as every backend must provide it.
#include <cstdint>
#include <cstdlib>

#include "platform/contract/contract.h"

namespace sv::test {
namespace {

class RegistryContract : public ContractTest {
protected:
    IRegistry& reg() { return m().registry(); }
    std::string key() { return env().scratchKey(); }
    std::unique_ptr<RegKey> open(const std::string& sub = {}, bool writable = true) {
        return reg().openKey(RegRoot::CurrentUser, sub.empty() ? key() : key() + "\\" + sub, true, writable);
    }
};

TEST_P(RegistryContract, KeysAreFoundByPathWithOrWithoutLeadingBackslashAndInAnyCase) {
    EXPECT_FALSE(reg().keyExists(RegRoot::CurrentUser, key()));
    EXPECT_EQ(reg().openKey(RegRoot::CurrentUser, key(), false), nullptr);
    EXPECT_FALSE(reg().keyExists(RegRoot::CurrentUser, key())) << "opening without create made the key";

    ASSERT_NE(reg().openKey(RegRoot::CurrentUser, "\\" + key() + "\\Sub\\Deep", true), nullptr);
    for (const std::string& spelling : {key() + "\\Sub\\Deep", "\\" + key() + "\\SUB\\deep", key() + "\\sub\\DEEP\\"})
        EXPECT_TRUE(reg().keyExists(RegRoot::CurrentUser, spelling)) << spelling;
    EXPECT_FALSE(reg().keyExists(RegRoot::CurrentUser, key() + "\\Sub\\Other"));

    // Opening under another spelling neither renames nor duplicates the key.
    ASSERT_NE(reg().openKey(RegRoot::CurrentUser, key() + "\\SUB", true), nullptr);
    EXPECT_EQ(open()->subKeyNames(), std::vector<std::string>{"Sub"});
}

TEST_P(RegistryContract, SubKeysEnumerateByNameAndValuesInTheOrderFirstWritten) {
    for (const char* name : {"beta", "Alpha", "gamma"}) ASSERT_NE(open(name), nullptr);
    EXPECT_EQ(open()->subKeyNames(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));

    auto k = open();
    for (const char* name : {"zeta", "Alpha", "mid"}) ASSERT_TRUE(k->writeValue(name, RegValue::text(name)));
    ASSERT_TRUE(k->writeValue("Alpha", RegValue::text("again")));  // rewriting keeps the place
    const bool sorted = env().valuesSortedByName();
    EXPECT_EQ(k->valueNames(), sorted ? (std::vector<std::string>{"Alpha", "mid", "zeta"})
                                      : (std::vector<std::string>{"zeta", "Alpha", "mid"}));
    ASSERT_TRUE(k->deleteValue("ZETA"));
    ASSERT_TRUE(k->writeValue("zeta", RegValue::text("back")));
    EXPECT_EQ(k->valueNames(), (std::vector<std::string>{"Alpha", "mid", "zeta"}));
    EXPECT_EQ(k->readValue("alpha"), RegValue::text("again"));
}

TEST_P(RegistryContract, TypedValuesRoundTripWithTheSizesTheRegistryReports) {
    struct Case {
        const char* name;
        RegValue value;
        uint32_t size;
    };
    const Case cases[] = {
        {"Sz", RegValue::text("plain"), 12},                      // UTF-16 with terminator
        {"Empty", RegValue::text(""), 2},
        {"Accented", RegValue::text("\xC3\x84rger \xE2\x82\xAC"), 16},  // "Ärger €": 7 units
        {"Astral", RegValue::text("\xF0\x9F\x98\x80"), 6},             // one surrogate pair
        {"Expand", RegValue::text("%WINDIR%\\x", RegType::ExpandSz), 22},
        {"Dword", RegValue::dword(0xDEADBEEF), 4},
        {"Qword", RegValue::qword(0x1122334455667788ULL), 8},
        {"Binary", RegValue::binary(std::string("\x00\x01\xFF", 3)), 3},
        {"Multi", RegValue{RegType::MultiSz, std::string("one\0two\0", 8)}, 18},
        // "Zürich", "日本": 6 + 1 + 2 + 1 units and the list's final terminator
        {"MultiUtf8", RegValue{RegType::MultiSz, std::string("Z\xC3\xBCrich\0\xE6\x97\xA5\xE6\x9C\xAC\0", 15)}, 22},
    };
    auto k = open();
    for (const auto& c : cases) ASSERT_TRUE(k->writeValue(c.name, c.value)) << c.name;
    auto again = reg().openKey(RegRoot::CurrentUser, key(), false, false);
    ASSERT_NE(again, nullptr);
    for (const auto& c : cases) {
        EXPECT_TRUE(again->hasValue(c.name)) << c.name;
        EXPECT_EQ(again->readValue(c.name), c.value) << c.name;
        EXPECT_EQ(again->valueSize(c.name), c.size) << c.name;
    }
    EXPECT_EQ(again->readValue("Dword")->number(), 0xDEADBEEFu);
    EXPECT_EQ(again->readValue("QWORD")->number(), 0x1122334455667788ULL);
    EXPECT_FALSE(again->hasValue("Missing"));
    EXPECT_EQ(again->readValue("Missing"), std::nullopt);
    EXPECT_EQ(again->valueSize("Missing"), std::nullopt);
}

TEST_P(RegistryContract, ValuesAndWholeTreesCanBeDeleted) {
    auto k = open("Child\\Grandchild");
    ASSERT_TRUE(k->writeValue("v", RegValue::dword(1)));
    EXPECT_TRUE(k->deleteValue("V"));
    EXPECT_FALSE(k->deleteValue("v")) << "a missing value reports failure";
    ASSERT_TRUE(k->writeValue("v", RegValue::dword(1)));

    auto readOnly = reg().openKey(RegRoot::CurrentUser, key() + "\\Child\\Grandchild", false, false);
    ASSERT_NE(readOnly, nullptr);
    EXPECT_FALSE(readOnly->writeValue("w", RegValue::dword(2)));
    EXPECT_FALSE(readOnly->deleteValue("v"));
    EXPECT_TRUE(readOnly->hasValue("v"));
    readOnly.reset();

    EXPECT_TRUE(reg().deleteKeyTree(RegRoot::CurrentUser, "\\" + key() + "\\CHILD"));
    EXPECT_FALSE(reg().keyExists(RegRoot::CurrentUser, key() + "\\Child"));
    EXPECT_TRUE(reg().keyExists(RegRoot::CurrentUser, key()));
    EXPECT_FALSE(reg().deleteKeyTree(RegRoot::CurrentUser, key() + "\\Child"));
    EXPECT_FALSE(k->writeValue("late", RegValue::dword(3))) << "a handle to a deleted key still wrote";
}

TEST_P(RegistryContract, LastWriteTimeComesFromTheSystemClock) {
    auto k = open();
    ASSERT_TRUE(k->writeValue("v", RegValue::text("x")));
    auto t = k->lastWriteTime();
    ASSERT_TRUE(t.has_value());
    const int64_t diff = static_cast<int64_t>(t->ticks) - static_cast<int64_t>(m().system().nowUtc().ticks);
    EXPECT_LT(std::llabs(diff), 60LL * 10'000'000) << "last write time is not the clock's now";
}

SV_CONTRACT_SUITE(RegistryContract);

}  // namespace
}  // namespace sv::test
