// Expecting a class-library exception, which is thrown as a pointer that the catcher must delete.
// GoogleTest's EXPECT_THROW would catch the pointer and leak the object; use
// EXPECT_TRUE(Throws<CMemoryException>([&] { ... })) instead.
#pragma once

// Runs call and returns true when it throws an E* (deleted here, so nothing leaks), false when it
// returns normally. Any other exception passes through and fails the test as uncaught.
template <class E, class Call>
bool Throws(Call call)
{
    try {
        call();
    } catch (E* e) {
        e->Delete();
        return true;
    }
    return false;
}
