#include <gtest/gtest.h>

#include "foundation/regex/Buffer.h"
#include "foundation/regex/SortedBuffer.h"
#include "foundation/tests/RegexTestSupport.h"

#include <vector>

using regextest::describe;

namespace {

std::vector<int> valuesOf(const CBufferT<int>& buffer) {
    return std::vector<int>(buffer.getBuffer(), buffer.getBuffer() + buffer.getSize());
}

std::vector<int> valuesOf(const CSortedBufferT<int>& buffer) {
    std::vector<int> values;
    for (int i = 0; i < buffer.getSize(); ++i) values.push_back(buffer[i]);
    return values;
}

} // namespace

TEST(RegexBuffer, CapacityStartsAtEightThenDoublesInMultiplesOfEight) {
    struct Case {
        int pushes;
        int capacity;
    };
    const Case cases[] = {{0, 8}, {1, 8}, {8, 8}, {9, 16}, {17, 32}, {33, 64}, {65, 128}};
    for (const Case& c : cases) {
        CBufferT<int> buffer;
        for (int i = 0; i < c.pushes; ++i) buffer.push(i);
        EXPECT_EQ(buffer.getCapacity(), c.capacity) << c.pushes << " pushes";
        EXPECT_EQ(buffer.getSize(), c.pushes);
    }
    // A larger request than double is rounded up to a multiple of 8.
    CBufferT<int> buffer;
    std::vector<int> hundred(100, 7);
    buffer.append(hundred.data(), 100);
    EXPECT_EQ(buffer.getCapacity(), 104);
    buffer.reserve(104);
    EXPECT_EQ(buffer.getCapacity(), 104);
    buffer.reserve(105 + 104);
    EXPECT_EQ(buffer.getCapacity(), 216);
    buffer.reserve(217);
    EXPECT_EQ(buffer.getCapacity(), 432);
}

TEST(RegexBuffer, StackOperationsKeepOrderAndAnswerTheGivenValueWhenEmpty) {
    CBufferT<int> stack;
    EXPECT_EQ(stack.pop(-5), -5);
    for (int i = 0; i < 20; ++i) stack.push(i);
    EXPECT_EQ(stack.back(), 19);
    EXPECT_EQ(stack.pop(-1), 19);
    EXPECT_EQ(stack.pop(-1), 18);
    stack.resize(3);
    EXPECT_EQ(valuesOf(stack), (std::vector<int>{0, 1, 2}));
    stack.resize(5, -1);
    EXPECT_EQ(valuesOf(stack), (std::vector<int>{0, 1, 2, -1, -1}));
    stack.fill(4);
    EXPECT_EQ(valuesOf(stack), (std::vector<int>(5, 4)));
    stack.clear();
    EXPECT_TRUE(stack.isEmpty());
    EXPECT_EQ(stack.pop(0), 0);
}

TEST(RegexBuffer, InsertPlacesBeforeTheIndexAndIgnoresIndexesOutside) {
    CBufferT<int> buffer;
    for (int i = 0; i < 8; ++i) buffer.push(i);  // full: the insert must grow it
    buffer.insert(0, 100);
    buffer.insert(buffer.getSize(), 200);
    buffer.insert(5, 300);
    buffer.insert(-1, 1);
    buffer.insert(buffer.getSize() + 1, 1);
    EXPECT_EQ(valuesOf(buffer), (std::vector<int>{100, 0, 1, 2, 3, 300, 4, 5, 6, 7, 200}));
}

TEST(RegexBuffer, CopiesOwnTheirValuesAndMovesEmptyTheSource) {
    for (int count : {3, 8, 9, 40}) {  // values held inside the object, and on the heap
        CBufferT<int> original;
        for (int i = 0; i < count; ++i) original.push(i);
        CBufferT<int> copy = original;
        copy[0] = 99;
        copy.push(100);
        EXPECT_EQ(original[0], 0) << count;
        EXPECT_EQ(original.getSize(), count);
        copy = original;  // assignment over a buffer that has values already
        EXPECT_EQ(valuesOf(copy), valuesOf(original)) << count;
        CBufferT<int>& same = copy;
        copy = same;
        EXPECT_EQ(valuesOf(copy), valuesOf(original)) << count;

        CBufferT<int> moved = std::move(copy);
        EXPECT_EQ(valuesOf(moved), valuesOf(original)) << count;
        EXPECT_EQ(copy.getSize(), 0) << count;
        EXPECT_EQ(copy.getCapacity(), 8) << count;
        copy.push(7);  // a moved-from buffer is usable again, and apart from the new owner
        EXPECT_EQ(valuesOf(copy), (std::vector<int>{7})) << count;
        EXPECT_EQ(moved[0], 0) << count;

        CBufferT<int> target;
        for (int i = 0; i < 20; ++i) target.push(-i);  // a heap block the move must give back
        target = std::move(moved);
        EXPECT_EQ(valuesOf(target), valuesOf(original)) << count;
        EXPECT_EQ(moved.getSize(), 0) << count;
        target.push(count);
        EXPECT_EQ(target.back(), count) << count;
    }
}

TEST(RegexBufferRef, ViewWithoutDataOrWithANegativeLengthIsEmpty) {
    const wchar_t text[] = L"listening";
    CBufferRefT<wchar_t> view(text, 9);
    EXPECT_EQ(view.getSize(), 9);
    EXPECT_EQ(view[3], L't');
    EXPECT_EQ(CBufferRefT<wchar_t>(nullptr, 5).getSize(), 0);
    EXPECT_EQ(CBufferRefT<wchar_t>(text, -2).getSize(), 0);
    EXPECT_TRUE(CBufferRefT<wchar_t>().isEmpty());
    CBufferT<wchar_t> owned(text, 4);
    EXPECT_EQ(owned.ref().getSize(), 4);
    EXPECT_EQ(owned.ref()[3], L't');
}

TEST(RegexSortedBuffer, ValuesStayAscendingAndAreFound) {
    CSortedBufferT<int> sorted;
    for (int value : {50, 10, 40, 10, 60, -3, 20}) sorted.add(value);
    EXPECT_EQ(valuesOf(sorted), (std::vector<int>{-3, 10, 10, 20, 40, 50, 60}));
    EXPECT_EQ(sorted.find(-3), 0);
    EXPECT_EQ(sorted.find(60), 6);
    EXPECT_EQ(sorted[sorted.find(10)], 10);
    for (int absent : {-4, 0, 11, 45, 61}) EXPECT_EQ(sorted.find(absent), -1) << absent;

    CSortedBufferT<int> unique;
    EXPECT_TRUE(unique.addUnique(5));
    EXPECT_TRUE(unique.addUnique(1));
    EXPECT_FALSE(unique.addUnique(5));
    EXPECT_TRUE(unique.addUnique(9));
    EXPECT_EQ(valuesOf(unique), (std::vector<int>{1, 5, 9}));
    EXPECT_FALSE(CSortedBufferT<int>().contains(0));
}

// Sets keep their single characters sorted apart from their ranges: each must be found
// whatever order the pattern lists them in, and case widening must reach both kinds.
TEST(RegexSetCharacters, SingleCharactersAndRangesAreFoundInAnyOrder) {
    const regextest::MatchCase cases[] = {
        {L"[zqmbx]+", 0, L"a.zqmbxzb", L"zqmbxzb"},
        {L"[z-zq]+", 0, L"qzq", L"qzq"},
        {L"[9a0-3z]+", 0, L"x9a3z4", L"9a3z"},
        {L"[QxA-C]+", IGNORECASE, L"-qXbAc-", L"qXbAc"},
        {L"[aA]+", IGNORECASE, L"AaA", L"AaA"},
        {L"[^zq]+", 0, L"zqabcq", L"abc"},
        {L"[^Zq]+", IGNORECASE, L"zQabcq", L"abc"},
        {L"[\\x{3042}\\x{3044}a]+", 0, L"x\x3044\x3042" L"a", L"\x3044\x3042" L"a"},
        {L"[\\wq]+", 0, L" a_q ", L"a_q"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(describe(c.pattern, c.flags, c.text), c.expected) << testing::PrintToString(std::wstring(c.pattern));
    }
}
