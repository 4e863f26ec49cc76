// The file service as every backend must provide it.
#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/contract/contract.h"

namespace sv::test {
namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

class FilesContract : public ContractTest {
protected:
    IFileSystem& fs() { return m().files(); }
    std::string at(const std::string& name) { return env().scratchFolder() + "\\" + name; }
    void make(const std::string& name, const std::string& contents = "data") {
        ASSERT_TRUE(writeWholeFile(fs(), at(name), contents)) << name;
    }
    // Every name a search gives, in the order given.
    std::vector<std::string> search(const std::string& pattern) {
        std::vector<std::string> out;
        FindData d;
        auto h = fs().findFirst(pattern, d);
        if (!h) return out;
        do out.push_back(d.name);
        while (h->next(d));
        return out;
    }
    // The names a mask finds in the scratch folder without "." and "..", sorted.
    std::vector<std::string> matches(const std::string& mask) {
        std::vector<std::string> out;
        for (auto& n : search(at(mask)))
            if (n != "." && n != "..") out.push_back(n);
        std::sort(out.begin(), out.end(), [](const std::string& a, const std::string& b) { return lower(a) < lower(b); });
        return out;
    }
    std::optional<FindData> entry(const std::string& name) {
        FindData d;
        if (!fs().findFirst(at(name), d)) return std::nullopt;
        return d;
    }
};

TEST_P(FilesContract, SearchMasksFollowWindowsRules) {
    for (const char* f : {"a.tmp", "b.TMP", "noext", "readme.txt", "x.tx~", "y.b~", "two.dots.tmp"}) make(f);
    ASSERT_TRUE(fs().createFolder(at("sub")));
    using V = std::vector<std::string>;
    const V all{"a.tmp", "b.TMP", "noext", "readme.txt", "sub", "two.dots.tmp", "x.tx~", "y.b~"};
    const struct {
        const char* mask;
        V expected;
    } cases[] = {
        {"*.*", all},  // also names without a dot
        {"*", all},
        {"*.tmp", {"a.tmp", "b.TMP", "two.dots.tmp"}},
        {"?.tmp", {"a.tmp", "b.TMP"}},
        {"*.??~", {"x.tx~"}},
        {"no*", {"noext"}},
        {"README.*", {"readme.txt"}},
        {"*.none", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(matches(c.mask), c.expected) << c.mask;
}

TEST_P(FilesContract, ASubFolderListsDotAndDotDotFirst) {
    make("file.txt");
    const auto names = search(at("*"));
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ(names[0], ".");
    EXPECT_EQ(names[1], "..");
    FindData d;
    ASSERT_NE(fs().findFirst(at("*.*"), d), nullptr);
    EXPECT_TRUE(d.isDirectory());
    EXPECT_EQ(fs().findFirst(at("missing\\*"), d), nullptr);
    EXPECT_EQ(fs().findFirst(at("*.none"), d), nullptr);
}

TEST_P(FilesContract, NamesAreFoundInAnyCaseAndKeepTheirOwn) {
    make("MixedCase.Txt", "12345");
    EXPECT_TRUE(fs().fileExists(at("mixedcase.txt")));
    auto d = entry("MIXEDCASE.TXT");
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->name, "MixedCase.Txt");
    EXPECT_EQ(d->size, 5u);
    EXPECT_FALSE(d->isDirectory());
    EXPECT_EQ(fs().fileSize(at("mixedCASE.txt")), 5u);
    EXPECT_EQ(fs().fileSize(env().scratchFolder()), std::nullopt) << "a folder has no file size";
    EXPECT_EQ(fs().fileSize(at("missing")), std::nullopt);
}

TEST_P(FilesContract, AttributesAreSetAndReported) {
    make("f.txt");
    ASSERT_TRUE(fs().createFolder(at("dir")));
    EXPECT_EQ(*fs().attributes(at("f.txt")), attr::Archive) << "a new file is marked for archiving";
    EXPECT_TRUE(*fs().attributes(at("dir")) & attr::Directory);
    EXPECT_TRUE(fs().folderExists(at("dir")));
    EXPECT_FALSE(fs().fileExists(at("dir")));
    EXPECT_EQ(fs().attributes(at("missing")), std::nullopt);

    ASSERT_TRUE(fs().setAttributes(at("f.txt"), attr::ReadOnly | attr::Archive));
    EXPECT_EQ(*fs().attributes(at("f.txt")) & attr::ReadOnly, attr::ReadOnly);
    EXPECT_EQ(entry("f.txt")->attributes & attr::ReadOnly, attr::ReadOnly);
    ASSERT_TRUE(fs().setAttributes(at("f.txt"), attr::Archive));
    EXPECT_EQ(*fs().attributes(at("f.txt")) & attr::ReadOnly, 0u);
}

TEST_P(FilesContract, FileTimesRoundTripAndNewFilesAreStampedNow) {
    make("t.txt");
    const auto now = m().system().nowUtc().ticks;
    const auto written = fs().fileTimes(at("t.txt"))->lastWrite->ticks;
    EXPECT_LT(std::llabs(static_cast<long long>(written - now)), 60LL * 10'000'000);

    FileTimes t;
    t.lastWrite = systemTimeToFileTime({2019, 6, 1, 12, 30, 10});
    t.lastAccess = systemTimeToFileTime({2020, 2, 29, 23, 59, 58});
    ASSERT_TRUE(fs().setFileTimes(at("t.txt"), t));
    auto back = fs().fileTimes(at("T.TXT"));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->lastWrite, t.lastWrite);
    EXPECT_EQ(back->lastAccess, t.lastAccess);
    EXPECT_EQ(entry("t.txt")->lastWriteTime, *t.lastWrite);
    EXPECT_EQ(fs().fileTimes(at("missing")), std::nullopt);
}

TEST_P(FilesContract, ExclusiveOpenNeedsAWritableFileNobodyHolds) {
    make("normal.txt");
    make("readonly.txt");
    make("locked.txt");
    ASSERT_TRUE(fs().setAttributes(at("readonly.txt"), attr::ReadOnly));
    env().lockFile(at("locked.txt"));
    EXPECT_TRUE(fs().canOpenExclusive(at("normal.txt")));
    EXPECT_FALSE(fs().canOpenExclusive(at("missing.txt")));
    EXPECT_FALSE(fs().canOpenExclusive(at("readonly.txt")));
    EXPECT_FALSE(fs().canOpenExclusive(at("locked.txt")));
    EXPECT_FALSE(fs().canOpenExclusive(env().scratchFolder()));

    // What another program holds cannot be read, deleted or moved either.
    EXPECT_EQ(fs().openRead(at("locked.txt")), nullptr);
    EXPECT_FALSE(fs().deleteFile(at("locked.txt")));
    EXPECT_FALSE(fs().moveFile(at("locked.txt"), at("moved.txt")));
    EXPECT_TRUE(fs().fileExists(at("locked.txt")));
    env().releaseLock(at("locked.txt"));
    EXPECT_TRUE(fs().canOpenExclusive(at("locked.txt")));

    {
        auto reading = fs().openRead(at("normal.txt"));
        ASSERT_NE(reading, nullptr);
        EXPECT_FALSE(fs().canOpenExclusive(at("normal.txt"))) << "our own open file is held too";
    }
    EXPECT_TRUE(fs().canOpenExclusive(at("normal.txt")));
    ASSERT_TRUE(fs().setAttributes(at("readonly.txt"), attr::Archive));
}

TEST_P(FilesContract, ReadOnlyFilesCannotBeWrittenOrDeleted) {
    make("ro.txt", "keep");
    ASSERT_TRUE(fs().setAttributes(at("ro.txt"), attr::ReadOnly));
    EXPECT_EQ(fs().openWrite(at("ro.txt"), false), nullptr);
    EXPECT_EQ(fs().openWrite(at("ro.txt"), true), nullptr);
    EXPECT_FALSE(fs().deleteFile(at("ro.txt")));
    EXPECT_EQ(readWholeFile(fs(), at("ro.txt")), "keep");
    ASSERT_TRUE(fs().setAttributes(at("ro.txt"), attr::Normal));
    EXPECT_TRUE(fs().deleteFile(at("ro.txt")));
    EXPECT_FALSE(fs().exists(at("ro.txt")));
    EXPECT_FALSE(fs().deleteFile(at("ro.txt")));
}

TEST_P(FilesContract, WritingCreatesTruncatesOrAppends) {
    {
        auto out = fs().openWrite(at("log.txt"), true);  // append creates a missing file
        ASSERT_NE(out, nullptr);
        EXPECT_TRUE(out->write("abc"));
    }
    {
        auto out = fs().openWrite(at("log.txt"), true);
        ASSERT_NE(out, nullptr);
        EXPECT_TRUE(out->write("def"));
    }
    EXPECT_EQ(readWholeFile(fs(), at("log.txt")), "abcdef");
    auto in = fs().openRead(at("log.txt"));
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(in->size(), 6u);
    in.reset();
    ASSERT_TRUE(writeWholeFile(fs(), at("log.txt"), "x"));
    EXPECT_EQ(readWholeFile(fs(), at("log.txt")), "x");
    EXPECT_EQ(fs().openWrite(at("missing\\f.txt"), false), nullptr) << "no folder is made on the way";
    EXPECT_EQ(fs().openRead(at("missing.txt")), nullptr);
}

TEST_P(FilesContract, FoldersAreCreatedOneLevelAndRemovedOnlyWhenEmpty) {
    EXPECT_TRUE(fs().createFolder(at("one")));
    EXPECT_FALSE(fs().createFolder(at("one"))) << "an existing folder";
    EXPECT_FALSE(fs().createFolder(at("two\\three"))) << "a missing parent";
    make("one\\f.txt");
    EXPECT_FALSE(fs().removeFolder(at("one")));
    EXPECT_FALSE(fs().deleteFile(at("one")));
    EXPECT_FALSE(fs().removeFolder(at("one\\f.txt")));
    ASSERT_TRUE(fs().deleteFile(at("one\\F.TXT")));
    EXPECT_TRUE(fs().removeFolder(at("ONE")));
    EXPECT_FALSE(fs().exists(at("one")));
    EXPECT_FALSE(fs().removeFolder(at("one")));
}

TEST_P(FilesContract, MoveAndCopyNeverReplaceUnlessAsked) {
    make("a.txt", "A");
    make("b.txt", "B");
    EXPECT_FALSE(fs().moveFile(at("a.txt"), at("b.txt")));
    EXPECT_FALSE(fs().moveFile(at("a.txt"), at("B.TXT")));
    EXPECT_EQ(readWholeFile(fs(), at("a.txt")), "A");
    EXPECT_EQ(readWholeFile(fs(), at("b.txt")), "B");

    ASSERT_TRUE(fs().createFolder(at("dir")));
    EXPECT_TRUE(fs().moveFile(at("a.txt"), at("dir\\c.txt")));
    EXPECT_FALSE(fs().exists(at("a.txt")));
    EXPECT_EQ(readWholeFile(fs(), at("dir\\c.txt")), "A");
    EXPECT_TRUE(fs().moveFile(at("dir"), at("renamed")));
    EXPECT_EQ(readWholeFile(fs(), at("renamed\\c.txt")), "A");

    EXPECT_FALSE(fs().copyFile(at("b.txt"), at("renamed\\c.txt"), true));
    EXPECT_EQ(readWholeFile(fs(), at("renamed\\c.txt")), "A");
    EXPECT_TRUE(fs().copyFile(at("b.txt"), at("renamed\\c.txt"), false));
    EXPECT_EQ(readWholeFile(fs(), at("renamed\\c.txt")), "B");
    EXPECT_TRUE(fs().copyFile(at("b.txt"), at("d.txt"), true));
    EXPECT_EQ(readWholeFile(fs(), at("b.txt")), "B");
    EXPECT_FALSE(fs().moveFile(at("missing.txt"), at("e.txt")));
}

TEST_P(FilesContract, SystemFoldersDrivesAndEnvironment) {
    const std::string windows = fs().windowsFolder();
    ASSERT_GE(windows.size(), 3u);
    EXPECT_NE(windows.back(), '\\');
    EXPECT_TRUE(fs().folderExists(windows));
    EXPECT_EQ(lower(fs().systemFolder()).rfind(lower(windows) + "\\", 0), 0u);
    const std::string temp = fs().tempPath();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), '\\');

    EXPECT_EQ(lower(*fs().expandEnvironment("%WINDIR%\\x")), lower(windows + "\\x"));
    EXPECT_EQ(lower(*fs().expandEnvironment("%windir%")), lower(windows));
    EXPECT_EQ(fs().expandEnvironment("%SORVANE_NO_SUCH_NAME%\\y"), "%SORVANE_NO_SUCH_NAME%\\y");
    EXPECT_EQ(fs().expandEnvironment("100% sure"), "100% sure");

    EXPECT_EQ(fs().driveType("C:\\"), DriveType::Fixed);
    EXPECT_TRUE(fs().logicalDrives() & (1u << 2));
    auto free = fs().diskFree("C:\\");
    ASSERT_TRUE(free.has_value());
    EXPECT_GT(free->freeBytes, 0u);
    EXPECT_GE(free->totalBytes, free->freeBytes);
}

TEST_P(FilesContract, ShortPathsExistForExistingPathsOnly) {
    ASSERT_TRUE(fs().createFolder(at("Long Folder Name")));
    make("Long Folder Name\\a long file.text");
    auto s = fs().shortPathName(at("Long Folder Name\\a long file.text"));
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->find(' '), std::string::npos) << *s;
    const std::string last = s->substr(s->find_last_of('\\') + 1);
    EXPECT_LE(last.size(), 12u) << *s;
    EXPECT_TRUE(fs().fileExists(*s)) << "the short path names the same file";
    EXPECT_EQ(fs().shortPathName(at("missing folder\\x")), std::nullopt);
}

SV_CONTRACT_SUITE(FilesContract);

}  // namespace
}  // namespace sv::test
