// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builders for WAVE files in tests: chunk by chunk, so that a test can lay out exactly the
// file it needs (extra chunks, short "fmt " chunks, lying sizes), and a scratch folder that
// cleans up after itself.

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace sonarel::testing {

using Bytes = std::vector<std::uint8_t>;

inline void append16(Bytes& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void append32(Bytes& out, std::uint32_t v) {
  append16(out, static_cast<std::uint16_t>(v));
  append16(out, static_cast<std::uint16_t>(v >> 16));
}
inline void appendId(Bytes& out, const char* id) {
  // Byte by byte: GCC 12 at -O2 misreads a range insert here as an overflow and warns.
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(id[i]));
}

// A chunk with its header; `statedSize` overrides the size field when given.
inline Bytes chunk(const char* id, const Bytes& body, std::int64_t statedSize = -1) {
  Bytes out;
  appendId(out, id);
  append32(out, statedSize < 0 ? static_cast<std::uint32_t>(body.size())
                               : static_cast<std::uint32_t>(statedSize));
  out.insert(out.end(), body.begin(), body.end());
  if (body.size() % 2) out.push_back(0);
  return out;
}

inline Bytes fmtBody(std::uint32_t rate, std::uint16_t channels = 1, std::uint16_t bits = 16,
                     std::uint16_t tag = 1) {
  Bytes out;
  append16(out, tag);
  append16(out, channels);
  append32(out, rate);
  append32(out, rate * channels * bits / 8);
  append16(out, static_cast<std::uint16_t>(channels * bits / 8));
  append16(out, bits);
  return out;
}

inline Bytes pcmBytes(const std::vector<std::int16_t>& samples) {
  Bytes out;
  for (std::int16_t s : samples) append16(out, static_cast<std::uint16_t>(s));
  return out;
}

// "RIFF", size, "WAVE" and the given chunks in order.
inline Bytes riffWave(const std::vector<Bytes>& chunks) {
  Bytes body;
  appendId(body, "WAVE");
  for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
  return chunk("RIFF", body);
}

inline Bytes simpleWave(std::uint32_t rate, const std::vector<std::int16_t>& samples) {
  return riffWave({chunk("fmt ", fmtBody(rate)), chunk("data", pcmBytes(samples))});
}

// A sine of `hz` at `rate` with amplitude `peak`, `count` samples long.
inline std::vector<std::int16_t> sine(double hz, std::uint32_t rate, std::size_t count,
                                      double peak = 10000.0) {
  std::vector<std::int16_t> out(count);
  for (std::size_t i = 0; i < count; ++i) {
    out[i] = static_cast<std::int16_t>(std::lround(peak * std::sin(2 * M_PI * hz * i / rate)));
  }
  return out;
}

inline std::vector<std::int16_t> noise(std::size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> value(-32768, 32767);
  std::vector<std::int16_t> out(count);
  for (auto& s : out) s = static_cast<std::int16_t>(value(random));
  return out;
}

// A folder under the system's temporary folder, removed with everything in it.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "sonarel-test-XXXXXX");
    path_ = mkdtemp(pattern.data());
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string file(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

  std::string write(const std::string& name, const Bytes& bytes) const {
    const std::string target = file(name);
    std::ofstream out(target, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return target;
  }

 private:
  std::filesystem::path path_;
};

inline Bytes readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

}  // namespace sonarel::testing
