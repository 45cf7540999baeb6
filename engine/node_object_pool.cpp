#include "engine/node_object_pool.h"

#include <new>

// Sanitizers must see every object's memory come and go.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VDXML_NODE_POOL 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || \
    __has_feature(memory_sanitizer)
#define VDXML_NODE_POOL 0
#endif
#endif
#ifndef VDXML_NODE_POOL
#define VDXML_NODE_POOL 1
#endif

namespace vdxml_engine::NodeObjectPool {
namespace {

struct FreeBlock {
    FreeBlock* next;
};

// Enough for the objects of any walk's path and its siblings; memory beyond goes back.
constexpr std::size_t kMaxKept = 256;

// Plain data, so that it stays usable while the thread's other objects are destroyed.
struct FreeList {
    FreeBlock* head;
    std::size_t count;
    bool closed;  // the thread is ending: nothing more is kept
};
thread_local FreeList t_free{};

// Hands the kept blocks back to the allocator when the thread ends.
struct Release {
    ~Release() {
        while (FreeBlock* block = t_free.head) {
            t_free.head = block->next;
            ::operator delete(block);
        }
        t_free.count = 0;
        t_free.closed = true;
    }
};

}  // namespace

void* Take(std::size_t size) {
    if (!VDXML_NODE_POOL || size > kBlockSize) return ::operator new(size);
    if (FreeBlock* block = t_free.head) {
        t_free.head = block->next;
        --t_free.count;
        return block;
    }
    return ::operator new(kBlockSize);
}

void Give(void* memory, std::size_t size) noexcept {
    if (!VDXML_NODE_POOL || size > kBlockSize || t_free.closed || t_free.count >= kMaxKept) {
        ::operator delete(memory);
        return;
    }
    thread_local Release release;  // registered with the thread's first kept block
    auto* block = static_cast<FreeBlock*>(memory);
    block->next = t_free.head;
    t_free.head = block;
    ++t_free.count;
}

}  // namespace vdxml_engine::NodeObjectPool
