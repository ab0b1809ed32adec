#include "model3d/descriptionwriter.h"

#include <set>

#include "board/brddoc.h"
#include "board/units.h"
#include "model3d/circuitboard.h"
#include "model3d/mechanicalcomponent.h"
#include "model3d/numberfields.h"
#include "model3d/primitives.h"
#include "parts/component.h"

namespace cuprum {

namespace {

// Grid lengths are written as multiples of tenth_inch so that a hand editor
// reads them in the units of the board.
std::string TenthsField(double metres) {
  return FixedField(metres / METRES_PER_TENTH) + "*tenth_inch";
}

std::string HeaderLine(const MechanicalComponent& body) {
  if (const auto* component = dynamic_cast<const Component*>(&body))
    return component->DescriptionHeader();
  std::string declaration;
  if (dynamic_cast<const CircuitBoard*>(&body) != nullptr)
    declaration = "CircuitBoard pCircuitBoard_";
  else if (dynamic_cast<const Cube*>(&body) != nullptr)
    declaration = "Cube pCube_";
  else if (dynamic_cast<const Cylinder*>(&body) != nullptr)
    declaration = "Cylinder pCylinder_";
  else if (dynamic_cast<const Sphere*>(&body) != nullptr)
    declaration = "Sphere pSphere_";
  else
    declaration = "MechanicalComponent pobject";
  return declaration + body.Letter() + "(\r\n";
}

std::string ClosingLine(const MechanicalComponent& body) {
  if (const auto* component = dynamic_cast<const Component*>(&body))
    return component->DescriptionClosing();
  return ");\r\n";
}

// What every body shares: the centred flag, the turn in radians and the
// position in tenths. The velocity is a run-time quantity and stays out.
void AppendMechanicalArguments(std::string& text, const MechanicalComponent& body) {
  const RealVector o = body.GetOrientation();
  const RealVector p = body.GetPosition();
  text += body.Centred() ? "true, " : "false, ";
  text += "RealVector{ " + ExponentField(o.x) + ", " + ExponentField(o.y) + ", " +
          ExponentField(o.z) + " }";
  text += ", \r\nRealVector{ " + TenthsField(p.x) + ", " + TenthsField(p.y) + ", " +
          TenthsField(p.z) + " }";
}

// A package is written through the primitive it is built on; a pad or a
// reserved location has no solid and writes the placement only.
std::string ArgumentLines(const MechanicalComponent& body) {
  std::string text;
  if (const auto* cube = dynamic_cast<const Cube*>(&body)) {
    const RealVector s = cube->GetSize();
    text += TenthsField(s.x) + ", " + TenthsField(s.y) + ", " + TenthsField(s.z) + ", \r\n";
  } else if (const auto* cylinder = dynamic_cast<const Cylinder*>(&body)) {
    text += ExponentField(cylinder->GetHeight()) + ", " + ExponentField(cylinder->GetRadius()) +
            ", \r\n";
  } else if (const auto* sphere = dynamic_cast<const Sphere*>(&body)) {
    text += ExponentField(sphere->GetRadius()) + ", \r\n";
  }
  AppendMechanicalArguments(text, body);
  return text;
}

// The suffix goes between the letter and the opening parenthesis.
std::string WithSuffix(std::string header, std::string_view suffix) {
  const std::size_t open = header.find('(');
  if (open != std::string::npos) header.insert(open, suffix);
  return header;
}

std::string NameInHeader(const std::string& header) {
  const std::size_t space = header.find(' ');
  const std::size_t open = header.find('(');
  if (space == std::string::npos || open == std::string::npos || open < space) return {};
  return header.substr(space + 1, open - space - 1);
}

}  // namespace

std::string DescribeBody(const MechanicalComponent& body, std::string_view nameSuffix) {
  return WithSuffix(HeaderLine(body), nameSuffix) + ArgumentLines(body) + ClosingLine(body);
}

std::string DeclaredName(const MechanicalComponent& body, std::string_view nameSuffix) {
  return NameInHeader(WithSuffix(HeaderLine(body), nameSuffix));
}

std::optional<std::string> MakeDescription(const CBrdDoc& board) {
  bool anyComponent = false;
  for (const auto& item : board.Items()) anyComponent = anyComponent || item->GetComponent() != nullptr;
  if (!anyComponent) return std::nullopt;

  std::string text(DESCRIPTION_HEADER);
  text += DESCRIPTION_CONSTANT;
  std::set<std::string> names{DeclaredName(board.Board3d())};
  text += DescribeBody(board.Board3d());

  int ordinal = 0;
  for (const auto& item : board.Items()) {
    const Component* component = item->GetComponent();
    if (component == nullptr) continue;
    ++ordinal;
    // Past the 25th the letters repeat; a letter can also repeat earlier on
    // a board whose parts were not all made in one go.
    std::string suffix;
    if (ordinal > LETTERED_OBJECTS || names.count(DeclaredName(*component)) != 0)
      suffix = std::to_string(ordinal);
    names.insert(DeclaredName(*component, suffix));
    text += DescribeBody(*component, suffix);
  }
  return text;
}

std::filesystem::path DescriptionExportPath(const std::filesystem::path& boardPath) {
  std::filesystem::path path = boardPath;
  path += ".cft";
  return path;
}

}  // namespace cuprum
