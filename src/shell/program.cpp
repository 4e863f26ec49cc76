#include "shell/program.h"

#include <memory>

#include "common/filefunc.h"
#include "common/regaccess.h"
#include "common/text.h"
#include "platform/machine.h"
#include "platform/ui/application.h"
#include "sched/progress_form.h"
#include "shell/commontools.h"
#include "shell/nav_form.h"
#include "shell/tools.h"

namespace sv {

ProgramMode ModeFromArgs(const std::vector<std::string>& args) {
    if (args.empty()) return ProgramMode::Navigator;
    static const struct {
        const char* name;
        ProgramMode mode;
    } kSwitches[] = {
        {"/COMPLETECACHE", ProgramMode::CompleteCache}, {"/CLEANJUNK", ProgramMode::CleanJunk},
        {"/CLEANHISTORY", ProgramMode::CleanHistory},   {"/REGISTRYCLEAN", ProgramMode::RegistryClean},
        {"/SETSCHEDULE", ProgramMode::SetSchedule},
    };
    const std::string arg = upperAscii(args.front());
    for (const auto& s : kSwitches)
        if (arg == s.name) return s.mode;
    return ProgramMode::Unknown;
}

ProgramModes& programModes() {
    static ProgramModes modes;
    return modes;
}

namespace {

// Owns the holder for the run and releases it on every way out.
struct HolderScope {
    HolderScope() { setCommontools(holder.get()); }
    ~HolderScope() { release(); }
    void release() {
        if (holder) setCommontools(nullptr);
        holder.reset();
    }
    std::unique_ptr<Tcommontools> holder = std::make_unique<Tcommontools>();
};

HolderScope* g_holderScope = nullptr;

void runJob(const std::function<void()>& job) {
    if (job) job();
    ui::application().processMessages();
    if (g_holderScope) g_holderScope->release();
    ui::application().processMessages();
    ui::application().terminate();
}

}  // namespace

void RunCompleteCache() {
    ui::Application& app = ui::application();
    // Whatever happens below, the windows are released and the program ends.
    struct Finally {
        std::unique_ptr<TfrmProgress> progress;
        ~Finally() {
            progress.reset();
            if (g_holderScope) g_holderScope->release();
            ui::application().processMessages();
            ui::application().terminate();
        }
    } finally;

    finally.progress = std::make_unique<TfrmProgress>();
    TfrmProgress& progress = *finally.progress;
    progress.lblCaption.setCaption("Completing Cache Removal");
    progress.lblSchedType.setCaption("");
    progress.placeBottomRight();
    progress.lblCancel.hide();
    progress.show();
    app.processMessages();

    RegAccess key(RegRoot::CurrentUser, "\\software\\kettrel\\sorvane\\privacy", true);
    static const struct {
        const char* value;
        const char* status;
    } kFolders[] = {
        {"Cookies", "Cleaning up cookies..."},
        {"Cache", "Cleaning up cache..."},
        {"History", "Cleaning up history..."},
    };
    for (const auto& f : kFolders) {
        if (!key.valueExists(f.value)) continue;
        progress.lblSchedType.setCaption(f.status);
        app.processMessages();
        const std::string folder = key.readString(f.value);
        // Tried once only: the value goes whatever the removal achieved.
        DeleteFolderContents(folder, false);
        key.deleteValue(f.value);
    }
}

void RunProgram(const std::vector<std::string>& args) {
    ui::Application& app = ui::application();
    app.setHelpFile(executableFolder(machine().system()) + "Sorvane.hlp");
    app.setTitle("Sorvane");
    app.setShowMainForm(false);

    HolderScope holder;
    g_holderScope = &holder;
    struct ClearScope {
        ~ClearScope() { g_holderScope = nullptr; }
    } clearScope;

    InstallTools();
    ProgramModes& modes = programModes();
    switch (ModeFromArgs(args)) {
    case ProgramMode::Navigator: {
        // The navigator shows itself; the loop runs until its Exit button.
        TfrmNav navigator;
        app.run();
        return;
    }
    case ProgramMode::CompleteCache:
        RunCompleteCache();
        return;
    case ProgramMode::CleanJunk:
        runJob(modes.cleanJunk);
        return;
    case ProgramMode::CleanHistory:
        runJob(modes.cleanHistory);
        return;
    case ProgramMode::RegistryClean:
        runJob(modes.registryClean);
        return;
    case ProgramMode::SetSchedule:
        if (modes.setSchedule) modes.setSchedule();
        app.processMessages();
        app.terminate();
        return;
    case ProgramMode::Unknown:
        return;  // not a switch of ours: end at once, showing nothing
    }
}

}  // namespace sv

