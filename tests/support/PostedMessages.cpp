#include "PostedMessages.h"

#include "WaitFor.h"

namespace {

// A thread message no window sees: it only marks a place in the queue.
const WPARAM kMarker = 0x7E57;
volatile LONG g_nLastMarkerTaken = 0;
LONG g_nLastMarkerPosted = 0;

LRESULT CALLBACK NoteMarker(int code, WPARAM removal, LPARAM parameter)
{
    const MSG* message = reinterpret_cast<const MSG*>(parameter);
    if (code == HC_ACTION && removal == PM_REMOVE && message->hwnd == nullptr &&
        message->message == WM_NULL && message->wParam == kMarker)
        InterlockedExchange(&g_nLastMarkerTaken, static_cast<LONG>(message->lParam));
    return CallNextHookEx(nullptr, code, removal, parameter);
}

}  // namespace

bool WaitForPostedMessagesHandled(DWORD threadId, DWORD timeoutMs)
{
    HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, threadId);
    if (thread == nullptr)
        return false;
    bool handled = false;
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, NoteMarker, nullptr, threadId);
    if (hook != nullptr) {
        LONG marker = InterlockedIncrement(&g_nLastMarkerPosted);
        handled = PostThreadMessageA(threadId, WM_NULL, kMarker, marker) && WaitFor([&] {
            return g_nLastMarkerTaken == marker || WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
        }, timeoutMs);
        UnhookWindowsHookEx(hook);
    }
    CloseHandle(thread);
    return handled;
}
