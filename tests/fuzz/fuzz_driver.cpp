// The bounded run of a fuzz harness: a fixed number of inputs from a seeded generator, half
// of them random bytes of random length, half mutations of the harness's seeds, each handed
// to LLVMFuzzerTestOneInput. The same seed gives the same inputs, so a failure can be
// replayed; --write-seeds DIR saves the seeds as a starting corpus for libFuzzer.
//
//   fuzz_NAME [--runs N] [--seed S] [--max-len BYTES] [--write-seeds DIR]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "fuzz_target.h"

namespace {

using Bytes = std::string;

struct Options {
    long runs = 1000;
    unsigned seed = 1;
    std::size_t maxLen = 1000;
    std::string seedDir;
};

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        const char* value = argv[i + 1];
        if (flag == "--runs") {
            o.runs = std::strtol(value, nullptr, 10);
        } else if (flag == "--seed") {
            o.seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
        } else if (flag == "--max-len") {
            o.maxLen = std::strtoul(value, nullptr, 10);
        } else if (flag == "--write-seeds") {
            o.seedDir = value;
        }
    }
    return o;
}

class Inputs {
  public:
    Inputs(unsigned seed, std::size_t maxLen, std::vector<Bytes> seeds)
        : random_(seed), maxLen_(maxLen), seeds_(std::move(seeds)) {}

    Bytes next() {
        if (seeds_.empty() || coin(2)) {
            Bytes bytes(pick(maxLen_ + 1), '\0');
            for (char& b : bytes) {
                b = randomByte();
            }
            return bytes;
        }
        Bytes bytes = seeds_[pick(seeds_.size())];
        const std::size_t edits = 1 + pick(8);
        for (std::size_t e = 0; e < edits; ++e) {
            mutate(bytes);
        }
        if (bytes.size() > maxLen_) {
            bytes.resize(maxLen_);
        }
        return bytes;
    }

  private:
    std::size_t pick(std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    bool coin(std::size_t n) { return pick(n) == 0; }
    char randomByte() { return static_cast<char>(pick(256)); }

    void mutate(Bytes& b) {
        static constexpr char kEdges[] = {'\0', '\x01', '\x7f', '\x80', '\xff', ' ', '9', '&'};
        const std::size_t at = pick(b.size() + 1);
        switch (pick(7)) {
        case 0: // one byte replaced
            if (!b.empty()) {
                b[pick(b.size())] = randomByte();
            }
            break;
        case 1: // one bit flipped
            if (!b.empty()) {
                b[pick(b.size())] ^= static_cast<char>(1 << pick(8));
            }
            break;
        case 2: // a few bytes inserted
            for (std::size_t n = 1 + pick(16); n > 0; --n) {
                b.insert(b.begin() + static_cast<long>(at), randomByte());
            }
            break;
        case 3: // a stretch taken out
            b.erase(at, pick(32));
            break;
        case 4: // cut short
            b.resize(pick(b.size() + 1));
            break;
        case 5: // a stretch repeated
            if (!b.empty()) {
                const std::size_t from = pick(b.size());
                b.insert(at, b.substr(from, 1 + pick(32)));
            }
            break;
        default: // an edge value
            if (!b.empty()) {
                b[pick(b.size())] = kEdges[pick(sizeof kEdges)];
            }
            break;
        }
    }

    std::mt19937 random_;
    std::size_t maxLen_;
    std::vector<Bytes> seeds_;
};

} // namespace

int main(int argc, char** argv) {
    const Options o = parse(argc, argv);
    if (LLVMFuzzerInitialize) {
        LLVMFuzzerInitialize(&argc, &argv);
    }
    const std::vector<Bytes> seeds = quillan::fuzz::seeds();
    if (!o.seedDir.empty()) {
        for (std::size_t i = 0; i < seeds.size(); ++i) {
            std::ofstream(o.seedDir + "/seed" + std::to_string(i), std::ios::binary) << seeds[i];
        }
        return 0;
    }
    const auto start = std::chrono::steady_clock::now();
    for (const Bytes& s : seeds) {
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
    }
    Inputs inputs(o.seed, o.maxLen, seeds);
    for (long run = 0; run < o.runs; ++run) {
        const Bytes input = inputs.next();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%ld inputs and %zu seeds (seed %u) in %.1f s\n", o.runs, seeds.size(), o.seed,
                took.count());
    return 0;
}
