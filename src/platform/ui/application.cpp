#include "platform/ui/application.h"

#include <stdexcept>

#include "platform/machine.h"
#include "platform/ui/bitmap.h"

namespace sv::ui {

UiBackend& headlessBackend();  // platform/sim/headless_ui.cpp

namespace {
UiBackend* g_backend = nullptr;
}

UiBackend& uiBackend() { return g_backend ? *g_backend : headlessBackend(); }

UiBackend* installUiBackend(UiBackend* backend) {
    UiBackend* previous = g_backend;
    g_backend = backend;
    return previous;
}

Application& application() {
    static Application app;
    return app;
}

void Application::processMessages() { uiBackend().processMessages(); }

void Application::run() {
    if (!terminated_) uiBackend().run();
}

void Application::terminate() {
    terminated_ = true;
    uiBackend().quit();
}

void Application::reset() {
    terminated_ = false;
    screenCursor_ = CursorShape::Default;
}

void Application::setScreenCursor(CursorShape shape) {
    if (shape == screenCursor_) return;
    screenCursor_ = shape;
    uiBackend().screenCursorChanged();
}

void Application::handleException(std::exception_ptr error) {
    std::string text;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        text = e.what();
    } catch (...) {
        text = "An unknown error occurred.";
    }
    MessageRequest box;
    box.title = title_;
    box.text = text;
    box.buttons = MsgButtons::Ok;
    box.icon = MsgIcon::Error;
    try {
        machine().dialogs().messageBox(box);
    } catch (...) {
        // No machine to show it on: nothing more can be done for the user here.
    }
}

void Application::showHelpTopic(const std::string& topic) {
    // The help document is an HTML file beside the help file setting's name (each
    // topic an anchor in it), opened by the shell in the user's browser. When no
    // copy lies beside the program (it was copied on its own), the one built into
    // the program is written to the temporary folder and opened from there.
    IFileSystem& fs = machine().files();
    std::string document = helpFile_;
    const auto dot = document.find_last_of('.');
    const auto slash = document.find_last_of('\\');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) document.erase(dot);
    document += ".html";
    if (!fs.fileExists(document)) {
        const std::string_view builtIn = embeddedFile("Sorvane.html");
        std::string temp = fs.tempPath();
        if (temp.empty() || builtIn.empty()) return;
        document = temp + "Sorvane Help.html";
        if (!writeWholeFile(fs, document, std::string(builtIn))) return;
    }
    std::string url = "file:///";
    for (char c : document) {
        if (c == '\\') url += '/';
        else if (c == ' ') url += "%20";
        else url += c;
    }
    url += "#" + topic;
    machine().shell().execute("open", url, "", "", ShowCmd::Normal);
}

void Application::dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        handleException(std::current_exception());
    }
}

}  // namespace sv::ui
