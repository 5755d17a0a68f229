#include "platform/WindowMessaging.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <cstring>

namespace platform {

namespace {

struct Window {
    QPointer<QWidget> widget;
    WNDPROC proc;
};

// All handles live on the user-interface thread, as the windows do.
struct Registry {
    QHash<HWND, Window> windows;
    QHash<const QObject*, HWND> handles;
    UINT_PTR lastHandle = 0;
};

Registry& registry() {
    static Registry instance;
    return instance;
}

Window* Find(HWND hWnd) {
    const auto it = registry().windows.find(hWnd);
    if (it == registry().windows.end() || it->widget.isNull()) {
        return nullptr;
    }
    return &*it;
}

} // namespace

HWND RegisterWindow(QWidget* widget, WNDPROC proc) {
    if (widget == nullptr) {
        return nullptr;
    }
    Registry& reg = registry();
    if (const HWND existing = reg.handles.value(widget)) {
        reg.windows[existing].proc = proc;
        return existing;
    }
    // Handles count up and are never reused, so a stale handle never reaches a newer window.
    const HWND hWnd = reinterpret_cast<HWND>(++reg.lastHandle);
    reg.windows.insert(hWnd, Window{widget, proc});
    reg.handles.insert(widget, hWnd);
    QObject::connect(widget, &QObject::destroyed, [hWnd](QObject* gone) {
        registry().windows.remove(hWnd);
        registry().handles.remove(gone);
    });
    return hWnd;
}

HWND HandleOf(QWidget* widget) {
    if (widget == nullptr) {
        return nullptr;
    }
    if (const HWND existing = registry().handles.value(widget)) {
        return existing;
    }
    return RegisterWindow(widget, &DefWindowProcA);
}

QWidget* WidgetOf(HWND hWnd) {
    const Window* window = Find(hWnd);
    return window != nullptr ? window->widget.data() : nullptr;
}

LRESULT DefWindowProcA(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

LONG_PTR SetWindowLongA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    Window* window = Find(hWnd);
    if (window == nullptr || nIndex != GWL_WNDPROC || dwNewLong == 0) {
        return 0;
    }
    const WNDPROC previous = window->proc;
    window->proc = reinterpret_cast<WNDPROC>(dwNewLong);
    return reinterpret_cast<LONG_PTR>(previous);
}

LRESULT CallWindowProcA(LONG_PTR lpPrevWndFunc, HWND hWnd, UINT uMsg, WPARAM wParam,
                        LPARAM lParam) {
    if (lpPrevWndFunc == 0) {
        return 0;
    }
    return reinterpret_cast<WNDPROC>(lpPrevWndFunc)(hWnd, uMsg, wParam, lParam);
}

LRESULT SendMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const Window* window = Find(hWnd);
    if (window == nullptr) {
        return 0;
    }
    return window->proc(hWnd, uMsg, wParam, lParam);
}

void RtlMoveMemory(void* destination, const void* source, std::size_t length) {
    std::memmove(destination, source, length);
}

} // namespace platform
