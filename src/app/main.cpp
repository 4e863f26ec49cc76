// The Windows program: installs the real machine and window system, then hands
// the command line to the program entry.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/machine.h"
#include "platform/ui/application.h"
#include "platform/win32/text.h"
#include "platform/win32/ui_win32.h"
#include "platform/win32/win32_machine.h"
#include "shell/program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    OleInitialize(nullptr);

    std::vector<std::string> args;
    int argc = 0;
    if (wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc)) {
        for (int i = 1; i < argc; ++i) args.push_back(sv::win32::narrow(argv[i]));
        LocalFree(argv);
    }

    sv::win32::Win32Machine machine;
    sv::MachineGuard machineGuard(machine);
    auto backend = sv::win32::makeWin32UiBackend();
    sv::ui::installUiBackend(backend.get());

    int exitCode = 0;
    try {
        sv::RunProgram(args);
    } catch (...) {
        // An error that escaped start-up: say so, as any unhandled error is shown.
        sv::ui::application().handleException(std::current_exception());
        exitCode = 1;
    }
    sv::ui::installUiBackend(nullptr);
    OleUninitialize();
    return exitCode;
}
