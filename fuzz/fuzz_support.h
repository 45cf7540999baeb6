// What the fuzzing harnesses share: a private scratch folder for the files they parse and
// write, a check that aborts (so that the fuzzer keeps the input), and a valid root record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "vdxml/root.h"

namespace vdxml_fuzz {

/// A folder of this process's own below the temporary directory, made on first use and
/// removed with its files when the process exits normally.
const std::string& ScratchFolder();
/// ScratchFolder() + "/" + name.
std::string ScratchFile(const std::string& name);

/// Writes the bytes to path, replacing the file; false when that fails.
bool WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size);
/// The whole file as bytes; empty when it cannot be read.
std::string ReadFile(const std::string& path);

/// Reports a broken expectation on stderr and aborts: the fuzzer saves the input.
[[noreturn]] void Fail(const char* file, int line, const char* what);

/// A root record that every document accepts.
VDXML_ROOT FuzzRoot();

}  // namespace vdxml_fuzz

#define VDXML_FUZZ_CHECK(condition) \
    ((condition) ? (void)0 : ::vdxml_fuzz::Fail(__FILE__, __LINE__, #condition))
