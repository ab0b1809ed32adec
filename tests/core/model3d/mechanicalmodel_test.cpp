#include <gtest/gtest.h>

#include <numbers>

#include "model3d/circuitboard.h"
#include "model3d/lettercounters.h"
#include "model3d/primitives.h"
#include "parts/component.h"

namespace cuprum {
namespace {

class MechanicalModel : public ::testing::Test {
 protected:
  void SetUp() override { LetterCounters::Process().Reset(); }
};

TEST_F(MechanicalModel, LettersRunFromZDownToBThenStayZ) {
  std::vector<std::unique_ptr<Cube>> cubes;
  for (int i = 0; i < 27; ++i) cubes.push_back(std::make_unique<Cube>());
  EXPECT_EQ(cubes[0]->Letter(), 'Z');
  EXPECT_EQ(cubes[24]->Letter(), 'B');
  EXPECT_EQ(cubes[25]->Letter(), 'Z');
  EXPECT_EQ(cubes[26]->Letter(), 'Z');
  LetterCounters::Process().Reset();
  EXPECT_EQ(Sphere().Letter(), 'Z');
}

TEST_F(MechanicalModel, ComponentKeepsTheComponentCountersLetterInBothParts) {
  Cube first;  // takes a mechanical letter only
  const Component part;
  EXPECT_EQ(first.Letter(), 'Z');
  EXPECT_EQ(part.Letter(), 'Z');    // the component counter's first letter
  EXPECT_EQ(part.IdLetter(), 'Z');
  EXPECT_EQ(LetterCounters::Process().mechanical.Peek(), 'X');
  EXPECT_EQ(LetterCounters::Process().electronic.Peek(), 'Y');
  EXPECT_EQ(LetterCounters::Process().component.Peek(), 'Y');
  EXPECT_EQ(part.TypeLetter(), 'C');
}

TEST_F(MechanicalModel, PrimitivesOfLargerBodiesAreNotCentredFreeBodiesAre) {
  EXPECT_FALSE(Cube().Centred());
  EXPECT_FALSE(CircuitBoard().Centred());
  EXPECT_FALSE(Component().Centred());
  EXPECT_DOUBLE_EQ(CircuitBoard().Pitch(), 0.00254);
}

TEST_F(MechanicalModel, GridPositionMapsToSpace) {
  Component part;
  part.SetLocationXY(10, 3, 1, 1);
  const RealVector p = part.GetPosition();
  EXPECT_NEAR(p.x, -0.0254, 1e-12);
  EXPECT_NEAR(p.y, 0.00762, 1e-12);
  EXPECT_NEAR(p.z, -0.00254, 1e-12);
  part.SetLocationXY(10, 3, 0, 1);
  EXPECT_EQ(part.GetPosition().z, 0.0);
  EXPECT_EQ(Component::SpaceToGrid(RealVector{-0.0254, 0.00762, -0.00254}, 0.00254),
            MakeGridPoint(10, 3, 1));
  // Rows above 127 survive the trip through space.
  EXPECT_EQ(Component::SpaceToGrid(Component::GridToSpace(MakeGridPoint(128, 160, 1), 0.00254), 0.00254),
            MakeGridPoint(128, 160, 1));
}

TEST_F(MechanicalModel, DirectionFollowsTheZRotation) {
  Component part;
  const double pi = std::numbers::pi;
  const struct {
    double angle;
    char direction;
  } cases[] = {{pi / 2, 'U'}, {pi / 4, 'R'}, {3 * pi / 4, 'U'}, {-pi, 'D'},
               {pi, 'L'},     {0.0, 'R'},    {-pi / 4, 'D'},    {-pi / 4 + 1e-9, 'R'}};
  for (const auto& c : cases) {
    part.SetOrientation(0.0, 0.0, c.angle);
    EXPECT_EQ(part.Direction(), c.direction) << c.angle;
  }
  part.SetDirection('L');
  EXPECT_DOUBLE_EQ(part.GetOrientation().z, pi);
  EXPECT_EQ(part.Direction(), 'L');
}

TEST_F(MechanicalModel, NearnessOfBodiesAndSpheres) {
  Sphere ball;
  ball.SetRadius(0.01);
  EXPECT_TRUE(ball.IsNear(0.005, 0, 0));
  EXPECT_FALSE(ball.IsNear(0.02, 0, 0));
  Cube box;  // any body: within a squared distance of 10000
  EXPECT_TRUE(box.IsNear(99, 0, 0));
  EXPECT_FALSE(box.IsNear(100, 0, 0));
}

TEST_F(MechanicalModel, StepMovesByVelocityAndStatusTextShowsPositionAndLetter) {
  Cube box;
  box.SetPosition(1.0, 2.0, 3.0);
  box.SetVelocity(0.5, 0.0, -1.0);
  box.Step(2.0);
  EXPECT_EQ(box.GetPosition(), (RealVector{2.0, 2.0, 1.0}));
  EXPECT_EQ(box.GetStatusText(), "2.00e+00 X, 2.00e+00 Y, 1.00e+00 Z  :  Z");
}

TEST_F(MechanicalModel, NamesAreCutTo63Bytes) {
  Component part;
  part.SetName(std::string(100, 'q'));
  EXPECT_EQ(part.Name().size(), 63U);
  EXPECT_EQ(part.MechanicalName().size(), 63U);
}

TEST(ViewProjection, PixelsOutsideTheViewAreNotDrawn) {
  int pixel = -1;
  EXPECT_TRUE(ProjectToPixel(0.0, 100, 1.0, false, pixel));
  EXPECT_EQ(pixel, 50);
  EXPECT_TRUE(ProjectToPixel(0.001, 100, 1.0, true, pixel));
  EXPECT_EQ(pixel, 100 - (10 + 50));
  EXPECT_FALSE(ProjectToPixel(1.0, 100, 1.0, false, pixel));
  EXPECT_FALSE(ProjectToPixel(1e300, 100, 1e-300, false, pixel));
}

}  // namespace
}  // namespace cuprum
