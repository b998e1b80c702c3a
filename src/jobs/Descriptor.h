#pragma once

#include <unistd.h>

#include <utility>

namespace quorvex {

// An open file descriptor of the command's own, closed when it goes; -1 holds none.
class Descriptor {
  public:
    Descriptor() = default;
    explicit Descriptor(int number) : number_(number) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor&& other) noexcept : number_(std::exchange(other.number_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            reset();
            number_ = std::exchange(other.number_, -1);
        }
        return *this;
    }

    int get() const { return number_; }
    bool valid() const { return number_ >= 0; }
    void reset() {
        if (number_ >= 0) close(number_);
        number_ = -1;
    }

  private:
    int number_ = -1;
};

}  // namespace quorvex
