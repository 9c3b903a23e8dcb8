#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

#include "foundation/xml/Element.h"
#include "foundation/xml/TreeMemory.h"

TEST(TreeMemory, BlocksAreDistinctReusedAndTheirSlabsGoBack) {
    const size_t before = TreeMemory::slabCount();
    std::vector<void*> blocks;
    for (size_t i = 0; i < 20000; ++i) {
        size_t size = 1 + i % TreeMemory::kLargestPooled;
        void* block = TreeMemory::allocate(size);
        std::memset(block, static_cast<int>(i & 0xFF), size);
        blocks.push_back(block);
    }
    for (size_t i = 0; i < blocks.size(); ++i) {
        size_t size = 1 + i % TreeMemory::kLargestPooled;
        const unsigned char* bytes = static_cast<const unsigned char*>(blocks[i]);
        ASSERT_EQ(bytes[0], i & 0xFF) << i;
        ASSERT_EQ(bytes[size - 1], i & 0xFF) << i;
    }
    EXPECT_GT(TreeMemory::slabCount(), before);
    // A freed block is handed out again.
    void* again = blocks[5];
    TreeMemory::release(again, 6);
    EXPECT_EQ(TreeMemory::allocate(6), again);
    for (size_t i = 0; i < blocks.size(); ++i) TreeMemory::release(blocks[i], 1 + i % TreeMemory::kLargestPooled);
    EXPECT_EQ(TreeMemory::slabCount(), before);
    // Larger blocks come from the heap and go back there.
    void* large = TreeMemory::allocate(4096);
    std::memset(large, 1, 4096);
    TreeMemory::release(large, 4096);
    EXPECT_EQ(TreeMemory::slabCount(), before);
}

TEST(TreeMemory, TreesBuiltAndDeletedOnSeveralThreadsLeaveNothing) {
    const size_t before = TreeMemory::slabCount();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t] {
            for (int round = 0; round < 20; ++round) {
                Element root(L"root");
                for (int i = 0; i < 2000; ++i) {
                    Element* child = new Element(L"child");
                    child->setAttribute(L"n", std::to_wstring(i));
                    child->setText(L"some text that is longer than the short-string room " + std::to_wstring(t));
                    root.appendChild(child);
                }
                if (root.getChildren().size() != 2000) ADD_FAILURE();
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(TreeMemory::slabCount(), before);
}
