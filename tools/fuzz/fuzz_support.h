#pragma once
// What the fuzz harnesses share: their seed inputs, a scratch folder for the files they read,
// and stopping on a broken promise so that libFuzzer keeps the input.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvane::fuzz {

using Bytes = std::vector<std::uint8_t>;

// When ORVANE_FUZZ_SEEDS names a folder, writes each seed into it as a file of its own and ends
// the process; run.sh asks every harness for its seeds this way before fuzzing it.
void WriteSeedsIfAsked(const std::vector<Bytes>& seeds);

// A folder of this process's own under $TMPDIR, ending with "/", made on first use.
const std::string& ScratchFolder();

// Replaces the file at `path` by the bytes.
void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size);

// Ends the run as a crash, naming `what`, when `holds` is false.
void Require(bool holds, const char* what);

void AppendInt32(Bytes& bytes, std::int32_t value);
std::int32_t Int32At(const std::uint8_t* bytes);

} // namespace orvane::fuzz
