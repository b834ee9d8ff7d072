#pragma once
// Which activations of the application are the user coming back from another program. Closing
// a box of ours can leave the application without an active window for a moment, and the
// window system then activates it again at once; checking the parts images on that activation
// would ask the question just declined, again and again. A real trip to another program keeps
// the application inactive for far longer than that moment.
#include <cstdint>

class TActivationGate {
 public:
  // Shorter absences are the window system handing the activation around, not the user.
  static constexpr int64_t kAwayMs = 250;

  void Deactivated(int64_t nowMs);
  // True when this activation ends an absence of at least kAwayMs, or is the first one.
  bool Activated(int64_t nowMs);

 private:
  bool away_ = false;
  bool seen_ = false;  // an activation has been answered before
  int64_t leftAt_ = 0;
};
