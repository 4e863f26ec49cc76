// A folder field: an edit holding a folder path, with a small browse button at
// its right that opens the system's folder browser at the current text.
#pragma once

#include <string>

#include "platform/ui/control.h"
#include "platform/ui/edits.h"

namespace sv::ui {

class FolderEdit;

// The browse button: a child of its folder edit, placed by it.
class FolderBrowseButton : public Control {
public:
    explicit FolderBrowseButton(FolderEdit& owner);
    const char* kind() const override { return "folderbrowsebutton"; }
    // Pressing the button browses (while the folder edit is enabled).
    void click() override;

private:
    FolderEdit& owner_;
};

// A one-line edit (text, setText and onChange as any edit) with the button.
class FolderEdit : public Edit {
public:
    // The edit's sunken border, inside which the button sits.
    static constexpr int kBorder = 2;

    FolderEdit(Control* parent, std::string name);
    const char* kind() const override { return "folderedit"; }

    // The folder browser's title, and whether it offers to make a new folder.
    const std::string& dialogTitle() const { return dialogTitle_; }
    void setDialogTitle(const std::string& t) { dialogTitle_ = t; }
    bool allowCreate() const { return allowCreate_; }
    void setAllowCreate(bool v) { allowCreate_ = v; }

    // The user pressed the browse button: the folder browser opens at the text,
    // and a chosen folder becomes the text (onChange when it differs).
    void userBrowse();

    // The button, placed at the right end of the edit for the current size.
    FolderBrowseButton& browseButton() {
        layout();
        return button_;
    }
    // Places the button for the edit's size (the backend calls it on resizing).
    void layout();

private:
    std::string dialogTitle_ = "Select a folder";
    bool allowCreate_ = true;
    FolderBrowseButton button_;
};

}  // namespace sv::ui
