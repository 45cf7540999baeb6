// Memory for DOM node objects, kept for reuse by the thread that frees it. Reading a large
// tree wraps and releases one node object per node visited, and the allocator's general path
// costs more than everything else such a short-lived object does.
#pragma once

#include <cstddef>

namespace vdxml_engine::NodeObjectPool {

/// The largest object served from the pool; larger ones go to the allocator directly.
constexpr std::size_t kBlockSize = 64;

/// Memory for one object of size bytes; raises std::bad_alloc like operator new.
void* Take(std::size_t size);
/// Returns memory from Take with the same size.
void Give(void* memory, std::size_t size) noexcept;

}  // namespace vdxml_engine::NodeObjectPool
