#include "launch/dialogs.h"

#include <utility>

namespace zevadar::launch {
namespace {

constexpr unsigned kRunDialogOrdinal = 61;

// Frees a library on every way out of the scope, an exception from the dialog included.
class LoadedLibrary {
public:
    LoadedLibrary(Shell& shell, ModuleHandle module) : shell_(shell), module_(module) {}
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;
    ~LoadedLibrary() { shell_.FreeLibrary(module_); }

private:
    Shell& shell_;
    ModuleHandle module_;
};

WindowHandle Call(const std::function<WindowHandle()>& source) {
    return source ? source() : nullptr;
}

}  // namespace

ShellBaseDialog::ShellBaseDialog(Shell& shell, OwnerWindows owners, OwnerHandle defaultOwner)
    : ownerHandle(defaultOwner), shell_(shell), owners_(std::move(owners)) {}

WindowHandle ShellBaseDialog::Owner(WindowHandle parent) const {
    if (parent) return parent;
    switch (ownerHandle) {
        case OwnerHandle::pwNone:
            return nullptr;
        case OwnerHandle::pwApplication:
            return Call(owners_.application);
        case OwnerHandle::pwOwnerForm:
            return Call(owners_.ownerForm);
    }
    return nullptr;
}

ShellAppletLoader::ShellAppletLoader(Shell& shell, OwnerWindows owners)
    : ShellBaseDialog(shell, std::move(owners), OwnerHandle::pwNone) {}

bool ShellAppletLoader::Execute(WindowHandle parent) {
    const std::string parameters = "shell32.dll,Control_RunDLL " + custom;
    const std::intptr_t result = shell_.ShellExecuteA(Owner(parent), "open", "rundll32.exe",
                                                      parameters.c_str(), nullptr, kShowNormal);
    return static_cast<std::uintptr_t>(result) > 32;
}

ShellRunFileDialog::ShellRunFileDialog(Shell& shell, OwnerWindows owners)
    : ShellBaseDialog(shell, std::move(owners), OwnerHandle::pwOwnerForm) {}

void ShellRunFileDialog::Execute(WindowHandle parent) {
    const ModuleHandle shell32 = shell_.LoadLibraryA("shell32.dll");
    if (!shell32) return;
    const LoadedLibrary loaded(shell_, shell32);
    const ProcAddress runDialog = shell_.GetProcAddress(shell32, kRunDialogOrdinal);
    if (!runDialog) return;
    shell_.CallRunDialog(runDialog, Owner(parent), icon, workingPath.c_str(), caption.c_str(),
                         description.c_str(), Flags());
}

unsigned ShellRunFileDialog::Flags() const {
    unsigned flags = 0;
    for (const ShellRunFileOption option : options) flags |= static_cast<unsigned>(option);
    return flags;
}

}  // namespace zevadar::launch
