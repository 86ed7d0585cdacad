#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

int main(int argc, char** argv) {
    // Tests that talk to the shell need COM on this thread, as the program has.
    CoInitialize(nullptr);
    ::testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
