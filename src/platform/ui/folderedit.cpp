#include "platform/ui/folderedit.h"

#include <algorithm>

#include "platform/machine.h"
#include "platform/ui/application.h"

namespace sv::ui {

FolderBrowseButton::FolderBrowseButton(FolderEdit& owner) : Control(&owner, owner.name() + "Browse"), owner_(owner) {
    setCaption("...");
}

void FolderBrowseButton::click() {
    if (!enabled()) return;
    owner_.userBrowse();
}

FolderEdit::FolderEdit(Control* parent, std::string name) : Edit(parent, std::move(name)), button_(*this) {}

void FolderEdit::layout() {
    // A square button the height of the inside of the border.
    const int inner = std::max(0, height() - 2 * kBorder);
    const int w = std::min(inner + 1, std::max(0, width() - 2 * kBorder));
    button_.setBounds(std::max(0, width() - 2 * kBorder - w), 0, w, inner);
}

void FolderEdit::userBrowse() {
    if (!enabled() || readOnly()) return;
    application().dispatch([this] {
        const auto chosen = machine().dialogs().browseFolder(dialogTitle_, text(), allowCreate_);
        if (chosen) setText(*chosen);
    });
}

}  // namespace sv::ui
