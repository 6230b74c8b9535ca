#include "series_store.h"

#include "cube/generator.h"
#include "test/datetime.h"

namespace vexlor {

namespace {

CubeNode* NewCopy(const CubeNode& c) {
    auto* node = new CubeNode{};
    CopyCube(*node, c);
    return node;
}

CubeNode* LastNode(CubeNode* head) {
    while (head != nullptr && head->link != nullptr)
        head = head->link;
    return head;
}

} // namespace

void FreeChain(CubeNode*& head) {
    while (head != nullptr) {
        CubeNode* const next = head->link;
        delete head;
        head = next;
    }
}

int ChainLength(const CubeNode* head) {
    int n = 0;
    for (; head != nullptr; head = head->link)
        ++n;
    return n;
}

SeriesStore::~SeriesStore() {
    FreeAllSeries();
}

void SeriesStore::AppendCopy(SeriesKind kind, const CubeNode& c) {
    Series& s = (*this)[kind];
    CubeNode* const node = NewCopy(c);
    if (CubeNode* last = LastNode(s.head))
        last->link = node;
    else
        s.head = node;
    ++s.count;
}

void SeriesStore::MakeRandomSeries() {
    ReplaceCurrent(nullptr);
    ChainBuilder chain;
    for (int i = 0; i < seriessize; ++i) {
        auto* node = new CubeNode{};
        MakeCube(*node);
        chain.Append(node);
    }
    ReplaceCurrent(chain.head);
}

bool SeriesStore::CopyToCurrent(SeriesKind source) {
    // Copying Current onto itself would free the nodes it copies from.
    if (source == SeriesKind::Current || (*this)[source].head == nullptr)
        return false;
    ChainBuilder chain;
    for (const CubeNode* c = (*this)[source].head; c != nullptr; c = c->link)
        chain.Append(NewCopy(*c));
    ReplaceCurrent(chain.head);
    return true;
}

bool SeriesStore::AddCurrentCube(SeriesKind target, bool testRunning) {
    CubeNode* const c = CurrentCube();
    if (!testRunning || c == nullptr || target == SeriesKind::Current)
        return false;
    // The copy gets the clock stopped now; the Cube itself keeps running.
    const DateTime stop = c->tstop;
    MarkNow(c->tstop);
    AppendCopy(target, *c);
    c->tstop = stop;
    return true;
}

void SeriesStore::ClearSeries(SeriesKind kind) {
    Series& s = (*this)[kind];
    s.count = 0;
    FreeChain(s.head);
}

void SeriesStore::ClearAllSeries() {
    for (Series& s : series_) {
        s.count = 0;
        FreeChain(s.head);
    }
}

void SeriesStore::FreeAllSeries() {
    ClearAllSeries();
}

bool SeriesStore::AdvanceCurrent() {
    Series& cur = (*this)[SeriesKind::Current];
    if (cur.head == nullptr)
        return false;
    CubeNode* const done = cur.head;
    cur.head = done->link;
    delete done;
    --cur.count;
    if (cur.head == nullptr) {
        Series& skipped = (*this)[SeriesKind::Skipped];
        cur = skipped;
        skipped = Series{};
    }
    return cur.head != nullptr;
}

void SeriesStore::ReplaceCurrent(CubeNode* head) {
    Series& cur = (*this)[SeriesKind::Current];
    FreeChain(cur.head);
    cur.head = head;
    cur.count = ChainLength(head);
}

SeriesStore& TheStore() {
    static SeriesStore store;
    return store;
}

} // namespace vexlor
