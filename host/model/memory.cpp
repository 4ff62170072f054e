#include "host/memory.h"

#include <cstdlib>
#include <new>
#include <unordered_map>

namespace corvane::host {

namespace {

// The master pointer comes first, so the handle is the block's address.
struct HandleBlock {
  void* data;
  uint32_t size;
};

// Live handles and their blocks. The host is single-threaded.
std::unordered_map<MemHandle, HandleBlock*>& Live() {
  static std::unordered_map<MemHandle, HandleBlock*> live;
  return live;
}

}  // namespace

MemHandle NewMemHandle(uint32_t size) {
  auto* block = new (std::nothrow) HandleBlock{std::calloc(size ? size : 1, 1), size};
  if (!block || !block->data) {
    if (block) std::free(block->data);
    delete block;
    return nullptr;
  }
  MemHandle handle = &block->data;
  try {
    Live().emplace(handle, block);
  } catch (...) {
    std::free(block->data);
    delete block;
    return nullptr;
  }
  return handle;
}

bool FreeMemHandle(MemHandle handle) {
  auto it = Live().find(handle);
  if (it == Live().end()) return false;
  HandleBlock* block = it->second;
  Live().erase(it);
  std::free(block->data);
  delete block;
  return true;
}

bool IsMemHandle(MemHandle handle) { return Live().count(handle) != 0; }

uint32_t MemHandleSize(MemHandle handle) {
  auto it = Live().find(handle);
  return it == Live().end() ? 0 : it->second->size;
}

size_t LiveMemHandles() { return Live().size(); }

}  // namespace corvane::host
