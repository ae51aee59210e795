// Writes the current-program field of the plug-in's 2408-byte state chunk: the one way a host can
// select one of its 33 programs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace render {

constexpr std::size_t kStateChunkSize = 2408;
constexpr int kProgramCount = 33;

// A chunk that carries the given records (33 x 72 bytes, as the plug-in gave them) and names program as
// current, so that loading it selects that program. Native byte order, as the plug-in writes it.
std::vector<unsigned char> stateChunkSelecting(std::int32_t identifier, int program,
                                               const unsigned char* records);

// Offset of the 33 records inside a chunk.
constexpr std::size_t kRecordsOffset = 32;

} // namespace render
