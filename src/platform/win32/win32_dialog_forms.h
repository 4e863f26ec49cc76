// The dialogs we build ourselves (input and about) and the filter conversion the
// open-file dialog needs; win32_dialogs.cpp puts them behind IDialogs.
#pragma once

#include <optional>
#include <string>

#include "platform/dialogs.h"

namespace sv::win32 {

// Control ids inside our own dialogs, so that a test can find them.
enum DialogItem : int {
    kPromptItem = 100,   // input: the prompt
    kEditItem = 101,     // input: the edit
    kCustomButton = 102, // about: the caller's button
    kProductItem = 103,  // about: the product name
    kIconItem = 104,     // about: the program's icon
};

// The input dialog; nullopt when cancelled (or when no dialog could be shown).
std::optional<std::string> runInputDialog(const std::string& title, const std::string& prompt,
                                          const std::string& start);
void runAboutDialog(const AboutRequest& request);

// "Text files (*.txt)|*.txt|All files (*.*)|*.*" as the open-file dialog takes
// it: each part NUL-terminated and one more NUL at the end. Empty for no filter.
std::wstring fileDialogFilter(const std::string& filter);

}  // namespace sv::win32
