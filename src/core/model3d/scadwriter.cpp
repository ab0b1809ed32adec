#include "model3d/scadwriter.h"

#include "board/brddoc.h"
#include "model3d/circuitboard.h"
#include "model3d/mechanicalcomponent.h"
#include "model3d/numberfields.h"
#include "model3d/primitives.h"
#include "parts/component.h"

namespace cuprum {

namespace {

// Lengths stay in metres in the script and are scaled by `meter` there.
std::string Metres(double metres) { return ExponentField(metres) + "*meter"; }

std::string Degrees(double radians) { return ExponentField(radians * DEGREES_PER_RADIAN); }

void AppendPlacement(std::string& text, const MechanicalComponent& body) {
  const RealVector p = body.GetPosition();
  const RealVector o = body.GetOrientation();
  text += "translate([ " + Metres(p.x) + ", " + Metres(p.y) + ", " + Metres(p.z) + " ])\r\n";
  text += "rotate([ " + Degrees(o.x) + ", " + Degrees(o.y) + ", " + Degrees(o.z) + " ])\r\n";
}

void AppendSolid(std::string& text, const MechanicalComponent& body) {
  const std::string center = body.Centred() ? "true" : "false";
  if (const auto* cube = dynamic_cast<const Cube*>(&body)) {
    const RealVector s = cube->GetSize();
    text += "{\r\n    cube([" + Metres(s.x) + ", " + Metres(s.y) + ", " + Metres(s.z) +
            "], center = " + center + ");\r\n}\r\n";
  } else if (const auto* cylinder = dynamic_cast<const Cylinder*>(&body)) {
    const std::string radius = Metres(cylinder->GetRadius());
    text += "{\r\n    cylinder(" + Metres(cylinder->GetHeight()) + ", " + radius + ", " + radius +
            ", center = " + center + ");\r\n}\r\n";
  } else if (const auto* sphere = dynamic_cast<const Sphere*>(&body)) {
    text += "{\r\n    sphere(" + Metres(sphere->GetRadius()) + ");\r\n}\r\n";
  } else {
    text += "{\r\n}\r\n";
  }
}

}  // namespace

std::string ScadBody(const MechanicalComponent& body) {
  std::string text;
  AppendPlacement(text, body);
  AppendSolid(text, body);
  return text;
}

std::string MakeScad(const CBrdDoc& board) {
  std::string text(SCAD_PREAMBLE);
  text += ScadBody(board.Board3d());
  for (const auto& item : board.Items())
    if (const Component* component = item->GetComponent()) text += ScadBody(*component);
  return text;
}

std::filesystem::path ScadExportPath(const std::filesystem::path& boardPath) {
  std::filesystem::path path = boardPath;
  path += ".scad";
  return path;
}

}  // namespace cuprum
