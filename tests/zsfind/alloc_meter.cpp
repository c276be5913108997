#include "tests/zsfind/alloc_meter.h"

#include <atomic>
#include <cstdlib>
#include <new>

#if defined(_WIN32)
#include <malloc.h>
#define ZS_BLOCK_SIZE _msize
#else
#include <malloc.h>
#define ZS_BLOCK_SIZE malloc_usable_size
#endif

namespace {

std::atomic<std::size_t> InUseBytes{0};
std::atomic<std::size_t> PeakBytes{0};
std::atomic<std::size_t> FailLimit{0};

void* Allocate(std::size_t size) {
  const std::size_t limit = FailLimit.load();
  if (limit != 0 && size >= limit) return nullptr;
  void* block = std::malloc(size == 0 ? 1 : size);
  if (!block) return nullptr;
  const std::size_t now = InUseBytes += ZS_BLOCK_SIZE(block);
  std::size_t peak = PeakBytes.load();
  while (now > peak && !PeakBytes.compare_exchange_weak(peak, now)) {
  }
  return block;
}

void Release(void* block) {
  if (!block) return;
  InUseBytes -= ZS_BLOCK_SIZE(block);
  std::free(block);
}

}  // namespace

namespace allocmeter {

void ResetPeak() { PeakBytes = InUseBytes.load(); }
std::size_t Peak() { return PeakBytes; }
std::size_t InUse() { return InUseBytes; }
void FailFrom(std::size_t bytes) { FailLimit = bytes; }

}  // namespace allocmeter

void* operator new(std::size_t size) {
  if (void* block = Allocate(size)) return block;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Release(block); }
