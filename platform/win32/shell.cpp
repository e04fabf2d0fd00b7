#include "platform/shell.h"

#include <shlobj.h>
#include <windows.h>

#include <cstring>

#include "platform/win32/bound_functions.h"
#include "platform/win32/scoped_handle.h"

namespace {

using SHGetFolderLocationFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, PIDLIST_ABSOLUTE*);
using SHBrowseForFolderAFn = PIDLIST_ABSOLUTE(WINAPI*)(LPBROWSEINFOA);
using SHGetPathFromIDListAFn = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, LPSTR);
using CoTaskMemFreeFn = void(WINAPI*)(LPVOID);

constexpr UINT kBrowseFlags = 0x77;

// An item list released with CoTaskMemFree (bound by name), also when null.
class ScopedItemList {
 public:
  ScopedItemList() = default;
  ~ScopedItemList() { Bound<CoTaskMemFreeFn>(BoundFunction::kCoTaskMemFree)(list_); }
  ScopedItemList(const ScopedItemList&) = delete;
  ScopedItemList& operator=(const ScopedItemList&) = delete;
  PIDLIST_ABSOLUTE get() const { return list_; }
  PIDLIST_ABSOLUTE* out() { return &list_; }
  void attach(PIDLIST_ABSOLUTE list) { list_ = list; }

 private:
  PIDLIST_ABSOLUTE list_ = nullptr;
};

// 260 spaces and a zero byte: the dialog's buffers start out so.
struct SpaceBuffer {
  char bytes[MAX_PATH + 1];
  SpaceBuffer() {
    std::memset(bytes, ' ', MAX_PATH);
    bytes[MAX_PATH] = '\0';
  }
};

}  // namespace

FolderDialogOutcome BrowseForFolder(void* owner, const std::string& title) {
  HWND ownerWindow = static_cast<HWND>(owner);
  ScopedItemList root;
  // On failure the root stays null, which the dialog also takes as the desktop.
  Bound<SHGetFolderLocationFn>(BoundFunction::kSHGetFolderLocation)(ownerWindow, CSIDL_DESKTOP,
                                                                    nullptr, 0, root.out());
  SpaceBuffer displayName;
  std::string titleCopy = title;
  BROWSEINFOA info{};
  info.hwndOwner = ownerWindow;
  info.pidlRoot = root.get();
  info.pszDisplayName = displayName.bytes;
  info.lpszTitle = titleCopy.c_str();
  info.ulFlags = kBrowseFlags;

  ScopedItemList picked;
  picked.attach(Bound<SHBrowseForFolderAFn>(BoundFunction::kSHBrowseForFolderA)(&info));

  FolderDialogOutcome outcome;
  outcome.listReturned = picked.get() != nullptr;
  // Without an item list the dialog was cancelled, and some implementations
  // leave stray bytes in the display-name buffer then; a cancel must never
  // become a folder, so the name counts only together with an item.
  if (outcome.listReturned) outcome.displayName = displayName.bytes;
  if (outcome.listReturned) {
    SpaceBuffer path;
    outcome.pathFound = Bound<SHGetPathFromIDListAFn>(BoundFunction::kSHGetPathFromIDListA)(
                            picked.get(), path.bytes) != FALSE;
    if (outcome.pathFound) outcome.path = path.bytes;
  }
  return outcome;
}

bool CreateShortcut(const std::string& fileName, const std::string& target) {
  if (fileName.empty() || fileName.size() >= MAX_PATH) return false;
  ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(link.out())))) {
    return false;
  }
  if (FAILED(link->SetPath(target.c_str())) || FAILED(link->SetShowCmd(SW_SHOW))) return false;
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.out())))) {
    return false;
  }
  WCHAR wideName[MAX_PATH] = {};
  if (MultiByteToWideChar(CP_ACP, 0, fileName.c_str(), -1, wideName, MAX_PATH) == 0) return false;
  return SUCCEEDED(file->Save(wideName, TRUE));
}
