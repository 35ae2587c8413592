// The hidden window "Pellam" of class "Pellam Class": games send it their
// commands, a second start its command line, Quillon WM_CLOSE.
#include "companion.h"

#include "res/pellam_resource.h"

#include <cstring>

namespace pellam {
namespace {


// The sender decides cbData; the text is taken up to its first zero or the
// end of the data, never beyond.
std::string CopiedText(const COPYDATASTRUCT* data) {
    if (!data || !data->lpData || data->cbData == 0) return std::string();
    const char* text = static_cast<const char*>(data->lpData);
    const void* zero = std::memchr(text, 0, data->cbData);
    size_t length = zero ? static_cast<size_t>(static_cast<const char*>(zero) - text) : data->cbData;
    return std::string(text, length);
}

bool IsResumeOrStandby(WPARAM event) {
    return event == PBT_APMQUERYSTANDBY || event == PBT_APMRESUMECRITICAL ||
           event == PBT_APMRESUMESUSPEND || event == PBT_APMRESUMESTANDBY;
}

LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
        case WM_CLOSE:
        case WM_QUIT:
        case WM_USER:
            ::InterlockedExchange(&g_companion.quit, 1);
            return 0;
        case WM_COPYDATA: {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (data && data->dwData == kCopyGammaText) {
                if (g_companion.hookLibrary) ApplyGammaText(CopiedText(data).c_str());
            } else if (data && data->dwData == kCopyCommand) {
                return RunCommandFor(reinterpret_cast<HWND>(wParam), CopiedText(data));
            }
            return 1;
        }
        case WM_DISPLAYCHANGE:
            if (g_companion.settings[kPatch] == 0) ApplyRefreshOverride();
            return 0;
        case WM_POWERBROADCAST:
            if (!IsResumeOrStandby(wParam)) return 1;
            if (g_companion.extras.doRadeonOverclocking) ApplyStoredClocks();
            return 0;
        default:
            return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK CompanionWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = Handle(window, message, wParam, lParam);
    if (g_companion.quit) ::PostQuitMessage(0);
    return result;
}

}  // namespace

bool RegisterCompanionClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_PARENTDC;
    windowClass.lpfnWndProc = CompanionWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = ::LoadIconA(instance, MAKEINTRESOURCEA(IDI_PELLAM));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    return ::RegisterClassExA(&windowClass) != 0;
}

}  // namespace pellam
