// The Go actions of the three lists: each trims the list's text and hands it to Windows in one
// call, without waiting for what it starts. Results are not read.
#pragma once

#include <string>
#include <string_view>

#include "launch/dialogs.h"
#include "launch/shell.h"

namespace zevadar::launch {

// The text with characters of codes 0 to 32 removed from both ends. Bytes 128 to 255 are
// characters of the ANSI code page, not blanks, and stay.
std::string LaunchText(std::string_view listText);

// Opens a console snap-in (or any file) through the shell's "open".
void OpenConsole(Shell& shell, std::string_view listText);

// Starts a Control Panel applet through the applet loader.
void OpenControlPanel(ShellAppletLoader& loader, std::string_view listText);

// Starts a run command: a text beginning with lower-case "cmd" goes to WinExec as a command line,
// anything else to the shell's "open" as one file name, arguments included.
void RunCommand(Shell& shell, std::string_view listText);

}  // namespace zevadar::launch
