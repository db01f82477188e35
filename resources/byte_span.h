// A view of bytes the program carries inside itself.
#pragma once
#include <cstddef>

namespace res {

struct ByteSpan {
    const unsigned char* data;
    std::size_t size;
};

}  // namespace res
