#pragma once

// The test program's global operator new, which passes every request to
// malloc until a test arms it to refuse the next one with std::bad_alloc.
void FailNextAllocation();
