#include <gtest/gtest.h>

#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "model3d/lettercounters.h"
#include "parts/component2pin.h"
#include "parts/componentfactory.h"
#include "parts/dip.h"
#include "parts/edge.h"
#include "parts/sip.h"
#include "parts/zip.h"

namespace cuprum {
namespace {

class ComponentClasses : public ::testing::Test {
 protected:
  void SetUp() override { LetterCounters::Process().Reset(); }
};

TEST_F(ComponentClasses, RecordLettersMakeTheirClasses) {
  EXPECT_NE(dynamic_cast<Component2Pin*>(MakeComponent('C').get()), nullptr);
  EXPECT_NE(dynamic_cast<DIP*>(MakeComponent('D').get()), nullptr);
  EXPECT_NE(dynamic_cast<Edge*>(MakeComponent('E').get()), nullptr);
  EXPECT_NE(dynamic_cast<SIP*>(MakeComponent('S').get()), nullptr);
  EXPECT_NE(dynamic_cast<ZIP*>(MakeComponent('Z').get()), nullptr);
  for (const char letter : {'P', 'R'}) {
    const auto plain = MakeComponent(letter);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(dynamic_cast<Cube*>(plain.get()), nullptr);
    EXPECT_EQ(dynamic_cast<Cylinder*>(plain.get()), nullptr);
  }
  for (const char letter : {'C', 'D', 'E', 'P', 'R', 'S', 'Z'}) {
    EXPECT_EQ(MakeComponent(letter)->TypeLetter(), letter);
    EXPECT_TRUE(IsRecordLetter(letter));
  }
  for (const char letter : {'c', 'A', 'X', 'T', ' ', '\0'}) {
    EXPECT_EQ(MakeComponent(letter), nullptr);
    EXPECT_FALSE(IsRecordLetter(letter));
  }
}

TEST_F(ComponentClasses, DialogTextStartsWithTheRecordLetter) {
  for (const char letter : {'C', 'D', 'E', 'P', 'R', 'S', 'Z'}) {
    ASSERT_FALSE(ComponentKindText(letter).empty());
    EXPECT_EQ(ComponentKindText(letter).front(), letter);
  }
  EXPECT_EQ(ComponentKindText('R'), "Reserved location");
  EXPECT_EQ(ComponentKindText('E'), "Edge connector");
}

TEST_F(ComponentClasses, EachClassStartsWithItsOwnTypeLetter) {
  EXPECT_EQ(Component().TypeLetter(), 'C');
  EXPECT_EQ(Component2Pin().TypeLetter(), 'C');
  EXPECT_EQ(DIP().TypeLetter(), 'D');
  EXPECT_EQ(Edge().TypeLetter(), 'E');
  EXPECT_EQ(SIP().TypeLetter(), 'S');
  EXPECT_EQ(ZIP().TypeLetter(), 'Z');
  // The letter can be set back to the class's own after a record letter.
  auto edge = MakeComponent('E');
  edge->SetTypeLetterValue('X');
  edge->SetTypeLetter();
  EXPECT_EQ(edge->TypeLetter(), 'E');
}

TEST_F(ComponentClasses, PackagesAreUncentredBodiesLetteredByTheComponentCounter) {
  Cube spare;  // a mechanical letter only
  const DIP dip;
  const ZIP zip;
  EXPECT_EQ(dip.Letter(), 'Z');
  EXPECT_EQ(dip.IdLetter(), 'Z');
  EXPECT_EQ(zip.Letter(), 'Y');
  EXPECT_EQ(zip.IdLetter(), 'Y');
  EXPECT_FALSE(dip.Centred());
  EXPECT_FALSE(Component2Pin().Centred());
  // One step of each counter per component.
  EXPECT_EQ(LetterCounters::Process().mechanical.Peek(), 'V');
  EXPECT_EQ(LetterCounters::Process().electronic.Peek(), 'W');
  EXPECT_EQ(LetterCounters::Process().component.Peek(), 'W');
}

TEST_F(ComponentClasses, TheTwentySixthComponentIsLetteredZAgain) {
  std::vector<std::unique_ptr<Component>> parts;
  for (int i = 0; i < 27; ++i) parts.push_back(MakeComponent('S'));
  EXPECT_EQ(parts[24]->Letter(), 'B');
  EXPECT_EQ(parts[25]->Letter(), 'Z');
  EXPECT_EQ(parts[26]->IdLetter(), 'Z');
}

TEST_F(ComponentClasses, DescriptionLinesNameTheClassAndLetter) {
  EXPECT_EQ(Component2Pin().DescriptionHeader(), "ElectronicComponent pComponent_Z(\r\n");
  EXPECT_EQ(DIP().DescriptionHeader(), "DIP pDIP_Y(\r\n");
  EXPECT_EQ(SIP().DescriptionHeader(), "SIP pSIP_X(\r\n");
  EXPECT_EQ(ZIP().DescriptionHeader(), "ZIP pZIP_W(\r\n");
  EXPECT_EQ(Edge().DescriptionHeader(), "Edge pEdge_V(\r\n");
  EXPECT_EQ(MakeComponent('P')->DescriptionHeader(), "Cube pCube_U(\r\n");
  EXPECT_EQ(DIP().DescriptionClosing(), ");\r\n");
  EXPECT_EQ(Component().DescriptionClosing(), ");\r\n");
}

TEST_F(ComponentClasses, DirectionTurnsTheBodyAndTheTurnNamesTheDirection) {
  Component part;
  part.SetDirection('D');
  EXPECT_NEAR(part.GetOrientation().z, -std::numbers::pi / 2, 1e-12);
  EXPECT_EQ(part.Direction(), 'D');
  part.SetOrientation(0, 0, std::numbers::pi / 4);
  EXPECT_EQ(part.Direction(), 'R');
  part.SetOrientation(0, 0, 3 * std::numbers::pi / 4);
  EXPECT_EQ(part.Direction(), 'U');
  part.SetOrientation(0, 0, -std::numbers::pi);
  EXPECT_EQ(part.Direction(), 'D');

  // A written turn reads back as the nearest quarter turn, whole turns aside.
  EXPECT_EQ(DirectionFromQuarterTurns(3.141593), 'L');
  EXPECT_EQ(DirectionFromQuarterTurns(-3.141593), 'L');
  EXPECT_EQ(DirectionFromQuarterTurns(3 * std::numbers::pi / 2), 'D');
  EXPECT_EQ(DirectionFromQuarterTurns(2 * std::numbers::pi + 1.570796), 'U');
  EXPECT_EQ(DirectionFromQuarterTurns(std::numeric_limits<double>::quiet_NaN()), 'R');
}

TEST_F(ComponentClasses, StatusTextShowsTheSignalsOfTheLettersSlots) {
  auto part = MakeComponent('D');
  part->SetName("U1");
  part->SetPinCount(4);
  part->AllocatePinTables();
  part->IoIndex()[0] = 2;
  part->IoIndex()[1] = 0;
  part->IoIndex()[2] = 1;
  part->IoIndex()[3] = 7;  // past the table: shown as 0
  const std::vector<double> signals = {0.5, 1.25, 3};
  EXPECT_EQ(part->GetStatusText(signals), "D U1 => I[2]=3, O[0]=0.5");
  part->SetTypeLetterValue('a');
  EXPECT_EQ(part->GetStatusText(signals), "a U1 => I1[2]=3, I2[0]=0.5, O[1]=1.25");
  part->SetTypeLetterValue('K');
  EXPECT_EQ(part->GetStatusText(signals), "K U1 => I1[2]=3, I2[0]=0.5, O1[1]=1.25, O2[7]=0");
  for (const char silent : {'P', 'w', 'Y', 'Z', '[', '`'}) {
    part->SetTypeLetterValue(silent);
    EXPECT_EQ(part->GetStatusText(signals), "");
  }
  // The body's own status line stays reachable.
  EXPECT_NE(part->GetStatusText().find(" :  "), std::string::npos);
}

TEST_F(ComponentClasses, StatusTextIsCutAndSafeWithoutTables) {
  auto part = MakeComponent('S');
  EXPECT_EQ(part->GetStatusText({}), "S  => I[-1]=0, O[-1]=0");
  part->SetName(std::string(70, 'n'));
  EXPECT_EQ(part->Name().size(), 63U);
  EXPECT_EQ(part->MechanicalName().size(), 63U);
  EXPECT_LT(part->GetStatusText({}).size(), 256U);
}

TEST_F(ComponentClasses, PinTablesGrowByFourOnceFull) {
  SIP sip;
  sip.SetPinCount(3);
  sip.AllocatePinTables();
  EXPECT_EQ(sip.TableCapacity(), 4U);
  sip.Pins()[3] = PinPoint{MakeGridPoint(1, 2, 0), CELL_HOLE};
  sip.GrowPinTables();  // 3 is not a multiple of 4
  EXPECT_EQ(sip.TableCapacity(), 4U);
  sip.SetPinCount(4);
  sip.GrowPinTables();
  EXPECT_EQ(sip.TableCapacity(), 8U);
  EXPECT_EQ(sip.IoIndex().size(), 8U);
  EXPECT_EQ(sip.InUse().size(), 8U);
  EXPECT_EQ(sip.Pins()[3], (PinPoint{MakeGridPoint(1, 2, 0), CELL_HOLE}));
  sip.SetPinCount(-1);
  sip.GrowPinTables();
  EXPECT_EQ(sip.TableCapacity(), 8U);
}

}  // namespace
}  // namespace cuprum
