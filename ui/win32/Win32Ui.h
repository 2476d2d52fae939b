// What the Windows windows share: the application title, the font, message boxes and the guard
// that shows what escapes an event handler.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "core/Text.h"

namespace velmora::win32 {

inline constexpr wchar_t ApplicationTitle[] = L"Velmora";

// Registers the common controls the windows use: the list view, the date picker, the buttons.
void initialiseCommonControls();

// "MS Sans Serif" 8 pt: 11 pixels high at 96 DPI; one font for every window.
HFONT windowFont();
// The same, underlined, for the links.
HFONT underlinedFont();
// The width of a text in a font, in pixels.
int textWidth(HFONT font, const std::wstring& text);

// An information box owned by `owner`, caption the application title.
void showInformation(HWND owner, TextView text);

// Runs an event handler; what it throws is shown (critical icon, owner the active window) after
// the "." rule, and the message loop goes on.
void guarded(const std::function<void()>& handler);

// Shows a dialog modally: its owner takes no input until endModal(dialog); the dialog then hides
// and the owner is active again. `focus` gets the keyboard focus when the dialog opens.
void runModal(HWND dialog, HWND owner, HWND focus);
void endModal(HWND dialog);
// Places a dialog centred over its owner, neither edge beyond the desktop's left or top edge.
void centreOver(HWND dialog, HWND owner);

// Registers a window class of this module: arrow cursor, `background` (none: the window paints
// all of it), `icon` (none: the system's).
void registerWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background,
                         HICON icon = nullptr);

// Makes a child control with the window font, at x, y, width, height in 96-DPI pixels.
HWND makeControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int id,
                 int x, int y, int width, int height);

} // namespace velmora::win32
