// Replays saved inputs through a fuzz target without libFuzzer, so that the
// regular (gcc, sanitizer) build checks every input the fuzzers ever kept
// or that once broke something. Arguments: files or folders of inputs.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool Replay(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.string().c_str());
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // A heap copy of exactly the input's size, as libFuzzer gives it, so the
    // address sanitizer sees a read one byte past the end.
    std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    std::uint8_t* data = copy.empty() ? nullptr : copy.data();
    LLVMFuzzerTestOneInput(data, copy.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg(argv[i]);
        std::vector<std::filesystem::path> inputs;
        if (std::filesystem::is_directory(arg)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(arg)) {
                if (entry.is_regular_file())
                    inputs.push_back(entry.path());
            }
        } else {
            inputs.push_back(arg);
        }
        for (const auto& input : inputs) {
            if (!Replay(input))
                return 1;
            ++replayed;
        }
    }
    if (replayed == 0) {
        std::fprintf(stderr, "no inputs found in the given paths\n");
        return 1;
    }
    std::printf("%zu inputs replayed\n", replayed);
    return 0;
}
