#include "ProgramChunk.h"

#include <cstring>

namespace render {

namespace {
void put32(std::vector<unsigned char>& chunk, std::size_t offset, std::int32_t value)
{
    std::memcpy(chunk.data() + offset, &value, sizeof value);
}
} // namespace

std::vector<unsigned char> stateChunkSelecting(std::int32_t identifier, int program, const unsigned char* records)
{
    std::vector<unsigned char> chunk(kStateChunkSize, 0);
    put32(chunk, 0, 0x01000000);  // tag
    put32(chunk, 4, identifier);
    put32(chunk, 8, kProgramCount);
    put32(chunk, 12, program);
    std::memcpy(chunk.data() + kRecordsOffset, records, kStateChunkSize - kRecordsOffset);
    return chunk;
}

} // namespace render
