// The directory tree scanner: walks a folder tree and reports, through events,
// each folder it enters, each file matching one of its masks, the end of each
// folder and the end of the walk. The tools do their work in the handlers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sv {

struct FindData;

class TTreeScanner {
public:
    using Event = std::function<void(TTreeScanner& sender)>;

    // Where the walk starts; empty means the current folder. Execute stores the
    // folder it used, with a trailing backslash.
    const std::string& initialDirectory() const { return initialDirectory_; }
    void setInitialDirectory(std::string folder) { initialDirectory_ = std::move(folder); }

    // The masks, sorted without regard to case, each kept once. The setters do
    // nothing during a walk: a handler cannot change what the walk looks for.
    const std::vector<std::string>& masks() const { return masks_; }
    // The first mask of the sorted list (empty when there is none); setting it
    // replaces the whole list with that one mask.
    std::string fileMask() const { return masks_.empty() ? std::string() : masks_.front(); }
    void setFileMask(const std::string& mask);
    // The list as comma text: commas or blanks separate masks, double quotes
    // group ("a b" is one mask, "" inside quotes is one quote character).
    std::string fileMaskCommaText() const;
    void setFileMaskCommaText(const std::string& text);

    bool recursive = true;
    bool findHiddenFiles = false;
    bool findHiddenFolders = false;

    // During an event: the path just reported (folders end in a backslash).
    const std::string& fileFound() const { return fileFound_; }
    // During onFileFound: that file's size in bytes; 0 otherwise. 64 bits, so
    // files of 2 GiB and more report their true size.
    int64_t fileSize() const { return fileSize_; }
    // True from the start of execute until just before onSearchDone. An error
    // escaping a handler leaves it true: the walk did not finish.
    bool searchInProgress() const { return searchInProgress_; }

    // Set by execute when a walk starts; clear it (from a handler, or from a
    // Stop button while messages are processed) to stop the walk. The rest of
    // the current folder's files is still reported; no further folder is entered.
    bool continueScan = false;

    Event onDirectoryFound, onFileFound, onDirectoryDone, onSearchDone;

    // Runs one whole walk on the calling thread, letting the application process
    // pending messages on entering every folder. An error raised by a handler
    // ends the walk and reaches the caller.
    void execute();

private:
    struct FoundFile {
        std::string name;
        int64_t size;
    };

    void walk(const std::string& folder);
    void collectFolders(const std::string& folder, std::vector<std::string>& names, std::vector<FoundFile>& files);
    void keepFile(const FindData& d, std::vector<FoundFile>& files) const;
    void collectFiles(const std::string& folder, std::vector<FoundFile>& files);
    void addMask(const std::string& mask);
    static void fire(const Event& e, TTreeScanner& self) {
        if (e) e(self);
    }

    std::string initialDirectory_;
    std::vector<std::string> masks_;
    std::string fileFound_;
    int64_t fileSize_ = 0;
    bool searchInProgress_ = false;
};

}  // namespace sv
