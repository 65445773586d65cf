// Brackets the host's C-interface calls for one scope. The host counts the pairs, so
// scopes nest, and the pair closes however the scope is left.
#pragma once
#include <uf.h>

namespace kzt {

class UfSession {
public:
  UfSession() { UF_initialize(); }
  ~UfSession() { UF_terminate(); }
  UfSession(const UfSession&) = delete;
  UfSession& operator=(const UfSession&) = delete;
};

}  // namespace kzt
