#include "services/UniqueHandle.h"

#include <gtest/gtest.h>

namespace {

bool IsOpen(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != 0;
}

TEST(UniqueHandleTest, ClosesOnceWhenItGoesOutOfScope) {
    HANDLE raw = nullptr;
    {
        const UniqueKernelHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        ASSERT_TRUE(event);
        raw = event.get();
        EXPECT_TRUE(IsOpen(raw));
    }
    EXPECT_FALSE(IsOpen(raw));
}

TEST(UniqueHandleTest, MoveHandsOverOwnershipAndReleaseGivesItUp) {
    UniqueKernelHandle first(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const HANDLE raw = first.get();
    UniqueKernelHandle second(std::move(first));
    EXPECT_FALSE(first);
    EXPECT_EQ(second.get(), raw);

    const HANDLE released = second.release();
    EXPECT_FALSE(second);
    EXPECT_TRUE(IsOpen(released)) << "release must not close";
    CloseHandle(released);
}

TEST(UniqueHandleTest, EachKindKnowsItsOwnInvalidValue) {
    WIN32_FIND_DATAW found;
    const UniqueFindHandle search(FindFirstFileW(L"C:\\no such folder\\*", &found));
    EXPECT_FALSE(search) << "INVALID_HANDLE_VALUE means no search";
    EXPECT_FALSE(UniqueKey()) << "a null key means no key";

    const UniqueFileHandle file(
        CreateFileW(L"C:\\no such folder\\x", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(file);
}

} // namespace
