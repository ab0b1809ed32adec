#include "model3d/scadwriter.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>

#include "core/model3d/modeltestboard.h"
#include "model3d/primitives.h"
#include "parts/component.h"

namespace cuprum {
namespace {

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

constexpr const char* UNMOVED =
    "translate([     0.000000e+00*meter,     0.000000e+00*meter,     0.000000e+00*meter ])\r\n"
    "rotate([     0.000000e+00,     0.000000e+00,     0.000000e+00 ])\r\n";

// ---- One body ------------------------------------------------------------------

TEST(ScadWriterBodies, PrimitivesFollowTheirPlacementWithTheirSolid) {
  Cube cube;
  cube.SetCentred(true);
  cube.SetSize(RealVector{0.0254, 0.0127, 0.00508});
  cube.SetPosition(RealVector{0.0254, -0.00254, 0.0});
  EXPECT_EQ(ScadBody(cube),
            "translate([     2.540000e-02*meter,    -2.540000e-03*meter,     0.000000e+00*meter ])\r\n"
            "rotate([     0.000000e+00,     0.000000e+00,     0.000000e+00 ])\r\n"
            "{\r\n"
            "    cube([    2.540000e-02*meter,     1.270000e-02*meter,     5.080000e-03*meter], center = true);\r\n"
            "}\r\n");

  Cylinder cylinder;  // made as part of a larger body: not centred
  cylinder.SetHeight(0.01016);
  cylinder.SetRadius(0.00127);
  EXPECT_EQ(ScadBody(cylinder),
            std::string(UNMOVED) +
                "{\r\n"
                "    cylinder(    1.016000e-02*meter,     1.270000e-03*meter,     1.270000e-03*meter, center = false);\r\n"
                "}\r\n");

  Sphere sphere;
  sphere.SetRadius(0.01);
  EXPECT_EQ(ScadBody(sphere), std::string(UNMOVED) +
                                  "{\r\n"
                                  "    sphere(    1.000000e-02*meter);\r\n"
                                  "}\r\n");
}

TEST(ScadWriterBodies, TurnsAreWrittenInDegrees) {
  Cube cube;
  cube.SetOrientation(std::numbers::pi, 0.0, std::numbers::pi / 2);
  EXPECT_NE(ScadBody(cube).find("rotate([     1.800000e+02,     0.000000e+00,     9.000000e+01 ])\r\n"),
            std::string::npos);
}

TEST(ScadWriterBodies, BodyWithoutASolidGetsABlockOfItsOwn) {
  // A pad: a plain component, which has no solid; its placement must not
  // reach whatever follows it in the script.
  Component pad;
  pad.SetLocationXY(10, 3, 1, 1);
  EXPECT_EQ(ScadBody(pad),
            "translate([    -2.540000e-02*meter,     7.620000e-03*meter,    -2.540000e-03*meter ])\r\n"
            "rotate([     0.000000e+00,     0.000000e+00,     0.000000e+00 ])\r\n"
            "{\r\n"
            "}\r\n");
  MechanicalComponent plain;
  EXPECT_EQ(ScadBody(plain), std::string(UNMOVED) + "{\r\n}\r\n");
}

// ---- The whole script -------------------------------------------------------

class ScadWriterBoard : public ::testing::Test {
 protected:
  ScadWriterBoard()
      : dir_(std::string("scad_") + ::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  testing::ScratchDir dir_;
  CBrdDoc board_;
};

TEST_F(ScadWriterBoard, ScriptIsThePreambleTheBoardThenEveryPartInListOrder) {
  modeltest::LayOut(board_, dir_.Path(), modeltest::EVERY_KIND_LAYOUT);
  std::string expected = "\r\nmeter = 1000;\r\n" + ScadBody(board_.Board3d());
  for (const auto& item : board_.Items()) expected += ScadBody(*item->GetComponent());
  EXPECT_EQ(MakeScad(board_), expected);
}

TEST_F(ScadWriterBoard, EveryPlacementAppliesToABlockOfItsOwn) {
  modeltest::LayOut(board_, dir_.Path(), modeltest::EVERY_KIND_LAYOUT);
  const std::string script = MakeScad(board_);
  const std::size_t bodies = 1 + board_.Items().size();
  EXPECT_EQ(Count(script, "translate(["), bodies);
  EXPECT_EQ(Count(script, "\r\n{\r\n"), bodies);
  EXPECT_EQ(Count(script, "}\r\n"), bodies);
  // Every rotate line is followed at once by its block's opening brace.
  EXPECT_EQ(Count(script, "])\r\n{\r\n"), bodies);
  // The pad and the reserved location come last; nothing dangles after them.
  EXPECT_EQ(script.substr(script.size() - 6), "{\r\n}\r\n");
}

TEST_F(ScadWriterBoard, BoardAloneIsItsUncentredBox) {
  board_.SetSizeInTenths(20, 10, Resolution::Mil100, 1);
  EXPECT_EQ(MakeScad(board_),
            "\r\nmeter = 1000;\r\n"
            "translate([    -5.080000e-02*meter,     0.000000e+00*meter,    -2.540000e-03*meter ])\r\n"
            "rotate([     0.000000e+00,     0.000000e+00,     0.000000e+00 ])\r\n"
            "{\r\n"
            "    cube([    5.080000e-02*meter,     2.540000e-02*meter,     1.270000e-03*meter], center = false);\r\n"
            "}\r\n");
}

}  // namespace
}  // namespace cuprum
