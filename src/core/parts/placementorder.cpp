#include "parts/placementorder.h"

#include "board/brddoc.h"
#include "parts/arcstrength.h"

namespace cuprum {

PlacementOrder ComputePlacementOrder(const CBrdDoc& doc) {
  const auto& items = doc.Items();
  ArcStrength strength(items.size());
  strength.AddNets(doc);

  PlacementOrder order{strength.Chain()};

  // The parts that keep their positions take no slot: close the gap each
  // leaves in the numbering.
  for (std::size_t k = 0; k < items.size(); ++k) {
    const Component* component = items[k]->GetComponent();
    if (component != nullptr && IsArrangedType(component->TypeLetter())) continue;
    const int removed = order.numbers[k];
    for (int& number : order.numbers) {
      if (number > removed) --number;
    }
    order.numbers[k] = PlacementOrder::NOT_PLACED;
  }
  return order;
}

}  // namespace cuprum
