#include "common/shfileop.h"

#include "shell/commontools.h"
#include "support/sim_test.h"

namespace sv::test {
namespace {

class ShellFileOpTest : public SimTest {
protected:
    void SetUp() override {
        m.fs().addFolder("C:\\junk");
        m.fs().addFolder("C:\\moved");
        for (const char* f : {"C:\\junk\\a.tmp", "C:\\junk\\B.tmp", "C:\\junk\\c.bak"}) m.fs().addFile(f, "x");
    }
    Tcommontools holder;
    TShellFileOp& op = holder.ShellFileOp1;
};

TEST_F(ShellFileOpTest, TheBatchIsSortedDistinctAndEmptiedAfterwards) {
    op.AddFile("C:\\junk\\c.bak");
    op.AddFile("C:\\junk\\a.tmp");
    op.AddFile("C:\\JUNK\\A.TMP");
    op.AddFile("C:\\junk\\B.tmp");
    EXPECT_EQ(op.files(), (std::vector<std::string>{"C:\\junk\\a.tmp", "C:\\junk\\B.tmp", "C:\\junk\\c.bak"}));
    EXPECT_FALSE(op.Delete());
    ASSERT_EQ(m.sh().operations().size(), 1u);
    EXPECT_EQ(m.sh().operations()[0].sources.size(), 3u);
    EXPECT_EQ(m.sh().operations()[0].flags, 0x94u);
    EXPECT_TRUE(op.files().empty());
    EXPECT_FALSE(m.fs().exists("C:\\junk\\a.tmp"));
    EXPECT_TRUE(m.sh().recycleBin().empty());
}

TEST_F(ShellFileOpTest, AnEmptyBatchNeverReachesTheShell) {
    EXPECT_FALSE(op.Delete());
    EXPECT_FALSE(op.Recycle());
    EXPECT_FALSE(op.MoveTo("C:\\moved"));
    EXPECT_TRUE(m.sh().operations().empty());
}

TEST_F(ShellFileOpTest, RecycleAndMoveKeepTheFilesSomewhere) {
    op.AddFile("C:\\junk\\a.tmp");
    op.Recycle();
    EXPECT_EQ(m.sh().operations().back().flags, 0xD4u);
    EXPECT_EQ(m.sh().recycleBin().size(), 1u);
    EXPECT_FALSE(m.fs().exists("C:\\junk\\a.tmp"));

    // A move never replaces what the target already holds.
    m.fs().addFile("C:\\moved\\c.bak", "old");
    op.AddFile("C:\\junk\\c.bak");
    op.MoveTo("C:\\moved");
    EXPECT_EQ(m.sh().operations().back().flags, 0x9Cu);
    EXPECT_FALSE(m.fs().exists("C:\\junk\\c.bak"));
    EXPECT_EQ(m.fs().contents("C:\\moved\\c.bak"), "old");
    EXPECT_EQ(m.fs().listTree("C:\\moved").size(), 2u);
}

}  // namespace
}  // namespace sv::test
