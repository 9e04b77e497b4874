// The member component that the footing, crack-width and stair calculators hold for their whole
// life. It stands for the host's member-drawing component: it records what the host asks of it
// and is otherwise inert, which is all these calculators require of it.
#pragma once

#include <string>

namespace tk {

class MemberComponent {
 public:
  const std::string& kind() const { return kind_; }
  void set_kind(std::string k) { kind_ = std::move(k); }

 private:
  std::string kind_ = "member";
};

}  // namespace tk
