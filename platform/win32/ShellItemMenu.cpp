// The shell's context menu of an item, its commands, and the rename through the folder.
#include "ShellItemMenu.h"

#include <vector>

#include "ShellText.h"

namespace velmora::win32 {

namespace {
bool sameVerb(const std::string& verb, const char* name) {
    return lstrcmpiA(verb.c_str(), name) == 0;
}

// The current folder for the time of one call; set back only when asked to.
class CurrentFolder {
public:
    CurrentFolder() {
        const DWORD size = GetCurrentDirectoryW(0, nullptr);
        if (size > 0) {
            std::vector<wchar_t> buffer(size);
            if (GetCurrentDirectoryW(size, buffer.data()) > 0)
                remembered_ = buffer.data();
        }
    }
    void setBack() const {
        if (!remembered_.empty())
            SetCurrentDirectoryW(remembered_.c_str());
    }

private:
    std::wstring remembered_;
};
} // namespace

ShellItemMenu::ShellItemMenu(IShellFolder* folder, PCUITEMID_CHILD item, HWND owner) {
    PCUITEMID_CHILD items[] = {item};
    void* object = nullptr;
    if (folder && item &&
        SUCCEEDED(folder->GetUIObjectOf(owner, 1, items, IID_IContextMenu, nullptr, &object)))
        menu_ = static_cast<IContextMenu*>(object);
    queryHelpers();
}

ShellItemMenu::ShellItemMenu(IContextMenu* menu) : menu_(menu) {
    if (menu_)
        menu_->AddRef();
    queryHelpers();
}

void ShellItemMenu::queryHelpers() {
    if (!menu_)
        return;
    if (FAILED(menu_->QueryInterface(IID_IContextMenu3, reinterpret_cast<void**>(&menu3_))))
        menu3_ = nullptr;
    if (FAILED(menu_->QueryInterface(IID_IContextMenu2, reinterpret_cast<void**>(&menu2_))))
        menu2_ = nullptr;
}

ShellItemMenu::~ShellItemMenu() {
    if (menu3_)
        menu3_->Release();
    if (menu2_)
        menu2_->Release();
    if (menu_)
        menu_->Release();
}

bool ShellItemMenu::fill(HMENU menu) const {
    return menu_ && SUCCEEDED(menu_->QueryContextMenu(menu, 0, FirstMenuCommand, LastMenuCommand,
                                                      CMF_EXPLORE | CMF_CANRENAME));
}

std::string ShellItemMenu::verb(UINT command) const {
    if (!menu_ || command < FirstMenuCommand)
        return {};
    char verb[257] = {};
    if (FAILED(menu_->GetCommandString(command - FirstMenuCommand, GCS_VERBA, nullptr, verb, 256)))
        return {};
    verb[256] = '\0';
    return verb;
}

bool ShellItemMenu::invoke(UINT command, HWND owner) const {
    if (!menu_ || command < FirstMenuCommand)
        return false;
    CMINVOKECOMMANDINFO info{};
    info.cbSize = sizeof info;
    info.hwnd = owner;
    info.lpVerb = MAKEINTRESOURCEA(command - FirstMenuCommand);
    info.nShow = SW_SHOWNORMAL;
    return SUCCEEDED(menu_->InvokeCommand(&info));
}

bool ShellItemMenu::handleMenuMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                      LRESULT& result) const {
    result = 0;
    if (menu3_)
        return SUCCEEDED(menu3_->HandleMenuMsg2(message, wParam, lParam, &result));
    if (menu2_ && message != WM_MENUCHAR)
        return SUCCEEDED(menu2_->HandleMenuMsg(message, wParam, lParam));
    return false;
}

MenuCommandResult runMenuCommand(const ShellItemMenu& menu, UINT command, HWND owner,
                                 TextView pathName) {
    MenuCommandResult result;
    const std::string verb = menu.verb(command);
    if (sameVerb(verb, "rename")) {
        result.startRename = true;
        return result;
    }
    result.invoked = true;
    if (sameVerb(verb, "open")) {
        const CurrentFolder remembered;
        const std::size_t slash = pathName.rfind(u'\\');
        if (slash != TextView::npos)
            SetCurrentDirectoryW(toWide(pathName.substr(0, slash + 1)).c_str());
        result.succeeded = menu.invoke(command, owner);
        if (result.succeeded)
            remembered.setBack();
        return result;
    }
    result.succeeded = menu.invoke(command, owner);
    result.reRead = result.succeeded && (sameVerb(verb, "delete") || sameVerb(verb, "paste"));
    return result;
}

RenameOutcome renameItem(IShellFolder* folder, PCUITEMID_CHILD item, TextView name, HWND owner,
                         PITEMID_CHILD* newItem) {
    *newItem = nullptr;
    SFGAOF attributes = SFGAO_CANRENAME;
    PCUITEMID_CHILD items[] = {item};
    if (FAILED(folder->GetAttributesOf(1, items, &attributes)) || !(attributes & SFGAO_CANRENAME))
        return RenameOutcome::NotRenamable;
    const std::wstring wide = toWide(name);
    if (FAILED(folder->SetNameOf(owner, item, wide.c_str(), SHGDN_NORMAL, newItem))) {
        if (*newItem)
            CoTaskMemFree(*newItem);
        *newItem = nullptr;
        return RenameOutcome::Refused;
    }
    return RenameOutcome::Renamed;
}

} // namespace velmora::win32
