#include <windows.h>

#include <gtest/gtest.h>

#include "app/VL.h"
#include "res/MainMessages.h"

namespace {

HWND MakeWindow(const char* title) {
    return CreateWindowExA(0, "STATIC", title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

TEST(SingleInstance, OnlyTheMarkedMainWindowCountsAsTheRunningInstance) {
    // Any other window may carry the title too (a folder window on the settings folder,
    // a message box captioned "Velum").
    HWND decoy = MakeWindow("Velum");
    ASSERT_NE(decoy, nullptr);
    EXPECT_EQ(CVLApp::FindRunningInstance("Velum"), nullptr);

    HWND main = MakeWindow("Velum");
    SetPropA(main, kMainWindowMarker, reinterpret_cast<HANDLE>(1));
    EXPECT_EQ(CVLApp::FindRunningInstance("Velum"), main);
    // The marker alone is not enough: the title is what start-up sets last.
    SetWindowTextA(main, "Velum starting");
    EXPECT_EQ(CVLApp::FindRunningInstance("Velum"), nullptr);

    RemovePropA(main, kMainWindowMarker);
    DestroyWindow(main);
    DestroyWindow(decoy);
}

}  // namespace
