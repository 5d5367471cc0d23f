// Feeds every file of a corpus folder, in name order, once through the fuzz
// target it is linked with. A finding aborts inside the target (a sanitizer
// report or a failed check); reaching the end means every input held.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    std::error_code ec;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(argv[1], ec))
        if (entry.is_regular_file()) files.push_back(entry.path());
    if (ec || files.empty()) {
        std::fprintf(stderr, "%s: no corpus files\n", argv[1]);
        return 2;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        // A copy of exactly the file's size, so a read past the end is caught.
        std::vector<uint8_t> input(bytes);
        LLVMFuzzerTestOneInput(input.empty() ? nullptr : input.data(), input.size());
    }
    std::printf("%zu inputs from %s held\n", files.size(), argv[1]);
    return 0;
}
