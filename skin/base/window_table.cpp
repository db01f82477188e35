#include "skin/base/window_table.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace skin {

namespace {

// The names whose values only the skin writes.
constexpr std::array<const char*, 11> kOwnNames{
    prop::kIndex,        prop::kOwnerIndex,     prop::kPrevProc,      prop::kToolbarIndex,
    prop::kToolbarOwner, prop::kToolbarPrevProc, prop::kCuesHidden,   prop::kGroupContainer,
    prop::kOverlayTarget, prop::kIsContainer,   prop::kContainerDc};

int OwnSlot(const char* name) {
    if (!name || IS_INTRESOURCE(name)) return -1;
    for (std::size_t i = 0; i < kOwnNames.size(); ++i)
        if (name == kOwnNames[i] || std::strcmp(name, kOwnNames[i]) == 0)
            return static_cast<int>(i);
    return -1;
}

struct Remembered {
    std::array<std::intptr_t, kOwnNames.size()> value{};
    std::array<bool, kOwnNames.size()> known{};
};

struct PropMemory {
    std::mutex lock;
    std::unordered_map<HWND, Remembered> windows;
    std::size_t sweepAt = 64;

    // Windows destroyed without the skin seeing it leave entries behind; they
    // go once the map has doubled, so it stays as large as the live set.
    void SweepIfGrown() {
        if (windows.size() < sweepAt) return;
        for (auto it = windows.begin(); it != windows.end();)
            it = IsWindow(it->first) ? std::next(it) : windows.erase(it);
        sweepAt = std::max<std::size_t>(64, windows.size() * 2);
    }
};

// Never destroyed: a window can still go (and be forgotten) while statics are torn down.
PropMemory& Memory() {
    static PropMemory* memory = new PropMemory;
    return *memory;
}

}  // namespace

std::intptr_t GetIntProp(HWND hwnd, const char* name) {
    const int slot = OwnSlot(name);
    if (slot < 0 || !hwnd) return reinterpret_cast<std::intptr_t>(GetPropA(hwnd, name));
    PropMemory& m = Memory();
    std::lock_guard<std::mutex> hold(m.lock);
    auto it = m.windows.find(hwnd);
    if (it != m.windows.end() && !IsWindow(hwnd)) {
        m.windows.erase(it);  // a handle that went away: nothing is remembered for it
        it = m.windows.end();
    }
    if (it != m.windows.end() && it->second.known[slot]) return it->second.value[slot];
    const auto value = reinterpret_cast<std::intptr_t>(GetPropA(hwnd, name));
    // Only what a window carries is remembered, so that asking about windows the
    // skin never touched leaves nothing behind.
    if (value != 0 || it != m.windows.end()) {
        if (it == m.windows.end()) {
            m.SweepIfGrown();
            it = m.windows.emplace(hwnd, Remembered{}).first;
        }
        it->second.value[slot] = value;
        it->second.known[slot] = true;
    }
    return value;
}

void SetIntProp(HWND hwnd, const char* name, std::intptr_t value) {
    const BOOL set = SetPropA(hwnd, name, reinterpret_cast<HANDLE>(value));
    const int slot = OwnSlot(name);
    if (slot < 0) return;
    PropMemory& m = Memory();
    std::lock_guard<std::mutex> hold(m.lock);
    if (!set) {  // not a window of ours to write: forget rather than guess
        m.windows.erase(hwnd);
        return;
    }
    auto it = m.windows.find(hwnd);
    if (it == m.windows.end()) {
        m.SweepIfGrown();
        it = m.windows.emplace(hwnd, Remembered{}).first;
    }
    it->second.value[slot] = value;
    it->second.known[slot] = true;
}

void RemoveIntProp(HWND hwnd, const char* name) {
    RemovePropA(hwnd, name);
    const int slot = OwnSlot(name);
    if (slot < 0) return;
    PropMemory& m = Memory();
    std::lock_guard<std::mutex> hold(m.lock);
    auto it = m.windows.find(hwnd);
    if (it == m.windows.end()) return;
    it->second.known[slot] = false;
    bool any = false;
    for (bool k : it->second.known) any = any || k;
    if (!any) m.windows.erase(it);
}

std::size_t RememberedPropWindows() {
    PropMemory& m = Memory();
    std::lock_guard<std::mutex> hold(m.lock);
    return m.windows.size();
}

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
