// The state folder: each filter's parameter block, kept between runs of the
// command so the next dialog shows the values chosen last time.
//
// File format, one file per deliverable, "<name>.block": the four bytes
// "CVPB", a 32-bit little-endian format version (1), a 32-bit little-endian
// block size, then the block's bytes. Files are replaced atomically.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane::host {

class ParameterStore {
 public:
  explicit ParameterStore(std::string directory) : directory_(std::move(directory)) {}

  // The kept block, or nullopt when there is none. A file that is not a
  // block of ours is reported through *warning and ignored.
  std::optional<std::vector<uint8_t>> load(const std::string& name, std::string* warning) const;
  // Writes the block; false with *error on failure (nothing half-written).
  bool save(const std::string& name, const void* bytes, uint32_t size, std::string* error) const;

  std::string pathFor(const std::string& name) const;

  // $CORVANE_STATE_DIR, else $XDG_STATE_HOME/corvane, else
  // $HOME/.local/state/corvane, else ".corvane-state".
  static std::string DefaultDirectory();

 private:
  std::string directory_;
};

// Writes bytes to path through a temporary file in the same directory and a
// rename, so readers see the old file or the new one, never a part.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error);

}  // namespace corvane::host
