#include "engine/BlockPool.h"

#include <new>

namespace kv {

namespace {
constexpr size_t kMaxChunkBlocks = 4096;

size_t whole_lines(size_t bytes) {
    return (bytes + BlockPool::kLine - 1) / BlockPool::kLine * BlockPool::kLine;
}
}  // namespace

BlockPool::~BlockPool() {
    for (std::byte* chunk : chunks_) ::operator delete (chunk, std::align_val_t{kLine});
}

void* BlockPool::allocate(size_t bytes, size_t align) {
    if (block_ == 0 && bytes != 0 && align <= kLine) block_ = whole_lines(bytes);
    if (!serves(bytes, align))
        return ::operator new (bytes, std::align_val_t{align > kLine ? align : kLine});
    ++in_use_;
    if (free_) {
        void* p = free_;
        free_ = *static_cast<void**>(p);
        return p;
    }
    if (next_ == end_) grow();
    void* p = next_;
    next_ += block_;
    return p;
}

void BlockPool::deallocate(void* p, size_t bytes, size_t align) noexcept {
    if (!p) return;
    if (!serves(bytes, align)) {
        ::operator delete (p, std::align_val_t{align > kLine ? align : kLine});
        return;
    }
    --in_use_;
    *static_cast<void**>(p) = free_;
    free_ = p;
}

void BlockPool::grow() {
    chunks_.reserve(chunks_.size() + 1);
    auto* chunk =
        static_cast<std::byte*>(::operator new (chunk_blocks_* block_, std::align_val_t{kLine}));
    chunks_.push_back(chunk);
    next_ = chunk;
    end_ = chunk + chunk_blocks_ * block_;
    if (chunk_blocks_ < kMaxChunkBlocks) chunk_blocks_ *= 2;
}

}  // namespace kv
