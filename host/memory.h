// Host memory handles, as plug-ins see them: a MemHandle points at a master
// pointer, which points at the data. The MdMemory suite and the host's own
// results (the GetMatchingArt list) use these.
#pragma once

#include <corvane/types.h>

#include <cstddef>
#include <cstdint>

namespace corvane::host {

// A zero-filled handle of `size` bytes (a size of 0 gives a valid handle
// whose data may not be touched); null when memory is exhausted. Never throws.
MemHandle NewMemHandle(uint32_t size);
// Frees a handle made by NewMemHandle. Null, and anything that is not a live
// handle, is ignored (and reported by false), so a double free cannot
// corrupt the host.
bool FreeMemHandle(MemHandle handle);
// True for a handle made by NewMemHandle and not yet freed.
bool IsMemHandle(MemHandle handle);
// The size the handle was made with; 0 for anything not a live handle.
uint32_t MemHandleSize(MemHandle handle);
// Number of live handles, so tests can check that every handle a plug-in was
// given is disposed of.
size_t LiveMemHandles();

}  // namespace corvane::host
