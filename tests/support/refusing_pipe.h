// Windows has no /dev/full. Its stand-in for a file that opens and then refuses
// its bytes, as a full disk does, is a named pipe whose reader goes away: it
// takes the first `acceptedBytes` written, then closes its end, and every write
// after that fails. Windows only.
#pragma once

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>

class RefusingPipe {
public:
    // The pipe's path is \\.\pipe\<prefix>-<process id>-<count><suffix>.
    RefusingPipe(const std::string& prefix, const std::string& suffix, std::size_t acceptedBytes)
        : pipePath(R"(\\.\pipe\)" + prefix + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                   std::to_string(++count()) + suffix),
          pipe(CreateNamedPipeA(pipePath.c_str(), PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 0, 0,
                                nullptr)),
          reader([this, acceptedBytes] { readThenLeave(acceptedBytes); })
    {
    }
    ~RefusingPipe()
    {
        // A writer that never came: come in ourselves, so the reader stops waiting.
        if (!connected)
            CloseHandle(CreateFileA(pipePath.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        reader.join();
    }
    RefusingPipe(const RefusingPipe&) = delete;
    RefusingPipe& operator=(const RefusingPipe&) = delete;

    const std::string& path() const { return pipePath; }
    // What the reader took before it left; final once the writer has closed.
    std::size_t bytesTaken() const { return taken; }

private:
    static int& count()
    {
        static int made = 0;
        return made;
    }
    void readThenLeave(std::size_t acceptedBytes)
    {
        ConnectNamedPipe(pipe, nullptr);  // or the writer came first
        connected = true;
        char buffer[4096];
        DWORD read = 0;
        while (taken < acceptedBytes &&
               ReadFile(pipe, buffer, static_cast<DWORD>(std::min(sizeof buffer, acceptedBytes - taken)),
                        &read, nullptr) &&
               read > 0)
            taken += read;
        CloseHandle(pipe);
    }

    std::string pipePath;
    HANDLE pipe;
    std::atomic<bool> connected{false};
    std::atomic<std::size_t> taken{0};
    std::thread reader;
};
