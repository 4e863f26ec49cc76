// Name rules the simulated machine shares between its services: Windows-style
// case folding, wildcard matching, 8.3 aliases and path splitting.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sv::sim {

// Upper-cases the letters Windows folds when it compares names (ASCII, Latin-1,
// Latin Extended-A, Greek and Cyrillic); other bytes are kept as they are.
std::string foldCase(const std::string& utf8);

// Number of UTF-16 code units the UTF-8 text needs.
size_t utf16Length(const std::string& utf8);

// Whether a file name matches a search mask the way FindFirstFile does:
// "*.*" matches everything, "*." names without a dot, "?" one character or
// nothing before a dot or the end, ".*" also matches names without a dot.
bool maskMatches(const std::string& mask, const std::string& name);
bool hasWildcards(const std::string& text);

// Whether `name` is already a valid 8.3 name (then it gets no alias).
bool isShortName(const std::string& name);
// The 8.3 alias for a long name, the n-th candidate (n from 1): "PROGRA~1",
// "PROGRA~2", ... then hashed forms like "PR1A2B~1" once the simple ones run out.
std::string shortNameCandidate(const std::string& longName, int n);

// An absolute path taken apart: drive letter (upper case) and the folder names
// below the root, "." and ".." already applied.
struct PathParts {
    char drive = 0;
    std::vector<std::string> parts;
    std::string str() const;  // "C:\a\b", or "C:\" for the root
};
// Parses an absolute ("C:\a"), drive-relative ("\a") or relative ("a\b") path
// against `current` (an absolute folder). "/" counts as "\". Trailing dots and
// spaces of a name are dropped as Windows does. Nullopt for UNC paths, bad drive
// letters and names with characters Windows forbids.
std::optional<PathParts> parsePath(const std::string& path, const std::string& current);

}  // namespace sv::sim
