// The pool the resize pass's records come from: side by side in the order they were made, on
// whole cache lines, freed blocks reused, and alive as long as any record from it.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/BlockPool.h"

namespace kv {
namespace {

struct alignas(64) Record {
    explicit Record(int v) : value(v) {}
    int value;
    char payload[150] = {};
};

std::shared_ptr<Record> make(const std::shared_ptr<BlockPool>& pool, int v) {
    return std::allocate_shared<Record>(PoolAllocator<Record>(pool), v);
}

uintptr_t address(const std::shared_ptr<Record>& r) {
    return reinterpret_cast<uintptr_t>(r.get());
}

TEST(BlockPool, RecordsSitSideBySideInTheOrderTheyWereMade) {
    auto pool = std::make_shared<BlockPool>();
    std::vector<std::shared_ptr<Record>> records;
    for (int i = 0; i < 10; ++i) records.push_back(make(pool, i));
    const size_t block = pool->block_size();
    ASSERT_GT(block, sizeof(Record));
    EXPECT_EQ(block % BlockPool::kLine, 0u);
    // The first chunk holds 16 blocks: these ten follow one another.
    for (size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(address(records[i]) % BlockPool::kLine, 0u);
        if (i > 0) {
            EXPECT_EQ(address(records[i]) - address(records[i - 1]), block);
        }
        EXPECT_EQ(records[i]->value, static_cast<int>(i));
    }
    EXPECT_EQ(pool->blocks_in_use(), 10u);
}

TEST(BlockPool, AFreedBlockIsTheNextOneServed) {
    auto pool = std::make_shared<BlockPool>();
    auto a = make(pool, 1);
    auto b = make(pool, 2);
    const uintptr_t where = address(a);
    a.reset();
    EXPECT_EQ(pool->blocks_in_use(), 1u);
    auto c = make(pool, 3);
    EXPECT_EQ(address(c), where);
    EXPECT_EQ(b->value, 2);
    EXPECT_EQ(c->value, 3);
}

TEST(BlockPool, ManyChunksAndRecordsThatOutliveTheirMaker) {
    std::vector<std::shared_ptr<Record>> records;
    {
        auto pool = std::make_shared<BlockPool>();
        for (int i = 0; i < 1000; ++i) records.push_back(make(pool, i));
    }  // the maker lets go of its pool: the records keep it
    for (int i = 0; i < 1000; ++i) EXPECT_EQ(records[static_cast<size_t>(i)]->value, i);
    records.clear();  // the last record frees the pool (the sanitizers check it)
}

TEST(BlockPool, OtherSizesGoToTheHeap) {
    auto pool = std::make_shared<BlockPool>();
    auto r = make(pool, 1);
    void* small = pool->allocate(16, 8);
    void* wide = pool->allocate(pool->block_size() * 2, 64);
    EXPECT_EQ(pool->blocks_in_use(), 1u);
    pool->deallocate(small, 16, 8);
    pool->deallocate(wide, pool->block_size() * 2, 64);
    EXPECT_EQ(pool->blocks_in_use(), 1u);
}

}  // namespace
}  // namespace kv
