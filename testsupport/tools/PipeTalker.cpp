// A console program for the process tests: writes a number of bytes to its standard
// output, a text to its standard error, and exits with the given code.
// Usage: PipeTalker STDOUT_BYTES STDERR_TEXT EXIT_CODE [SLEEP_MS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    long outBytes = std::atol(argv[1]);
    std::string chunk(4096, 'o');
    for (long written = 0; written < outBytes; written += static_cast<long>(chunk.size())) {
        size_t n = static_cast<size_t>(std::min<long>(static_cast<long>(chunk.size()), outBytes - written));
        std::fwrite(chunk.data(), 1, n, stdout);
    }
    std::fflush(stdout);
    std::fputs(argv[2], stderr);
    std::fflush(stderr);
    if (argc > 4) ::Sleep(static_cast<DWORD>(std::atol(argv[4])));
    return std::atoi(argv[3]);
}
