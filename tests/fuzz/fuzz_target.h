#pragma once
// What every fuzz harness provides and may use. A harness is one libFuzzer entry point,
// LLVMFuzzerTestOneInput, that checks its own properties and calls require() on each; it
// builds either with fuzz_driver.cpp (a bounded, seeded run for CTest) or with clang's
// -fsanitize=fuzzer for an open-ended run (see README.md).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Optional: run once before the first input (libFuzzer calls it too).
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace quillan::fuzz {

// Inputs the bounded run mutates besides its purely random ones.
std::vector<std::string> seeds();

// Ends the run with `what` when `ok` is false, so the input is reported (and, under
// libFuzzer, saved as a crash file).
void require(bool ok, const char* what);

} // namespace quillan::fuzz
