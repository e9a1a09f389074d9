// Stands in for a browser or the desktop's opener in tests: writes its arguments, each ended
// by a zero byte, to the pipe named by ZEPHRA_RECORD_TO, and starts nothing.
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    const char* to = std::getenv("ZEPHRA_RECORD_TO");
    if (to == nullptr)
        return 2;
    std::FILE* out = std::fopen(to, "wb");
    if (out == nullptr)
        return 3;
    for (int i = 1; i < argc; ++i)
        std::fwrite(argv[i], 1, std::strlen(argv[i]) + 1, out);
    return std::fclose(out) == 0 ? 0 : 4;
}
