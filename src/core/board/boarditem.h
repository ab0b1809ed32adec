// An entry of the board document's component list; it owns one component.
#pragma once

#include <memory>
#include <string>

#include "parts/component.h"

namespace cuprum {

class CBoardCntrItem {
 public:
  explicit CBoardCntrItem(std::unique_ptr<Component> component)
      : component_(std::move(component)) {}

  // Empty only while a description reader fills the item.
  [[nodiscard]] Component* GetComponent() const { return component_.get(); }
  void SetComponent(std::unique_ptr<Component> component) { component_ = std::move(component); }

  [[nodiscard]] const std::string& Name() const { return name_; }

 private:
  std::unique_ptr<Component> component_;
  std::string name_ = "default";
};

}  // namespace cuprum
