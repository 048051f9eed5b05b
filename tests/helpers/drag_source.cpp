// A drag source for a real drop: `hz_drag_source X Y TARGET_X TARGET_Y PATH...` shows a small window at
// (X, Y); a helper thread presses the left button over it and moves the pointer to (TARGET_X, TARGET_Y)
// through SendInput, where it releases the button. The window starts the drag from its own button-down
// handler, as real programs do. Exit code: 10 + the effect when dropped, 2 when not, 3 without a drag.
#include <cwchar>
#include <cwctype>

#include "memory_data_object.h"

namespace {

constexpr int kWidth = 150;
constexpr int kHeight = 100;

struct Route {
    POINT from;
    POINT to;
};

std::vector<std::wstring> gPaths;
Route gRoute;
int gExitCode = 3;

class DropSource final : public IDropSource {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keyState) override {
        if (escape) return DRAGDROP_S_CANCEL;
        return (keyState & MK_LBUTTON) != 0 ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

void SendMouse(DWORD flags, POINT at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = MulDiv(at.x, 65535, width - 1);
    input.mi.dy = MulDiv(at.y, 65535, height - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

DWORD WINAPI DrivePointer(void*) {
    Sleep(500);
    SendMouse(0, gRoute.from);
    Sleep(200);
    SendMouse(MOUSEEVENTF_LEFTDOWN, gRoute.from);
    Sleep(300);
    constexpr int kSteps = 12;
    for (int step = 1; step <= kSteps; ++step) {
        const POINT at{gRoute.from.x + (gRoute.to.x - gRoute.from.x) * step / kSteps,
                       gRoute.from.y + (gRoute.to.y - gRoute.from.y) * step / kSteps};
        SendMouse(0, at);
        Sleep(60);
    }
    Sleep(400);
    SendMouse(MOUSEEVENTF_LEFTUP, gRoute.to);
    return 0;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN: {
            auto* data = new MemoryDataObject(CF_HDROP, MakeDropFiles(gPaths));
            DropSource source;
            DWORD effect = DROPEFFECT_NONE;
            const HRESULT result =
                DoDragDrop(data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
            data->Release();
            gExitCode = result == DRAGDROP_S_DROP ? 10 + static_cast<int>(effect) : 2;
            DestroyWindow(window);
            return 0;
        }
        case WM_TIMER:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr || count < 6) return 4;
    const POINT at{_wtoi(arguments[1]), _wtoi(arguments[2])};
    gRoute = Route{{at.x + kWidth / 2, at.y + kHeight / 2}, {_wtoi(arguments[3]), _wtoi(arguments[4])}};
    for (int i = 5; i < count; ++i) gPaths.emplace_back(arguments[i]);
    LocalFree(arguments);

    OleInitialize(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1);
    windowClass.lpszClassName = L"HzDragSource";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOPMOST, L"HzDragSource", L"hz drag source", WS_POPUP | WS_VISIBLE,
                                  at.x, at.y, kWidth, kHeight, nullptr, nullptr, instance, nullptr);
    UpdateWindow(window);
    SetTimer(window, 1, 15000, nullptr);  // gives up when no drag ever started
    CloseHandle(CreateThread(nullptr, 0, DrivePointer, nullptr, 0, nullptr));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    OleUninitialize();
    return gExitCode;
}
