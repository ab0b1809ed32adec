#include "parts/componentfactory.h"

#include "parts/component.h"
#include "parts/component2pin.h"
#include "parts/dip.h"
#include "parts/edge.h"
#include "parts/sip.h"
#include "parts/zip.h"

namespace cuprum {

bool IsRecordLetter(char letter) { return !ComponentKindText(letter).empty(); }

std::unique_ptr<Component> MakeComponent(char recordLetter) {
  std::unique_ptr<Component> component;
  switch (recordLetter) {
    case 'C': component = std::make_unique<Component2Pin>(); break;
    case 'D': component = std::make_unique<DIP>(); break;
    case 'E': component = std::make_unique<Edge>(); break;
    case 'S': component = std::make_unique<SIP>(); break;
    case 'Z': component = std::make_unique<ZIP>(); break;
    case 'P':
    case 'R': component = std::make_unique<Component>(); break;
    default: return nullptr;
  }
  component->SetTypeLetterValue(recordLetter);
  return component;
}

std::string_view ComponentKindText(char recordLetter) {
  switch (recordLetter) {
    case 'C': return "Component";
    case 'D': return "DIP component";
    case 'E': return "Edge connector";
    case 'P': return "Pad";
    case 'R': return "Reserved location";
    case 'S': return "SIP component";
    case 'Z': return "ZIP component";
    default: return {};
  }
}

}  // namespace cuprum
