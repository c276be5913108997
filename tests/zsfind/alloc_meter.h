#pragma once
// Counts the bytes that operator new hands out in this test program, and can
// make large requests fail: the tests of bounded memory and of running out of
// it. The program's operator new and delete are replaced for that.

#include <cstddef>

namespace allocmeter {

// Starts a measurement: the peak is the bytes in use now.
void ResetPeak();
// The most bytes in use at once since ResetPeak.
std::size_t Peak();
std::size_t InUse();
// From now on, a request of at least `bytes` throws std::bad_alloc (0: none).
void FailFrom(std::size_t bytes);

}  // namespace allocmeter
