#pragma once
// Blocks of one size carved from large chunks, for the records a resize pass walks: records made
// one after another sit one after another in memory, each block on whole cache lines, so that a
// pass over many of them reads memory in order instead of wherever the heap put each one. A freed
// block is reused by the next record. One thread only, like the forms the records belong to.
//
// PoolAllocator hands the pool to std::allocate_shared; every record keeps its pool alive through
// the allocator its control block holds, so a record may outlive whatever made it.
#include <cstddef>
#include <memory>
#include <vector>

namespace kv {

class BlockPool {
  public:
    static constexpr size_t kLine = 64;

    BlockPool() = default;
    ~BlockPool();
    BlockPool(const BlockPool&) = delete;
    BlockPool& operator=(const BlockPool&) = delete;

    // The pool serves the size it is first asked for (rounded up to whole lines); any other size
    // or a stricter alignment than a line goes to the heap.
    void* allocate(size_t bytes, size_t align);
    void deallocate(void* p, size_t bytes, size_t align) noexcept;

    size_t block_size() const { return block_; }
    size_t blocks_in_use() const { return in_use_; }

  private:
    bool serves(size_t bytes, size_t align) const {
        return block_ != 0 && bytes <= block_ && bytes > block_ - kLine && align <= kLine;
    }
    void grow();

    size_t block_ = 0;
    size_t chunk_blocks_ = 16;  // doubles with every chunk, up to kMaxChunkBlocks
    std::vector<std::byte*> chunks_;
    std::byte* next_ = nullptr;  // the unused rest of the newest chunk
    std::byte* end_ = nullptr;
    void* free_ = nullptr;  // freed blocks, each holding the next one's address
    size_t in_use_ = 0;
};

template <class T>
class PoolAllocator {
  public:
    using value_type = T;

    explicit PoolAllocator(std::shared_ptr<BlockPool> pool) : pool_(std::move(pool)) {}
    template <class U>
    PoolAllocator(const PoolAllocator<U>& other) : pool_(other.pool()) {}

    T* allocate(size_t n) { return static_cast<T*>(pool_->allocate(n * sizeof(T), alignof(T))); }
    void deallocate(T* p, size_t n) noexcept { pool_->deallocate(p, n * sizeof(T), alignof(T)); }

    const std::shared_ptr<BlockPool>& pool() const { return pool_; }
    template <class U>
    bool operator==(const PoolAllocator<U>& other) const {
        return pool_ == other.pool();
    }

  private:
    std::shared_ptr<BlockPool> pool_;
};

}  // namespace kv
