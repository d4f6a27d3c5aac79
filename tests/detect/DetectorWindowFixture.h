// A real window on this thread for the detector's worker to send its messages to, with the
// worker's thread handle kept so that a test can pump messages until the worker has ended.
#pragma once

#include "detect/ModernStandbyDetector.h"

#include <gtest/gtest.h>

class DetectorWindowFixture : public ::testing::Test {
  protected:
    // Handles a message the window got; false leaves it to the default handling.
    virtual bool OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) = 0;

    void SetUp() override {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &DetectorWindowFixture::WndProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"DetectorTestWindow";
        RegisterClassW(&wc);
        window = CreateWindowW(wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               wc.hInstance, nullptr);
        ASSERT_NE(nullptr, window);
        current = this;
        detector.SetThreadCreator([this](LPTHREAD_START_ROUTINE proc, LPVOID param) -> HANDLE {
            HANDLE thread = CreateThread(nullptr, 0, proc, param, 0, nullptr);
            if (thread)
                DuplicateHandle(GetCurrentProcess(), thread, GetCurrentProcess(), &worker, 0, FALSE,
                                DUPLICATE_SAME_ACCESS);
            return thread;
        });
    }

    void TearDown() override {
        if (window)
            DestroyWindow(window);
        ForgetWorker();
        current = nullptr;
    }

    // Closes the handle of an ended worker before the next one starts.
    void ForgetWorker() {
        if (worker)
            CloseHandle(worker), worker = nullptr;
    }

    // Pumps messages until the worker has ended (or the time is up).
    bool PumpUntilWorkerEnds(DWORD timeoutMs) {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < timeoutMs) {
            if (worker &&
                MsgWaitForMultipleObjects(1, &worker, FALSE, 20, QS_ALLINPUT) == WAIT_OBJECT_0)
                return true;
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
        }
        return false;
    }

    HWND window = nullptr;
    HANDLE worker = nullptr;
    CModernStandbyDetector detector;

  private:
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        LRESULT result = 0;
        if (current && current->OnWindowMessage(msg, wParam, lParam, &result))
            return result;
        return DefWindowProcW(hWnd, msg, wParam, lParam);
    }

    static inline DetectorWindowFixture* current = nullptr;
};
