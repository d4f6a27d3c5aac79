// Records per second for both log writers, with one and with four threads writing one file.
#include "log/LogSaveCloseFile.h"
#include "log/LogSaveOpenFile.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kRecords = 4000;

void RemoveFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW((folder + found.cFileName).c_str());
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

double RecordsPerSecond(CLogBase& writer, int threadCount) {
    const std::string text = "bench record " + std::string("检测Modern Standby失败");
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < kRecords / threadCount; ++i)
                writer.WriteText(text, "bench.txt");
        });
    for (std::thread& thread : threads)
        thread.join();
    QueryPerformanceCounter(&end);
    const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) /
                           static_cast<double>(frequency.QuadPart);
    return seconds > 0 ? kRecords / seconds : 0;
}

} // namespace

int main() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring base =
        std::wstring(temp) + L"msdt-log-bench-" + std::to_wstring(GetCurrentProcessId()) + L"-";
    struct Kind {
        const char* name;
        std::unique_ptr<CLogBase> (*make)(const std::wstring&);
    };
    const Kind kinds[] = {
        {"CLogSaveCloseFile",
         [](const std::wstring& f) { return std::unique_ptr<CLogBase>(new CLogSaveCloseFile(f)); }},
        {"CLogSaveOpenFile",
         [](const std::wstring& f) { return std::unique_ptr<CLogBase>(new CLogSaveOpenFile(f)); }},
    };
    std::printf("log writers, %d records per run\n", kRecords);
    int run = 0;
    for (const Kind& kind : kinds) {
        for (int threads : {1, 4}) {
            const std::wstring folder = base + std::to_wstring(run++) + L"\\";
            CreateDirectoryW(folder.c_str(), nullptr);
            double rate = 0;
            {
                std::unique_ptr<CLogBase> writer = kind.make(folder);
                rate = RecordsPerSecond(*writer, threads);
            }
            RemoveFolder(folder);
            std::printf("  %-18s %d thread(s): %10.0f records/s\n", kind.name, threads, rate);
        }
    }
    return 0;
}
