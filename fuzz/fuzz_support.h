#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// A failed property stops the fuzzer with a message; libFuzzer then saves the input as a crash.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

// Reads fixed-size values from the front of the fuzzer's input, zeros once it runs out.
class FuzzInput {
  public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    template <typename T>
    T Take() {
        T value{};
        const size_t count = size_ < sizeof value ? size_ : sizeof value;
        if (count != 0) std::memcpy(&value, data_, count);
        data_ += count;
        size_ -= count;
        return value;
    }

  private:
    const uint8_t* data_;
    size_t size_;
};
