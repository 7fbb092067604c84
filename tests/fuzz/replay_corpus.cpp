// Replays inputs through the fuzz target's checks in the ordinary build: the committed corpus by
// default, or the files and folders named on the command line (a crash the fuzzer saved).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// A folder's files in order, or the one file named.
std::vector<std::filesystem::path> inputsIn(const std::filesystem::path& path) {
    if (!std::filesystem::is_directory(path))
        return {path};
    std::vector<std::filesystem::path> inputs(std::filesystem::directory_iterator(path), {});
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> inputs;
    if (argc < 2)
        inputs = inputsIn(KOV_FUZZ_CORPUS_DIR);
    for (int arg = 1; arg < argc; ++arg) {
        auto more = inputsIn(argv[arg]);
        inputs.insert(inputs.end(), more.begin(), more.end());
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 1;
    }
    for (const auto& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "cannot read %s\n", input.c_str());
            return 1;
        }
        const std::string bytes(std::istreambuf_iterator<char>(file), {});
        // Named before it runs, so that a failed check shows which input it was.
        std::printf("%s (%zu bytes)\n", input.filename().c_str(), bytes.size());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
