// The purge's file operations on Windows.
#include "FolderTree.h"

#include <windows.h>

#include <cwctype>
#include <functional>
#include <string>
#include <vector>

#include "ShellText.h"

namespace velmora::win32 {

namespace {
constexpr DWORD kKnownAttributes = 0x1FF;

#ifdef VELMORA_TEST_HOOKS
std::function<void(const std::wstring&)>& removalOpenedHook() {
    static std::function<void(const std::wstring&)> hook;
    return hook;
}
void runRemovalOpenedHook(const std::wstring& path) {
    if (removalOpenedHook())
        removalOpenedHook()(path);
}
#else
void runRemovalOpenedHook(const std::wstring&) {}
#endif

bool equalIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return CompareStringOrdinal(a.data(), int(a.size()), b.data(), int(b.size()), TRUE) ==
           CSTR_EQUAL;
}

// The path with the prefix that lifts MAX_PATH and turns off the name rewriting of Win32.
std::wstring longPath(std::wstring_view path) {
    return L"\\\\?\\" + std::wstring(path);
}

} // namespace

bool isNamedOnVolume(std::wstring_view nameOnVolume, unsigned long handleSerial,
                     unsigned long driveSerial, std::wstring_view target) {
    return target.size() > 6 && handleSerial == driveSerial &&
           equalIgnoringCase(nameOnVolume, target.substr(6));
}

namespace {
// Whether the object a handle holds is the one at `target` ("\\?\X:\…"): by its final path;
// where that cannot be had (Wine gives none beyond MAX_PATH), by its name on its volume and that
// volume being the drive's (the same serial number).
bool isObjectAt(HANDLE handle, const std::wstring& target) {
    std::wstring opened(32768, L'\0');
    const DWORD length = GetFinalPathNameByHandleW(handle, opened.data(), DWORD(opened.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length > 0 && length < opened.size())
        return equalIgnoringCase(std::wstring_view(opened.data(), length), target);
    std::vector<char> buffer(sizeof(FILE_NAME_INFO) + 65536);
    if (!GetFileInformationByHandleEx(handle, FileNameInfo, buffer.data(), DWORD(buffer.size())))
        return false;
    const auto* info = reinterpret_cast<const FILE_NAME_INFO*>(buffer.data());
    const std::wstring_view name(info->FileName, info->FileNameLength / sizeof(wchar_t));
    const std::wstring root = target.substr(4, 2) + L"\\";
    DWORD handleSerial = 0, driveSerial = 0;
    return GetVolumeInformationByHandleW(handle, nullptr, 0, &handleSerial, nullptr, nullptr,
                                         nullptr, 0) &&
           GetVolumeInformationW(root.c_str(), nullptr, 0, &driveSerial, nullptr, nullptr, nullptr,
                                 0) &&
           isNamedOnVolume(name, handleSerial, driveSerial, target);
}

// Opens the entry itself (a link is not followed) and checks that the object opened is the one
// at `path`, reached through no link: under Wine, and on Windows for a folder swapped for a
// junction, a path can lead elsewhere. Then clears read-only when asked and marks the object
// for deletion on that same handle, so the check and the deletion act on one object.
bool removeEntry(const std::wstring& path, bool clearReadOnly) {
    const std::wstring target = longPath(path);
    HANDLE handle =
        CreateFileW(target.c_str(), DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    runRemovalOpenedHook(path);
    bool removed = false;
    if (isObjectAt(handle, target)) {
        FILE_BASIC_INFO basic{};
        if (clearReadOnly &&
            GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic) &&
            (basic.FileAttributes & FILE_ATTRIBUTE_READONLY)) {
            basic.FileAttributes &= ~DWORD(FILE_ATTRIBUTE_READONLY);
            if (basic.FileAttributes == 0)
                basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
            SetFileInformationByHandle(handle, FileBasicInfo, &basic, sizeof basic);
        }
        FILE_DISPOSITION_INFO disposition{TRUE};
        removed = SetFileInformationByHandle(handle, FileDispositionInfo, &disposition,
                                             sizeof disposition) != 0;
    }
    CloseHandle(handle);
    return removed;
}

bool exists(const std::wstring& path) {
    return GetFileAttributesW(longPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool isDotName(const wchar_t* name) {
    std::wstring_view stripped(name);
    while (!stripped.empty() && stripped.front() <= L' ')
        stripped.remove_prefix(1);
    while (!stripped.empty() && stripped.back() <= L' ')
        stripped.remove_suffix(1);
    return stripped == L"." || stripped == L"..";
}

bool deleteFolderTree(std::wstring folder) {
    while (folder.size() > 3 && folder.back() == L'\\')
        folder.pop_back();
    const std::wstring prefix = folder + L"\\";
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileW(longPath(prefix + L"*.*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (isDotName(entry.cFileName))
                continue;
            const std::wstring path = prefix + entry.cFileName;
            const DWORD attributes = entry.dwFileAttributes;
            if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
                removeEntry(path, true); // the link itself, never what it points to
            else if (attributes & FILE_ATTRIBUTE_DIRECTORY)
                deleteFolderTree(path);
            else if ((attributes & ~kKnownAttributes) == 0)
                removeEntry(path, true);
            // Otherwise (compressed, encrypted, offline…) the entry stays.
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    removeEntry(folder, true);
    return !exists(folder);
}

bool isSidSegment(std::wstring_view s) {
    if (s.size() < 5 || (s[0] != L'S' && s[0] != L's') || s.substr(1, 3) != L"-1-")
        return false;
    for (const wchar_t c : s.substr(4))
        if (!(c == L'-' || (c >= L'0' && c <= L'9')))
            return false;
    return s.back() != L'-';
}
} // namespace

bool isRecycleBinStoragePath(TextView text) {
    const std::wstring path = toWide(text);
    if (path.size() < 3 || !std::iswalpha(path[0]) || path[0] > 0x7F || path[1] != L':' ||
        path[2] != L'\\')
        return false;
    std::vector<std::wstring_view> segments;
    std::wstring_view rest = std::wstring_view(path).substr(3);
    while (true) {
        const std::size_t cut = rest.find(L'\\');
        segments.push_back(rest.substr(0, cut));
        if (cut == std::wstring_view::npos)
            break;
        rest.remove_prefix(cut + 1);
    }
    if (segments.size() < 3 || !equalIgnoringCase(segments[0], L"$Recycle.Bin") ||
        !isSidSegment(segments[1]))
        return false;
    for (const std::wstring_view segment : segments) {
        if (segment.empty() || segment == L"." || segment == L".." || segment.back() == L' ' ||
            segment.back() == L'.')
            return false;
        for (const wchar_t c : segment)
            if (c < L' ' || c == L'/' || c == L':' || c == L'*' || c == L'?' || c == L'"' ||
                c == L'<' || c == L'>' || c == L'|')
                return false;
    }
    return true;
}

#ifdef VELMORA_TEST_HOOKS
void setRemovalOpenedHook(std::function<void(const std::wstring& path)> hook) {
    removalOpenedHook() = std::move(hook);
}
#endif

bool DeleteFolderTree(TextView path) {
    return deleteFolderTree(toWide(path));
}

RemoveOutcome KillItem(TextView pathName) {
    if (!isRecycleBinStoragePath(pathName))
        return RemoveOutcome::Stayed;
    const std::wstring path = toWide(pathName);
    const DWORD attributes = GetFileAttributesW(longPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? RemoveOutcome::NotThere
                   : RemoveOutcome::Stayed;
    }
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        removeEntry(path, false); // the item's own attributes are not changed
    else
        deleteFolderTree(path);
    return exists(path) ? RemoveOutcome::Stayed : RemoveOutcome::Removed;
}

} // namespace velmora::win32
