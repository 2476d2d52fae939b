// The Recycle Bin through the shell's folder interfaces.
#include "RecycleBinFolder.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <stdexcept>

#include "ShellText.h"
#include "core/Errors.h"

namespace velmora::win32 {

namespace {
constexpr SHCONTF kEnumFlags = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;

Text displayNameOf(IShellFolder* folder, PCUITEMID_CHILD id, SHGDNF flags) {
    STRRET name{};
    if (FAILED(folder->GetDisplayNameOf(id, flags, &name)))
        return {};
    wchar_t* wide = nullptr;
    if (FAILED(StrRetToStrW(&name, id, &wide)))
        return {};
    Text text = fromWide(wide);
    CoTaskMemFree(wide);
    return text;
}

// A name that begins with "::{" is a class id, not a name: ask again for the plain name.
Text nameOf(IShellFolder* folder, PCUITEMID_CHILD id, SHGDNF flags) {
    Text text = displayNameOf(folder, id, flags);
    if (text.starts_with(u"::{"))
        text = displayNameOf(folder, id, SHGDN_NORMAL);
    return text;
}

bool equalIgnoringCase(const Text& a, const Text& b) {
    return CompareStringOrdinal(reinterpret_cast<const wchar_t*>(a.data()), int(a.size()),
                                reinterpret_cast<const wchar_t*>(b.data()), int(b.size()),
                                TRUE) == CSTR_EQUAL;
}
} // namespace

struct RecycleBinFolder::Item {
    PITEMID_CHILD relative = nullptr;
    PIDLIST_ABSOLUTE absolute = nullptr;
    bool folder = false;
    mutable bool detailsLoaded = false;
    mutable int icon = -2;             // -2: not asked yet
    mutable std::vector<Text> details; // by list column - 1
    ~Item() {
        CoTaskMemFree(relative);
        CoTaskMemFree(absolute);
    }
};

RecycleBinFolder::RecycleBinFolder() {
    if (FAILED(SHGetDesktopFolder(&desktop_)) || !desktop_)
        throw std::runtime_error("the shell's desktop folder is not available");
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_BITBUCKET, &rootId_)) && rootId_)
        desktop_->BindToObject(rootId_, nullptr, IID_IShellFolder,
                               reinterpret_cast<void**>(&folder_));
    if (!folder_) {
        folder_ = desktop_;
        folder_->AddRef();
    }
    if (FAILED(folder_->QueryInterface(IID_IShellFolder2, reinterpret_cast<void**>(&details_))))
        details_ = nullptr;
}

RecycleBinFolder::~RecycleBinFolder() {
    items_.clear();
    if (details_)
        details_->Release();
    folder_->Release();
    desktop_->Release();
    CoTaskMemFree(rootId_);
}

void RecycleBinFolder::enumerate(HWND owner) {
    items_.clear();
    IEnumIDList* list = nullptr;
    if (folder_->EnumObjects(owner, kEnumFlags, &list) == S_OK && list) {
        PITEMID_CHILD id = nullptr;
        while (list->Next(1, &id, nullptr) == S_OK && id) {
            auto entry = std::make_unique<Item>();
            entry->relative = id;
            entry->absolute = rootId_ ? ILCombine(rootId_, id)
                                      : ILCloneFull(reinterpret_cast<PCIDLIST_ABSOLUTE>(id));
            SFGAOF attributes = SFGAO_FOLDER;
            PCUITEMID_CHILD ids[] = {id};
            if (SUCCEEDED(folder_->GetAttributesOf(1, ids, &attributes)))
                entry->folder = (attributes & SFGAO_FOLDER) != 0;
            items_.push_back(std::move(entry));
            id = nullptr;
        }
        list->Release();
    }
    // Folders first; then the shell's own order of the name column (the low 16 bits of the
    // result, signed).
    IShellFolder* folder = folder_;
    std::stable_sort(items_.begin(), items_.end(), [folder](const auto& a, const auto& b) {
        if (a->folder != b->folder)
            return a->folder;
        const HRESULT order = folder->CompareIDs(0, a->relative, b->relative);
        return static_cast<short>(HRESULT_CODE(order)) < 0;
    });
    buildColumns();
}

void RecycleBinFolder::buildColumns() {
    columns_.clear();
    if (!details_) {
        columns_.push_back({0, u"Name", LVCFMT_LEFT, 25});
        return;
    }
    bool seenOnByDefault = false;
    for (UINT n = 0;; ++n) {
        SHELLDETAILS column{};
        if (FAILED(details_->GetDetailsOf(nullptr, n, &column)))
            break;
        SHCOLSTATEF state = 0;
        if (FAILED(details_->GetDefaultColumnState(n, &state)))
            state = 0;
        if (state & SHCOLSTATE_ONBYDEFAULT)
            seenOnByDefault = true;
        else if (seenOnByDefault)
            break;
        Text heading = fromStrRet(column.str, nullptr);
        if (heading.empty() ||
            std::any_of(columns_.begin(), columns_.end(), [&](const ShellColumn& c) {
                return equalIgnoringCase(c.heading, heading);
            }))
            continue;
        const int format =
            column.fmt == LVCFMT_RIGHT || column.fmt == LVCFMT_CENTER ? column.fmt : LVCFMT_LEFT;
        columns_.push_back({int(n), std::move(heading), format, column.cxChar});
    }
}

int RecycleBinFolder::itemCount() const {
    return int(items_.size());
}

const std::vector<ShellColumn>& RecycleBinFolder::columns() const {
    return columns_;
}

std::vector<Text> RecycleBinFolder::headings() const {
    std::vector<Text> all;
    for (const ShellColumn& c : columns_)
        all.push_back(c.heading);
    return all;
}

const RecycleBinFolder::Item& RecycleBinFolder::item(int index) const {
    if (index < 0 || index >= itemCount())
        throw ListIndexError(index);
    return *items_[std::size_t(index)];
}

bool RecycleBinFolder::isFolder(int index) const {
    return item(index).folder;
}

Text RecycleBinFolder::displayName(int index) const {
    return nameOf(folder_, item(index).relative, SHGDN_INFOLDER);
}

Text RecycleBinFolder::pathName(int index) const {
    return nameOf(desktop_, reinterpret_cast<PCUITEMID_CHILD>(item(index).absolute),
                  SHGDN_FORPARSING);
}

Text RecycleBinFolder::detailText(int index, int listColumn) const {
    const Item& entry = item(index);
    if (listColumn < 1 || listColumn >= int(columns_.size()))
        throw ListIndexError(listColumn - 1);
    if (!entry.detailsLoaded || entry.details.size() + 1 < columns_.size()) {
        entry.details.clear();
        for (std::size_t c = 1; c < columns_.size(); ++c) {
            SHELLDETAILS detail{};
            Text text;
            if (details_ && SUCCEEDED(details_->GetDetailsOf(
                                entry.relative, UINT(columns_[c].shellColumn), &detail)))
                text = fromStrRet(detail.str, entry.relative);
            entry.details.push_back(std::move(text));
        }
        entry.detailsLoaded = true;
    }
    return entry.details[std::size_t(listColumn - 1)];
}

RenameOutcome RecycleBinFolder::rename(int index, TextView name, HWND owner) {
    Item& entry = const_cast<Item&>(item(index));
    PITEMID_CHILD renamed = nullptr;
    const RenameOutcome outcome = renameItem(folder_, entry.relative, name, owner, &renamed);
    if (outcome == RenameOutcome::Renamed && renamed) {
        PIDLIST_ABSOLUTE absolute = rootId_
                                        ? ILCombine(rootId_, renamed)
                                        : ILCloneFull(reinterpret_cast<PCIDLIST_ABSOLUTE>(renamed));
        CoTaskMemFree(entry.relative);
        CoTaskMemFree(entry.absolute);
        entry.relative = renamed;
        entry.absolute = absolute;
        entry.detailsLoaded = false;
        entry.icon = -2;
    }
    return outcome;
}

int RecycleBinFolder::iconIndex(int index) const {
    const Item& entry = item(index);
    if (entry.icon == -2) {
        SHFILEINFOW info{};
        entry.icon =
            SHGetFileInfoW(reinterpret_cast<LPCWSTR>(entry.absolute), 0, &info, sizeof info,
                           SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON) != 0
                ? info.iIcon
                : -1;
    }
    return entry.icon;
}

HIMAGELIST RecycleBinFolder::systemImageList(bool small) {
    SHFILEINFOW info{};
    return reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(
        L"", 0, &info, sizeof info, SHGFI_SYSICONINDEX | (small ? SHGFI_SMALLICON : 0)));
}

PCIDLIST_ABSOLUTE RecycleBinFolder::absoluteId(int index) const {
    return item(index).absolute;
}

PCUITEMID_CHILD RecycleBinFolder::relativeId(int index) const {
    return item(index).relative;
}

IShellFolder* RecycleBinFolder::folder() const {
    return folder_;
}

} // namespace velmora::win32
