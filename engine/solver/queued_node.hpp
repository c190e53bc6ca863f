// A position waiting in a best-first search's queue, and the order it waits in.
#pragma once

#include <cstdint>

namespace quilloro::solver {

struct QueuedNode {
  int priority;
  std::uint32_t node;
  // Best score first; among equals the newest, which keeps the search deep.
  friend bool operator<(const QueuedNode& a, const QueuedNode& b) {
    return a.priority != b.priority ? a.priority < b.priority : a.node < b.node;
  }
};

}  // namespace quilloro::solver
