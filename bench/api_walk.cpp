// The floor for the display list benchmark: a bare FindFirstFileA / FindNextFileA walk of
// a tree, counting files, with nothing else done. Built by bench/displaylist.sh.
#include <windows.h>

#include <cstdio>
#include <string>

static unsigned long Walk(const std::string& folder) {
    unsigned long files = 0;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        if (data.cFileName[0] == '.') continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            files += Walk(folder + "\\" + data.cFileName);
        else
            ++files;
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return files;
}

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::printf("%lu\n", Walk(argv[1]));
    return 0;
}
