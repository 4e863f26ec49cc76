// The registration file format of the undo files: what we write reads back to
// the same values, looks the way the registry editor writes it, and a damaged
// file is refused as a whole.
#include "regclean/regfile.h"

#include <gtest/gtest.h>

namespace sv::test {
namespace {

using regclean::ReadRegFile;
using regclean::RegFileError;
using regclean::RegFileValue;
using regclean::Utf16LeToUtf8;
using regclean::WriteRegFile;

std::string bytes(std::initializer_list<int> b) {
    std::string s;
    for (int c : b) s += static_cast<char>(c);
    return s;
}

// The text of a file we wrote, without its byte-order mark.
std::string textOf(const std::string& file) {
    EXPECT_EQ(file.substr(0, 2), "\xFF\xFE");
    return Utf16LeToUtf8(file.substr(2));
}

TEST(RegFile, EveryTypeReadsBackExactly) {
    std::string longBinary;
    for (int i = 0; i < 300; ++i) longBinary += static_cast<char>(i);
    const std::vector<RegFileValue> values = {
        {RegRoot::CurrentUser, "\\Software\\App", "Path", RegValue::text("C:\\Missing\\a.dll")},
        {RegRoot::CurrentUser, "Software\\App", "Quoted \"name\" \\ here", RegValue::text("say \"hi\" \\\\server")},
        {RegRoot::CurrentUser, "Software\\App", "", RegValue::text("the default value")},
        {RegRoot::CurrentUser, "Software\\App", "Lines", RegValue::text("one\r\ntwo\nthree")},
        {RegRoot::CurrentUser, "Software\\App", "Expand", RegValue::text("%SystemRoot%\\gone.dll", RegType::ExpandSz)},
        {RegRoot::CurrentUser, "Software\\App", "Empty", RegValue::text("")},
        {RegRoot::CurrentUser, "Software\\App", "List", RegValue{RegType::MultiSz, std::string("a\0C:\\b\0", 7)}},
        {RegRoot::CurrentUser, "Software\\App", "Count", RegValue::dword(0xDEADBEEF)},
        {RegRoot::CurrentUser, "Software\\App", "Blob", RegValue::binary(longBinary)},
        {RegRoot::CurrentUser, "Software\\App", "NoBytes", RegValue::binary("")},
        {RegRoot::CurrentUser, "Software\\App", "Big", RegValue::qword(0x0102030405060708ULL)},
        {RegRoot::CurrentUser, "Software\\App", "ShortDword", RegValue{RegType::Dword, bytes({1, 2})}},
        {RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs", "C:\\Gone\\x.dll",
         RegValue::dword(3)},
        {RegRoot::Users, ".DEFAULT\\Software\\Caf\xC3\xA9", "\xE6\x97\xA5\xF0\x9F\x98\x80",
         RegValue::text("C:\\\xE6\x97\xA5\\\xF0\x9F\x98\x80.txt")},
        {RegRoot::CurrentUser, "Software\\App", "Again", RegValue::text("a key that comes back later")},
    };
    EXPECT_EQ(ReadRegFile(WriteRegFile(values)), values);
}

TEST(RegFile, IsWrittenTheWayTheRegistryEditorWritesIt) {
    std::string blob(40, '\x0A');
    const std::string text = textOf(WriteRegFile({
        {RegRoot::CurrentUser, "\\Software\\App", "Path", RegValue::text("C:\\x \"y\"")},
        {RegRoot::CurrentUser, "\\Software\\App", "", RegValue::dword(26)},
        {RegRoot::CurrentUser, "\\Software\\App", "Exp", RegValue::text("%A%", RegType::ExpandSz)},
        {RegRoot::LocalMachine, "Software\\Other", "Blob", RegValue::binary(blob)},
    }));
    EXPECT_EQ(text,
              "Windows Registry Editor Version 5.00\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software\\App]\r\n"
              "\"Path\"=\"C:\\\\x \\\"y\\\"\"\r\n"
              "@=dword:0000001a\r\n"
              "\"Exp\"=hex(2):25,00,41,00,25,00,00,00\r\n"
              "\r\n"
              "[HKEY_LOCAL_MACHINE\\Software\\Other]\r\n"
              "\"Blob\"=hex:0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,\\\r\n"
              "  0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a,0a\r\n"
              "\r\n");
}

TEST(RegFile, ReadsTheEditorsOwnExportsWithCommentsAndContinuations) {
    const std::string file =
        "REGEDIT4\r\n"
        "\r\n"
        "; exported by hand\r\n"
        "[HKEY_CURRENT_USER\\Software\\App]\r\n"
        "\"Multi\"=hex(7):61,62,00,\\\r\n"
        "    63,00,00\r\n"
        "\"Ansi\"=hex(2):25,41,25,00\r\n"
        "@ = \"spaced\"\r\n";
    const auto values = ReadRegFile(file);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].value, (RegValue{RegType::MultiSz, std::string("ab\0c\0", 5)}));
    EXPECT_EQ(values[1].value, RegValue::text("%A%", RegType::ExpandSz));
    EXPECT_EQ(values[2].name, "");
    EXPECT_EQ(values[2].value, RegValue::text("spaced"));
}

TEST(RegFile, ADamagedFileIsRefusedAsAWhole) {
    const char* const damaged[] = {
        "",
        "Some other text\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=\"b\"\r\n",
        "REGEDIT4\r\n\"a\"=\"value outside a key\"\r\n",
        "REGEDIT4\r\n[HKEY_NOWHERE\\x]\r\n\"a\"=\"b\"\r\n",
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=hex:0g\r\n",
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=\"no end\r\n",
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=dword:123456789\r\n",
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=-\r\n",
        "REGEDIT4\r\n[-HKEY_CURRENT_USER\\x]\r\n",
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=\"b\" trailing\r\n",
    };
    for (const char* text : damaged) EXPECT_THROW(ReadRegFile(text), RegFileError) << text;
}

}  // namespace
}  // namespace sv::test
