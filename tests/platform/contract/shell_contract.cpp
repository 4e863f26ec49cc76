// The shell's file operation as every backend must provide it. Nothing here asks
// for the recycle bin: under Wine that is the host's own trash.
#include "platform/contract/contract.h"

namespace sv::test {
namespace {

class ShellContract : public ContractTest {
protected:
    IFileSystem& fs() { return m().files(); }
    std::string at(const std::string& name) { return env().scratchFolder() + "\\" + name; }
    void make(const std::string& name, const std::string& contents = "data") {
        ASSERT_TRUE(writeWholeFile(fs(), at(name), contents)) << name;
    }
    FileOpResult run(FileOpFunc func, std::vector<std::string> sources, const std::string& destination, unsigned flags) {
        FileOperation op;
        op.func = func;
        op.sources = std::move(sources);
        op.destination = destination;
        op.flags = flags;
        return m().shell().fileOperation(op);
    }
};

constexpr unsigned kQuiet = fof::Silent | fof::NoConfirmation;

TEST_P(ShellContract, DeletingFolderStarDotStarEmptiesTheFolderButKeepsIt) {
    ASSERT_TRUE(fs().createFolder(at("cache")));
    ASSERT_TRUE(fs().createFolder(at("cache\\sub")));
    make("cache\\index.dat");
    make("cache\\noext");
    make("cache\\sub\\page.htm");
    make("beside.txt");
    const auto r = run(FileOpFunc::Delete, {at("cache\\*.*")}, "", kQuiet | fof::RenameOnCollision);
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(fs().folderExists(at("cache")));
    FindData d;
    auto h = fs().findFirst(at("cache\\*"), d);
    ASSERT_NE(h, nullptr);
    do EXPECT_TRUE(d.name == "." || d.name == "..") << d.name << " survived";
    while (h->next(d));
    EXPECT_TRUE(fs().fileExists(at("beside.txt")));
}

TEST_P(ShellContract, FilesOnlyLeavesSubFoldersAlone) {
    ASSERT_TRUE(fs().createFolder(at("src")));
    ASSERT_TRUE(fs().createFolder(at("src\\keep")));
    make("src\\a.tmp");
    make("src\\keep\\b.tmp");
    EXPECT_EQ(run(FileOpFunc::Delete, {at("src\\*.*")}, "", kQuiet | fof::FilesOnly).code, 0);
    EXPECT_FALSE(fs().exists(at("src\\a.tmp")));
    EXPECT_TRUE(fs().fileExists(at("src\\keep\\b.tmp")));
}

TEST_P(ShellContract, AMoveOntoATakenNameFindsAFreeOneAndReplacesNothing) {
    ASSERT_TRUE(fs().createFolder(at("from")));
    ASSERT_TRUE(fs().createFolder(at("to")));
    make("from\\a.txt", "new");
    make("from\\b.txt", "b");
    make("to\\a.txt", "old");
    make("to\\a (2).txt", "older");
    const auto r = run(FileOpFunc::Move, {at("from\\a.txt"), at("from\\b.txt")}, at("to"),
                       kQuiet | fof::FilesOnly | fof::RenameOnCollision);
    EXPECT_EQ(r.code, 0);
    EXPECT_FALSE(fs().exists(at("from\\a.txt")));
    EXPECT_EQ(readWholeFile(fs(), at("to\\a.txt")), "old");
    EXPECT_EQ(readWholeFile(fs(), at("to\\a (2).txt")), "older");
    EXPECT_EQ(readWholeFile(fs(), at("to\\a (3).txt")), "new");
    EXPECT_EQ(readWholeFile(fs(), at("to\\b.txt")), "b");
}

TEST_P(ShellContract, AMoveWithoutRenamingLeavesACollidingFileWhereItIs) {
    ASSERT_TRUE(fs().createFolder(at("to")));
    make("a.txt", "new");
    make("to\\a.txt", "old");
    run(FileOpFunc::Move, {at("a.txt")}, at("to"), kQuiet | fof::FilesOnly);
    EXPECT_EQ(readWholeFile(fs(), at("a.txt")), "new");
    EXPECT_EQ(readWholeFile(fs(), at("to\\a.txt")), "old");
}

SV_CONTRACT_SUITE(ShellContract);

}  // namespace
}  // namespace sv::test
