#include "core/menu_item.h"

#include <atomic>
#include <cassert>
#include <stdexcept>

namespace core {

namespace {
std::atomic<TMenuItemId> gNextId{1};
}

TMenuItem::TMenuItem(void* owner) : Owner(owner), fId(gNextId.fetch_add(1, std::memory_order_relaxed)) {}

TMenuItem::~TMenuItem() {
    // Children go from the last to the first, as the tree is always torn down.
    while (!fItems.empty()) fItems.pop_back();
}

TMenuItem& TMenuItem::Insert(int index, std::unique_ptr<TMenuItem> item) {
    if (!item) throw std::invalid_argument("TMenuItem::Insert: no item");
    if (item->fParent) throw std::logic_error("TMenuItem::Insert: item already has a parent");
    if (index < 0 || index > Count()) throw std::out_of_range("TMenuItem::Insert: index");
    TMenuItem& ref = *item;
    ref.fParent = this;
    const auto at = static_cast<std::size_t>(index);
    fItems.insert(fItems.begin() + index, std::move(item));
    Renumber(at);
    return ref;
}

std::unique_ptr<TMenuItem> TMenuItem::Extract(int index) {
    if (index < 0 || index >= Count()) throw std::out_of_range("TMenuItem::Extract: index");
    const auto at = static_cast<std::size_t>(index);
    std::unique_ptr<TMenuItem> item = std::move(fItems[at]);
    fItems.erase(fItems.begin() + index);
    Renumber(at);
    item->fParent = nullptr;
    item->fMenuIndex = -1;
    return item;
}

void TMenuItem::Clear() {
    while (!fItems.empty()) Delete(Count() - 1);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    if (!item || item->fParent != this) return -1;
    assert(fItems[static_cast<std::size_t>(item->fMenuIndex)].get() == item);
    return item->fMenuIndex;
}

void TMenuItem::Renumber(std::size_t from) {
    for (std::size_t i = from; i < fItems.size(); ++i) fItems[i]->fMenuIndex = static_cast<int>(i);
}

}  // namespace core
