// Holds a file open with no sharing, as a program that keeps a file to
// itself does, until its standard input ends.
//
//   noctaris-locker PATH
//
// Prints {"locked":true} once the file is held, or {"locked":false,"error":N}
// and exits 1 when it cannot be opened.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fputs("{\"error\":\"usage: noctaris-locker PATH\"}\n", stdout);
        return 2;
    }
    const HANDLE file =
        CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fputs(("{\"locked\":false,\"error\":" + std::to_string(GetLastError()) + "}\n").c_str(), stdout);
        return 1;
    }
    std::fputs("{\"locked\":true}\n", stdout);
    std::fflush(stdout);

    char buffer[64];
    DWORD read = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    }
    CloseHandle(file);
    return 0;
}
