#include "model3d/standaloneform.h"

#include <gtest/gtest.h>

#include <string>

#include "languagefixture.h"
#include "parts/electroniccomponent.h"

namespace cuprum {
namespace {

class StandAloneForm : public LanguageTest {
 protected:
  // Reads a component whose letter is the text's first byte.
  StandAloneStatus Read(const std::string& text, ElectronicComponent& component) {
    ByteStream& in = Open(text.substr(1));
    return ReadStandAloneComponent(in, text[0], component);
  }
};

TEST_F(StandAloneForm, ATwoPinPartReadsItsSignalsAndValue) {
  ElectronicComponent part;
  ASSERT_EQ(Read("Rr1 5 7 4.700000\r\n", part), StandAloneStatus::Ok);
  EXPECT_EQ(part.TypeLetter(), 'R');
  EXPECT_EQ(part.Name(), "r1");
  EXPECT_EQ(part.PinCount(), 2);
  EXPECT_EQ(part.Width(), 3);
  EXPECT_EQ(part.IoIndex()[0], 5);
  EXPECT_EQ(part.IoIndex()[1], 7);
  EXPECT_DOUBLE_EQ(part.Value(), 4.7);
  EXPECT_EQ(part.Pins()[0], (PinPoint{MakeGridPoint(0, 0, 0), CELL_HOLE}));
  EXPECT_EQ(part.Pins()[1], (PinPoint{MakeGridPoint(5, 0, 0), CELL_HOLE}));
}

TEST_F(StandAloneForm, LettersDecideTheCountsAndWhetherAValueFollows) {
  ElectronicComponent gate;
  ASSERT_EQ(Read("Aand1 1 2 -1 \r\n", gate), StandAloneStatus::Ok);
  EXPECT_EQ(gate.PinCount(), 3);
  EXPECT_EQ(gate.Width(), 1);
  EXPECT_EQ(gate.IoIndex()[2], -1);
  EXPECT_EQ(gate.Pins()[1].point, MakeGridPoint(0, 1, 0));
  EXPECT_EQ(gate.Pins()[2].point, MakeGridPoint(5, 0, 0));
  EXPECT_DOUBLE_EQ(gate.Value(), 0.0);

  ElectronicComponent flipFlop;
  ASSERT_EQ(Read("fff 1 x 3 4 2.5", flipFlop), StandAloneStatus::Ok);
  EXPECT_EQ(flipFlop.PinCount(), 4);
  EXPECT_EQ(flipFlop.IoIndex()[1], 0);  // a word that is no number
  EXPECT_EQ(flipFlop.Pins()[3].point, MakeGridPoint(0, 3, 0));
  EXPECT_DOUBLE_EQ(flipFlop.Value(), 2.5);

  // A pad-like letter leaves the counts unknown and reads only its value.
  ElectronicComponent pad;
  ASSERT_EQ(Read("Pp 1.5", pad), StandAloneStatus::Ok);
  EXPECT_EQ(pad.PinCount(), -1);
  EXPECT_DOUBLE_EQ(pad.Value(), 1.5);
}

TEST_F(StandAloneForm, AnXReadsPinsWhileTheWordsAreNumbers) {
  ElectronicComponent bus;
  ASSERT_EQ(Read("Xbus 1 2 3 4 5 6 7 8 end", bus), StandAloneStatus::Ok);
  // Eight numbers and the word that ended them make nine; an odd count
  // drops one.
  EXPECT_EQ(bus.PinCount(), 8);
  EXPECT_EQ(bus.IoIndex()[7], 8);
  EXPECT_EQ(bus.Pins()[6].point, MakeGridPoint(0, 6, 0));
  EXPECT_EQ(bus.Pins()[7].point, MakeGridPoint(1, 0, 0));
  EXPECT_DOUBLE_EQ(bus.Value(), 0.0);
  EXPECT_GE(bus.TableCapacity(), 9U);
}

TEST_F(StandAloneForm, AnEndlessXEndsWithItsInput) {
  std::string text = "Xbig";
  for (int i = 0; i < 3000; ++i) text += " " + std::to_string(i);
  ElectronicComponent bus;
  ASSERT_EQ(Read(text, bus), StandAloneStatus::Ok);
  EXPECT_EQ(bus.PinCount(), 3000);
  EXPECT_GT(bus.TableCapacity(), 3000U);
}

TEST_F(StandAloneForm, AWordLongerThan127CharactersIsAReadError) {
  ElectronicComponent part;
  EXPECT_EQ(Read("Rr1 " + std::string(MAX_STAND_ALONE_WORD, '1') + " 2 0.5", part),
            StandAloneStatus::Ok);
  ElectronicComponent other;
  EXPECT_EQ(Read("Rr1 " + std::string(MAX_STAND_ALONE_WORD + 1, '1') + " 2 0.5", other),
            StandAloneStatus::ReadError);
  ElectronicComponent value;
  EXPECT_EQ(Read("Rr1 1 2 " + std::string(5000, '9'), value), StandAloneStatus::ReadError);
}

TEST_F(StandAloneForm, WrittenComponentsReadBack) {
  ElectronicComponent original;
  original.SetTypeLetterValue('R');
  original.SetName("r12");
  original.SetPinCount(2);
  original.AllocatePinTables();
  original.IoIndex()[0] = 3;
  original.IoIndex()[1] = -4;
  original.SetValue(220.0);
  const std::string text = WriteStandAloneComponent(original);
  EXPECT_EQ(text, "Rr12 3 -4 220.000000\r\n");

  ElectronicComponent copy;
  ASSERT_EQ(Read(text, copy), StandAloneStatus::Ok);
  EXPECT_EQ(copy.Name(), "r12");
  EXPECT_EQ(copy.IoIndex()[0], 3);
  EXPECT_EQ(copy.IoIndex()[1], -4);
  EXPECT_DOUBLE_EQ(copy.Value(), 220.0);

  ElectronicComponent gate;
  gate.SetTypeLetterValue('o');
  gate.SetName("or1");
  gate.SetPinCount(3);
  gate.AllocatePinTables();
  EXPECT_EQ(WriteStandAloneComponent(gate), "oor1 -1 -1 -1 \r\n");
}

}  // namespace
}  // namespace cuprum
