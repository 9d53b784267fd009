#include "files/disk/ByteSink.h"

namespace vantor::files {

bool MemorySink::Write(const void* data, std::size_t size) {
  bytes_.append(static_cast<const char*>(data), size);
  return true;
}

}  // namespace vantor::files
