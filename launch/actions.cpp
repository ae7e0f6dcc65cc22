#include "launch/actions.h"

namespace zevadar::launch {
namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

void ShellOpen(Shell& shell, const std::string& file) {
    shell.ShellExecuteA(nullptr, "open", file.c_str(), nullptr, nullptr, kShowNormal);
}

}  // namespace

std::string LaunchText(std::string_view listText) {
    while (!listText.empty() && IsBlank(listText.front())) listText.remove_prefix(1);
    while (!listText.empty() && IsBlank(listText.back())) listText.remove_suffix(1);
    return std::string(listText);
}

void OpenConsole(Shell& shell, std::string_view listText) {
    ShellOpen(shell, LaunchText(listText));
}

void OpenControlPanel(ShellAppletLoader& loader, std::string_view listText) {
    loader.applet = ShellCpl::cplCustomCPL;
    loader.custom = LaunchText(listText);
    loader.Execute();
}

void RunCommand(Shell& shell, std::string_view listText) {
    const std::string text = LaunchText(listText);
    if (text.starts_with("cmd")) {
        shell.WinExec(text.c_str(), kShowNormal);
    } else {
        ShellOpen(shell, text);
    }
}

}  // namespace zevadar::launch
