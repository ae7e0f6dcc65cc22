#include "app/main_form_win.h"

#include <algorithm>
#include <array>
#include <utility>

#include "catalogue/catalogue.h"
#include "catalogue/profile_win.h"
#include "launch/actions.h"
#include "resources/resource_ids.h"
#include "window/main_layout.h"

namespace zevadar::app {

std::string IniFileName;

namespace {

constexpr int kGoIconSize = 24;
constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

launch::OwnerWindows OwnerWindowsOf(TfrmZevadar& form) {
    return {.application = nullptr, .ownerForm = [&form] { return form.hwnd(); }};
}

}  // namespace

TfrmZevadar::TfrmZevadar()
    : ShellAppletLoader(shell_, OwnerWindowsOf(*this)),
      ShellRunFileDialog(shell_, OwnerWindowsOf(*this)) {
    btnExit.onClick = [this] { btnExitClick(); };
    cmbMsc.onChange = [this] { cmbMscChange(); };
    cmbCpl.onChange = [this] { cmbCplChange(); };
    cmbRun.onChange = [this] { cmbRunChange(); };
    imgGoMsc.onClick = [this] { imgGoMscClick(); };
    imgGoCpl.onClick = [this] { imgGoCplClick(); };
    imgGoRun.onClick = [this] { imgGoRunClick(); };
    btnRunDlg.onClick = [this] { btnRunDlgClick(); };
    cbStayOnTop.onClick = [this] { cbStayOnTopClick(); };
    for (window::PictureBox* go : {&imgGoMsc, &imgGoCpl, &imgGoRun})
        go->cursor = MAKEINTRESOURCEA(32649);  // IDC_HAND
}

void TfrmZevadar::Create() {
    RECT frame{0, 0, window::kClientWidth, window::kClientHeight};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, 0);
    window::WndCreateArgs args;
    args.text = window::kMainWindowCaption;
    args.style = kFormStyle;
    args.bounds = {0, 0, frame.right - frame.left, frame.bottom - frame.top};
    Wnd::Create(args);
    // The application icon serves the title bar, the task bar and the task switcher.
    for (const auto& [kind, metric] :
         {std::pair<WPARAM, int>{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
        const int size = GetSystemMetrics(metric);
        HANDLE icon =
            LoadImageA(GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON, size, size, LR_SHARED);
        SendMessageA(hwnd(), WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
    }
}

void TfrmZevadar::Show(int showCommand) {
    RECT bounds{};
    GetWindowRect(hwnd(), &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    SetWindowPos(hwnd(), nullptr, window::CentredOrigin(GetSystemMetrics(SM_CXSCREEN), width),
                 window::CentredOrigin(GetSystemMetrics(SM_CYSCREEN), height), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const bool minimised = showCommand == SW_SHOWMINNOACTIVE;
    const bool maximised = showCommand == SW_SHOWMAXIMIZED;
    ShowWindow(hwnd(), minimised   ? SW_SHOWMINNOACTIVE
                       : maximised ? SW_SHOWMAXIMIZED
                                   : SW_SHOWNORMAL);
    UpdateWindow(hwnd());
}

void TfrmZevadar::LoadPictures() {
    HINSTANCE module = GetModuleHandleA(nullptr);
    background_ = window::LoadPicture(module, IDR_BACKGROUND);
    imgBkgnd.painter = [this](HDC dc, const RECT&) { window::DrawPicture(dc, background_, 0, 0); };
    imgIconLarge.SetPicture(window::LoadPicture(module, IDR_ICON_LARGE));
    goIcon_ = window::LoadIconSized(module, IDI_GO, kGoIconSize);
    for (window::PictureBox* go : {&imgGoMsc, &imgGoCpl, &imgGoRun}) {
        go->painter = [this](HDC dc, const RECT&) {
            DrawIconEx(dc, 0, 0, goIcon_.get(), kGoIconSize, kGoIconSize, 0, nullptr, DI_NORMAL);
        };
    }
}

void TfrmZevadar::CreateControls() {
    const std::array<window::Control*, std::size(window::kMainControls)> controls{
        &imgBkgnd, &imgIconLarge, &lbCopyright, &lbTitle,   &lbNoteMsc,   &imgGoMsc,     &lbMsc,
        &lbCpl,    &lbNoteCpl,    &imgGoCpl,    &lbRun,     &lbNoteRun,   &imgGoRun,     &btnExit,
        &cmbMsc,   &cmbCpl,       &cmbRun,      &btnRunDlg, &cbStayOnTop, &cbExeOnSelect};
    tooltips_.Create(hwnd());
    for (size_t i = 0; i < controls.size(); ++i) {
        const window::ControlSpec& row = window::kMainControls[i];
        controls[i]->Create(hwnd(), row);
        if (row.hint) tooltips_.Add(controls[i]->hwnd(), row.hint);
    }
    ArrangeZOrder();
}

// Pictures and labels lie in creation order, the first lowest; the windowed controls lie above
// them all, in tab order, which is the order the dialog keys walk.
void TfrmZevadar::ArrangeZOrder() {
    HWND above = HWND_TOP;
    auto placeBelow = [&above](int id, HWND parent) {
        HWND control = GetDlgItem(parent, id);
        SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = control;
    };
    for (int tab = 0;; ++tab) {
        const auto it =
            std::ranges::find(window::kMainControls, tab, &window::ControlSpec::tabOrder);
        if (it == std::end(window::kMainControls)) break;
        placeBelow(it->id, hwnd());
    }
    for (auto it = std::rbegin(window::kMainControls); it != std::rend(window::kMainControls); ++it)
        if (it->tabOrder < 0) placeBelow(it->id, hwnd());
}

void TfrmZevadar::FormCreate() {
    IniFileName = catalogue::ExecutableCataloguePath();
    cmbMsc.SetItems(catalogue::ReadKeyNames(catalogue::kConsoleSection, IniFileName));
    cmbCpl.SetItems(catalogue::ReadKeyNames(catalogue::kControlPanelSection, IniFileName));
    cmbRun.SetItems(catalogue::ReadKeyNames(catalogue::kRunCommandSection, IniFileName));
    cmbMsc.SetItemIndex(0);
    cmbMscChange();
    cmbCpl.SetItemIndex(0);
    cmbCplChange();
    cmbRun.SetItemIndex(0);
    cmbRunChange();
    lbRun.SetCaption("Run Commands (" + std::to_string(cmbRun.Count()) + "):");
    lbCpl.SetCaption("Windows Control Panels (" + std::to_string(cmbCpl.Count()) + "):");
    lbMsc.SetCaption("Microsoft Management Consoles (" + std::to_string(cmbMsc.Count()) + "):");
}

void TfrmZevadar::UpdateNote(window::MarkupLabel& label, const char* section,
                             const window::DropDownList& list) {
    label.SetMarkup(catalogue::NoteMarkup(catalogue::ReadNote(section, list.Text(), IniFileName)));
}

void TfrmZevadar::cmbMscChange() {
    UpdateNote(lbNoteMsc, catalogue::kConsoleSection, cmbMsc);
    if (cbExeOnSelect.Checked()) imgGoMscClick();
}

void TfrmZevadar::cmbCplChange() {
    UpdateNote(lbNoteCpl, catalogue::kControlPanelSection, cmbCpl);
    if (cbExeOnSelect.Checked()) imgGoCplClick();
}

void TfrmZevadar::cmbRunChange() {
    UpdateNote(lbNoteRun, catalogue::kRunCommandSection, cmbRun);
    if (cbExeOnSelect.Checked()) imgGoRunClick();
}

void TfrmZevadar::imgGoMscClick() {
    launch::OpenConsole(shell_, cmbMsc.Text());
}

void TfrmZevadar::imgGoCplClick() {
    launch::OpenControlPanel(ShellAppletLoader, cmbCpl.Text());
}

void TfrmZevadar::imgGoRunClick() {
    launch::RunCommand(shell_, cmbRun.Text());
}

void TfrmZevadar::btnRunDlgClick() {
    ShellRunFileDialog.Execute();
}

void TfrmZevadar::btnExitClick() {
    DestroyWindow(hwnd());
}

void TfrmZevadar::cbStayOnTopClick() {
    TopmostKeeper.SetTopMost(cbStayOnTop.Checked());
}

LRESULT TfrmZevadar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (message) {
        case WM_CREATE:
            LoadPictures();
            CreateControls();
            TopmostKeeper.Attach(hwnd());
            FormCreate();
            break;
        case WM_COMMAND:
            if (!ReflectCommand(wParam, lParam)) result = DefaultHandling(message, wParam, lParam);
            break;
        case WM_ACTIVATE:
            // Focus returns to where it was; on first activation to the first tab stop.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
            } else {
                SetFocus(lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : cmbRun.hwnd());
            }
            break;
        case WM_ERASEBKGND:
            result = 1;
            break;
        case WM_PAINT:
        case WM_PRINTCLIENT:
            // Transparent controls ask for this: what lies under them is the background.
            result = window::PaintMessage(hwnd(), message, wParam, [this](HDC dc) {
                window::DrawPicture(dc, background_, 0, 0);
            });
            break;
        case WM_CLOSE:
            btnExitClick();
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            break;
        default:
            result = DefaultHandling(message, wParam, lParam);
            break;
    }
    TopmostKeeper.AfterMessage(message, wParam);
    return result;
}

}  // namespace zevadar::app
