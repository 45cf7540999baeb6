// A main for a fuzzing harness without libFuzzer: replays the files named on the command line
// (folders are read in name order), each as it is and in a fixed set of mutations, so that the
// regular test suite runs every harness on its seed corpus and on inputs near it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// Bounds that keep the replay short whatever the corpus grows to.
constexpr std::size_t kMaxFiles = 64;
constexpr int kMutationsPerFile = 12;

std::vector<std::string> CorpusFiles(int argc, char** argv) {
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg(argv[i]);
        std::error_code error;
        if (std::filesystem::is_directory(arg, error)) {
            std::vector<std::string> inFolder;
            for (const auto& entry : std::filesystem::directory_iterator(arg, error))
                if (entry.is_regular_file()) inFolder.push_back(entry.path().string());
            std::sort(inFolder.begin(), inFolder.end());
            files.insert(files.end(), inFolder.begin(), inFolder.end());
        } else if (std::filesystem::is_regular_file(arg, error)) {
            files.push_back(arg.string());
        }
    }
    if (files.size() > kMaxFiles) files.resize(kMaxFiles);
    return files;
}

// A small deterministic generator: the same corpus always gives the same inputs.
std::uint32_t Next(std::uint32_t& state) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

// The k-th mutation of input: cuts, byte changes, insertions, removals and repeated chunks,
// the edits a fuzzer starts from.
std::string Mutate(const std::string& input, int k, std::uint32_t seed) {
    std::string out = input;
    std::uint32_t state = seed * 2654435761u + static_cast<std::uint32_t>(k) + 1;
    auto at = [&](std::size_t size) { return size == 0 ? 0 : Next(state) % size; };
    switch (k % 6) {
        case 0:  // truncated
            out.resize(out.size() * static_cast<std::size_t>(k + 1) / (kMutationsPerFile + 1));
            break;
        case 1:  // a few bytes changed
            for (int i = 0; i < 4 && !out.empty(); ++i)
                out[at(out.size())] = static_cast<char>(Next(state));
            break;
        case 2:  // a byte inserted
            out.insert(out.begin() + static_cast<std::ptrdiff_t>(at(out.size() + 1)),
                       static_cast<char>(Next(state)));
            break;
        case 3: {  // a chunk removed
            const std::size_t from = at(out.size());
            out.erase(from, at(out.size() - from + 1));
            break;
        }
        case 4: {  // a chunk repeated
            const std::size_t from = at(out.size());
            const std::string chunk = out.substr(from, at(out.size() - from + 1));
            out.insert(at(out.size() + 1), chunk);
            break;
        }
        default:  // one bit flipped in many places
            for (std::size_t i = at(64); i < out.size(); i += 61 + at(64))
                out[i] = static_cast<char>(out[i] ^ (1 << (Next(state) % 8)));
            break;
    }
    return out;
}

// With VDXML_REPLAY_KEEP set to a file name, each input is written there before it runs: after
// a failure the file holds the input that failed, to be run again alone or under a debugger.
void Run(const std::string& input) {
    if (const char* keep = std::getenv("VDXML_REPLAY_KEEP"))
        vdxml_fuzz::WriteFile(keep, reinterpret_cast<const std::uint8_t*>(input.data()),
                              input.size());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> files = CorpusFiles(argc, argv);
    if (files.empty()) {
        std::fprintf(stderr, "usage: %s corpus-folder-or-file...: no input found\n", argv[0]);
        return 1;
    }
    int inputs = 0;
    std::uint32_t seed = 1;
    for (const std::string& file : files) {
        const std::string input = vdxml_fuzz::ReadFile(file);
        Run(input);
        ++inputs;
        for (int k = 0; k < kMutationsPerFile; ++k, ++inputs) Run(Mutate(input, k, seed));
        ++seed;
    }
    std::printf("replayed %d inputs from %zu corpus files\n", inputs, files.size());
    return 0;
}
