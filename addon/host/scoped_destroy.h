// Destroys a host builder (or a FileNew) when the scope ends, so that a Commit that
// throws leaves no builder behind.
#pragma once

namespace kzt {

template <class B>
class ScopedDestroy {
public:
  explicit ScopedDestroy(B* builder) : builder_(builder) {}
  ~ScopedDestroy() {
    if (builder_) builder_->Destroy();
  }
  ScopedDestroy(const ScopedDestroy&) = delete;
  ScopedDestroy& operator=(const ScopedDestroy&) = delete;

private:
  B* builder_;
};

}  // namespace kzt
