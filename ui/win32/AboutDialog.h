// TfrmAbout on Windows: the banner with the program's icon, its name and version, and the link
// to the support page, opened by the shell.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace velmora::win32 {

// The support page's address: `configured` when it is not empty (a packager's web page), else
// the file address of help.html in `programFolder`, where the installer puts it.
std::wstring supportAddress(const std::wstring& configured, const std::wstring& programFolder);
// The address the build was configured with (VELMORA_SUPPORT_URL) or the program's own page.
std::wstring supportAddress();

class TfrmAbout {
public:
    // Registers the window class; the dialog is created hidden, owned by `owner`, and shows
    // `address` as its link.
    TfrmAbout(HWND owner, const std::wstring& address);
    TfrmAbout(const TfrmAbout&) = delete;
    TfrmAbout& operator=(const TfrmAbout&) = delete;

    // Shows the dialog modally: 1 when 确定 closed it, IDCANCEL for the close button.
    int ShowModal();
    HWND handle() const { return hwnd_; }

    // Opens an address for the dialog (the owner, the address); tests replace it. What it gives
    // back is not looked at.
    std::function<void(HWND, const std::wstring&)> openUrl;
    // The link's click: the shell is asked to open the address; the dialog stays open.
    void Label1Click();

    // Control ids.
    static constexpr int IdVersion = 101, IdLink = 102, IdSupport = 103, IdOk = 1;
    // The banner's and the icon's places in the client area.
    static constexpr int Margin = 3, BannerWidth = 354, BannerHeight = 217;

private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    void FormCreate();
    void paint(HDC dc) const;

    HWND owner_;
    HWND hwnd_ = nullptr;
    HWND link_ = nullptr;
    HBITMAP banner_ = nullptr;
    HICON icon_ = nullptr;
    int result_ = 0;
    bool shownBefore_ = false;
};

} // namespace velmora::win32
