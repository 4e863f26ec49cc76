// A simulated machine with the program's holder, for the junk cleaner's tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/settings.h"
#include "junk/junk_form.h"
#include "shell/commontools.h"
#include "shell/hints.h"
#include "support/sim_test.h"

namespace sv::test {

class JunkTest : public SimTest {
protected:
    JunkTest() {
        setCommontools(&holder);
        // The first-use hints have their own tests; here they would only get in the way.
        WriteSettingBool(HintsKey, "All", false);
    }
    ~JunkTest() override { setCommontools(nullptr); }

    static constexpr const char* kManualLog = "C:\\Program Files\\Sorvane\\Manual_Junk_Log.txt";
    static constexpr const char* kScheduledLog = "C:\\Program Files\\Sorvane\\JunkLog.txt";

    std::vector<std::string> logLines(const char* path) {
        std::vector<std::string> lines;
        const auto text = m.fs().contents(path);
        if (!text) return lines;
        size_t start = 0;
        while (start < text->size()) {
            const auto end = text->find("\r\n", start);
            if (end == std::string::npos) break;
            lines.push_back(text->substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    static std::vector<std::string> captions(const ui::ListView& lv) {
        std::vector<std::string> out;
        for (const auto& r : lv.rows()) out.push_back(r.caption);
        return out;
    }

    // Only the checked drives count: a scan of the given drive letters alone.
    static void scanOnly(TfrmJunk& f, const std::string& letters) {
        for (int i = 0; i < f.DiskListView1.rowCount(); ++i) {
            const char letter = TDiskListView::driveLetterOf(f.DiskListView1.row(i).caption);
            f.DiskListView1.setChecked(i, letters.find(letter) != std::string::npos);
        }
        f.DiskListView1.selectCheckedRows();
    }

    // A checked folder row, as the user's folder browser would leave it.
    static void addFolder(ui::ListView& list, const std::string& folderWithBackslash) {
        ui::ListRow r;
        r.caption = folderWithBackslash;
        r.subItems = {" "};
        r.checked = true;
        list.addRow(std::move(r));
    }

    Tcommontools holder;
};

}  // namespace sv::test
