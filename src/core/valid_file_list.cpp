#include "core/valid_file_list.h"

namespace core {

void TValidFileList::Add(const std::wstring& path) {
    fPaths.push_back(path);
    fKeys.insert(fCollation->SortKey(path));
}

void TValidFileList::Clear() {
    fPaths.clear();
    fKeys.clear();
}

}  // namespace core
