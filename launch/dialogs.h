// The two shell components of the main form: the Control Panel applet loader and the system Run
// dialog. Both find their owner window by the same rule, kept in ShellBaseDialog.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "launch/shell.h"

namespace zevadar::launch {

enum class OwnerHandle { pwNone, pwApplication, pwOwnerForm };

// Where the owner windows come from; the form supplies them. An unset source gives no owner.
struct OwnerWindows {
    std::function<WindowHandle()> application;
    // The owning form's window, created first if it does not exist yet.
    std::function<WindowHandle()> ownerForm;
};

class ShellBaseDialog {
public:
    ShellBaseDialog(Shell& shell, OwnerWindows owners, OwnerHandle defaultOwner);

    OwnerHandle ownerHandle;

protected:
    ~ShellBaseDialog() = default;

    // The window given as parent, or else the one `ownerHandle` names.
    WindowHandle Owner(WindowHandle parent) const;

    Shell& shell_;

private:
    OwnerWindows owners_;
};

// Only the custom applet is offered: the program always names the applet itself.
enum class ShellCpl { cplCustomCPL };

// Starts a Control Panel applet through rundll32.exe.
class ShellAppletLoader : public ShellBaseDialog {
public:
    explicit ShellAppletLoader(Shell& shell, OwnerWindows owners = {});

    // True when the shell took the request.
    bool Execute(WindowHandle parent = nullptr);

    ShellCpl applet = ShellCpl::cplCustomCPL;
    std::string custom;  // the applet file, with any arguments of its own
};

enum class ShellRunFileOption : unsigned {
    rfNoBrowseButton = 1,
    rfNoDefaultPick = 2,
    rfCalculateWorkPath = 4,
    rfNoEditLabel = 8,
    rfNoSeparateMemory = 32,  // not 16: the shell's own bit
};

// The system Run dialog, reached through shell32.dll's export at ordinal 61.
class ShellRunFileDialog : public ShellBaseDialog {
public:
    explicit ShellRunFileDialog(Shell& shell, OwnerWindows owners = {});

    // Shows the dialog and returns when it closes. Does nothing when shell32.dll or its export
    // is missing. The library is loaded for this call only.
    void Execute(WindowHandle parent = nullptr);

    // The flags the shell gets for `options`.
    unsigned Flags() const;

    std::string caption = "Duzuze - Zevadar";
    std::string description = "Manually enter or select a run command...";
    IconHandle icon = nullptr;
    std::string workingPath;
    std::vector<ShellRunFileOption> options;
};

}  // namespace zevadar::launch
