// The files the program carries inside itself, as byte arrays generated at build time.
#pragma once
#include <cstddef>

namespace res {

struct ByteSpan {
    const unsigned char* data;
    std::size_t size;
};

// Programs built from tools/ and run by the application.
extern const ByteSpan gamma_reset_exe;  // puts the display's gamma ramp back to identity
extern const ByteSpan empty_exe;        // trims the working set of a process id

}  // namespace res
