#include "skin/window/window_table.h"

namespace skin {

WindowRecord* WindowTable::At(std::intptr_t index) {
    if (index < 1 || index > static_cast<std::intptr_t>(records_.size())) return nullptr;
    return records_[static_cast<std::size_t>(index - 1)].get();
}

int WindowTable::Append(std::unique_ptr<WindowRecord> record) {
    records_.push_back(std::move(record));
    return Count();
}

std::unique_ptr<WindowRecord> WindowTable::Remove(int index) {
    if (index < 1 || index > Count()) return nullptr;
    auto it = records_.begin() + (index - 1);
    std::unique_ptr<WindowRecord> removed = std::move(*it);
    records_.erase(it);
    return removed;
}

bool HoverState::MovedOver(int position, HoverKind newKind, HWND newParent) {
    current = position;
    const bool repaint =
        previous != current || kind != newKind || parent != newParent || repaintRequested;
    if (repaint) {
        previous = current;
        kind = newKind;
        parent = newParent;
        repaintRequested = false;
    }
    return repaint;
}

WindowTable& Table() {
    static WindowTable table;
    return table;
}

int FindWindowIndex(HWND hwnd) {
    if (!hwnd) return 0;
    WindowTable& t = Table();
    for (int i = 1; i <= t.Count(); ++i)
        if (t.At(i)->window == hwnd) return i;
    return 0;
}

int FindSkinnedAncestor(HWND hwnd) {
    for (HWND p = hwnd ? GetParent(hwnd) : nullptr; p; p = GetParent(p))
        if (int index = FindWindowIndex(p)) return index;
    return 0;
}

int FindButtonRecord(int index, HWND control) {
    WindowRecord* r = Table().At(index);
    return r ? r->buttons.Find(control) : 0;
}

WindowRecord* OwnerRecord(HWND control) {
    return Table().At(GetIntProp(control, prop::kOwnerIndex));
}

}  // namespace skin
